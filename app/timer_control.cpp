#include "app/timer_control.h"

namespace tw::app {

namespace {
constexpr char kClassName[] = "TarnwickTimer";

ATOM RegisterTimerClass(WNDPROC proc) {
  static const ATOM atom = [proc] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc);
  }();
  return atom;
}
}  // namespace

bool TimerControl::Create(HWND parent, int32_t periodMs, Callback callback, void* context) {
  callback_ = callback;
  context_ = context;
  if (!RegisterTimerClass(Proc)) return false;
  window_ = CreateWindowExA(0, kClassName, "", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!window_) return false;
  SetPeriod(periodMs);
  return true;
}

void TimerControl::SetPeriod(int32_t periodMs) {
  if (periodMs < 0) periodMs = 0;
  if (periodMs == period_) return;
  period_ = periodMs;
  if (!window_) return;
  KillTimer(window_, kTimerId);
  if (period_ > 0) SetTimer(window_, kTimerId, static_cast<UINT>(period_), nullptr);
}

LRESULT CALLBACK TimerControl::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TimerControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrA(
          window, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      break;
    case WM_TIMER:  // the identifier is not examined
      if (self && self->callback_) self->callback_(self->context_);
      return 0;
    case WM_NCDESTROY:
      if (self) self->window_ = nullptr;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tw::app
