#pragma once
#include <windows.h>
#include <dlgs.h>
#include <shlwapi.h>
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include "app/ClockApp.h"
#include "app/Globals.h"
#include "base/UiLanguage.h"
#include "tests/host/ClockTimes.h"

// --- the registry ----------------------------------------------------------------

// Removes a key below HKEY_CURRENT_USER with everything under it.
inline void DeleteTree(const char* path) { SHDeleteKeyA(HKEY_CURRENT_USER, path); }

// The clock's own key, emptied before a test that reads or writes settings.
inline void ResetClockRegistry() { DeleteTree("Software\\ZEPH\\Tivora"); }

// The path of one of the clock's subkeys; null names the clock's own key.
inline std::string ClockKeyPath(const char* subkey) {
  std::string path = "Software\\ZEPH\\Tivora";
  return subkey ? path + "\\" + subkey : path;
}

// Opens an existing key of the clock for reading: null when it is missing.
inline HKEY OpenClockKeyToRead(const char* subkey) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, ClockKeyPath(subkey).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return nullptr;
  return key;
}

// Whether a key below HKEY_CURRENT_USER exists.
inline bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

inline bool ClockKeyExists(const char* subkey) { return KeyExists(ClockKeyPath(subkey)); }

// True when the subkey holds no value (or does not exist).
inline bool NothingStoredIn(const char* subkey) {
  HKEY key = OpenClockKeyToRead(subkey);
  if (!key) return true;
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return values == 0;
}

// Raw access to the clock's subkeys, beside the program's own wrappers.
inline HKEY OpenClockSubkey(const char* subkey) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, ClockKeyPath(subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr);
  return key;
}

inline void PutRaw(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
  HKEY key = OpenClockSubkey(subkey);
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

inline void PutDword(const char* subkey, const char* name, DWORD value) {
  PutRaw(subkey, name, REG_DWORD, &value, sizeof value);
}

inline void PutText(const char* subkey, const char* name, const char* text) {
  PutRaw(subkey, name, REG_SZ, text, lstrlenA(text) + 1);
}

// Reads one of the clock's values as stored: false when it is missing.
inline bool GetRaw(const char* subkey, const char* name, DWORD* type, void* data, DWORD* size) {
  HKEY key = OpenClockKeyToRead(subkey);
  if (!key) return false;
  LONG rc = RegQueryValueExA(key, name, nullptr, type, static_cast<BYTE*>(data), size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

inline bool GetDword(const char* subkey, const char* name, DWORD* value) {
  DWORD type = 0, size = sizeof *value;
  return GetRaw(subkey, name, &type, value, &size) && type == REG_DWORD && size == 4;
}

// A number as stored: -1 when it is missing or stored as anything else.
inline long long StoredNumber(const char* subkey, const char* name) {
  DWORD v = 0;
  return GetDword(subkey, name, &v) ? static_cast<long long>(v) : -1;
}

inline bool GetText(const char* subkey, const char* name, char* out, DWORD capacity) {
  DWORD type = 0;
  return GetRaw(subkey, name, &type, out, &capacity) && type == REG_SZ;
}

inline bool ValueExists(const char* subkey, const char* name) {
  DWORD type = 0, size = 0;
  return GetRaw(subkey, name, &type, nullptr, &size);
}

// --- files and windows ----------------------------------------------------------

// A path in the temporary folder.
inline std::string TempFilePath(const std::string& name) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  return std::string(dir) + name;
}

// Writes the bytes into the temporary folder under `name`; gives the path.
template <class Bytes>
std::string WriteTempFile(const std::string& name, const Bytes& bytes) {
  std::string path = TempFilePath(name);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

inline RECT WindowRectOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// --- the application object and the time ----------------------------------------

// The program speaks `language` while this lives, then the test's own UI
// language again.
struct SpeakingLanguage {
  explicit SpeakingLanguage(LANGID language) { ChooseUiLanguage(language); }
  ~SpeakingLanguage() { ChooseUiLanguage(GetUserDefaultUILanguage()); }
};
constexpr LANGID kJapanese = 0x0411, kEnglish = 0x0409;

// A fresh application object in App for one test; the previous one (if a
// test left any) is put back afterwards.
class ScopedApp {
public:
  ScopedApp() : previous_(App) {
    App = new ClockApp(GetModuleHandleA(nullptr), nullptr, SW_SHOWNORMAL);
  }
  ~ScopedApp() {
    delete App;
    App = previous_;
  }
  ScopedApp(const ScopedApp&) = delete;
  ScopedApp& operator=(const ScopedApp&) = delete;
  ClockApp* operator->() const { return App; }

private:
  ClockApp* previous_;
};

// A moment as the system reports it, built as the clock's own time (the
// two have one layout); the weekday only where a test reads it.
inline SYSTEMTIME SystemTimeOf(int year, int month, int day, int hour, int minute, int second,
                               int dayOfWeek = 0) {
  ClockTime t = TimeOf(year, month, day, hour, minute, second, dayOfWeek);
  SYSTEMTIME out;
  static_assert(sizeof out == sizeof t, "one layout");
  memcpy(&out, &t, sizeof out);
  return out;
}

// --- messages and dialogs --------------------------------------------------------

// Runs the messages that are waiting (paints, timers, posted changes), in
// rounds a few milliseconds apart for what they post in turn.
inline void PumpMessages(int rounds = 1) {
  for (int r = 0; r < rounds; ++r) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

// Another window procedure on a window for one scope; the one it replaced,
// which the new one passes messages on to, is put back at the end.
class ScopedWindowProc {
public:
  ScopedWindowProc(HWND window, WNDPROC procedure)
      : Window(window),
        Replaced(reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)))) {}
  ~ScopedWindowProc() {
    SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Replaced));
  }
  ScopedWindowProc(const ScopedWindowProc&) = delete;
  ScopedWindowProc& operator=(const ScopedWindowProc&) = delete;

  const HWND Window;
  const WNDPROC Replaced;
};

// A dialog box or message box: the system's dialog class.
inline bool IsDialogWindow(HWND window) {
  char cls[16] = "";
  GetClassNameA(window, cls, sizeof cls);
  return lstrcmpA(cls, "#32770") == 0;
}

inline std::string WindowText(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A visible dialog of this thread, with the given title (any title when
// null); null while there is none.
inline HWND FindShownDialog(const char* title = nullptr) {
  struct Search {
    const char* Title;
    HWND Found;
  } search = {title, nullptr};
  // A lambda is not stdcall on i686 unless it says so.
  EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM p) [[gnu::stdcall]] -> BOOL {
    Search* s = reinterpret_cast<Search*>(p);
    if (!IsDialogWindow(w) || !IsWindowVisible(w)) return TRUE;
    if (s->Title && WindowText(w) != s->Title) return TRUE;
    s->Found = w;
    return FALSE;
  }, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

inline void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Types a path into the name field of a file chooser (a combo box in the
// newer look, an edit field in the older one).
inline void TypeFileName(HWND chooser, const char* path) {
  HWND name = GetDlgItem(chooser, cmb13);
  if (!name) name = GetDlgItem(chooser, edt1);
  SetWindowTextA(name, path);
}

// Answers the next modal dialog of this thread (of the given title, or any):
// once it shows, the action runs on it, from a thread timer that the
// dialog's own message loop dispatches. When none has shown within 10 s the
// test fails, and whatever dialog of the thread shows then is cancelled so
// that the run goes on; a driver that ends unanswered fails the test too.
class DialogDriver {
public:
  using Action = std::function<void(HWND dialog)>;

  explicit DialogDriver(Action action, const char* title = nullptr) : Act(std::move(action)) {
    if (title) WantedTitle = title;
    Current() = this;
    Timer = SetTimer(nullptr, 0, 50, &DialogDriver::Tick);
  }
  ~DialogDriver() {
    if (Timer) KillTimer(nullptr, Timer);
    Current() = nullptr;
    if (!Ran && !TimedOut) ADD_FAILURE() << "the dialog to answer never showed";
  }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  bool Ran = false;        // the action ran on the dialog
  bool TimedOut = false;   // no dialog had shown after 10 s
  std::string Title;   // the dialog's title, as the window text in code page 932

private:
  Action Act;
  std::string WantedTitle;
  UINT_PTR Timer = 0;
  int Waited = 0;

  static DialogDriver*& Current() {
    static DialogDriver* current = nullptr;
    return current;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* self = Current();
    if (!self || self->Ran) return;
    HWND dialog = FindShownDialog(self->WantedTitle.empty() ? nullptr : self->WantedTitle.c_str());
    if (!dialog && ++self->Waited >= 200) {
      if (!self->TimedOut)
        ADD_FAILURE() << "no dialog " << self->WantedTitle << " to answer showed within 10 s";
      self->TimedOut = true;
      if (HWND other = FindShownDialog()) PressButton(other, IDCANCEL);
      return;
    }
    if (!dialog) return;
    self->Ran = true;
    self->Title = WindowText(dialog);
    self->Act(dialog);
  }
};

// The answer that presses one button of a dialog.
inline DialogDriver::Action Pressing(int button) {
  return [button](HWND dialog) { PressButton(dialog, button); };
}

// A message box as the user saw it.
struct SeenBox {
  std::string Title;
  std::string Text;
  HWND Owner = nullptr;
  bool OwnerDisabled = false;   // modal: its owner could not be used meanwhile
  bool HasIcon = false;
  HICON Icon = nullptr;
  int Buttons = 0;
};

// Reads every message box this thread opens while it lives and answers it
// with OK, so that a modal box can be checked without a user. `ignore` is a
// dialog of the test's own that activates meanwhile.
class MessageBoxCatcher {
public:
  std::vector<SeenBox> Shown;

  explicit MessageBoxCatcher(HWND ignore = nullptr) : Ignore(ignore) {
    Current() = this;
    Hook = SetWindowsHookExA(WH_CBT, &MessageBoxCatcher::OnCbt, nullptr, GetCurrentThreadId());
  }
  ~MessageBoxCatcher() {
    UnhookWindowsHookEx(Hook);
    Current() = nullptr;
  }
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

private:
  HWND Ignore;
  HHOOK Hook = nullptr;

  static MessageBoxCatcher*& Current() {
    static MessageBoxCatcher* current = nullptr;
    return current;
  }

  static BOOL CALLBACK ReadChild(HWND child, LPARAM param) {
    SeenBox& box = *reinterpret_cast<SeenBox*>(param);
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0) ++box.Buttons;
    if (lstrcmpiA(cls, "Static") != 0) return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
      box.HasIcon = true;
      box.Icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    } else {
      std::string text = WindowText(child);
      if (!text.empty()) box.Text = text;
    }
    return TRUE;
  }

  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    MessageBoxCatcher* self = Current();
    if (code == HCBT_ACTIVATE && self && window != self->Ignore && IsDialogWindow(window)) {
      SeenBox box;
      box.Title = WindowText(window);
      box.Owner = GetWindow(window, GW_OWNER);
      box.OwnerDisabled = box.Owner && !IsWindowEnabled(box.Owner);
      EnumChildWindows(window, ReadChild, reinterpret_cast<LPARAM>(&box));
      self->Shown.push_back(box);
      PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};
