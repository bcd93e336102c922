// The schedule entry's and the countdown's handlers on the real window.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/layout.h"

namespace tw::app {
class MainWindow;
}

namespace tw::sched {

inline constexpr std::string_view kMessageCaption = "信息：";

// Runs a handler of the schedule (check-box clicks, the confirmation, the countdown).
void RunScheduleHandler(app::MainWindow& window, app::Handler handler);

// MessageBoxA with no owner, the caption "信息：", MB_OK | MB_TASKMODAL.
void ShowMessage(std::string_view text);

}  // namespace tw::sched
