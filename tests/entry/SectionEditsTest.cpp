// The decisions behind data entry and the section commands, over the whole
// range of numbers a user can type: counts, section numbers and the values
// of a tube.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "entry/SectionEdits.hpp"

namespace {

constexpr Single kInf = std::numeric_limits<Single>::infinity();
constexpr Single kNaN = std::numeric_limits<Single>::quiet_NaN();

TubeSection tube(Single od, Single wall, Single exposed, Single total) {
  return TubeSection{od, wall, exposed, total};
}

// Sections 1..n hold distinct tubes (OD = slot), slot 0 and slots above n a
// marker that must never move into the design.
ElementDesign numbered(int n) {
  ElementDesign element;
  element.sectionCount = Single(n);
  for (int i = 0; i < kSlots; ++i) {
    const Single v = Single(i);
    element.sections[static_cast<std::size_t>(i)] =
        i >= 1 && i <= n ? tube(v, v / 100.0F, 10.0F * v, 10.0F * v + 1.0F)
                         : tube(-1.0F, -1.0F, -1.0F, -1.0F);
  }
  return element;
}

TEST(SectionCountTest, OnlyWholeCountsFromOneToFifteenAreTaken) {
  for (int n = 1; n <= 15; ++n) {
    EXPECT_TRUE(isAcceptableSectionCount(Single(n))) << n;
  }
  for (const Single bad : {0.0F, -0.0F, -1.0F, 16.0F, 20.0F, 2.5F, 0.5F, 15.000001F, 1e30F, -1e30F,
                           kInf, -kInf, kNaN}) {
    EXPECT_FALSE(isAcceptableSectionCount(bad)) << bad;
  }
}

TEST(ChosenSectionTest, RangeIsTestedOnTheNumberAsTyped) {
  EXPECT_EQ(chosenSection(1.0F, 3.0F), 1);
  EXPECT_EQ(chosenSection(3.0F, 3.0F), 3);
  EXPECT_EQ(chosenSection(0.9F, 3.0F), std::nullopt);
  EXPECT_EQ(chosenSection(0.0F, 3.0F), std::nullopt);
  EXPECT_EQ(chosenSection(3.1F, 3.0F), std::nullopt);
  EXPECT_EQ(chosenSection(4.0F, 3.0F), std::nullopt);
}

TEST(ChosenSectionTest, HalvesGoToTheEvenSection) {
  EXPECT_EQ(chosenSection(2.5F, 3.0F), 2);
  EXPECT_EQ(chosenSection(3.5F, 4.0F), 4);
  EXPECT_EQ(chosenSection(1.5F, 2.0F), 2);
  EXPECT_EQ(chosenSection(2.4F, 3.0F), 2);
  EXPECT_EQ(chosenSection(2.6F, 3.0F), 3);
  EXPECT_EQ(chosenSection(14.5F, 15.0F), 14);
}

TEST(ChosenSectionTest, WildNumbersAreRefusedWithoutTouchingAnInt) {
  for (const Single bad :
       {1e30F, -1e30F, -5.0F, kInf, -kInf, kNaN, std::numeric_limits<Single>::max(),
        std::numeric_limits<Single>::lowest()}) {
    EXPECT_EQ(chosenSection(bad, 15.0F), std::nullopt) << bad;
  }
  // A count that is itself wild never lets a number through to a slot that
  // is not in the storage.
  EXPECT_EQ(chosenSection(1e30F, kInf), std::nullopt);
  EXPECT_EQ(chosenSection(5.0F, kNaN), std::nullopt);
  EXPECT_EQ(chosenSection(20.0F, 1e30F), 20);
}

TEST(SlotsInUseTest, StaysWithinTheStorage) {
  EXPECT_EQ(slotsInUse(3.0F), 3);
  EXPECT_EQ(slotsInUse(0.0F), 0);
  EXPECT_EQ(slotsInUse(-4.0F), 0);
  EXPECT_EQ(slotsInUse(kNaN), 0);
  EXPECT_EQ(slotsInUse(kInf), kSlots - 1);
  EXPECT_EQ(slotsInUse(1e30F), kSlots - 1);
  EXPECT_EQ(slotsInUse(2.5F), 2);
}

TEST(OpenSectionTest, SectionsAfterThePointMoveWholeTowardsTheBase) {
  const ElementDesign before = numbered(4);
  ElementDesign element = before;
  openSectionAfter(element, 2);
  EXPECT_EQ(element.sectionCount, 5.0F);
  EXPECT_EQ(element.sections[1], before.sections[1]);
  EXPECT_EQ(element.sections[2], before.sections[2]);
  EXPECT_EQ(element.sections[3], before.sections[2]) << "the new section starts as a copy";
  EXPECT_EQ(element.sections[4], before.sections[3]);
  EXPECT_EQ(element.sections[5], before.sections[4]);
  EXPECT_EQ(element.sections[0], before.sections[0]);
  EXPECT_EQ(element.sections[6], before.sections[6]);
}

TEST(OpenSectionTest, AfterTheLastCopiesTheLast) {
  const ElementDesign before = numbered(3);
  ElementDesign element = before;
  openSectionAfter(element, 3);
  EXPECT_EQ(element.sectionCount, 4.0F);
  EXPECT_EQ(element.sections[3], before.sections[3]);
  EXPECT_EQ(element.sections[4], before.sections[3]);
}

TEST(OpenSectionTest, AfterTheFirstAtFourteenFillsTheFifteenthSlot) {
  const ElementDesign before = numbered(14);
  ElementDesign element = before;
  openSectionAfter(element, 1);
  EXPECT_EQ(element.sectionCount, 15.0F);
  EXPECT_EQ(element.sections[2], before.sections[1]);
  for (int i = 3; i <= 15; ++i) {
    EXPECT_EQ(element.sections[static_cast<std::size_t>(i)],
              before.sections[static_cast<std::size_t>(i - 1)])
        << i;
  }
  EXPECT_EQ(element.sections[16], before.sections[16]);
}

TEST(RemoveSectionTest, SectionsAfterItMoveWholeTowardsTheTip) {
  const ElementDesign before = numbered(4);
  ElementDesign element = before;
  removeSection(element, 2);
  EXPECT_EQ(element.sectionCount, 3.0F);
  EXPECT_EQ(element.sections[1], before.sections[1]);
  EXPECT_EQ(element.sections[2], before.sections[3]);
  EXPECT_EQ(element.sections[3], before.sections[4]);
}

TEST(RemoveSectionTest, TheLastSectionLeavesWithoutMovingAnything) {
  const ElementDesign before = numbered(4);
  ElementDesign element = before;
  removeSection(element, 4);
  EXPECT_EQ(element.sectionCount, 3.0F);
  for (int i = 0; i < kSlots; ++i) {
    EXPECT_EQ(element.sections[static_cast<std::size_t>(i)],
              before.sections[static_cast<std::size_t>(i)])
        << i;
  }
}

TEST(RemoveSectionTest, TheTipLeavesAndTheRestMoveUp) {
  const ElementDesign before = numbered(15);
  ElementDesign element = before;
  removeSection(element, 1);
  EXPECT_EQ(element.sectionCount, 14.0F);
  for (int i = 1; i <= 14; ++i) {
    EXPECT_EQ(element.sections[static_cast<std::size_t>(i)],
              before.sections[static_cast<std::size_t>(i + 1)])
        << i;
  }
}

TEST(TubeValuesTest, TheWallMayFillTheTubeButNotMore) {
  EXPECT_TRUE(isAcceptableWall(1.0F, 0.5F)) << "a solid rod";
  EXPECT_TRUE(isAcceptableWall(0.375F, 0.1875F));
  EXPECT_FALSE(isAcceptableWall(0.375F, 0.25F));
  EXPECT_FALSE(isAcceptableWall(1.0F, 0.50000006F)) << "one step over half";
  EXPECT_TRUE(isAcceptableWall(0.5F, 0.058F));
  EXPECT_TRUE(isAcceptableWall(0.5F, 0.0F)) << "a zero wall is kept";
  EXPECT_FALSE(isAcceptableWall(0.5F, -0.01F));
  EXPECT_FALSE(isAcceptableWall(0.5F, kNaN));
  EXPECT_FALSE(isAcceptableWall(0.5F, kInf));
  EXPECT_FALSE(isAcceptableWall(0.5F, 1e30F));
}

TEST(TubeValuesTest, DiameterMustBePositiveAndLengthsNotNegative) {
  EXPECT_TRUE(isAcceptableDiameter(0.5F));
  EXPECT_TRUE(isAcceptableDiameter(1e-6F));
  EXPECT_FALSE(isAcceptableDiameter(0.0F));
  EXPECT_FALSE(isAcceptableDiameter(-0.0F));
  EXPECT_FALSE(isAcceptableDiameter(-1.0F));
  EXPECT_FALSE(isAcceptableDiameter(kNaN));
  EXPECT_FALSE(isAcceptableDiameter(kInf));

  EXPECT_TRUE(isAcceptableLength(0.0F)) << "zero lengths are kept";
  EXPECT_TRUE(isAcceptableLength(36.0F));
  EXPECT_FALSE(isAcceptableLength(-0.5F));
  EXPECT_FALSE(isAcceptableLength(kNaN));
  EXPECT_FALSE(isAcceptableLength(-kInf));
}

}  // namespace
