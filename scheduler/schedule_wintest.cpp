// The schedule entry and the countdown on real controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/frame.h"
#include "scheduler/schedule.h"
#include "scheduler/schedule_win.h"
#include "testing/main_window_fixture.h"
#include "tray/tray_icon.h"

namespace tw::sched {
namespace {

using tw::testing::MainWindowTest;
using tw::testing::MessageBoxWatcher;
using tw::testing::PowerRecorder;
using tw::testing::PumpFor;
using tw::testing::PumpUntil;

class ScheduleTest : public MainWindowTest {
 protected:
  void Select(int list, int item) { SendMessageA(control(list), LB_SETCURSEL, item, 0); }
  void Click(int index) { SendMessageA(control(index), BM_CLICK, 0, 0); }
  bool Checked(int index) { return SendMessageA(control(index), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

TEST_F(ScheduleTest, ConfirmingArmsTheCountdownSetsTheIconAndHides) {
  Select(app::kListBox1, 1);
  Select(app::kListBox2, 30);
  MessageBoxWatcher watcher;
  Click(app::kButton1);
  EXPECT_EQ(window->countdown().Period(), 5400000);
  EXPECT_NE(window->trayIcon().current(), nullptr);
  EXPECT_FALSE(IsWindowVisible(main));
  PumpFor(100);
  EXPECT_TRUE(watcher.boxes().empty());
}

TEST_F(ScheduleTest, TheMessagesComeInOrderWithTheirCaption) {
  Click(app::kCheckBox1);  // both unticked now
  ASSERT_FALSE(Checked(app::kCheckBox1));
  MessageBoxWatcher watcher;
  Click(app::kButton1);
  ASSERT_EQ(watcher.boxes().size(), 2u);
  EXPECT_EQ(watcher.boxes()[0].text, std::string(kNoDelayMessage));
  EXPECT_EQ(watcher.boxes()[1].text, std::string(kNoActionMessage));
  for (const auto& box : watcher.boxes()) EXPECT_EQ(box.caption, std::string(kMessageCaption));
  EXPECT_EQ(window->countdown().Period(), 0);
  EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(ScheduleTest, ArmedWithoutActionStillWarnsAfterHiding) {
  Click(app::kCheckBox1);
  Select(app::kListBox2, 1);
  MessageBoxWatcher watcher([&](const MessageBoxWatcher::Box&) {
    EXPECT_FALSE(IsWindowVisible(main)) << "hidden before the message";
    EXPECT_EQ(window->countdown().Period(), 60000);
  });
  Click(app::kButton1);
  ASSERT_EQ(watcher.boxes().size(), 1u);
  EXPECT_EQ(watcher.boxes()[0].text, std::string(kNoActionMessage));
}

TEST_F(ScheduleTest, EmptyItemsAndNoSelectionReadAsZero) {
  Select(app::kListBox1, 25);  // the empty last hour
  MessageBoxWatcher watcher;
  Click(app::kButton1);
  ASSERT_EQ(watcher.boxes().size(), 1u);
  EXPECT_EQ(watcher.boxes()[0].text, std::string(kNoDelayMessage));
  Select(app::kListBox1, -1);
  Select(app::kListBox2, 30);
  Click(app::kButton1);
  EXPECT_EQ(window->countdown().Period(), 1800000);
}

TEST_F(ScheduleTest, CheckBoxesExcludeEachOther) {
  Click(app::kCheckBox2);
  EXPECT_TRUE(Checked(app::kCheckBox2));
  EXPECT_FALSE(Checked(app::kCheckBox1)) << "the click reached the handler through the group box";
  Click(app::kCheckBox1);
  EXPECT_TRUE(Checked(app::kCheckBox1));
  EXPECT_FALSE(Checked(app::kCheckBox2));
  Click(app::kCheckBox1);
  EXPECT_FALSE(Checked(app::kCheckBox1));
  EXPECT_FALSE(Checked(app::kCheckBox2));
}

TEST_F(ScheduleTest, ExitFromTheTrayDuringTheMessageEndsTheConfirmation) {
  Click(app::kCheckBox1);  // both unticked: a second message would follow
  MessageBoxWatcher watcher([](const MessageBoxWatcher::Box&) {
    app::TheFrame().DestroyWindowLater();  // "退出程序" while the box is open
    PumpUntil([] { return app::TheFrame().window() == nullptr; }, 2000);
  });
  Click(app::kButton1);
  EXPECT_EQ(watcher.boxes().size(), 1u) << "no message after the window is gone";
  EXPECT_EQ(app::TheFrame().window(), nullptr);
}

// The countdown's own timing, with short periods: the timer control's rules.
TEST_F(ScheduleTest, WritingTheSamePeriodDoesNotRestartButRestartingDoes) {
  // Count expiries through the recording power seam: each one with "关机" ticked requests.
  PowerRecorder power;
  app::TimerControl& countdown = window->countdown();
  countdown.SetPeriod(400);
  const DWORD armed = GetTickCount();
  PumpFor(250);
  countdown.SetPeriod(400);  // same value: the schedule goes on
  ASSERT_TRUE(PumpUntil([&] { return !power.calls.empty(); }, 2000));
  const DWORD firstAfter = GetTickCount() - armed;
  EXPECT_LT(firstAfter, 600u) << "the same period did not restart the countdown";
  power.calls.clear();
  const DWORD restarted = GetTickCount();
  countdown.SetPeriod(0);
  countdown.SetPeriod(400);  // the confirmation's restart
  ASSERT_TRUE(PumpUntil([&] { return !power.calls.empty(); }, 2000));
  EXPECT_GE(GetTickCount() - restarted, 350u)
      << "a full period from the restart (timer and tick-count slack)";
  countdown.SetPeriod(-5);
  EXPECT_EQ(countdown.Period(), 0) << "a negative period is taken as 0";
}

TEST_F(ScheduleTest, ConfirmingAgainRestartsTheCountdownFromThatMoment) {
  Select(app::kListBox1, 0);
  Select(app::kListBox2, 1);
  Click(app::kButton1);
  ASSERT_EQ(window->countdown().Period(), 60000);
  // Shorten the running countdown as if most of it had passed, then confirm again.
  PowerRecorder power;
  window->countdown().SetPeriod(300);
  PumpFor(200);
  app::TheFrame().SetWindowVisible(true);
  Click(app::kButton1);
  EXPECT_EQ(window->countdown().Period(), 60000);
  PumpFor(400);
  EXPECT_TRUE(power.calls.empty()) << "the old schedule would have fired by now";
}

TEST_F(ScheduleTest, ExpiryRequestsWhatTheBoxesSayAndStaysArmed) {
  PowerRecorder power;
  window->countdown().SetPeriod(200);
  ASSERT_TRUE(PumpUntil([&] { return power.calls.size() >= 2; }, 3000));
  EXPECT_EQ(power.calls[0], "ExitWindowsEx 12 0");
  EXPECT_EQ(power.calls[1], "ExitWindowsEx 12 0") << "the countdown repeats one period later";
  EXPECT_EQ(window->countdown().Period(), 200);
  power.calls.clear();
  Click(app::kCheckBox2);  // the state at expiry decides
  ASSERT_TRUE(PumpUntil([&] { return !power.calls.empty(); }, 3000));
  EXPECT_EQ(power.calls[0], "SetSystemPowerState 1 1");
}

TEST_F(ScheduleTest, ClosingWhileArmedNeverRequestsPower) {
  PowerRecorder power;
  window->countdown().SetPeriod(150);
  SendMessageA(main, WM_CLOSE, 0, 0);
  PumpFor(500);
  EXPECT_TRUE(power.calls.empty());
}

}  // namespace
}  // namespace tw::sched
