#pragma once

#include <string>

#include "common/Single.hpp"

// The exact decimal expansion of a binary floating-point magnitude. Both
// number texts round from these digits rather than from a second binary
// rounding, so that a value such as the float nearest 0.01 (0.0099999998)
// or an exact half is judged by what is really stored.
struct DecimalDigits {
  // Significant digits: the first is not '0', no trailing zeros; empty for
  // zero.
  std::string digits;
  // Where the decimal point sits: value = 0.<digits> x 10^pointPosition.
  // For 48 this is 2, for 0.5 it is 0, for 0.058 it is -1.
  int pointPosition = 0;
};

// `magnitude` must be finite and not negative.
DecimalDigits exactDecimalDigits(Wide magnitude);

// 10^exponent as the double nearest to it (correctly rounded), for
// exponents from -60 to 22.
Wide nearestPowerOfTen(int exponent);
