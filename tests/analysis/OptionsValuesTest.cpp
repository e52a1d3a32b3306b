// The rules behind the answers of the options dialogue.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "DesignRecords.hpp"
#include "analysis/OptionsValues.hpp"

namespace {

TEST(OptionsValues, YieldStrengthAnswers) {
  EXPECT_EQ(yieldStrengthFromAnswer(""), 35000.0f);  // ENTER alone
  EXPECT_EQ(yieldStrengthFromAnswer("500"), 500.0f);
  EXPECT_EQ(yieldStrengthFromAnswer("120000"), 120000.0f);
  EXPECT_EQ(yieldStrengthFromAnswer("25000"), 25000.0f);
  EXPECT_EQ(yieldStrengthFromAnswer("  42000.5"), 42000.5f);
  EXPECT_EQ(yieldStrengthFromAnswer("4.5e4"), 45000.0f);
  EXPECT_EQ(yieldStrengthFromAnswer("499"), std::nullopt);
  EXPECT_EQ(yieldStrengthFromAnswer("120001"), std::nullopt);
  EXPECT_EQ(yieldStrengthFromAnswer("-35000"), std::nullopt);
  // A thousands separator ends the number: 35,000 is 35 and too low.
  EXPECT_EQ(yieldStrengthFromAnswer("35,000"), std::nullopt);
  // " ?" is not the help request: it reads as 0.
  EXPECT_EQ(yieldStrengthFromAnswer(" ?"), std::nullopt);
  EXPECT_EQ(yieldStrengthFromAnswer("steel"), std::nullopt);
}

TEST(OptionsValues, IceKinds) {
  EXPECT_EQ(iceDensityForKey("H"), 0.011f);
  EXPECT_EQ(iceDensityForKey("h"), 0.011f);
  EXPECT_EQ(iceDensityForKey("R"), 0.017f);
  EXPECT_EQ(iceDensityForKey("r"), 0.017f);
  EXPECT_EQ(iceDensityForKey("G"), 0.032f);
  EXPECT_EQ(iceDensityForKey("g"), 0.032f);
  EXPECT_EQ(iceDensityForKey("x"), std::nullopt);
  EXPECT_EQ(iceDensityForKey(""), std::nullopt);
}

TEST(OptionsValues, RadialThicknessFromZeroToOneInch) {
  EXPECT_TRUE(radialThicknessAccepted(0.0f));
  EXPECT_TRUE(radialThicknessAccepted(0.5f));
  EXPECT_TRUE(radialThicknessAccepted(1.0f));
  EXPECT_FALSE(radialThicknessAccepted(1.01f));
  EXPECT_FALSE(radialThicknessAccepted(-0.1f));
  EXPECT_FALSE(radialThicknessAccepted(std::numeric_limits<Single>::infinity()));
  EXPECT_FALSE(radialThicknessAccepted(std::numeric_limits<Single>::quiet_NaN()));
}

TEST(OptionsValues, AntennaHeightAboveGround) {
  EXPECT_TRUE(antennaHeightAccepted(0.5f));
  EXPECT_TRUE(antennaHeightAccepted(300.0f));
  EXPECT_FALSE(antennaHeightAccepted(0.0f));
  EXPECT_FALSE(antennaHeightAccepted(-5.0f));
  EXPECT_FALSE(antennaHeightAccepted(std::numeric_limits<Single>::quiet_NaN()));
}

TEST(OptionsValues, HeightFactorAndPressure) {
  // 33 feet is the reference height.
  EXPECT_EQ(heightFactorKz(33.0f), 1.0f);
  EXPECT_EQ(eiaTia222ePressure(1.0f), 18.93376f);
  EXPECT_NEAR(static_cast<Wide>(heightFactorKz(50.0f)), 1.12605, 5e-6);
  EXPECT_NEAR(static_cast<Wide>(eiaTia222ePressure(heightFactorKz(50.0f))), 21.3203, 5e-5);
  // About 165.25 feet gives exactly the EIA-222-C pressure.
  EXPECT_EQ(eiaTia222ePressure(heightFactorKz(165.25105f)), 30.0f);
}

// The pressure is the single-precision constant times Kz, rounded once; a
// double-precision constant would differ in a few of these.
TEST(OptionsValues, HeightFactorAndPressureOfEveryReferenceDesign) {
  int checked = 0;
  for (const jsonl::Value& record : designs::records()) {
    const jsonl::Value& o = record["options"];
    const std::string method = o["method_key"].str();
    if (method != "E" && method != "e") continue;
    SCOPED_TRACE("design " + std::to_string(static_cast<int>(record["id"].num())));
    const Single heightFt = designs::storedValue(o, "height");
    const Single kz = heightFactorKz(heightFt);
    EXPECT_TRUE(designs::sameBits(kz, o["kz_bits"].bitsAsFloat()));
    EXPECT_TRUE(designs::sameBits(eiaTia222ePressure(kz), o["pressure_bits"].bitsAsFloat()));
    ++checked;
  }
  EXPECT_GT(checked, 50);
}

}  // namespace
