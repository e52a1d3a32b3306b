// The general number text: seven significant digits of the exact value,
// fixed notation from 0.1 to below 10 000 000, else d.dddddde+xxx.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "screen/NumberText.hpp"

namespace {

Single fromBits(std::uint32_t raw) {
  Single value = 0.0F;
  std::memcpy(&value, &raw, sizeof value);
  return value;
}

TEST(NumberText, WorkedExamples) {
  EXPECT_EQ(numberText(0.058F), " 5.8e-002");
  EXPECT_EQ(numberText(0.05F), " 5.e-002");
  EXPECT_EQ(numberText(0.5F), " 0.5");
  EXPECT_EQ(numberText(48.0F), " 48");
  EXPECT_EQ(numberText(-1.5F), "-1.5");
  EXPECT_EQ(numberText(1234567.0F), " 1234567");
  EXPECT_EQ(numberText(12345678.0F), " 1.234568e+007");
  EXPECT_EQ(numberText(0.0F), " 0");
  EXPECT_EQ(numberText(36.0F), " 36");
  EXPECT_EQ(numberText(1.125F), " 1.125");
  EXPECT_EQ(numberText(0.625F), " 0.625");
  EXPECT_EQ(numberText(0.0625F), " 6.25e-002");
  EXPECT_EQ(numberText(10000000.0F), " 1.e+007");
}

TEST(NumberText, FixedAndScientificMeetAtTheDocumentedBounds) {
  EXPECT_EQ(numberText(0.1F), " 0.1");                            // 0.100000001490116...
  EXPECT_EQ(numberText(fromBits(0x3dcccccc)), " 9.999999e-002");  // the float below 0.1
  EXPECT_EQ(numberText(9999999.0F), " 9999999");
  EXPECT_EQ(numberText(-9999999.0F), "-9999999");
  EXPECT_EQ(numberText(-10000000.0F), "-1.e+007");
  EXPECT_EQ(numberText(123456.7F), " 123456.7");
  EXPECT_EQ(numberText(1.0F), " 1");
  EXPECT_EQ(numberText(-0.25F), "-0.25");
  EXPECT_EQ(numberText(1e-3F), " 1.e-003");
  EXPECT_EQ(numberText(-3.5e-5F), "-3.5e-005");
}

TEST(NumberText, SevenDigitsOfTheExactValueRoundHalfUpInMagnitude) {
  // 2^20 + 0.5: the eighth digit is an exact half.
  EXPECT_EQ(numberText(1048576.5F), " 1048577");
  EXPECT_EQ(numberText(-1048576.5F), "-1048577");
  // 2^-16 = 1.52587890625e-5: the remainder 90625 rounds the 8 up.
  EXPECT_EQ(numberText(std::ldexp(1.0F, -16)), " 1.525879e-005");
  // 0.3 is stored as 0.300000011920929: the extra digits vanish.
  EXPECT_EQ(numberText(0.3F), " 0.3");
  // 1.1 is stored as 1.10000002384185791015625.
  EXPECT_EQ(numberText(1.1F), " 1.1");
  // 16777215 has eight digits: rounded to seven, in exponent form.
  EXPECT_EQ(numberText(16777215.0F), " 1.677722e+007");
}

TEST(NumberText, ACarryIntoANewDigitMovesThePointAndTheExponent) {
  // The float nearest 0.01 is 0.0099999997764825820923...
  EXPECT_EQ(numberText(0.01F), " 1.e-002");
  EXPECT_EQ(numberText(-0.01F), "-1.e-002");
  // 99999997952 is the float nearest 1e11.
  EXPECT_EQ(numberText(1e11F), " 1.e+011");
  // 99999.99609375 rounds to 100000.0: still fixed, one digit longer.
  EXPECT_EQ(numberText(99999.99609375F), " 100000");
  EXPECT_EQ(numberText(-99999.99609375F), "-100000");
  // Without a carry nothing moves.
  EXPECT_EQ(numberText(99999.9921875F), " 99999.99");
  EXPECT_EQ(numberText(fromBits(0x3f7fffff)), " 0.9999999");  // 0.99999994...
}

TEST(NumberText, ExtremesOfTheFloatRange) {
  const Single largest = std::numeric_limits<Single>::max();
  EXPECT_EQ(numberText(largest), " 3.402823e+038");
  EXPECT_EQ(numberText(-largest), "-3.402823e+038");
  EXPECT_EQ(numberText(std::numeric_limits<Single>::min()), " 1.175494e-038");
  EXPECT_EQ(numberText(std::numeric_limits<Single>::denorm_min()), " 1.401298e-045");
  EXPECT_EQ(numberText(-std::numeric_limits<Single>::denorm_min()), "-1.401298e-045");
}

TEST(NumberText, ZeroAndNonFiniteValues) {
  EXPECT_EQ(numberText(-0.0F), " 0");
  EXPECT_EQ(numberText(std::numeric_limits<Single>::infinity()), " INF");
  EXPECT_EQ(numberText(-std::numeric_limits<Single>::infinity()), "-INF");
  EXPECT_EQ(numberText(std::numeric_limits<Single>::quiet_NaN()), " NAN");
  EXPECT_EQ(numberText(-std::numeric_limits<Single>::quiet_NaN()), " NAN");
}

// True when the text has one of the two shapes: fixed (" 123.45", "-0.5",
// " 7") or exponent (" 1.5e-002", "-1.e+011").
bool hasNumberShape(const std::string& text) {
  if (text.size() < 2 || (text[0] != ' ' && text[0] != '-')) return false;
  const std::string body = text.substr(1);
  const auto e = body.find('e');
  auto isDigits = [](const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
  };
  if (e == std::string::npos) {
    const auto point = body.find('.');
    if (point == std::string::npos) return isDigits(body);
    const std::string decimals = body.substr(point + 1);
    return isDigits(body.substr(0, point)) && isDigits(decimals) && decimals.back() != '0';
  }
  const std::string mantissa = body.substr(0, e);
  const std::string exponent = body.substr(e + 1);
  if (mantissa.size() < 2 || mantissa[1] != '.' || mantissa[0] == '0') return false;
  const std::string decimals = mantissa.substr(2);
  if (!decimals.empty() && (!isDigits(decimals) || decimals.back() == '0')) return false;
  return exponent.size() == 4 && (exponent[0] == '+' || exponent[0] == '-') &&
         isDigits(exponent.substr(1));
}

// Against the C library's exact decimal conversion, over float bit patterns
// spread across the whole range: same value to seven digits, and the right
// shape. Exact halves (where the library rounds to even) are left to the
// tests above.
TEST(NumberText, AgreesWithTheLibrarysSevenDigitRoundingAcrossTheRange) {
  std::uint32_t state = 12345U;
  int checked = 0;
  for (int n = 0; n < 60000; ++n) {
    state = state * 1664525U + 1013904223U;
    const Single value = fromBits(state);
    if (!std::isfinite(value)) continue;
    const std::string text = numberText(value);
    ASSERT_TRUE(hasNumberShape(text)) << text;
    char exact[80];
    std::snprintf(exact, sizeof exact, "%.40e", std::fabs(static_cast<Wide>(value)));
    const std::string tail(exact + 8, exact + 42);  // the digits after the seventh
    if (tail.find_first_not_of('0', 1) == std::string::npos && tail[0] == '5') continue;
    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.6e", static_cast<Wide>(value));
    ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(rounded, nullptr))
        << "value " << exact << " gave " << text;
    const Wide magnitude = std::fabs(std::strtod(rounded, nullptr));
    const bool fixed = text.find('e') == std::string::npos;
    EXPECT_EQ(fixed, magnitude == 0.0 || (magnitude >= 0.1 && magnitude < 1e7)) << text;
    ++checked;
  }
  EXPECT_GT(checked, 55000);
}

}  // namespace
