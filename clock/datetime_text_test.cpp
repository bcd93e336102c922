#include "clock/datetime_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tw::clk {
namespace {

struct TextCase {
  DateTime value;
  std::string expected;
};

class ClockTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(ClockTextTable, Formats) {
  EXPECT_EQ(std::string(DateTimeToText(GetParam().value).view()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockTextTable,
    ::testing::Values(TextCase{{2014, 7, 22, 14, 42, 40}, "2014年7月22日14时42分40秒"},
                      TextCase{{2014, 7, 22, 14, 42, 0}, "2014年7月22日14时42分"},
                      TextCase{{2014, 7, 22, 14, 0, 0}, "2014年7月22日14时"},
                      TextCase{{2014, 7, 22, 0, 0, 0}, "2014年7月22日"},
                      TextCase{{2014, 7, 22, 14, 0, 5}, "2014年7月22日14时0分5秒"},
                      TextCase{{2014, 7, 22, 0, 0, 5}, "2014年7月22日0时0分5秒"},
                      TextCase{{2014, 7, 22, 0, 30, 0}, "2014年7月22日0时30分"},
                      TextCase{{2014, 12, 31, 23, 59, 59}, "2014年12月31日23时59分59秒"},
                      TextCase{{2015, 1, 2, 9, 5, 3}, "2015年1月2日9时5分3秒"},
                      // Clamped at both ends.
                      TextCase{{9999, 12, 31, 0, 0, 1}, "9999年12月31日"},
                      TextCase{{12000, 1, 1, 12, 0, 0}, "9999年12月31日"},
                      TextCase{{99, 12, 31, 23, 59, 59}, "100年1月1日"},
                      TextCase{{100, 1, 1, 0, 0, 1}, "100年1月1日0时0分1秒"},
                      TextCase{{-5, 3, 1, 1, 0, 0}, "100年1月1日"},
                      TextCase{{9999, 12, 30, 23, 59, 59}, "9999年12月30日23时59分59秒"}));

TEST(ClockText, LongestIs26Bytes) {
  const ClockText text = DateTimeToText({2014, 12, 31, 23, 59, 59});
  EXPECT_EQ(text.size, kMaxTextBytes);
  EXPECT_EQ(text.bytes[kMaxTextBytes], '\0');
}

TEST(ClockText, ValidityFollowsTheCalendar) {
  EXPECT_TRUE(IsValid({2024, 2, 29, 23, 59, 59}));
  EXPECT_FALSE(IsValid({2023, 2, 29, 0, 0, 0}));
  EXPECT_FALSE(IsValid({2023, 4, 31, 0, 0, 0}));
  EXPECT_FALSE(IsValid({2023, 13, 1, 0, 0, 0}));
  EXPECT_FALSE(IsValid({2023, 1, 1, 24, 0, 0}));
  EXPECT_FALSE(IsValid({2023, 1, 1, 0, 60, 0}));
  EXPECT_FALSE(IsValid({2023, 1, 1, 0, 0, 60}));
  EXPECT_FALSE(IsValid({2023, 0, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace tw::clk
