#include "screen/NumberDigits.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// A non-negative whole number in base 10^9 limbs, least significant first:
// just enough arithmetic to expand m x 2^e exactly.
class DecimalBig {
 public:
  explicit DecimalBig(std::uint64_t value) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
      value /= kBase;
    } while (value != 0);
  }

  // factor must stay below 2^32 so that limb * factor + carry fits 64 bits.
  void multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product % kBase);
      carry = product / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }

  void multiplyByPowerOfTwo(int count) {
    for (; count >= 29; count -= 29) multiply(std::uint32_t{1} << 29);
    if (count > 0) multiply(std::uint32_t{1} << count);
  }

  void multiplyByPowerOfFive(int count) {
    constexpr std::uint32_t kFiveToThe13 = 1220703125U;
    for (; count >= 13; count -= 13) multiply(kFiveToThe13);
    std::uint32_t rest = 1;
    for (; count > 0; --count) rest *= 5U;
    if (rest != 1) multiply(rest);
  }

  std::string text() const {
    std::string out = std::to_string(limbs_.back());
    for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
      const std::string part = std::to_string(*it);
      out.append(9 - part.size(), '0');
      out += part;
    }
    return out;
  }

 private:
  static constexpr std::uint64_t kBase = 1000000000U;
  std::vector<std::uint32_t> limbs_;
};

}  // namespace

DecimalDigits exactDecimalDigits(Wide magnitude) {
  DecimalDigits result;
  if (!(magnitude > 0.0) || !std::isfinite(magnitude)) return result;

  // magnitude = mantissa x 2^exponent with a whole 53-bit mantissa.
  int binaryExponent = 0;
  const Wide fraction = std::frexp(magnitude, &binaryExponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  binaryExponent -= 53;
  while ((mantissa & 1U) == 0) {
    mantissa >>= 1U;
    ++binaryExponent;
  }

  DecimalBig big(mantissa);
  int decimalShift = 0;  // value = big x 10^decimalShift
  if (binaryExponent >= 0) {
    big.multiplyByPowerOfTwo(binaryExponent);
  } else {
    // m / 2^n = m x 5^n / 10^n
    big.multiplyByPowerOfFive(-binaryExponent);
    decimalShift = binaryExponent;
  }

  std::string digits = big.text();
  result.pointPosition = static_cast<int>(digits.size()) + decimalShift;
  const auto lastNonZero = digits.find_last_not_of('0');
  digits.erase(lastNonZero + 1);
  result.digits = std::move(digits);
  return result;
}

Wide nearestPowerOfTen(int exponent) {
  constexpr int kLowest = -60;
  constexpr int kHighest = 22;
  static const std::array<Wide, kHighest - kLowest + 1> table = [] {
    std::array<Wide, kHighest - kLowest + 1> powers{};
    for (int e = kLowest; e <= kHighest; ++e) {
      // The library's decimal reading is correctly rounded; repeated
      // multiplication would not be.
      const std::string text = "1e" + std::to_string(e);
      Wide value = 0.0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      powers[static_cast<std::size_t>(e - kLowest)] = value;
    }
    return powers;
  }();
  if (exponent < kLowest || exponent > kHighest) return std::pow(10.0, exponent);
  return table[static_cast<std::size_t>(exponent - kLowest)];
}
