#include "scheduler/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tw::sched {
namespace {

struct NumberCase {
  std::string text;
  double expected;
};

class TextToNumberTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberTable, ReadsTheLeadingNumber) {
  const NumberCase& c = GetParam();
  const double got = TextToNumber(c.text);
  EXPECT_EQ(got, c.expected) << "text bytes: " << ::testing::PrintToString(c.text);
  EXPECT_EQ(std::signbit(got), std::signbit(c.expected)) << ::testing::PrintToString(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumberTable,
    ::testing::Values(
        NumberCase{"24", 24}, NumberCase{" 3.5e1", 35}, NumberCase{"1d2", 100},
        NumberCase{"1D-2", 0.01}, NumberCase{"12abc", 12}, NumberCase{"abc", 0}, NumberCase{"", 0},
        NumberCase{"\xA3\xB1\xA3\xB2", 12},  // full-width 1 2
        NumberCase{"1e", 1}, NumberCase{"1e+", 1}, NumberCase{"1E-x", 1}, NumberCase{".5", 0.5},
        NumberCase{"5.", 5}, NumberCase{"+.", 0}, NumberCase{".", 0}, NumberCase{"-0", -0.0},
        NumberCase{"-", 0}, NumberCase{"+7", 7}, NumberCase{"1.2.3", 1.2},
        NumberCase{"\t\n\v\f\r 8", 8}, NumberCase{"- 8", 0}, NumberCase{"0x10", 0},
        NumberCase{"inf", 0}, NumberCase{"nan", 0}, NumberCase{"007", 7}, NumberCase{"60", 60},
        NumberCase{"1e400", INFINITY}, NumberCase{"-1e400", -INFINITY}, NumberCase{"1e-400", 0},
        NumberCase{"0e999999", 0},
        // The ideographic space folds to a space and is skipped as white space.
        NumberCase{"\xA1\xA1"
                   "9",
                   9},
        // Full-width minus, point and digits.
        NumberCase{"\xA3\xAD\xA3\xB3\xA3\xAE\xA3\xB5", -3.5},
        // A lone lead byte at the end is dropped; in the middle it takes the next byte.
        NumberCase{"3\xB0", 3},
        NumberCase{"\xB0"
                   "3",
                   0},
        NumberCase{"4\xA3", 4},
        // Another two-byte character stops the reading.
        NumberCase{"5\xD6\xD0", 5}));

TEST(FoldFullWidth, FoldsTheListedCharactersOnly) {
  EXPECT_EQ(FoldFullWidth("\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF\xA3\xA4"), " ~**$");
  EXPECT_EQ(FoldFullWidth("\xA3\xA1\xA3\xFE"), "!~");
  EXPECT_EQ(FoldFullWidth("\xA1\xA2\xA3\xA0"), "\xA1\xA2\xA3\xA0");  // unchanged pairs
  EXPECT_EQ(FoldFullWidth("ab\xC4"), "ab");
  // A trail byte that looks like ASCII stays part of its character.
  EXPECT_EQ(FoldFullWidth("\x81\x35"
                          "1"),
            "\x81\x35"
            "1");
  EXPECT_EQ(TextToNumber("\x81\x35"
                         "1"),
            0);
}

TEST(NumberToText, WritesLikePercentPoint13g) {
  EXPECT_EQ(NumberToText(1), "1");
  EXPECT_EQ(NumberToText(90), "90");
  EXPECT_EQ(NumberToText(120), "120");
  EXPECT_EQ(NumberToText(1500), "1500");
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberToText(1e13), "1e+13");
  EXPECT_EQ(NumberToText(1234567890123.0), "1234567890123");
  EXPECT_EQ(NumberToText(0.0001), "0.0001");
  EXPECT_EQ(NumberToText(0.00001), "1e-05");
  EXPECT_EQ(NumberToText(-0.0), "-0");
  EXPECT_EQ(NumberToText(2.5), "2.5");
  EXPECT_EQ(NumberToText(INFINITY), "inf");
}

TEST(JoinTexts, JoinsInOrderAndMissingIsEmpty) {
  EXPECT_EQ(JoinTexts({"a", "", "bc"}), "abc");
  EXPECT_EQ(JoinTexts({}), "");
  EXPECT_EQ(JoinTexts({std::string_view{}, "x"}), "x");
}

TEST(GbkLiterals, AreCompiledAsGbkBytes) {
  // "信息：" in code page 936.
  EXPECT_EQ(std::string("信息："), "\xD0\xC5\xCF\xA2\xA3\xBA");
  EXPECT_EQ(std::string("定时关机工具正在后台计时运行,系统将在").size(), 37u);
  EXPECT_EQ(std::string("分后关闭，谢谢您的使用.").size(), 23u);
}

}  // namespace
}  // namespace tw::sched
