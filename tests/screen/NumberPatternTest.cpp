// Fixed-width number fields: prefix, right-aligned field, suffix; exact
// halves handled by the nudge before rounding; too-wide values scaled and
// marked "%e+k".

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "screen/NumberPattern.hpp"

namespace {

Single fromBits(std::uint32_t raw) {
  Single value = 0.0F;
  std::memcpy(&value, &raw, sizeof value);
  return value;
}

struct Worked {
  const char* pattern;
  Single value;
  const char* text;
};

TEST(NumberPattern, WorkedResults) {
  const Worked cases[] = {
      {"####.###", 1.5F, "   1.500"},
      {"####.###", 0.058F, "   0.058"},
      {"#.###", 0.058F, "0.058"},
      {"#.###", 0.0F, "0.000"},
      {"#.###", -0.5F, "-.500"},
      {"#.###", 0.0625F, "0.063"},
      {"#.###", 0.0006F, "0.000"},
      {"####.##", -12.5F, " -12.50"},
      {"####.##", 3.125F, "   3.13"},
      {"######", 86.4F, "    86"},
      {"######", 2.5F, "     3"},
      {"######", -2.5F, "    -2"},
      {"####", 9999.7F, "10000"},
      {"###.# LB,", 12.34F, " 12.3 LB,"},
      {"##.## SF", 1.234F, " 1.23 SF"},
      {" ##  ", 3.0F, "  3  "},
      {"    ####", 48.0F, "      48"},
      {"#.###", 12.5F, "1.250%e+1"},
      {"####.###", 12345.6F, "1234.560%e+1"},
  };
  for (const Worked& c : cases) {
    EXPECT_EQ(patternText(c.pattern, c.value), c.text)
        << "pattern \"" << c.pattern << "\" value " << c.value;
  }
}

TEST(NumberPattern, EveryPatternInUseKeepsItsPrefixAndSuffix) {
  const Worked cases[] = {
      {"####.###", 2.25F, "   2.250"},
      {"#.###", 2.25F, "2.250"},
      {"####.##", 2.25F, "   2.25"},
      {"######", 2.25F, "     2"},
      {"###.#", 2.25F, "  2.3"},
      {"##.##", 2.25F, " 2.25"},
      {"##", 2.25F, " 2"},
      {"###.###", 2.25F, "  2.250"},
      {"####", 2.25F, "   2"},
      {"###.# LB,", 2.25F, "  2.3 LB,"},
      {"##.## SF", 2.25F, " 2.25 SF"},
      {"    ####", 2.25F, "       2"},
      {"    #.###", 2.25F, "    2.250"},
      {"   ####.##", 2.25F, "      2.25"},
      {"  ####.##", 2.25F, "     2.25"},
      {" ##  ", 2.25F, "  2  "},
  };
  for (const Worked& c : cases) {
    EXPECT_EQ(patternText(c.pattern, c.value), c.text) << "pattern \"" << c.pattern << "\"";
  }
}

TEST(NumberPattern, TheSignTakesAnIntegerPosition) {
  EXPECT_EQ(patternText("####.##", -1.5F), "  -1.50");
  EXPECT_EQ(patternText("###.#", -99.25F), "-99.2");  // -99.25 nudged towards zero
  EXPECT_EQ(patternText("##", -5.0F), "-5");
  // No room for the digit: a value below 1 shows no "0".
  EXPECT_EQ(patternText("#.###", -0.25F), "-.250");
  // Rounded to nothing, the sign stays.
  EXPECT_EQ(patternText("##", -0.3F), "-0");
  EXPECT_EQ(patternText("####.###", -0.0004F), "  -0.000");
  EXPECT_EQ(patternText("#.###", -0.0004F), "-.000");
  // Negative zero has no sign.
  EXPECT_EQ(patternText("####.###", -0.0F), "   0.000");
  EXPECT_EQ(patternText("##", -0.0F), " 0");
}

TEST(NumberPattern, ExactHalvesRoundUpOnlyWhereTheNudgeSurvives) {
  EXPECT_EQ(patternText("######", 0.5F), "     1");
  EXPECT_EQ(patternText("######", -0.5F), "    -0");
  EXPECT_EQ(patternText("##", 42.5F), "43");
  EXPECT_EQ(patternText("##", -9.5F), "-9");
  EXPECT_EQ(patternText("####.#", 2.25F), "   2.3");
  EXPECT_EQ(patternText("####.#", -2.25F), "  -2.2");
  // Above about 10 000 the nudge is lost in the double sum: the exact half
  // truncates.
  EXPECT_EQ(patternText("######", 53097.5F), " 53097");
  EXPECT_EQ(patternText("######", 878395.5F), "878395");
  // Anything short of the half truncates, anything beyond rounds up.
  EXPECT_EQ(patternText("##", fromBits(0x4288ffff)), "68");  // 68.49999237...
  EXPECT_EQ(patternText("##", fromBits(0x420e0001)), "36");  // 35.50000381...
}

TEST(NumberPattern, SmallValuesBeyondTheLastPlaceShowAsZero) {
  // 0.0006 would round to 0.001, but its first digit lies beyond the third
  // place, so it is dropped first.
  EXPECT_EQ(patternText("#.###", 0.0006F), "0.000");
  EXPECT_EQ(patternText("#.###", 0.006F), "0.006");
  EXPECT_EQ(patternText("#.###", 0.0096F), "0.010");
  EXPECT_EQ(patternText("##.##", 0.004F), " 0.00");
  EXPECT_EQ(patternText("##", 0.4F), " 0");
  EXPECT_EQ(patternText("##", 0.004F), " 0");
}

TEST(NumberPattern, RoundingIntoANewDigitWidensTheFieldInsteadOfScaling) {
  EXPECT_EQ(patternText("####", 9999.7F), "10000");
  EXPECT_EQ(patternText("#.###", 9.9996F), "10.000");
  EXPECT_EQ(patternText("##", 99.5F), "100");
  EXPECT_EQ(patternText("##.##", -9.999F), "-10.00");
}

TEST(NumberPattern, TooWideValuesAreScaledAndMarked) {
  EXPECT_EQ(patternText("#.###", 12.5F), "1.250%e+1");
  EXPECT_EQ(patternText("##", 131.326F), "13%e+1");
  EXPECT_EQ(patternText("##", 8320145.5F), "83%e+5");
  EXPECT_EQ(patternText("##", -14.5F), "-1%e+1");
  // The digits scaled past the last place are dropped, not rounded.
  EXPECT_EQ(patternText("##", -999.13434F), "-9%e+2");
  EXPECT_EQ(patternText("####.###", -16358.86328125F), "-163.588%e+2");
  EXPECT_EQ(patternText("######", -10000000.0F), "-10000%e+3");
  EXPECT_EQ(patternText("####.###", -100000.0F), "-100.000%e+3");
  // Only a sign and no room for digits.
  EXPECT_EQ(patternText("#.###", -4.50503F), "-.450%e+1");
}

TEST(NumberPattern, ExtremeAndNonFiniteValues) {
  const Single largest = std::numeric_limits<Single>::max();
  EXPECT_EQ(patternText("##", largest), "34%e+37");
  EXPECT_EQ(patternText("##", -largest), "-3%e+38");
  EXPECT_EQ(patternText("####.###", largest), "3402.823%e+35");
  EXPECT_EQ(patternText("####.###", std::numeric_limits<Single>::denorm_min()), "   0.000");
  EXPECT_EQ(patternText("####.###", -std::numeric_limits<Single>::denorm_min()), "  -0.000");
  EXPECT_EQ(patternText("##.## SF", std::numeric_limits<Single>::min()), " 0.00 SF");

  const Single inf = std::numeric_limits<Single>::infinity();
  EXPECT_EQ(patternText("####.###", inf), "     INF");
  EXPECT_EQ(patternText("####.###", -inf), "    -INF");
  EXPECT_EQ(patternText("####.###", std::numeric_limits<Single>::quiet_NaN()), "     NAN");
  EXPECT_EQ(patternText("###.# LB,", inf), "  INF LB,");
  EXPECT_EQ(patternText("    ####", -inf), "    -INF");
  EXPECT_EQ(patternText("##", -inf), "-INF");  // wider than the field, never cut
}

TEST(NumberPattern, FieldShapesOutsideTheUsualOnes) {
  EXPECT_EQ(patternText("#.##########", 2.5F), "2.5000000");  // at most 7 decimals
  EXPECT_EQ(patternText("##.", 7.25F), " 7.");
  EXPECT_EQ(patternText("no field", 7.0F), "no field");
  EXPECT_EQ(patternText("", 7.0F), "");
  EXPECT_EQ(patternText("x#y#", 7.0F), "x7y#");
}

// Any float in any pattern in use: no crash, prefix and suffix intact, the
// field never narrower than the pattern's, and the digits shown within one
// unit of the last place of the value (after undoing the "%e+k" scale).
TEST(NumberPattern, AnyFloatInAnyPatternInUse) {
  struct Shape {
    const char* pattern;
    const char* prefix;
    const char* suffix;
    int width;
    int decimals;
  };
  const Shape shapes[] = {
      {"####.###", "", "", 8, 3},
      {"#.###", "", "", 5, 3},
      {"####.##", "", "", 7, 2},
      {"######", "", "", 6, 0},
      {"###.#", "", "", 5, 1},
      {"##.##", "", "", 5, 2},
      {"##", "", "", 2, 0},
      {"###.###", "", "", 7, 3},
      {"####", "", "", 4, 0},
      {"###.# LB,", "", " LB,", 5, 1},
      {"##.## SF", "", " SF", 5, 2},
      {"    ####", "    ", "", 4, 0},
      {"    #.###", "    ", "", 5, 3},
      {"   ####.##", "   ", "", 7, 2},
      {"  ####.##", "  ", "", 7, 2},
      {" ##  ", " ", "  ", 2, 0},
  };
  std::uint32_t state = 987654321U;
  std::vector<Single> values = {0.0F, -0.0F, 0.5F, -0.5F, 1e-45F, 9.9995F, 99999.5F};
  for (int n = 0; n < 2000; ++n) {
    state = state * 1664525U + 1013904223U;
    values.push_back(fromBits(state));
    // Also plenty of values in the range the program prints.
    values.push_back(static_cast<Single>(static_cast<int>(state % 2000001U) - 1000000) / 128.0F);
  }
  for (const Shape& shape : shapes) {
    const std::string prefix = shape.prefix;
    const std::string suffix = shape.suffix;
    for (const Single value : values) {
      const std::string text = patternText(shape.pattern, value);
      ASSERT_GE(text.size(), prefix.size() + static_cast<std::size_t>(shape.width) + suffix.size());
      ASSERT_EQ(text.substr(0, prefix.size()), prefix) << text;
      ASSERT_EQ(text.substr(text.size() - suffix.size()), suffix) << text;
      std::string field = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
      if (!std::isfinite(value)) continue;
      int scale = 0;
      const auto mark = field.find("%e+");
      if (mark != std::string::npos) {
        scale = std::atoi(field.c_str() + mark + 3);
        ASSERT_GT(scale, 0) << text;
        field.erase(mark);
      }
      // "-" or "-.500" read as numbers.
      std::string number = field;
      const auto minus = number.find('-');
      if (minus != std::string::npos) number.insert(minus + 1, "0");
      const Wide shown = std::strtod(number.c_str(), nullptr) * std::pow(10.0, scale);
      const Wide tolerance = std::pow(10.0, scale - shape.decimals) * 1.000001;
      ASSERT_LE(std::fabs(shown - static_cast<Wide>(value)), tolerance)
          << "pattern \"" << shape.pattern << "\" value " << value << " gave \"" << text << "\"";
    }
  }
}

}  // namespace
