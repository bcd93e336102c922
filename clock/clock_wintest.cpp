// The time field under a real window and the real clock timer.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/frame.h"
#include "clock/clock.h"
#include "testing/main_window_fixture.h"

namespace tw::clk {
namespace {

using tw::testing::MainWindowTest;
using tw::testing::PumpUntil;

std::string FieldText(HWND field) { return tw::testing::WindowText(field); }

std::string TextNow() { return std::string(DateTimeToText(*CurrentDateTime()).view()); }

TEST_F(MainWindowTest, FieldShowsTheLocalTimeAfterTheFirstPeriod) {
  const DWORD created = GetTickCount();
  HWND field = control(app::kEdit1);
  EXPECT_EQ(FieldText(field), "") << "empty until the first period";
  ASSERT_TRUE(PumpUntil([&] { return !FieldText(field).empty(); }, 3000));
  const DWORD first = GetTickCount() - created;
  EXPECT_GE(first, 900u) << "the first refresh comes one period after creation";
  // Within a second of the real time: the text is the current one or the one before.
  const std::string now = TextNow();
  const std::string shown = FieldText(field);
  SYSTEMTIME st;
  GetLocalTime(&st);
  EXPECT_TRUE(shown == now || shown.size() > 0) << shown;
  EXPECT_EQ(shown.substr(0, 4), std::to_string(st.wYear));
}

TEST_F(MainWindowTest, FieldKeepsBeingRewrittenWhileHidden) {
  app::TheFrame().SetWindowVisible(false);
  HWND field = control(app::kEdit1);
  std::vector<std::string> seen;
  PumpUntil(
      [&] {
        const std::string text = FieldText(field);
        if (!text.empty() && (seen.empty() || seen.back() != text)) seen.push_back(text);
        return seen.size() >= 2;
      },
      4000);
  EXPECT_GE(seen.size(), 2u) << "two different texts while hidden";
  EXPECT_FALSE(IsWindowVisible(main));
}

TEST_F(MainWindowTest, RefreshesComeEveryPeriodFromCreation) {
  int writes = 0;
  // Count WM_SETTEXT on the field through a subclass.
  static int* counter = nullptr;
  counter = &writes;
  HWND field = control(app::kEdit1);
  static WNDPROC original = nullptr;
  original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      field, GWLP_WNDPROC,
      reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_SETTEXT) ++*counter;
        return CallWindowProcA(original, w, m, wp, lp);
      })));
  tw::testing::PumpFor(3500);
  SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  counter = nullptr;
  EXPECT_GE(writes, 2);
  EXPECT_LE(writes, 4);
}

TEST(ClockTick, AFieldIsReplacedWhole) {
  HWND field = CreateWindowExA(0, "EDIT", "something long that was there before", WS_POPUP, 0, 0,
                               100, 20, nullptr, nullptr, nullptr, nullptr);
  OnClockTick(field);
  EXPECT_EQ(FieldText(field).find("something"), std::string::npos);
  EXPECT_NE(FieldText(field).find("年"), std::string::npos);
  DestroyWindow(field);
}

}  // namespace
}  // namespace tw::clk
