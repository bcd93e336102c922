#include "clock/datetime_text.h"

#include <cstdio>
#include <tuple>

namespace tw::clk {

namespace {
auto Key(const DateTime& v) { return std::tie(v.year, v.month, v.day, v.hour, v.minute, v.second); }
}  // namespace

bool IsValid(const DateTime& v) {
  if (v.month < 1 || v.month > 12 || v.day < 1) return false;
  // Gregorian: February has 29 days in years divisible by 4, except centuries not divisible
  // by 400.
  const bool leap = (v.year % 4 == 0 && v.year % 100 != 0) || v.year % 400 == 0;
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int days = kDays[v.month - 1] + (v.month == 2 && leap ? 1 : 0);
  return v.day <= days && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 && v.minute <= 59 &&
         v.second >= 0 && v.second <= 59;
}

ClockText DateTimeToText(const DateTime& value) {
  DateTime v = value;
  if (Key(v) > Key(kLatest)) v = kLatest;
  if (Key(v) < Key(kEarliest)) v = kEarliest;

  ClockText text;
  int n = 0;
  if (v.second != 0) {
    n = std::snprintf(text.bytes, sizeof text.bytes, "%d年%d月%d日%d时%d分%d秒", v.year, v.month,
                      v.day, v.hour, v.minute, v.second);
  } else if (v.minute != 0) {
    n = std::snprintf(text.bytes, sizeof text.bytes, "%d年%d月%d日%d时%d分", v.year, v.month, v.day,
                      v.hour, v.minute);
  } else if (v.hour != 0) {
    n = std::snprintf(text.bytes, sizeof text.bytes, "%d年%d月%d日%d时", v.year, v.month, v.day,
                      v.hour);
  } else {
    n = std::snprintf(text.bytes, sizeof text.bytes, "%d年%d月%d日", v.year, v.month, v.day);
  }
  // An out-of-range field on an unclamped part (say hour 123) could exceed the buffer:
  // snprintf then cuts, and the size is what was really written.
  text.size = n < 0 ? 0
                    : (static_cast<size_t>(n) < sizeof text.bytes ? static_cast<size_t>(n)
                                                                  : sizeof text.bytes - 1);
  return text;
}

}  // namespace tw::clk
