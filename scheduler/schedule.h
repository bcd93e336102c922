// The schedule entry's and the countdown's decisions, over an abstract view of the
// window's controls, so they run the same against real controls and against a recorder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tw::sched {

enum class List { kHours, kMinutes };
enum class Box { kPowerOff, kSleep };

inline constexpr double kDelayThreshold = 1e-7;
inline constexpr std::string_view kTipHead = "定时关机工具正在后台计时运行,系统将在";
inline constexpr std::string_view kTipTail = "分后关闭，谢谢您的使用.";
inline constexpr std::string_view kNoDelayMessage = "您要选择关机或睡眠的时间哦！";
inline constexpr std::string_view kNoActionMessage = "您要选择是关机还是睡眠！";

// Power action codes understood by the power request.
inline constexpr int kPowerOff = 1;
inline constexpr int kSuspend = 4;

// What the handlers see of the window.
class ScheduleView {
 public:
  virtual ~ScheduleView() = default;
  // The text of the list's selected item; empty with no selection or an index out of range.
  virtual std::string SelectedItemText(List list) = 0;
  virtual bool IsChecked(Box box) = 0;
  // Unchecks a box without raising its click.
  virtual void Uncheck(Box box) = 0;
  virtual int32_t CountdownPeriod() = 0;
  // Starts the countdown afresh from now with this period.
  virtual void RestartCountdown(int32_t periodMs) = 0;
  virtual void SetTray(std::string_view tip) = 0;
  virtual void HideWindow() = 0;
  // Modal; returns when the user dismisses it.
  virtual void ShowMessage(std::string_view text) = 0;
  // False once the window is gone (it can be destroyed while a message is open).
  virtual bool WindowAlive() = 0;
  virtual void RequestPower(int action, bool force) = 0;
};

// The delay in whole milliseconds, truncated to 64 bits, as the countdown period's low 32 bits.
int32_t PeriodFor(double hours, double minutes);
// The tray tip that states the delay X = hours * 60 + minutes.
std::string TipFor(double hours, double minutes);
bool DelayIsSet(double hours, double minutes);

void OnPowerOffBoxClicked(ScheduleView& view);
void OnSleepBoxClicked(ScheduleView& view);
void OnConfirm(ScheduleView& view);
void OnCountdown(ScheduleView& view);

}  // namespace tw::sched
