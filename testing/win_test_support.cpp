#include "testing/win_test_support.h"

#include <memory>

#include "platform/handles.h"
#include "platform/power_win.h"

namespace tw::testing {

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassName(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE,
                              timeoutMs - elapsed < 20 ? timeoutMs - elapsed : 20, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

COLORREF ClientPixel(HWND window, int x, int y) {
  RECT rect;
  GetClientRect(window, &rect);
  platform::WindowDc screen(window);
  platform::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
  platform::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), rect.right, rect.bottom));
  platform::SelectIn select(dc.get(), bitmap.get());
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()),
               PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  return GetPixel(dc.get(), x, y);
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  UpdateWindow(window);
  platform::WindowDc dc(window);
  return GetPixel(dc.get(), x, y);
}

namespace {
MessageBoxWatcher* g_watcher = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  char name[32];
  if (IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) &&
      std::string(name) == "#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::function<void(const Box&)> onBox)
    : onBox_(std::move(onBox)) {
  g_watcher = this;
  timer_ = SetTimer(nullptr, 0, 50, Tick);
}

MessageBoxWatcher::~MessageBoxWatcher() {
  KillTimer(nullptr, timer_);
  g_watcher = nullptr;
}

void CALLBACK MessageBoxWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  static bool busy = false;  // onBox may pump messages: no second look at the same box
  if (!g_watcher || busy) return;
  struct Busy {
    Busy() { busy = true; }
    ~Busy() { busy = false; }
  } scope;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  char caption[256] = {};
  char text[1024] = {};
  GetWindowTextA(box, caption, sizeof caption);
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
  Box record{caption, text, GetWindowLongPtrA(box, GWL_STYLE)};
  g_watcher->boxes_.push_back(record);
  if (g_watcher->onBox_) g_watcher->onBox_(record);
  SendMessageA(box, WM_COMMAND, IDOK, 0);
}

namespace {
PowerRecorder* g_power = nullptr;
void Record(std::string call) {
  if (g_power) g_power->calls.push_back(std::move(call));
}
const platform::PowerCalls kRecording = {
    [](uint32_t) -> uint32_t { return platform::kPlatformWin32Nt; },
    []() -> platform::Handle { return reinterpret_cast<platform::Handle>(-1); },
    [](platform::Handle, uint32_t, platform::Handle* token) {
      *token = reinterpret_cast<platform::Handle>(0x1234);
      return 1;
    },
    [](const char*, const char*, platform::Luid* luid) {
      luid->lowPart = 19;
      return 1;
    },
    [](platform::Handle, int, const platform::OnePrivilege*, uint32_t) { return 1; },
    []() -> uint32_t { return 0; },
    [](platform::Handle) { return 1; },
    [](uint32_t flags, uint32_t reason) {
      Record("ExitWindowsEx " + std::to_string(flags) + " " + std::to_string(reason));
      return 0;
    },
    [](int suspend, int force) {
      Record("SetSystemPowerState " + std::to_string(suspend) + " " + std::to_string(force));
      return 0;
    },
};

// A seam that fails the test process loudly if anything reaches for the real calls.
const platform::PowerCalls kRefuseAll = {
    [](uint32_t) -> uint32_t { return platform::kPlatformWin32Nt; },
    []() -> platform::Handle { return nullptr; },
    [](platform::Handle, uint32_t, platform::Handle*) { return 0; },
    [](const char*, const char*, platform::Luid*) { return 0; },
    [](platform::Handle, int, const platform::OnePrivilege*, uint32_t) { return 0; },
    []() -> uint32_t { return 1; },
    [](platform::Handle) { return 0; },
    [](uint32_t, uint32_t) { return 0; },
    [](int, int) { return 0; },
};

struct InstallRefusal {
  InstallRefusal() { platform::SetPowerCalls(&kRefuseAll); }
} g_installRefusal;
}  // namespace

PowerRecorder::PowerRecorder() {
  g_power = this;
  platform::SetPowerCalls(&kRecording);
}
PowerRecorder::~PowerRecorder() {
  platform::SetPowerCalls(&kRefuseAll);
  g_power = nullptr;
}

}  // namespace tw::testing
