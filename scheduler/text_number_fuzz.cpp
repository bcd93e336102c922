// Compares TextToNumber with a plainly written reference model: fold with a lookup, find
// the longest leading number with a state machine, and let strtod convert it.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "scheduler/text_number.h"

namespace {

std::string ReferenceFold(const uint8_t* data, size_t size) {
  std::string out;
  size_t i = 0;
  while (i < size) {
    if (data[i] < 0x80) {
      out += static_cast<char>(data[i++]);
      continue;
    }
    if (i + 1 >= size) break;
    const unsigned pair = data[i] << 8 | data[i + 1];
    if (pair == 0xA1A1)
      out += ' ';
    else if (pair == 0xA1AB)
      out += '~';
    else if (pair == 0xA1EE || pair == 0xA1EF)
      out += '*';
    else if (data[i] == 0xA3 && data[i + 1] >= 0xA1 && data[i + 1] != 0xFF)
      out += static_cast<char>(data[i + 1] - 0x80);
    else
      out.append(reinterpret_cast<const char*>(data + i), 2);
    i += 2;
  }
  return out;
}

double Reference(const uint8_t* data, size_t size) {
  const std::string s = ReferenceFold(data, size);
  size_t i = s.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string::npos) return 0.0;
  std::string number;
  if (s[i] == '+' || s[i] == '-') number += s[i++];
  enum { kStart, kInt, kPoint, kFrac } state = kStart;
  size_t end = 0;  // length of number when it last was a whole number
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      state = state == kStart ? kInt : state == kPoint ? kFrac : state;
      number += c;
      end = number.size();
    } else if (c == '.' && (state == kStart || state == kInt)) {
      state = state == kInt ? kFrac : kPoint;
      number += c;
      if (state == kFrac) end = number.size();
    } else {
      break;
    }
  }
  if (end == 0) return 0.0;
  number.resize(end);
  if (i < s.size() && std::strchr("eEdD", s[i]) && s[i] != '\0') {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    size_t digits = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') exponent += s[j++], ++digits;
    if (digits > 0) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double got = tw::sched::TextToNumber(text);
  const double want = Reference(data, size);
  if (std::memcmp(&got, &want, sizeof got) != 0) {
    std::fprintf(stderr, "TextToNumber gave %.17g, the reference %.17g\n", got, want);
    std::abort();
  }
  return 0;
}
