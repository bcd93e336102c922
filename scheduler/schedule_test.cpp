#include "scheduler/schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw::sched {
namespace {

// Records every call the handlers make, in order, as readable lines.
class RecordingView : public ScheduleView {
 public:
  std::string hours, minutes;
  bool powerOff = true, sleep = false;
  int32_t period = 0;
  bool alive = true;
  bool destroyOnMessage = false;
  std::vector<std::string> calls;

  std::string SelectedItemText(List list) override {
    calls.push_back(list == List::kHours ? "read hours" : "read minutes");
    return list == List::kHours ? hours : minutes;
  }
  bool IsChecked(Box box) override {
    calls.push_back(box == Box::kPowerOff ? "read power-off" : "read sleep");
    return box == Box::kPowerOff ? powerOff : sleep;
  }
  void Uncheck(Box box) override {
    calls.push_back(box == Box::kPowerOff ? "uncheck power-off" : "uncheck sleep");
    (box == Box::kPowerOff ? powerOff : sleep) = false;
  }
  int32_t CountdownPeriod() override {
    calls.push_back("read period");
    return period;
  }
  void RestartCountdown(int32_t ms) override {
    calls.push_back("arm " + std::to_string(ms));
    period = ms;
  }
  void SetTray(std::string_view tip) override { calls.push_back("tray " + std::string(tip)); }
  void HideWindow() override { calls.push_back("hide"); }
  void ShowMessage(std::string_view text) override {
    calls.push_back("message " + std::string(text));
    if (destroyOnMessage) alive = false;
  }
  bool WindowAlive() override { return alive; }
  void RequestPower(int action, bool force) override {
    calls.push_back("power " + std::to_string(action) + (force ? " forced" : ""));
  }
};

std::string Tip(const char* x) {
  return "tray " + std::string(kTipHead) + x + std::string(kTipTail);
}
const std::string kNoDelay = "message " + std::string(kNoDelayMessage);
const std::string kNoAction = "message " + std::string(kNoActionMessage);

struct ConfirmCase {
  const char* name;
  std::string hours, minutes;
  bool powerOff, sleep;
  std::vector<std::string> expected;
};

class Confirmation : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(Confirmation, DoesItsStepsInOrder) {
  const ConfirmCase& c = GetParam();
  RecordingView view;
  view.hours = c.hours;
  view.minutes = c.minutes;
  view.powerOff = c.powerOff;
  view.sleep = c.sleep;
  OnConfirm(view);
  EXPECT_EQ(view.calls, c.expected);
}

const std::vector<std::string> kReadLists = {"read hours", "read minutes"};
std::vector<std::string> Then(std::vector<std::string> rest) {
  std::vector<std::string> all = kReadLists;
  all.insert(all.end(), rest.begin(), rest.end());
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Confirmation,
    ::testing::Values(
        ConfirmCase{"zero_zero", "0", "0", true, false, Then({kNoDelay, "read power-off"})},
        ConfirmCase{"nothing_at_all", "0", "0", false, false,
                    Then({kNoDelay, "read power-off", "read sleep", kNoAction})},
        ConfirmCase{"no_selection_and_30", "", "30", true, false,
                    Then({"arm 1800000", Tip("30"), "hide", "read power-off"})},
        ConfirmCase{"empty_hour_item_and_0", "", "0", true, false,
                    Then({kNoDelay, "read power-off"})},
        ConfirmCase{"one_minute", "0", "1", true, false,
                    Then({"arm 60000", Tip("1"), "hide", "read power-off"})},
        ConfirmCase{"typical_run", "1", "30", true, false,
                    Then({"arm 5400000", Tip("90"), "hide", "read power-off"})},
        ConfirmCase{"two_hours", "2", "0", false, true,
                    Then({"arm 7200000", Tip("120"), "hide", "read power-off", "read sleep"})},
        ConfirmCase{"largest", "24", "60", true, false,
                    Then({"arm 90000000", Tip("1500"), "hide", "read power-off"})},
        ConfirmCase{
            "armed_without_action", "0", "5", false, false,
            Then({"arm 300000", Tip("5"), "hide", "read power-off", "read sleep", kNoAction})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Confirmation, StopsWhenTheWindowWentAwayDuringTheMessage) {
  RecordingView view;
  view.hours = "0";
  view.minutes = "0";
  view.powerOff = view.sleep = false;
  view.destroyOnMessage = true;
  OnConfirm(view);
  EXPECT_EQ(view.calls, Then({kNoDelay}));
}

TEST(Confirmation, ConfirmingTheSameDelayAgainRestartsIt) {
  RecordingView view;
  view.hours = "0";
  view.minutes = "30";
  OnConfirm(view);
  view.calls.clear();
  OnConfirm(view);
  EXPECT_EQ(view.calls, Then({"arm 1800000", Tip("30"), "hide", "read power-off"}));
}

TEST(Period, IsTheTruncatedDelayInMilliseconds) {
  EXPECT_EQ(PeriodFor(0, 1), 60000);
  EXPECT_EQ(PeriodFor(24, 60), 90000000);
  EXPECT_EQ(PeriodFor(0, 0.0000011), 0);  // 0.066 ms truncates to 0
  EXPECT_EQ(PeriodFor(0, 1e-5 / 60), 0);
  EXPECT_EQ(PeriodFor(1000, 0), -694967296);  // 3 600 000 000 ms: the low 32 bits
  EXPECT_EQ(PeriodFor(0, -1), -60000);
  EXPECT_EQ(PeriodFor(1e300, 0), -1);  // saturated, then the low 32 bits
}

TEST(Delay, IsSetStrictlyAboveTheThreshold) {
  EXPECT_FALSE(DelayIsSet(1e-7, -1e-7));
  EXPECT_TRUE(DelayIsSet(0, -2e-7));
  EXPECT_TRUE(DelayIsSet(2e-7, 0));
}

TEST(CheckBoxes, EachClickUnchecksTheOther) {
  RecordingView view;
  view.powerOff = true;
  view.sleep = true;
  OnPowerOffBoxClicked(view);
  EXPECT_EQ(view.calls, std::vector<std::string>{"uncheck sleep"});
  view.calls.clear();
  OnSleepBoxClicked(view);
  EXPECT_EQ(view.calls, std::vector<std::string>{"uncheck power-off"});
}

struct CountdownCase {
  const char* name;
  int32_t period;
  bool powerOff, sleep;
  std::vector<std::string> expected;
};
class Countdown : public ::testing::TestWithParam<CountdownCase> {};

TEST_P(Countdown, RequestsWhatTheBoxesSayAtExpiry) {
  const CountdownCase& c = GetParam();
  RecordingView view;
  view.period = c.period;
  view.powerOff = c.powerOff;
  view.sleep = c.sleep;
  OnCountdown(view);
  EXPECT_EQ(view.calls, c.expected);
  EXPECT_EQ(view.period, c.period) << "the countdown handler never writes the period";
}

INSTANTIATE_TEST_SUITE_P(
    Table, Countdown,
    ::testing::Values(
        CountdownCase{"stopped", 0, true, true, {"read period"}},
        CountdownCase{"power_off",
                      60000,
                      true,
                      false,
                      {"read period", "read power-off", "power 1 forced", "read sleep"}},
        CountdownCase{"sleep",
                      60000,
                      false,
                      true,
                      {"read period", "read power-off", "read sleep", "power 4 forced"}},
        CountdownCase{
            "neither", 60000, false, false, {"read period", "read power-off", "read sleep"}},
        CountdownCase{
            "both_power_off_first",
            60000,
            true,
            true,
            {"read period", "read power-off", "power 1 forced", "read sleep", "power 4 forced"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw::sched
