// Conversions between GBK texts and numbers used by the schedule entry.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tw::sched {

// Folds the full-width forms (and the ideographic space, tilde and stars) of a GBK text
// to ASCII. A lone lead byte at the very end is dropped.
std::string FoldFullWidth(std::string_view text);

// Reads a decimal number from the start of a GBK text, after folding: leading white space,
// an optional sign, digits with at most one '.', an optional exponent (e, E, d or D, an
// optional sign, digits). Reading stops at the first misfit; no number gives 0.
// Never fails and never reads past the text; the point is always '.'.
double TextToNumber(std::string_view text);

// The number as printf's "%.13g" writes it, independent of any locale setting.
std::string NumberToText(double value);

// The texts one after the other.
std::string JoinTexts(std::initializer_list<std::string_view> parts);

}  // namespace tw::sched
