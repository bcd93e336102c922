#include "clock/clock.h"

namespace tw::clk {

std::optional<DateTime> CurrentDateTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const DateTime value{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  if (!IsValid(value)) return std::nullopt;
  return value;
}

void OnClockTick(HWND field) {
  const auto now = CurrentDateTime();
  if (!now || !field) return;
  const ClockText text = DateTimeToText(*now);  // inline bytes: nothing allocated
  SetWindowTextA(field, text.bytes);
}

}  // namespace tw::clk
