#pragma once

#include <string>
#include <string_view>

namespace ttt {

// Counters live in label captions as plain decimal text.

// Reads the leading numeric part of a caption: leading blanks are skipped, then an optional
// sign, digits and a decimal fraction are read up to the first other character. A caption
// with no leading number (the empty caption among them) reads as 0.
double readLeadingNumber(std::string_view caption);

// Writes a number as plain decimal text: no leading blank, and no decimal point when the
// value is whole ("3", "-2", "12.5").
std::string writePlainDecimal(double value);

// Reads the caption's leading number, adds the step and writes the result.
std::string addToCounter(std::string_view caption, int step);

}  // namespace ttt
