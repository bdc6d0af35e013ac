// A desk clock runs for weeks: nothing it does over and over may leave a GDI
// object, a window, a menu or memory behind. Each case warms up once (first
// uses make caches and fonts of their own), then repeats the work many
// times on the real main window and compares the process's live objects
// before and after.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "app/ClockTick.h"
#include "res/resource.h"
#include "tests/fuzz/BitmapSamples.h"
#include "tests/win/ClockWindowFixture.h"
#include "tests/win/GdiCount.h"
#include "tests/win/WideText.h"

namespace {

// A 16 x 16 picture of 24 bits in the temporary folder, to stand behind the faces.
std::string WritePicture() {
  return WriteTempFile("tivora-leak-test.bmp", samples::Quarters(16, 16).Build());
}

// What repeated work may add without leaking: an object or a window that
// some first use creates late, and the heap's growth in steps. A leak grows
// with the rounds: one object a round is thousands, 20 bytes a tick 200 KiB.
const long kGdiAllowance = 2;
const long kWindowAllowance = 1;
const long kMenuAllowance = 0;
const long long kMemoryAllowance = 64 * 1024;

const int kTicks = 10000;
const int kRounds = 1000;

// The common dialogs take a fifth of a second a round under Wine (the font
// dialog lists every font): a thousand rounds of the three would add ten
// minutes to every test run. A hundred show a leak of one object a round a
// hundredfold; TIVORA_DIALOG_ROUNDS=1000 runs the full thousand.
int DialogRounds() {
  char value[16] = "";
  if (!GetEnvironmentVariableA("TIVORA_DIALOG_ROUNDS", value, sizeof value)) return 100;
  int rounds = atoi(value);
  return rounds > 0 ? rounds : 100;
}

// Answers every dialog of this thread the moment it has set itself up: the
// action fills it in, then OK is posted, which the dialog's own loop takes
// next. (A timer would wait for the dialog's loop to run idle; a thousand
// rounds of waiting add minutes.)
class DialogAnswerer {
public:
  explicit DialogAnswerer(std::function<void(HWND)> fillIn) {
    Current() = this;
    FillIn = std::move(fillIn);
    Hook = SetWindowsHookExA(WH_CALLWNDPROCRET, &DialogAnswerer::AfterMessage, nullptr,
                             GetCurrentThreadId());
  }
  ~DialogAnswerer() {
    UnhookWindowsHookEx(Hook);
    Current() = nullptr;
  }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  int Answered = 0;

private:
  std::function<void(HWND)> FillIn;
  HHOOK Hook = nullptr;

  static DialogAnswerer*& Current() {
    static DialogAnswerer* current = nullptr;
    return current;
  }

  static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    DialogAnswerer* self = Current();
    if (code == HC_ACTION && self && m->message == WM_INITDIALOG && IsDialogWindow(m->hwnd) &&
        !(GetWindowLongA(m->hwnd, GWL_STYLE) & WS_CHILD)) {
      if (self->FillIn) self->FillIn(m->hwnd);
      PressButton(m->hwnd, IDOK);
      ++self->Answered;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

// The next second after t, date and weekday included.
SYSTEMTIME NextSecond(const SYSTEMTIME& t) {
  FILETIME f;
  SystemTimeToFileTime(&t, &f);
  ULARGE_INTEGER u;
  u.LowPart = f.dwLowDateTime;
  u.HighPart = f.dwHighDateTime;
  u.QuadPart += 10000000ull;
  f.dwLowDateTime = u.LowPart;
  f.dwHighDateTime = u.HighPart;
  SYSTEMTIME next;
  FileTimeToSystemTime(&f, &next);
  return next;
}

class ResourceLeaks : public ClockWindowTest {
protected:
  void TearDown() override {
    ClockWindowTest::TearDown();
    ResetClockRegistry();
  }

  // Runs work `warmUp` times, then `times` more, and expects the process to
  // hold no more afterwards than the allowances.
  void ExpectNoGrowth(int times, const std::function<void()>& work, int warmUp = 1) {
    for (int i = 0; i < warmUp; ++i) work();
    Pump();
    ResourceCount before = ResourceCount::Now();
    for (int i = 0; i < times; ++i) work();
    Pump();
    ResourceCount growth = ResourceCount::Now() - before;
    EXPECT_LE(growth.Gdi, kGdiAllowance) << growth;
    EXPECT_LE(growth.Windows, kWindowAllowance) << growth;
    EXPECT_LE(growth.Menus, kMenuAllowance) << growth;
    EXPECT_LE(growth.PrivateBytes, kMemoryAllowance) << growth;
    RecordProperty("growth", testing::PrintToString(growth));
  }

  // Ten thousand ticks, a second apart, over two hours and a midnight: every
  // tick's drawing cycle, the whole face at each new minute, the title at
  // the new date.
  void RunTicks(uint32_t flags, bool picture = false) {
    if (picture) {
      OpenClockOnPicture(flags | OnBitmap);
    } else {
      OpenClock(flags);
    }
    // Warmed up over two new minutes: the first full redraws make what they keep.
    SYSTEMTIME now = SystemTimeOf(2002, 3, 14, 22, 58, 0, 4);
    ExpectNoGrowth(kTicks, [&]() {
      now = NextSecond(now);
      ClockTickAt(Clock, now);
    }, 120);
  }

  // OpenClock, with a picture of its own stored as the background.
  void OpenClockOnPicture(uint32_t flags) {
    std::string path = WritePicture();
    ResetClockRegistry();
    PutText("Settings", "Bitmap", path.c_str());
    StoreOptions(flags);
    OpenStoredClock();
  }

  // A thousand rounds of a switch: on and off again, or off and on. The
  // picture switch has a picture of its own to read.
  void RunSwitch(uint32_t flags, WORD command, bool toolTip = false) {
    if (command == IDM_USEBITMAP) {
      OpenClockOnPicture(flags);
    } else {
      OpenClock(flags, toolTip);
    }
    ExpectNoGrowth(kRounds, [&]() {
      Command(command);
      Command(command);
    });
  }
};

// --- the counting itself ------------------------------------------------------------
// Under Wine the counts rest on how its handle tables work; should that
// change, every case below would pass whatever leaked.

TEST(ResourceCounting, SeesABrushAWindowAMenuAndMemoryLeftBehind) {
  // The first window of a thread brings a helper window of the system's,
  // which stays while the thread has a window.
  HWND first = CreateWindowExA(0, "STATIC", "first", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ResourceCount before = ResourceCount::Now();
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HRGN region = CreateRectRgn(0, 0, 5, 5);
  HWND window = CreateWindowExA(0, "STATIC", "leak", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  HMENU menu = CreatePopupMenu();
  // A megabyte in small blocks, as a leak of the program's operator new would.
  std::vector<void*> blocks;
  for (int i = 0; i < 4096; ++i) blocks.push_back(HeapAlloc(GetProcessHeap(), 0, 256));
  ResourceCount growth = ResourceCount::Now() - before;
  EXPECT_EQ(growth.Gdi, 2) << growth;
  EXPECT_EQ(growth.Windows, 1) << growth;
  EXPECT_EQ(growth.Menus, 1) << growth;
  EXPECT_GE(growth.PrivateBytes, 512 * 1024) << growth;

  DeleteObject(brush);
  DeleteObject(region);
  DestroyWindow(window);
  DestroyMenu(menu);
  for (void* block : blocks) HeapFree(GetProcessHeap(), 0, block);
  ResourceCount after = ResourceCount::Now() - before;
  EXPECT_EQ(after.Gdi, 0) << after;
  EXPECT_EQ(after.Windows, 0) << after;
  EXPECT_EQ(after.Menus, 0) << after;
  DestroyWindow(first);
}

// --- the tick's drawing cycles ------------------------------------------------

TEST_F(ResourceLeaks, TicksOfEveryFaceLeaveNothingBehind) {
  struct Face { uint32_t Flags; bool Picture; };
  const Face faces[] = {
      {OnBorder, false},           {OnBorder | OnSecond, false},
      {OnTransparent | OnSecond, false},   {OnBorder | OnSecond, true},
      {OnBorder | OnAnalog | OnSecond, false}, {OnTransparent | OnAnalog | OnSecond, false},
      {OnBorder | OnAnalog | OnSecond, true},
  };
  for (const Face& face : faces) {
    SCOPED_TRACE(testing::Message() << "flags " << face.Flags << (face.Picture ? " on a picture" : ""));
    RunTicks(face.Flags, face.Picture);
    CloseClock();
  }
}

// --- the display switches -------------------------------------------------------

// A thousand rounds of each switch, on the faces where it does the most:
// making and dropping faces, shaping the round face, making the digital
// window layered with its picture and ordinary again, reading the picture.
TEST_F(ResourceLeaks, EverySwitchLeavesNothingBehind) {
  struct Switch { uint32_t Flags; WORD Command; bool ToolTip; };
  const Switch switches[] = {
      {OnBorder | OnSecond, IDM_ANALOG, false},
      {OnAnalog | OnSecond, IDM_TRANSPARENT, false},
      {OnBorder, IDM_TRANSPARENT, false},
      {OnTransparent | OnAnalog | OnSecond, IDM_CAPTION, true},
      {OnBorder | OnAnalog | OnSecond, IDM_BORDER, false},
      {OnBorder, IDM_ONTOP, false},
      {OnBorder | OnAnalog, IDM_SECOND, false},
      {OnBorder, IDM_TOOLTIP, true},
      {OnBorder | OnAnalog | OnSecond, IDM_USEBITMAP, false},
  };
  for (const Switch& sw : switches) {
    SCOPED_TRACE(testing::Message() << "command " << sw.Command << " on flags " << sw.Flags);
    RunSwitch(sw.Flags, sw.Command, sw.ToolTip);
    CloseClock();
  }
}

// --- the menu and the commands with a dialog ---------------------------------------

TEST_F(ResourceLeaks, PopUpMenuOpenedAndClosedLeavesNothingBehind) {
  OpenClock(OnBorder | OnAnalog | OnSecond);
  ExpectNoGrowth(kRounds, [&]() { OpenContextMenu(); });
}

// The font, the colour and the picture dialog, each confirmed: the picture
// chooser is given a picture of its own, which the clock then shows.
TEST_F(ResourceLeaks, EveryCommandWithADialogConfirmedLeavesNothingBehind) {
  const std::string path = WritePicture();
  struct Dialog { uint32_t Flags; WORD Command; };
  for (const Dialog& d : {Dialog{OnBorder | OnSecond, IDM_FONT}, Dialog{OnBorder | OnAnalog | OnSecond, IDM_BACKGROUND},
                          Dialog{OnBorder | OnAnalog | OnSecond | OnBitmap, IDM_BACKGROUND}}) {
    SCOPED_TRACE(testing::Message() << "command " << d.Command << " on flags " << d.Flags);
    const bool picture = (d.Flags & OnBitmap) != 0;
    OpenClock(d.Flags);
    {
      DialogAnswerer answerer([&](HWND dialog) { if (picture) TypeFileName(dialog, path.c_str()); });
      ExpectNoGrowth(DialogRounds(), [&]() { Command(d.Command); });
      EXPECT_EQ(answerer.Answered, DialogRounds() + 1);
    }
    if (picture) EXPECT_STREQ(App->Bitmap, Wide(path).c_str());
    CloseClock();
  }
}

}  // namespace
