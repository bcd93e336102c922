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

// The field's text for the local time `secondsAgo` seconds ago.
std::string TextFor(int secondsAgo) {
  SYSTEMTIME st;
  GetLocalTime(&st);
  FILETIME ft;
  SystemTimeToFileTime(&st, &ft);
  ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
  t.QuadPart -= static_cast<ULONGLONG>(secondsAgo) * 10000000ULL;
  ft = {t.LowPart, t.HighPart};
  FileTimeToSystemTime(&ft, &st);
  return std::string(
      DateTimeToText({st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond}).view());
}

TEST_F(MainWindowTest, FieldShowsTheLocalTimeAfterTheFirstPeriod) {
  // A window of its own, timed from before its creation.
  app::TheFrame().Reset();
  const DWORD before = GetTickCount();
  ASSERT_TRUE(app::TheFrame().LoadWindow(false));
  HWND field = app::TheFrame().window()->control(app::kEdit1);
  EXPECT_EQ(FieldText(field), "") << "empty until the first period";
  ASSERT_TRUE(PumpUntil([&] { return !FieldText(field).empty(); }, 3000));
  const DWORD first = GetTickCount() - before;
  EXPECT_GE(first, 950u) << "the first refresh comes one period after creation";
  EXPECT_LE(first, 1600u);
  // Within a second of the real time: the text is the current one or the one before.
  const std::string shown = FieldText(field);
  EXPECT_TRUE(shown == TextFor(0) || shown == TextFor(1))
      << "shown " << shown << ", now " << TextFor(0);
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
