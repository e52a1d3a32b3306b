#pragma once

// The reference seven-digit rounding the fuzz targets check against, made
// from the exact decimal expansion by printf, independent of the program's
// own number text.
#include <cstdio>
#include <cstdlib>
#include <string>

// The value rounded to seven significant digits, half away from zero, from
// its exact decimal expansion.
inline float sevenDigitRounding(float value) {
  char exact[160];
  std::snprintf(exact, sizeof exact, "%.120e", static_cast<double>(value));
  // exact: [-]d.dddd...e[+-]xx
  std::string text(exact);
  const bool negative = text[0] == '-';
  if (negative) {
    text.erase(0, 1);
  }
  const std::size_t ePos = text.find('e');
  std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
  int exponent = std::atoi(text.c_str() + ePos + 1);
  std::string kept = digits.substr(0, 7);
  if (digits[7] >= '5') {
    int i = 6;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
      kept[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      kept.insert(kept.begin(), '1');
      kept.pop_back();
      ++exponent;
    } else {
      ++kept[static_cast<std::size_t>(i)];
    }
  }
  const std::string decimal = (negative ? "-" : "") + kept.substr(0, 1) + "." + kept.substr(1) +
                              "e" + std::to_string(exponent);
  return std::strtof(decimal.c_str(), nullptr);
}
