#include <gtest/gtest.h>

#include <limits>

#include "model/Design.hpp"

namespace {

TEST(SectionSlot, WholeNumbersSelectTheirSlot) {
  EXPECT_EQ(sectionSlot(0.0F), 0);
  EXPECT_EQ(sectionSlot(1.0F), 1);
  EXPECT_EQ(sectionSlot(15.0F), 15);
  EXPECT_EQ(sectionSlot(20.0F), 20);
}

TEST(SectionSlot, RoundsToTheNearestAndHalvesToEven) {
  EXPECT_EQ(sectionSlot(2.5F), 2);
  EXPECT_EQ(sectionSlot(3.5F), 4);
  EXPECT_EQ(sectionSlot(0.5F), 0);
  EXPECT_EQ(sectionSlot(1.5F), 2);
  EXPECT_EQ(sectionSlot(2.4999F), 2);
  EXPECT_EQ(sectionSlot(2.5001F), 3);
  EXPECT_EQ(sectionSlot(19.5F), 20);
  EXPECT_EQ(sectionSlot(-0.5F), 0);  // -0.5 rounds to even 0
  EXPECT_EQ(sectionSlot(-0.4F), 0);
}

TEST(SectionSlot, OutOfRangeAndNonFiniteAreRefused) {
  EXPECT_EQ(sectionSlot(20.5F), 20);  // the last half still rounds into the array
  EXPECT_FALSE(sectionSlot(20.51F).has_value());
  EXPECT_FALSE(sectionSlot(21.0F).has_value());
  EXPECT_FALSE(sectionSlot(-0.51F).has_value());
  EXPECT_FALSE(sectionSlot(-1.0F).has_value());
  EXPECT_FALSE(sectionSlot(1e30F).has_value());
  EXPECT_FALSE(sectionSlot(-1e30F).has_value());
  EXPECT_FALSE(sectionSlot(std::numeric_limits<Single>::max()).has_value());
  EXPECT_FALSE(sectionSlot(std::numeric_limits<Single>::lowest()).has_value());
  EXPECT_FALSE(sectionSlot(3e9F).has_value());  // beyond int: must not be converted
  EXPECT_FALSE(sectionSlot(std::numeric_limits<Single>::infinity()).has_value());
  EXPECT_FALSE(sectionSlot(-std::numeric_limits<Single>::infinity()).has_value());
  EXPECT_FALSE(sectionSlot(std::numeric_limits<Single>::quiet_NaN()).has_value());
}

}  // namespace
