#pragma once
#include <windows.h>
#include <string>

// The program's texts are UTF-16; the tests hold many as narrow texts of the
// prefix's ANSI code page, as the ANSI functions read them. These convert
// between the two, as Windows does.
inline std::wstring Wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], n);
  return wide;
}

inline std::string Narrow(const wchar_t* text) {
  int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string narrow(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], n, nullptr, nullptr);
  return narrow;
}
