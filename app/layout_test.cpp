#include "app/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tw::app {
namespace {

TEST(StartPosition, CentresTruncatingTowardZero) {
  struct Case {
    int w, h, x, y;
  };
  for (const Case& c : {Case{1024, 768, 200, 188}, Case{1366, 768, 371, 188},
                        Case{599, 768, -12, 188}, Case{624, 392, 0, 0}, Case{625, 300, 0, -46}}) {
    const Point p = StartPosition(c.w, c.h);
    EXPECT_EQ(p.x, c.x) << c.w;
    EXPECT_EQ(p.y, c.y) << c.h;
  }
}

TEST(ClientPlaces, AddTheGroupBoxOffset) {
  struct Case {
    int index, x, y;
  };
  for (const Case& c :
       {Case{kPicture1, 56, 296}, Case{kButton1, 240, 312}, Case{kCheckBox2, 423, 256},
        Case{kCheckBox1, 421, 216}, Case{kLabel7, 498, 218}, Case{kListBox2, 256, 237},
        Case{kListBox1, 88, 238}, Case{kLabel3, 368, 231}, Case{kLabel2, 200, 233},
        Case{kLabel1, 48, 235}, Case{kGroupBox2, 40, 176}, Case{kEdit1, 64, 56},
        Case{kGroupBox1, 38, 16}}) {
    const Point p = ClientPlace(c.index);
    EXPECT_EQ(p.x, c.x) << kControls[c.index].name;
    EXPECT_EQ(p.y, c.y) << kControls[c.index].name;
  }
}

TEST(Controls, ParentsAreGroupBoxesDefinedLater) {
  std::set<std::string_view> names;
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDef& c = kControls[i];
    EXPECT_TRUE(names.insert(c.name).second) << "duplicate " << c.name;
    if (c.parent != kNoParent) {
      EXPECT_EQ(kControls[c.parent].kind, Kind::kGroupBox) << c.name;
      EXPECT_GT(c.parent, i) << c.name << " lies above its group box in the stacking order";
    }
  }
}

TEST(FocusOrder, IsEditHoursMinutesPowerOffSleepButton) {
  const int expected[kTabStopCount] = {kEdit1,     kListBox1,  kListBox2,
                                       kCheckBox1, kCheckBox2, kButton1};
  for (int position = 0; position < kTabStopCount; ++position) {
    EXPECT_EQ(ControlAtTabPosition(position), expected[position]) << position;
  }
  EXPECT_EQ(ControlAtTabPosition(kTabStopCount), -1);
}

TEST(ListItems, HoursAndMinutesWithTheirEmptyTails) {
  char buffer[4];
  EXPECT_EQ(ItemCount(kListBox1), 26);
  EXPECT_EQ(ItemCount(kListBox2), 63);
  ItemText(kListBox1, 0, buffer);
  EXPECT_STREQ(buffer, "0");
  ItemText(kListBox1, 24, buffer);
  EXPECT_STREQ(buffer, "24");
  EXPECT_EQ(ItemText(kListBox1, 25, buffer), 0u);
  ItemText(kListBox2, 60, buffer);
  EXPECT_STREQ(buffer, "60");
  EXPECT_EQ(ItemText(kListBox2, 61, buffer), 0u);
  EXPECT_EQ(ItemText(kListBox2, 62, buffer), 0u);
  EXPECT_STREQ(buffer, "");
}

TEST(Menu, OperateIsAHiddenMenuOfOpenAndExit) {
  const auto items = MenuItems();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[kMenuOperate].text, kTrayMenuName);
  EXPECT_TRUE(items[kMenuOperate].hidden);
  const auto popup = tray::BuildPopup(items, kMenuOperate);
  ASSERT_TRUE(popup);
  ASSERT_EQ(popup->size(), 2u);
  EXPECT_EQ((*popup)[0].text, "打开程序");
  EXPECT_EQ((*popup)[0].id, 20001u);
  EXPECT_EQ((*popup)[1].text, "退出程序");
  EXPECT_EQ((*popup)[1].id, 20002u);
}

TEST(FitPicture, ShrinksKeepingProportionsAndNeverEnlarges) {
  struct Case {
    int pw, ph, bw, bh;
    Rect expected;
  };
  for (const Case& c : {Case{519, 300, 120, 64, {5, 0, 110, 64}},
                        Case{100, 50, 120, 64, {10, 7, 100, 50}},  // fits: own size, centred
                        Case{240, 32, 120, 64, {0, 24, 120, 16}},  // too wide only
                        Case{60, 128, 120, 64, {45, 0, 30, 64}},   // too tall only
                        Case{120, 64, 120, 64, {0, 0, 120, 64}}, Case{519, 300, 0, 0, {0, 0, 0, 0}},
                        Case{0, 300, 120, 64, {0, 0, 0, 0}}}) {
    const Rect r = FitPicture(c.pw, c.ph, c.bw, c.bh);
    EXPECT_EQ(r.x, c.expected.x) << c.pw << "x" << c.ph;
    EXPECT_EQ(r.y, c.expected.y) << c.pw << "x" << c.ph;
    EXPECT_EQ(r.width, c.expected.width) << c.pw << "x" << c.ph;
    EXPECT_EQ(r.height, c.expected.height) << c.pw << "x" << c.ph;
  }
}

TEST(ControlIds, RoundTrip) {
  for (int i = 0; i < kControlCount; ++i) EXPECT_EQ(ControlIndexForId(ControlId(i)), i);
  EXPECT_FALSE(ControlIndexForId(ControlId(kControlCount)));
  EXPECT_FALSE(ControlIndexForId(0));
}

}  // namespace
}  // namespace tw::app
