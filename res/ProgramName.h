#pragma once

// The program's name: its window title and the caption of its message boxes.
constexpr wchar_t kAppName[] = L"Tivora";
