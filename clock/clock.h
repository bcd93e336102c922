// The time field: the clock timer's handler and the machine's local time.
#pragma once

#include <windows.h>

#include <optional>

#include "clock/datetime_text.h"

namespace tw::clk {

// The local date and time to the whole second (the fraction dropped); nothing when the
// system gives no valid time.
std::optional<DateTime> CurrentDateTime();

// Writes the current date and time as the whole text of the field. When the time cannot
// be read the field keeps the text it shows: it is never blanked or filled with a guess.
void OnClockTick(HWND field);

}  // namespace tw::clk
