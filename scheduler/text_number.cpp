#include "scheduler/text_number.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace tw::sched {

namespace {

// One two-byte GBK character folded to ASCII, or 0 when it stays as it is.
char FoldPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1:
        return ' ';
      case 0xAB:
        return '~';
      case 0xEE:
      case 0xEF:
        return '*';
      default:
        return 0;
    }
  }
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
  return 0;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FoldFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(static_cast<char>(lead));
      continue;
    }
    if (i + 1 == text.size()) break;  // a lone lead byte at the end is dropped
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (char folded = FoldPair(lead, trail)) {
      out.push_back(folded);
    } else {
      out.push_back(text[i]);
      out.push_back(text[i + 1]);
    }
    ++i;
  }
  return out;
}

double TextToNumber(std::string_view text) {
  const std::string folded = FoldFullWidth(text);
  const char* p = folded.data();
  const char* const end = p + folded.size();
  while (p != end && IsSpace(*p)) ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';

  // The number is copied in the one form from_chars reads: digits, '.', 'e', sign, digits.
  std::string number;
  number.reserve(static_cast<size_t>(end - p) + 2);
  size_t digits = 0;
  bool point = false;
  long long magnitude = 0;  // decimal position of the first significant digit, for overflow
  bool significant = false;
  for (; p != end; ++p) {
    if (IsDigit(*p)) {
      ++digits;
      if (*p != '0' && !significant) significant = true;
      if (significant && !point) ++magnitude;
      if (!significant && point) --magnitude;
      number.push_back(*p);
    } else if (*p == '.' && !point) {
      point = true;
      number.push_back('.');
    } else {
      break;
    }
  }
  if (digits == 0) return 0.0;

  long long exponent = 0;
  if (p != end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
    const char* q = p + 1;
    bool expNegative = false;
    if (q != end && (*q == '+' || *q == '-')) expNegative = *q++ == '-';
    if (q != end && IsDigit(*q)) {
      number.push_back('e');
      if (expNegative) number.push_back('-');
      for (; q != end && IsDigit(*q); ++q) {
        number.push_back(*q);
        if (exponent < 100000000) exponent = exponent * 10 + (*q - '0');
      }
      if (expNegative) exponent = -exponent;
    }
  }

  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = (significant && magnitude + exponent > 0) ? std::numeric_limits<double>::infinity()
                                                      : 0.0;
  }
  return negative ? -value : value;
}

std::string NumberToText(double value) {
  char buffer[40];
  const int n = std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string JoinTexts(std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (auto part : parts) size += part.size();
  std::string out;
  out.reserve(size);
  for (auto part : parts) out.append(part);
  return out;
}

}  // namespace tw::sched
