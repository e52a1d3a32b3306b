#include "screen/NumberText.hpp"

#include <cmath>
#include <cstdlib>
#include <string>

#include "screen/NumberDigits.hpp"

namespace {

constexpr int kSignificantDigits = 7;

// Adds one in the last place of a string of decimal digits. Returns false
// when the carry runs off the front (all nines became zeros).
bool incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return true;
    }
    *it = '0';
  }
  return false;
}

void dropTrailingZeros(std::string& text) {
  while (!text.empty() && text.back() == '0') text.pop_back();
}

}  // namespace

std::string numberText(Single value) {
  // A model value should never be infinite or undefined, but a text must
  // still come out; these read like the numbers around them (sign column
  // first) and are the same on screen, in files and on paper.
  if (std::isnan(value)) return " NAN";
  if (std::isinf(value)) return value > 0.0F ? " INF" : "-INF";

  // Negative zero prints as zero: nothing the user typed can mean "-0".
  const bool negative = value < 0.0F;
  const std::string sign = negative ? "-" : " ";
  const DecimalDigits exact = exactDecimalDigits(std::fabs(static_cast<Wide>(value)));
  if (exact.digits.empty()) return sign + "0";

  // Seven significant digits of the exact value; a remainder of one half or
  // more rounds up in magnitude, and the digit after the seventh tells that.
  std::string digits = exact.digits.substr(0, kSignificantDigits);
  digits.append(static_cast<std::size_t>(kSignificantDigits) - digits.size(), '0');
  int point = exact.pointPosition;
  if (exact.digits.size() > kSignificantDigits && exact.digits[kSignificantDigits] >= '5' &&
      !incrementDigits(digits)) {
    // 9999999|5... became 10000000: one digit more in front, so the point
    // (and with it the choice of notation and the exponent) moves too.
    // Otherwise 0.0099999998 would print as "1.e-003".
    digits = "1000000";
    ++point;
  }

  std::string text;
  if (point >= 0 && point <= kSignificantDigits) {
    if (point == 0) {
      text = "0." + digits;
    } else {
      const auto integerCount = static_cast<std::size_t>(point);
      text = digits.substr(0, integerCount) + "." + digits.substr(integerCount);
    }
    dropTrailingZeros(text);
    if (text.back() == '.') text.pop_back();
  } else {
    std::string decimals = digits.substr(1);
    dropTrailingZeros(decimals);
    const int exponent = point - 1;
    std::string exponentDigits = std::to_string(std::abs(exponent));
    if (exponentDigits.size() < 3) exponentDigits.insert(0, 3 - exponentDigits.size(), '0');
    text = digits.substr(0, 1) + "." + decimals + "e" + (exponent < 0 ? "-" : "+") + exponentDigits;
  }
  return sign + text;
}
