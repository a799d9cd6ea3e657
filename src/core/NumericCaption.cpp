#include "core/NumericCaption.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ttt {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Copies the longest prefix of sign, digits and one decimal point into a clean buffer.
std::string numericPrefix(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  std::string digits;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) digits += text[i++];
  bool seenPoint = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      digits += c;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      digits += c;
    } else {
      break;
    }
  }
  return digits;
}

}  // namespace

double readLeadingNumber(std::string_view caption) {
  const std::string digits = numericPrefix(caption);
  char* end = nullptr;
  const double value = std::strtod(digits.c_str(), &end);
  return end == digits.c_str() ? 0.0 : value;
}

std::string writePlainDecimal(double value) {
  char buffer[64];
  if (std::fabs(value) < 1e15 && value == std::floor(value)) {
    std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
  }
  return buffer;
}

std::string addToCounter(std::string_view caption, int step) {
  return writePlainDecimal(readLeadingNumber(caption) + step);
}

}  // namespace ttt
