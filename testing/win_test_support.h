// Helpers for the in-process Win32 tests: a bounded message pump, pixel reads through
// WM_PRINTCLIENT, a watcher that reads and answers the thread's message boxes, and the
// recording seams that keep every test away from the real power calls.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/power.h"

namespace tw::testing {

// A window's text and class name.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

// Dispatches messages until `done` is true or the timeout passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);

// The window's client area painted into a memory DC (WM_PRINTCLIENT for self-drawn
// windows, PrintWindow otherwise); the pixel at (x, y) of that picture.
COLORREF ClientPixel(HWND window, int x, int y);
// The window's client area as it is on the screen.
COLORREF ScreenPixel(HWND window, int x, int y);

// Answers the thread's message boxes while it lives, recording caption and text of each.
class MessageBoxWatcher {
 public:
  struct Box {
    std::string caption;
    std::string text;
    LONG_PTR style;
  };
  // `onBox` runs while the box is open, before it is answered.
  explicit MessageBoxWatcher(std::function<void(const Box&)> onBox = nullptr);
  ~MessageBoxWatcher();
  const std::vector<Box>& boxes() const { return boxes_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_ = 0;
  std::vector<Box> boxes_;
  std::function<void(const Box&)> onBox_;
};

// A power seam that records each request and refuses everything.
struct PowerRecorder {
  std::vector<std::string> calls;
  PowerRecorder();
  ~PowerRecorder();
};

}  // namespace tw::testing
