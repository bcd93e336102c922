#include "scheduler/text_number.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

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

  // The number is copied in the one form strtod reads the same everywhere: an optional
  // minus, digits, the point, digits, 'e', an optional minus, digits. Nothing else (no hex,
  // no inf or nan) can reach strtod.
  std::string number;
  number.reserve(static_cast<size_t>(end - p) + 4);
  if (p != end && (*p == '+' || *p == '-')) {
    if (*p == '-') number.push_back('-');
    ++p;
  }
  size_t digits = 0;
  size_t pointAt = std::string::npos;
  for (; p != end; ++p) {
    if (IsDigit(*p)) {
      ++digits;
      number.push_back(*p);
    } else if (*p == '.' && pointAt == std::string::npos) {
      pointAt = number.size();
      number.push_back('.');
    } else {
      break;
    }
  }
  if (digits == 0) return 0.0;

  if (p != end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) {
    const char* q = p + 1;
    const bool expNegative = q != end && *q == '-';
    if (q != end && (*q == '+' || *q == '-')) ++q;
    if (q != end && IsDigit(*q)) {
      number.push_back('e');
      if (expNegative) number.push_back('-');
      for (; q != end && IsDigit(*q); ++q) number.push_back(*q);
    }
  }
  // strtod reads the point of the C library's current locale; the text's point is always
  // '.', so it is written as whatever that locale uses.
  if (pointAt != std::string::npos) {
    const char* localePoint = std::localeconv()->decimal_point;
    if (localePoint && localePoint[0] && !localePoint[1]) number[pointAt] = localePoint[0];
  }
  // Out of range gives the infinity or the zero that strtod rounds to.
  return std::strtod(number.c_str(), nullptr);
}

std::string NumberToText(double value) {
  char buffer[40];
  const int n = std::snprintf(buffer, sizeof buffer, "%.13g", value);
  std::string text(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  // printf writes the C library's locale point; the program's texts always use '.'.
  const char* localePoint = std::localeconv()->decimal_point;
  if (localePoint && localePoint[0] && !localePoint[1] && localePoint[0] != '.') {
    const size_t at = text.find(localePoint[0]);
    if (at != std::string::npos) text[at] = '.';
  }
  return text;
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
