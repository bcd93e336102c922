#include "tray/tray_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tw::tray {
namespace {

std::string FieldText(const std::array<char, kTipField>& field) {
  return std::string(field.data(), strnlen(field.data(), field.size()));
}

const std::string kHead = "定时关机工具正在后台计时运行,系统将在";
const std::string kTail = "分后关闭，谢谢您的使用.";

TEST(TipField, KeepsWholeCharactersWithin62Bytes) {
  struct Case {
    std::string x;
    std::string expected;
  };
  for (const Case& c : {
           Case{"1", kHead + "1" + kTail},                    // 61 bytes
           Case{"30", kHead + "30" + kTail},                  // 62 bytes, all of it
           Case{"120", kHead + "120分后关闭，谢谢您的使用"},  // the final "." is lost
           // The cut would split "用": it is dropped whole, ending in "使" (61 bytes).
           Case{"1500", kHead + "1500分后关闭，谢谢您的使"},
       }) {
    const auto field = TipField(kHead + c.x + kTail);
    EXPECT_EQ(FieldText(field), c.expected) << c.x;
    EXPECT_LE(FieldText(field).size(), kTipMaxBytes);
    for (size_t i = FieldText(field).size(); i < kTipField; ++i) EXPECT_EQ(field[i], 0) << i;
  }
  EXPECT_EQ(FieldText(TipField(kHead + "1500" + kTail)).size(), 61u);
}

TEST(TipField, ScansFromTheStartSoTrailBytesThatLookLikeAsciiStayPaired) {
  // 61 ASCII-range-looking bytes would be wrong: "\x81\x40" pairs, whose trail is '@'.
  std::string tip;
  for (int i = 0; i < 31; ++i) tip += "\x81\x40";
  tip += "ab";
  EXPECT_EQ(FieldText(TipField(tip)), tip.substr(0, 62));
  EXPECT_EQ(FieldText(TipField("a\x81")), "a");  // a lone lead byte at the end goes too
  EXPECT_EQ(FieldText(TipField("")), "");
}

TEST(TrayEvents, MapMouseMessages) {
  EXPECT_EQ(TrayEventFor(514), TrayEvent::kClick);
  EXPECT_EQ(TrayEventFor(515), TrayEvent::kDoubleClick);
  EXPECT_EQ(TrayEventFor(517), TrayEvent::kMenu);
  EXPECT_EQ(TrayEventFor(123), TrayEvent::kMenu);
  for (intptr_t other : {0, 512, 513, 516, 518, 519, 1024, -1}) {
    EXPECT_EQ(TrayEventFor(other), TrayEvent::kNone) << other;
  }
}

TEST(MenuCommands, NameItemsByPosition) {
  EXPECT_EQ(MenuItemForCommand(20000, 3), 0u);
  EXPECT_EQ(MenuItemForCommand(20002, 3), 2u);
  EXPECT_FALSE(MenuItemForCommand(20003, 3));
  EXPECT_FALSE(MenuItemForCommand(19999, 3));
  EXPECT_FALSE(MenuItemForCommand(57600, 100000));
  EXPECT_EQ(MenuItemForCommand(57599, 100000), 37599u);
  EXPECT_EQ(CommandIdFor(2), 20002u);
}

TEST(PopupMenu, BuildsTheSubItemsOfAnItem) {
  const std::vector<MenuItem> items = {
      {"操作", 0, true},
      {"打开程序", 1},
      {"-", 1},
      {"隐藏", 1, true},
      {"隐藏之下", 2},
      {"更多", 1, false, true, true},
      {"甲", 2, false, false, true},
      {"乙", 2},
      {"退出程序", 1},
      {"另一菜单", 0},
      {"其项", 1},
  };
  const auto popup = BuildPopup(items, 0);
  ASSERT_TRUE(popup);
  ASSERT_EQ(popup->size(), 4u);
  EXPECT_EQ((*popup)[0].text, "打开程序");
  EXPECT_EQ((*popup)[0].id, 20001u);
  EXPECT_EQ((*popup)[1].kind, PopupEntry::Kind::kSeparator);
  EXPECT_EQ((*popup)[2].kind, PopupEntry::Kind::kSubmenu);
  EXPECT_TRUE((*popup)[2].grayed);
  EXPECT_TRUE((*popup)[2].checked);
  ASSERT_EQ((*popup)[2].children.size(), 2u);
  EXPECT_EQ((*popup)[2].children[0].id, 20006u);
  EXPECT_TRUE((*popup)[2].children[0].checked);
  EXPECT_EQ((*popup)[2].children[1].id, 20007u);
  EXPECT_EQ((*popup)[3].text, "退出程序");
  EXPECT_EQ((*popup)[3].id, 20008u);  // the hidden items keep their identifiers

  EXPECT_FALSE(BuildPopup(items, 1));   // no sub-items
  EXPECT_FALSE(BuildPopup(items, 10));  // the last item
  const auto other = BuildPopup(items, 9);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->size(), 1u);
}

}  // namespace
}  // namespace tw::tray
