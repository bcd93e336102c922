// The conversions under another C library locale: the point stays '.'.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

#include "scheduler/text_number.h"

namespace tw::sched {
namespace {

TEST(TextNumberLocale, ThePointIsAlwaysAFullStop) {
  const char* german = std::setlocale(LC_NUMERIC, "German_Germany.1252");
  if (!german || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
    std::setlocale(LC_NUMERIC, "C");
    GTEST_SKIP() << "no locale with a decimal comma here";
  }
  EXPECT_EQ(TextToNumber("3.5"), 3.5);
  EXPECT_EQ(TextToNumber("3,5"), 3.0);
  EXPECT_EQ(TextToNumber(" 2.5e1"), 25.0);
  EXPECT_EQ(NumberToText(2.5), "2.5");
  EXPECT_EQ(NumberToText(1500), "1500");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace tw::sched
