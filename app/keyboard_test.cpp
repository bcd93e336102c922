#include "app/keyboard.h"

#include <gtest/gtest.h>

namespace tw::app {
namespace {

TEST(Keys, TheWindowTakesTabEscAndF1Only) {
  EXPECT_EQ(ActionForKey(kVkTab, false), KeyAction::kFocusNext);
  EXPECT_EQ(ActionForKey(kVkTab, true), KeyAction::kFocusPrevious);
  EXPECT_EQ(ActionForKey(kVkEscape, false), KeyAction::kClose);
  EXPECT_EQ(ActionForKey(kVkEscape, true), KeyAction::kClose);
  EXPECT_EQ(ActionForKey(kVkF1, false), KeyAction::kSwallow);
  EXPECT_EQ(ActionForKey(kVkReturn, false), KeyAction::kPass);  // no default push button
  for (unsigned vk : {0x20u, 0x26u, 0x28u, 0x41u})
    EXPECT_EQ(ActionForKey(vk, false), KeyAction::kPass);
}

TEST(TabOrder, WrapsAndSkipsWhatCannotTakeTheFocus) {
  const auto all = [](int) { return true; };
  EXPECT_EQ(NextTabPosition(0, true, 6, all), 1);
  EXPECT_EQ(NextTabPosition(5, true, 6, all), 0);
  EXPECT_EQ(NextTabPosition(0, false, 6, all), 5);
  EXPECT_EQ(NextTabPosition(-1, true, 6, all), 0);
  EXPECT_EQ(NextTabPosition(-1, false, 6, all), 5);
  const auto noTwo = [](int p) { return p != 2; };
  EXPECT_EQ(NextTabPosition(1, true, 6, noTwo), 3);
  EXPECT_EQ(NextTabPosition(3, false, 6, noTwo), 1);
  EXPECT_EQ(NextTabPosition(1, true, 6, [](int) { return false; }), -1);
}

}  // namespace
}  // namespace tw::app
