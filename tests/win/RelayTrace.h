#pragma once
// Watches the program's real calls into the system. A test acts itself out a
// second time in a child run of this test program under Wine's relay trace,
// limited to the functions it names, and reads back the calls that were made,
// in order, with their arguments and results:
//
//   TEST(Sounds, Case) {
//     if (InTracedChild()) { ...drive the code...; return; }
//     std::vector<TracedCall> calls = TraceCurrentTest("KERNEL32.Beep");
//     ...check calls...
//   }
//
// Wine writes its trace to the Unix standard error of the traced process, so
// the child is started through /bin/sh, which sends it into a file.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

struct TracedCall {
  double Time = 0;         // seconds, Wine's time stamp
  std::string Function;    // without the module: "Beep", "sndPlaySoundW"
  std::string Arguments;   // as traced: numbers in hex, texts quoted
  bool IsReturn = false;   // the "Ret" line of a call
  std::string Result;      // the returned value (hex), on a "Ret" line
};

inline bool InTracedChild() {
  char flag[4] = "";
  return GetEnvironmentVariableA("TIVORA_TRACED_CHILD", flag, sizeof flag) > 0;
}

// The calls of one function (the "Call" lines only).
inline std::vector<TracedCall> CallsOf(const std::vector<TracedCall>& calls, const char* function) {
  std::vector<TracedCall> out;
  for (const TracedCall& c : calls)
    if (!c.IsReturn && c.Function == function) out.push_back(c);
  return out;
}

// Markers left by the child with OutputDebugStringA, to place calls in time.
inline size_t IndexOfMarker(const std::vector<TracedCall>& calls, const std::string& marker) {
  for (size_t i = 0; i < calls.size(); ++i)
    if (!calls[i].IsReturn && calls[i].Function == "OutputDebugStringA" &&
        calls[i].Arguments.find("\"" + marker + "\"") != std::string::npos)
      return i;
  return calls.size();
}

// The calls of `function` that fall between two markers.
inline size_t CallsBetween(const std::vector<TracedCall>& calls, const char* function, const std::string& from,
                           const std::string& to) {
  size_t begin = IndexOfMarker(calls, from), end = IndexOfMarker(calls, to), n = 0;
  for (size_t i = begin; i < end && i < calls.size(); ++i)
    if (!calls[i].IsReturn && calls[i].Function == function) ++n;
  return n;
}

// Whether any call of `function` has `text` among its arguments.
inline bool AnyCallMentions(const std::vector<TracedCall>& calls, const char* function, const std::string& text) {
  for (const TracedCall& c : CallsOf(calls, function))
    if (c.Arguments.find(text) != std::string::npos) return true;
  return false;
}

namespace relay_detail {

inline void SetRelayInclude(const char* functions) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Debug", 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (functions)
    RegSetValueExA(key, "RelayInclude", 0, REG_SZ, reinterpret_cast<const BYTE*>(functions),
                   DWORD(lstrlenA(functions) + 1));
  else
    RegDeleteValueA(key, "RelayInclude");
  RegCloseKey(key);
}

// Wine's own export gives the Unix name of a Windows path.
inline std::string UnixPath(const char* windowsPath) {
  typedef char*(CDECL * ToUnix)(const wchar_t*);
  ToUnix toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return "";
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, windowsPath, -1, wide, MAX_PATH);
  char* unix = toUnix(wide);
  if (!unix) return "";
  std::string path = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return path;
}

inline std::string ReadWhole(const char* path) {
  std::string text;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// The child's own messages, for a failure report: the trace lines left out.
inline std::string WithoutTrace(const std::string& output) {
  std::string kept;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string text = output.substr(start, end - start);
    if (text.find(":Call ") == std::string::npos && text.find(":Ret ") == std::string::npos &&
        text.find(":trace:") == std::string::npos)
      kept += text + "\n";
    start = end + 1;
  }
  return kept;
}

inline std::vector<TracedCall> Parse(const std::string& output) {
  // 1234.567:0024:Call KERNEL32.Beep(00000384,00000258) ret=1400015be
  // 1234.567:0024:Ret  KERNEL32.Beep() retval=00000001 ret=1400015be
  static const std::regex line(
      R"((\d+\.\d+):[0-9a-fA-F]+:(Call|Ret ) [A-Za-z0-9_]+\.([A-Za-z0-9_]+)\((.*)\) (retval=([0-9a-fA-F]+) )?ret=)");
  std::vector<TracedCall> calls;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::smatch m;
    std::string text = output.substr(start, end - start);
    if (std::regex_search(text, m, line)) {
      TracedCall c;
      c.Time = std::atof(m[1].str().c_str());
      c.IsReturn = m[2].str() == "Ret ";
      c.Function = m[3].str();
      c.Arguments = m[4].str();
      c.Result = m[6].str();
      calls.push_back(c);
    }
    start = end + 1;
  }
  return calls;
}

}  // namespace relay_detail

// Runs the current test again in a child process, a Wine started by a Unix
// shell with `unixEnvironment` ("WINEDEBUG=+relay", "LANG=en_US.UTF-8 ...")
// in front of it; InTracedChild() is true there. The child's own checks
// must pass. Returns what the child wrote to its standard output and error.
inline std::string RunCurrentTestInChild(const std::string& unixEnvironment) {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();

  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  char traceFile[MAX_PATH], tempDir[MAX_PATH];
  GetTempPathA(sizeof tempDir, tempDir);
  GetTempFileNameA(tempDir, "trc", 0, traceFile);
  std::string unixTrace = relay_detail::UnixPath(traceFile);

  std::string doneFile = std::string(traceFile) + ".done";
  // The Windows handles given to a Unix program do not become its standard
  // output, so the shell writes the trace into a file; and Wine cannot wait
  // for a Unix process, so the shell leaves a second file when it is done.
  std::string command =
      "Z:\\bin\\sh -c \"" + unixEnvironment + " \\\"${TIVORA_WINE:-wine}\\\" "
      "\\\"$TIVORA_TRACED_EXE\\\" --gtest_filter=" + name +
      " >\\\"$TIVORA_TRACE_FILE\\\" 2>&1; echo $? >\\\"$TIVORA_TRACE_FILE.done\\\"\"";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  SetEnvironmentVariableA("TIVORA_TRACED_CHILD", "1");
  SetEnvironmentVariableA("TIVORA_TRACED_EXE", exe);
  SetEnvironmentVariableA("TIVORA_TRACE_FILE", unixTrace.c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  BOOL started = !unixTrace.empty() &&
                 CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                &startup, &process);
  SetEnvironmentVariableA("TIVORA_TRACED_CHILD", nullptr);

  std::string output;
  if (started) {
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    for (int waited = 0; waited < 600 && GetFileAttributesA(doneFile.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++waited)
      Sleep(100);
    Sleep(100);   // the shell may still be closing the file
    output = relay_detail::ReadWhole(traceFile);
    // gtest's own verdict, as the child printed it.
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos)
        << "the traced child run of " << name << " failed:\n"
        << relay_detail::WithoutTrace(output);
  }
  DeleteFileA(traceFile);
  DeleteFileA(doneFile.c_str());
  EXPECT_TRUE(started) << "could not start the child run";
  return output;
}

// Runs the current test again in a child process with the relay trace on for
// `functions` ("KERNEL32.Beep;WINMM.sndPlaySoundW"; OutputDebugStringA is
// always added for markers). The child's own checks must pass.
inline std::vector<TracedCall> TraceCurrentTest(const char* functions) {
  std::string include = std::string(functions) + ";KERNEL32.OutputDebugStringA";
  relay_detail::SetRelayInclude(include.c_str());
  std::string output = RunCurrentTestInChild("WINEDEBUG=+timestamp,+relay");
  relay_detail::SetRelayInclude(nullptr);
  return relay_detail::Parse(output);
}
