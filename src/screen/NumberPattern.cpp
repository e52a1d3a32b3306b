#include "screen/NumberPattern.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "screen/NumberDigits.hpp"

namespace {

constexpr int kMaxDecimals = 7;
// The rounding below looks at the fraction only to this many places.
constexpr int kFractionResolution = 15;

struct Field {
  std::string prefix;
  std::string suffix;
  int integerPositions = 0;  // "#" before the point
  int decimals = -1;         // "#" after the point (capped), -1 without a point
  bool present = false;

  int width() const { return integerPositions + (decimals >= 0 ? 1 + decimals : 0); }
};

Field parseField(std::string_view pattern) {
  Field field;
  const std::size_t first = pattern.find('#');
  if (first == std::string_view::npos) {
    field.prefix = std::string(pattern);
    return field;
  }
  field.present = true;
  field.prefix = std::string(pattern.substr(0, first));
  std::size_t pos = first;
  while (pos < pattern.size() && pattern[pos] == '#') ++pos;
  field.integerPositions = static_cast<int>(pos - first);
  if (pos < pattern.size() && pattern[pos] == '.') {
    ++pos;
    const std::size_t decimalStart = pos;
    while (pos < pattern.size() && pattern[pos] == '#') ++pos;
    field.decimals = std::min(static_cast<int>(pos - decimalStart), kMaxDecimals);
  }
  field.suffix = std::string(pattern.substr(pos));
  return field;
}

// Adds one in the last place; a carry off the front adds a new leading "1".
void incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The digit at `place` places after the decimal point (negative places are
// integer digits, -1 the units) of the value the digits describe.
char digitAt(const DecimalDigits& value, int place) {
  const int index = value.pointPosition + place - 1;
  if (index < 0 || index >= static_cast<int>(value.digits.size())) return '0';
  return value.digits[static_cast<std::size_t>(index)];
}

// The field filled with the value, without prefix and suffix.
std::string fillField(const Field& field, Single value) {
  int positions = field.integerPositions;
  const int decimals = field.decimals;

  // Nudge the value before rounding: it moves exact halves of positive
  // values (2.5, 3.125) just above the half, so that they round up, and
  // those of negative values towards zero. The nudge is added in double
  // precision; for larger values it is lost in the sum, and such halves
  // then truncate.
  Wide v = static_cast<Wide>(value);
  if (value != 0.0F) {
    const int magnitudeExponent = exactDecimalDigits(std::fabs(v)).pointPosition - 1;
    const int nudgeExponent =
        magnitudeExponent < 0 ? magnitudeExponent - 6 : -magnitudeExponent - 8;
    v += nearestPowerOfTen(nudgeExponent);
  }

  // The sign takes one of the integer positions.
  const bool negative = v < 0.0;
  if (negative) {
    v = -v;
    if (positions > 0) --positions;
  }

  DecimalDigits exact = exactDecimalDigits(v);
  int integerDigits = exact.digits.empty() ? 0 : exact.pointPosition;
  if (integerDigits < 0) {
    // Below 0.1: a value whose first significant digit lies beyond the last
    // decimal place shows as zero.
    if (decimals - 1 < -integerDigits) exact = DecimalDigits{};
    integerDigits = 0;
  }

  // Round to the decimal places. Only the first fifteen decimals count, and
  // the rest must be strictly more than half a unit of the last place kept:
  // an exact half truncates.
  const int places = std::max(decimals, 0);
  std::string rounded;  // integer digits followed by `places` decimals
  for (int place = 1 - std::max(integerDigits, 1); place <= places; ++place) {
    rounded += digitAt(exact, place);
  }
  std::string rest;
  for (int place = places + 1; place <= kFractionResolution; ++place) {
    rest += digitAt(exact, place);
  }
  std::string half(rest.size(), '0');
  if (!half.empty()) half[0] = '5';
  if (rest > half) incrementDigits(rounded);

  // Too many integer digits for the positions: scale down by 10^k and mark
  // the field "%e+k". Digits scaled beyond the last place are dropped.
  int scale = 0;
  if (integerDigits > positions) scale = integerDigits - positions;
  const auto shownDecimals = static_cast<std::size_t>(places + scale);
  if (rounded.size() <= shownDecimals) rounded.insert(0, shownDecimals + 1 - rounded.size(), '0');
  std::string integerPart = rounded.substr(0, rounded.size() - shownDecimals);
  const std::string decimalPart =
      rounded.substr(rounded.size() - shownDecimals, static_cast<std::size_t>(places));
  const std::size_t firstNonZero = integerPart.find_first_not_of('0');
  integerPart = firstNonZero == std::string::npos ? "" : integerPart.substr(firstNonZero);

  // A value below 1 shows a "0" only where the field has room for one.
  std::string text = integerPart.empty() ? (positions >= 1 ? "0" : "") : integerPart;
  if (negative) {
    text = "-" + text;
    ++positions;
  }
  if (static_cast<int>(text.size()) < positions) {
    text.insert(0, static_cast<std::size_t>(positions) - text.size(), ' ');
  }
  if (decimals >= 0) text += "." + decimalPart;
  if (scale > 0) text += "%e+" + std::to_string(scale);
  return text;
}

// An infinite or undefined value cannot be laid out digit by digit; it is
// named instead, right-aligned in the field's width.
std::string nonFiniteField(const Field& field, Single value) {
  std::string text = std::isnan(value) ? "NAN" : (value > 0.0F ? "INF" : "-INF");
  const auto width = static_cast<std::size_t>(field.width());
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

std::string patternText(std::string_view pattern, Single value) {
  const Field field = parseField(pattern);
  if (!field.present) return field.prefix;
  const std::string filled =
      std::isfinite(value) ? fillField(field, value) : nonFiniteField(field, value);
  return field.prefix + filled + field.suffix;
}
