// The element profile beside the load table: every pixel the drawing sets,
// at both scales, with and without ice, and what happens at the screen's
// edges.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "LoadTableBench.hpp"
#include "analysis/ProfileDrawing.hpp"

namespace {

using tabletest::SectionValues;
using tabletest::TableBench;

constexpr int kWhite = 15;
constexpr int kBlue = 9;  // the background
constexpr int kRed = 4;

// Colour by pixel, for every pixel that is not background.
using PixelMap = std::map<std::pair<int, int>, int>;

PixelMap drawnPixels(const TableBench& bench) {
  PixelMap drawn;
  for (int y = 0; y < TextScreen::kHeight; ++y) {
    for (int x = 0; x < TextScreen::kWidth; ++x) {
      const int colour = bench.pixel(x, y);
      if (colour != kBlue) drawn[{x, y}] = colour;
    }
  }
  return drawn;
}

// A section's outline in whole pixels, as the user sees it.
struct Box {
  int left;
  int right;
  int top;
  int bottom;
};

void addHorizontal(PixelMap& map, int x1, int x2, int y, int colour) {
  for (int x = x1; x <= x2; ++x) {
    if (x >= 0 && x < TextScreen::kWidth && y >= 0 && y < TextScreen::kHeight) map[{x, y}] = colour;
  }
}

void addVertical(PixelMap& map, int x, int y1, int y2, int colour) {
  for (int y = y1; y <= y2; ++y) {
    if (x >= 0 && x < TextScreen::kWidth && y >= 0 && y < TextScreen::kHeight) map[{x, y}] = colour;
  }
}

void addBox(PixelMap& map, const Box& box) {
  addHorizontal(map, box.left, box.right, box.top, kWhite);
  addVertical(map, box.left, box.top, box.bottom, kWhite);
  addVertical(map, box.right, box.top, box.bottom, kWhite);
  addHorizontal(map, box.left, box.right, box.bottom, kWhite);
}

// Draws sections 1 to count one after another, as the row updates do.
void drawAll(TableBench& bench) {
  bench.design.profileY = 30.0F;
  const int count = static_cast<int>(bench.design.element.sectionCount);
  for (int n = 1; n <= count; ++n) {
    bench.design.element.currentSection = static_cast<Single>(n);
    drawSection(bench.work);
  }
}

TEST(ProfileDrawing, ThreeSectionsStackFromY30WithHalfWidthsOfThreeTimesTheOd) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  tabletest::putSections(bench.design, tabletest::kThreeSections);
  drawAll(bench);

  // Half-widths 1.5, 1.875 and 2.25 around x = 560; 558.5 rounds to 559.
  PixelMap expected;
  addBox(expected, {559, 562, 30, 66});
  addBox(expected, {558, 562, 66, 102});
  addBox(expected, {558, 562, 102, 132});
  EXPECT_EQ(drawnPixels(bench), expected);
  EXPECT_EQ(bench.design.profileY, 132.0F);
}

TEST(ProfileDrawing, SevenSectionsUseTheReducedScaleFromTheFirstSectionOn) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  std::vector<SectionValues> seven = tabletest::kThreeSections;
  seven.push_back({0.875F, 0.058F, 30.0F, 36.0F});
  seven.push_back({1.0F, 0.058F, 24.0F, 30.0F});
  seven.push_back({1.125F, 0.058F, 24.0F, 30.0F});
  seven.push_back({1.25F, 0.058F, 20.0F, 26.0F});
  tabletest::putSections(bench.design, seven);
  drawAll(bench);

  // Half-width 2 x OD, height half the exposed length.
  PixelMap expected;
  addBox(expected, {559, 561, 30, 48});    // 1.0
  addBox(expected, {559, 561, 48, 66});    // 1.25
  addBox(expected, {559, 562, 66, 81});    // 1.5: 558.5 and 561.5 round outwards
  addBox(expected, {558, 562, 81, 96});    // 1.75
  addBox(expected, {558, 562, 96, 108});   // 2.0
  addBox(expected, {558, 562, 108, 120});  // 2.25
  addBox(expected, {558, 563, 120, 130});  // 2.5: 557.5 and 562.5 round outwards
  EXPECT_EQ(drawnPixels(bench), expected);
  EXPECT_EQ(bench.design.profileY, 130.0F);
}

TEST(ProfileDrawing, SixSectionsStillUseTheFullScale) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  std::vector<SectionValues> six(6, SectionValues{1.0F, 0.058F, 10.0F, 12.0F});
  tabletest::putSections(bench.design, six);
  drawAll(bench);

  PixelMap expected;
  for (int k = 0; k < 6; ++k) addBox(expected, {557, 563, 30 + 10 * k, 40 + 10 * k});
  EXPECT_EQ(drawnPixels(bench), expected);
  EXPECT_EQ(bench.design.profileY, 90.0F);
}

TEST(ProfileDrawing, IceAddsRedLinesAtSevenTimesTheOdOverEachSectionsHeight) {
  for (const char* answer : {"Y", "y"}) {
    SCOPED_TRACE(answer);
    TableBench bench;
    tabletest::putCaseBOptions(bench.design.options);
    bench.design.options.iceAnswer = answer;
    tabletest::putSections(bench.design, tabletest::kThreeSections);
    drawAll(bench);

    PixelMap expected;
    // Ice half-widths 3.5, 4.375, 5.25 whatever the ice thickness; the top
    // and bottom edges stay those of the tube.
    addVertical(expected, 557, 30, 66, kRed);
    addVertical(expected, 564, 30, 66, kRed);
    addVertical(expected, 556, 66, 102, kRed);
    addVertical(expected, 564, 66, 102, kRed);
    addVertical(expected, 555, 102, 132, kRed);
    addVertical(expected, 565, 102, 132, kRed);
    addBox(expected, {559, 562, 30, 66});
    addBox(expected, {558, 562, 66, 102});
    addBox(expected, {558, 562, 102, 132});
    EXPECT_EQ(drawnPixels(bench), expected);
  }
}

TEST(ProfileDrawing, IceLinesAtTheReducedScaleAreFourTimesTheOd) {
  TableBench bench;
  tabletest::putCaseBOptions(bench.design.options);
  std::vector<SectionValues> seven(7, SectionValues{1.0F, 0.058F, 20.0F, 24.0F});
  tabletest::putSections(bench.design, seven);
  bench.design.profileY = 30.0F;
  bench.design.element.currentSection = 1.0F;
  drawSection(bench.work);

  PixelMap expected;
  addVertical(expected, 556, 30, 40, kRed);
  addVertical(expected, 564, 30, 40, kRed);
  addBox(expected, {558, 562, 30, 40});
  EXPECT_EQ(drawnPixels(bench), expected);
}

TEST(ProfileDrawing, IceOffDrawsNoRedWhateverIceValuesAreStored) {
  TableBench bench;
  tabletest::putCaseBOptions(bench.design.options);
  bench.design.options.iceAnswer = "N";  // density and thickness stay stored
  tabletest::putSections(bench.design, tabletest::kThreeSections);
  drawAll(bench);
  for (const auto& [where, colour] : drawnPixels(bench)) {
    EXPECT_EQ(colour, kWhite) << "at x=" << where.first << " y=" << where.second;
  }
}

TEST(ProfileDrawing, ZeroExposedLengthDrawsOneRowAndAdvancesNothing) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  tabletest::putSections(bench.design, {{1.0F, 0.1F, 0.0F, 10.0F}});
  drawAll(bench);

  PixelMap expected;
  addHorizontal(expected, 557, 563, 30, kWhite);
  EXPECT_EQ(drawnPixels(bench), expected);
  EXPECT_EQ(bench.design.profileY, 30.0F);
}

TEST(ProfileDrawing, ClippedAtTheBottomAndAtTheRightEdge) {
  TableBench bench;
  tabletest::putCaseAOptions(bench.design.options);
  // 300 pixels each side of x = 560, 1000 pixels high from y = 30.
  tabletest::putSections(bench.design, {{100.0F, 1.0F, 1000.0F, 1000.0F}});
  drawAll(bench);

  PixelMap expected;
  addHorizontal(expected, 260, 639, 30, kWhite);
  addVertical(expected, 260, 30, 349, kWhite);
  EXPECT_EQ(drawnPixels(bench), expected);
  EXPECT_EQ(bench.design.profileY, 1030.0F);
}

TEST(ProfileDrawing, HugeAndNonFiniteSizesLeaveTheScreenIntact) {
  const Single inf = std::numeric_limits<Single>::infinity();
  const Single nan = std::numeric_limits<Single>::quiet_NaN();
  const std::vector<SectionValues> odd = {
      {1e30F, 0.0F, 1e30F, 1e30F}, {-1e30F, 0.0F, -1e30F, 0.0F}, {inf, 0.0F, inf, 0.0F},
      {nan, 0.0F, nan, 0.0F},      {1.0F, 0.0F, 10.0F, 10.0F},
  };
  TableBench bench;
  bench.design.options.iceAnswer = "y";
  tabletest::putSections(bench.design, odd);
  drawAll(bench);

  for (int y = 0; y < TextScreen::kHeight; ++y) {
    for (int x = 0; x < TextScreen::kWidth; ++x) {
      const int colour = bench.pixel(x, y);
      ASSERT_TRUE(colour == kBlue || colour == kWhite || colour == kRed) << x << "," << y;
    }
  }
  // The first section's top edge spans the whole screen width at y = 30.
  EXPECT_EQ(bench.pixel(0, 30), kWhite);
  EXPECT_EQ(bench.pixel(639, 30), kWhite);
  EXPECT_TRUE(std::isnan(bench.design.profileY));
}

TEST(ProfileDrawing, DrawsNothingForASectionNumberOutsideTheStorage) {
  TableBench bench;
  tabletest::putSections(bench.design, tabletest::kThreeSections);
  for (const Single n : {0.0F, 21.0F, -1.0F, std::numeric_limits<Single>::quiet_NaN(), 1e30F}) {
    bench.design.profileY = 30.0F;
    bench.design.element.currentSection = n;
    drawSection(bench.work);
    EXPECT_EQ(bench.design.profileY, 30.0F);
  }
  EXPECT_TRUE(drawnPixels(bench).empty());
}

}  // namespace
