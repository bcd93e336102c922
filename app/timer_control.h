// A timer control: a period in milliseconds (0 = stopped) and one periodic event, kept as
// one SetTimer timer (identifier 1000) on a hidden child window of its own.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tw::app {

inline constexpr UINT_PTR kTimerId = 1000;

class TimerControl {
 public:
  using Callback = void (*)(void* context);

  TimerControl() = default;
  TimerControl(const TimerControl&) = delete;
  TimerControl& operator=(const TimerControl&) = delete;

  // Creates the control's window under `parent`; a period above 0 starts the timer now.
  bool Create(HWND parent, int32_t periodMs, Callback callback, void* context);

  int32_t Period() const { return period_; }
  // A negative period is taken as 0; the period it already has changes nothing; any other
  // stops the timer and, above 0, starts it afresh from now.
  void SetPeriod(int32_t periodMs);
  HWND window() const { return window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;  // a child: destroyed with its parent, which also ends the timer
  int32_t period_ = 0;
  Callback callback_ = nullptr;
  void* context_ = nullptr;
};

}  // namespace tw::app
