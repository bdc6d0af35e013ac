// Where the exe starts, in place of the C runtime's start-up code. That code
// parses a command line the clock ignores, sets up stdio, thread-local
// storage and error reports it never uses, and costs a tenth of the exe's
// 64 KiB. The clock needs from it only its static constructors, and
// WinMain's arguments.
#include <windows.h>
#include <cstddef>

// The constructors of the program's statics, as the linker lists them:
// a first entry of -1, the constructors, then a null one. They run from the
// last to the first, as the runtime runs them.
using Constructor = void (*)();
extern "C" Constructor __CTOR_LIST__[];

static void RunStaticConstructors() {
  size_t count = 0;
  while (__CTOR_LIST__[count + 1]) ++count;
  for (size_t i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

extern "C" [[noreturn]] void WINAPI ProgramStart() {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
  RunStaticConstructors();
  ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), show)));
}
