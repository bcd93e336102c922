// The time field's text: the local date and time as "2014年7月22日14时42分40秒".
#pragma once

#include <cstddef>
#include <string_view>

namespace tw::clk {

struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

inline constexpr DateTime kEarliest{100, 1, 1, 0, 0, 0};
inline constexpr DateTime kLatest{9999, 12, 31, 0, 0, 0};
// The longest text: a four-digit year and two-digit fields, six two-byte characters.
inline constexpr size_t kMaxTextBytes = 26;

// The text lives inline: formatting the clock never allocates.
struct ClockText {
  char bytes[kMaxTextBytes + 1] = {};
  size_t size = 0;
  std::string_view view() const { return {bytes, size}; }
};

// True for a real calendar date and a time of day (hours 0-23, minutes and seconds 0-59).
bool IsValid(const DateTime& value);

// Clamps to kEarliest..kLatest, then writes the date and the shortest time part that
// keeps every non-zero field: seconds, else minutes, else hours, else nothing at midnight.
ClockText DateTimeToText(const DateTime& value);

}  // namespace tw::clk
