#include "platform/visual_scheme.h"

#include <gtest/gtest.h>

namespace tw::platform {
namespace {

TEST(ThemedKinds, ByClassAndStyle) {
  struct Case {
    const char* cls;
    uint32_t style;
    ThemedKind kind;
  };
  for (const Case& c : {
           Case{"Button", 0x0, ThemedKind::kPushButton},
           Case{"BUTTON", 0x1, ThemedKind::kPushButton},
           Case{"button", 0x2000 | 0x3, ThemedKind::kCheckBox},  // BS_MULTILINE | auto check
           Case{"Button", 0x2, ThemedKind::kCheckBox},
           Case{"Button", 0x5, ThemedKind::kCheckBox},
           Case{"Button", 0x6, ThemedKind::kCheckBox},
           Case{"Button", 0x4, ThemedKind::kRadioButton},
           Case{"Button", 0x9, ThemedKind::kRadioButton},
           Case{"Button", 0x7 | 0x300, ThemedKind::kGroupBox},
           Case{"Button", 0xB, ThemedKind::kNone},  // owner-drawn
           Case{"Button", 0x8, ThemedKind::kNone},  // user button
           Case{"Edit", 0x800, ThemedKind::kEdit},
           Case{"ComboBox", 0x2, ThemedKind::kComboBox},
           Case{"ComboBox", 0x3, ThemedKind::kComboBox},
           Case{"ComboBox", 0x1, ThemedKind::kNone},  // a simple combo box has no drop-down
           Case{"ComboLBox", 0, ThemedKind::kComboList},
           Case{"msctls_updown32", 0, ThemedKind::kUpDown},
           Case{"ListBox", 0, ThemedKind::kNone},
           Case{"Static", 0, ThemedKind::kNone},
           Case{"Buttons", 0, ThemedKind::kNone},
           Case{"", 0, ThemedKind::kNone},
       }) {
    EXPECT_EQ(ThemedKindFor(c.cls, c.style), c.kind) << c.cls << " " << c.style;
  }
}

TEST(SchemeColours, SchemeThreeAndTheFrameColoursOfOneAndTwo) {
  const SchemeColours three = ColoursFor(3);
  EXPECT_EQ(three.editFrame, 198u | 197u << 8 | 215u << 16);
  EXPECT_EQ(three.buttonBorder, 0u | 60u << 8 | 116u << 16);
  EXPECT_EQ(three.groupFrame, 191u | 184u << 8 | 191u << 16);
  EXPECT_EQ(ColoursFor(1).editFrame, 123u | 158u << 8 | 189u << 16);
  EXPECT_EQ(ColoursFor(2).groupFrame, 164u | 185u << 8 | 127u << 16);
}

TEST(DisabledFrames, DarkenEachChannelWithoutBorrowing) {
  EXPECT_EQ(DisabledFrameColour(0xF0F0F0), 0xD0D0D0u);
  EXPECT_EQ(DisabledFrameColour(0xC0C0C0), 0xA0A0A0u);
  // A dark face: each channel stops at 0 instead of borrowing from the next.
  EXPECT_EQ(DisabledFrameColour(0x101010), 0x000000u);
  EXPECT_EQ(DisabledFrameColour(0x30FF10), 0x10DF00u);
  EXPECT_EQ(DisabledFrameColour(0x000000), 0x000000u);
}

}  // namespace
}  // namespace tw::platform
