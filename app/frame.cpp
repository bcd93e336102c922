#include "app/frame.h"

#include <string>

#include "app/fatal.h"
#include "app/keyboard.h"
#include "platform/visual_style.h"

namespace tw::app {

namespace {
bool g_creationFails = false;
}  // namespace

Frame& TheFrame() {
  static Frame frame;
  return frame;
}

void SetMainWindowCreationFailsForTest(bool fails) { g_creationFails = fails; }

void OnMainWindowCreated() { platform::SetVisualStyle(3); }

bool Frame::LoadWindow(bool /*dialogStyle*/) {
  if (MainWindow* loaded = window()) {
    if (IsIconic(loaded->hwnd())) {
      ShowWindow(loaded->hwnd(), SW_RESTORE);
    } else {
      SetActiveWindow(loaded->hwnd());
    }
    return true;
  }
  window_.reset();
  if (g_creationFails) return false;
  window_ = MainWindow::Create();
  if (!window_) return false;
  window_->EnableEvents();
  OnMainWindowCreated();
  if (window()) ShowWindow(window_->hwnd(), SW_SHOW);
  return window() != nullptr;
}

void Frame::SetWindowVisible(bool visible) {
  if (HWND main = hwnd()) ShowWindow(main, visible ? SW_SHOW : SW_HIDE);
}

void Frame::DestroyWindowLater() {
  HWND main = hwnd();
  if (!main) return;
  destroyPending_ = true;
  PostMessageA(main, kDeferredDestroyMessage, 0, 0);
}

void Frame::OnDeferredDestroy() {
  if (!destroyPending_) return;
  destroyPending_ = false;
  if (HWND main = hwnd()) DestroyWindow(main);
}

void Frame::OnWindowDestroyed() {
  destroyPending_ = false;
  if (loopRunning_) PostQuitMessage(0);
}

void Frame::Reset() {
  if (window_ && window_->alive()) DestroyWindow(window_->hwnd());
  window_.reset();
  loopRunning_ = false;
  destroyPending_ = false;
}

bool Frame::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND main = hwnd();
  if (!main || (message.hwnd != main && !IsChild(main, message.hwnd))) return false;
  const KeyAction action =
      ActionForKey(static_cast<unsigned>(message.wParam), GetKeyState(VK_SHIFT) < 0);
  switch (action) {
    case KeyAction::kPass:
      return false;
    case KeyAction::kSwallow:
      return true;
    case KeyAction::kClose:
      SendMessageA(main, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::kFocusNext:
    case KeyAction::kFocusPrevious: {
      MainWindow& w = *window_;
      int current = -1;
      for (HWND f = GetFocus(); f && f != main && current < 0; f = GetParent(f)) {
        for (int p = 0; p < kTabStopCount; ++p) {
          if (w.control(ControlAtTabPosition(p)) == f) current = p;
        }
      }
      const int next =
          NextTabPosition(current, action == KeyAction::kFocusNext, kTabStopCount, [&w](int p) {
            HWND c = w.control(ControlAtTabPosition(p));
            return IsWindowVisible(c) && IsWindowEnabled(c);
          });
      if (next >= 0) SetFocus(w.control(ControlAtTabPosition(next)));
      return true;
    }
  }
  return false;
}

void EnterProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return;
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    if (path.size() >= 32768) return;
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return;
  path.resize(slash);
  SetCurrentDirectoryA(path.c_str());
}

int Frame::Run() {
  EnterProgramFolder();
  InstallOutOfMemoryHandler();
  if (!LoadWindow(false)) FatalError(FatalReason::kStartup);
  loopRunning_ = true;
  if (!window()) return 0;
  MSG message;
  int result;
  while ((result = GetMessageA(&message, nullptr, 0, 0)) > 0) {
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return result == 0 ? static_cast<int>(message.wParam) : 0;
}

}  // namespace tw::app
