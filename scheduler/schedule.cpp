#include "scheduler/schedule.h"

#include <cmath>

#include "scheduler/text_number.h"

namespace tw::sched {

namespace {
constexpr double kSecondsPerHour = 3600.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr double kMsPerSecond = 1000.0;
}  // namespace

bool DelayIsSet(double hours, double minutes) {
  return std::fabs(hours) > kDelayThreshold || std::fabs(minutes) > kDelayThreshold;
}

int32_t PeriodFor(double hours, double minutes) {
  const double seconds = hours * kSecondsPerHour + minutes * kSecondsPerMinute;
  const double ms = seconds * kMsPerSecond;
  // Truncation toward zero to 64 bits; values beyond that range are not reachable from
  // the lists, and are clamped rather than left to undefined behaviour.
  int64_t whole = 0;
  if (ms >= 9.2e18) {
    whole = INT64_MAX;
  } else if (ms <= -9.2e18) {
    whole = INT64_MIN;
  } else if (!std::isnan(ms)) {
    whole = static_cast<int64_t>(ms);
  }
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

std::string TipFor(double hours, double minutes) {
  const std::string x = NumberToText(hours * kSecondsPerMinute + minutes);
  return JoinTexts({kTipHead, x, kTipTail});
}

void OnPowerOffBoxClicked(ScheduleView& view) { view.Uncheck(Box::kSleep); }
void OnSleepBoxClicked(ScheduleView& view) { view.Uncheck(Box::kPowerOff); }

void OnConfirm(ScheduleView& view) {
  const double hours = TextToNumber(view.SelectedItemText(List::kHours));
  const double minutes = TextToNumber(view.SelectedItemText(List::kMinutes));
  if (DelayIsSet(hours, minutes)) {
    // Confirming always starts the full delay from now, also when the same delay is
    // already running: the tip promises exactly that.
    view.RestartCountdown(PeriodFor(hours, minutes));
    view.SetTray(TipFor(hours, minutes));
    view.HideWindow();
  } else {
    view.ShowMessage(kNoDelayMessage);
    // The window may have been destroyed from the tray menu while the message was open.
    if (!view.WindowAlive()) return;
  }
  if (!view.IsChecked(Box::kPowerOff) && !view.IsChecked(Box::kSleep)) {
    view.ShowMessage(kNoActionMessage);
  }
}

void OnCountdown(ScheduleView& view) {
  if (view.CountdownPeriod() == 0) return;
  if (view.IsChecked(Box::kPowerOff)) view.RequestPower(kPowerOff, true);
  if (view.IsChecked(Box::kSleep)) view.RequestPower(kSuspend, true);
}

}  // namespace tw::sched
