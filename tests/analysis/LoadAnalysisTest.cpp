// The load analysis on designs small enough to follow by hand.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/LoadAnalysis.hpp"
#include "analysis/OptionsValues.hpp"

namespace {

// Within half a unit of the sixth significant figure of the value shown.
::testing::AssertionResult sixFigures(Single actual, Wide shown) {
  const Wide magnitude = std::floor(std::log10(std::fabs(shown)));
  const Wide tolerance = 0.5 * std::pow(10.0, magnitude - 5.0) * 1.0001;
  if (std::fabs(static_cast<Wide>(actual) - shown) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << static_cast<Wide>(actual) << " is not " << shown << " to six figures";
}

bool sameBits(Single a, Single b) {
  return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

void setSection(DesignModel& model, int slot, Single od, Single wall, Single exposed,
                Single total) {
  model.element.sections.at(static_cast<std::size_t>(slot)) = {od, wall, exposed, total};
}

// A three-section half element: 1/2, 5/8 and 3/4 inch tube, 0.058 wall.
DesignModel threeSections() {
  DesignModel model;
  model.options.aluminiumDensity = 0.098f;
  model.options.yieldStrength = 35000.0f;
  model.element.sectionCount = 3.0f;
  setSection(model, 1, 0.5f, 0.058f, 36.0f, 40.0f);
  setSection(model, 2, 0.625f, 0.058f, 36.0f, 42.0f);
  setSection(model, 3, 0.75f, 0.058f, 30.0f, 36.0f);
  return model;
}

void useEia222c(DesignOptions& options) {
  options.iceAnswer = "N";
  options.windPressure = 30.0f;
  options.shapeFactor = 0.666f;
}

// EIA/TIA-222-E at 50 feet with half an inch of glaze ice.
void useGlazeAt50Feet(DesignOptions& options) {
  options.iceAnswer = "y";
  options.iceDensity = 0.032f;
  options.radialIceThickness = 0.5f;
  options.iceDiameterIncrease = 1.0f;
  options.antennaHeight = 50.0f;
  options.kz = heightFactorKz(options.antennaHeight);
  options.windPressure = eiaTia222ePressure(options.kz);
  options.shapeFactor = 1.2f;
}

const SectionResult& result(const DesignModel& model, int slot) {
  return model.analysis.sections.at(static_cast<std::size_t>(slot));
}

struct Row {
  Wide id, s, weight, area, force, moment, stress, cum, maxWind;
};

TEST(LoadAnalysis, ThreeSectionsBareWithEia222c) {
  DesignModel model = threeSections();
  useEia222c(model.options);
  const std::vector<Row> rows = {
      {0.384, 0.00799851, 0.315548, 0.125, 2.4975, 44.955, 5620.42, 36, 214.609},
      {0.509, 0.013418, 0.425027, 0.15625, 3.12188, 191.059, 14239.0, 72, 134.832},
      {0.634, 0.0202579, 0.444623, 0.15625, 3.12188, 406.468, 20064.7, 102, 113.584},
  };
  analysePass(model, 1, 0);
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE("section " + std::to_string(i));
    analyseSection(model, i);
    const Row& want = rows.at(static_cast<std::size_t>(i - 1));
    const SectionResult& got = result(model, i);
    EXPECT_TRUE(sixFigures(got.insideDiameter, want.id));
    EXPECT_TRUE(sixFigures(got.sectionModulus, want.s));
    EXPECT_TRUE(sixFigures(got.sectionWeight, want.weight));
    EXPECT_EQ(got.iceWeight, 0.0f);
    EXPECT_TRUE(sixFigures(got.projectedArea, want.area));
    EXPECT_TRUE(sixFigures(got.windForce, want.force));
    EXPECT_TRUE(sixFigures(model.totals.sectionMoment, want.moment));
    EXPECT_TRUE(sixFigures(model.totals.sectionStress, want.stress));
    EXPECT_TRUE(sixFigures(model.totals.cumulativeLength, want.cum));
    EXPECT_TRUE(sixFigures(got.maxWindSpeed, want.maxWind));
  }
  EXPECT_TRUE(sixFigures(model.totals.halfElementWeight, 1.18520));
  EXPECT_TRUE(sixFigures(model.totals.halfElementArea, 0.4375));
  EXPECT_TRUE(sixFigures(model.totals.runningForce, 8.74125));
}

TEST(LoadAnalysis, ThreeSectionsGlazeIceWithEiaTia222eAt50Feet) {
  DesignModel bare = threeSections();
  useEia222c(bare.options);
  analysePass(bare, 1, 3);

  DesignModel model = threeSections();
  useGlazeAt50Feet(model.options);
  struct IceRow {
    Wide weight, iceWeight, area, force, moment, stress, maxWind;
  };
  const std::vector<IceRow> rows = {
      {2.12419, 1.80864, 0.375, 9.59413, 172.694, 21590.8, 109.496},
      {2.45975, 2.03472, 0.40625, 10.3936, 705.169, 52554.0, 70.1826},
      {2.32862, 1.884, 0.364583, 9.32763, 1444.72, 71316.1, 60.2474},
  };
  analysePass(model, 1, 0);
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE("section " + std::to_string(i));
    analyseSection(model, i);
    const IceRow& want = rows.at(static_cast<std::size_t>(i - 1));
    const SectionResult& got = result(model, i);
    EXPECT_TRUE(sixFigures(got.sectionWeight, want.weight));
    EXPECT_TRUE(sixFigures(got.iceWeight, want.iceWeight));
    EXPECT_TRUE(sixFigures(got.projectedArea, want.area));
    EXPECT_TRUE(sixFigures(got.windForce, want.force));
    EXPECT_TRUE(sixFigures(model.totals.sectionMoment, want.moment));
    EXPECT_TRUE(sixFigures(model.totals.sectionStress, want.stress));
    EXPECT_TRUE(sixFigures(got.maxWindSpeed, want.maxWind));
    // The ice rides on the tube: the bare tube's cross-section is unchanged.
    EXPECT_TRUE(sameBits(got.insideDiameter, result(bare, i).insideDiameter));
    EXPECT_TRUE(sameBits(got.sectionModulus, result(bare, i).sectionModulus));
  }
  EXPECT_TRUE(sixFigures(model.totals.halfElementWeight, 6.91256));
  EXPECT_TRUE(sixFigures(model.totals.halfElementArea, 1.14583));
  EXPECT_TRUE(sameBits(model.totals.cumulativeLength, bare.totals.cumulativeLength));
}

TEST(LoadAnalysis, IceChangesLoadsButNotTheTubeItself) {
  DesignModel bare = threeSections();
  useEia222c(bare.options);
  analysePass(bare, 1, 3);

  DesignModel iced = threeSections();
  useEia222c(iced.options);
  iced.options.iceAnswer = "Y";  // either case switches it on
  iced.options.iceDensity = 0.011f;
  iced.options.radialIceThickness = 0.25f;
  iced.options.iceDiameterIncrease = 0.5f;
  analysePass(iced, 1, 3);

  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE("section " + std::to_string(i));
    const SectionResult& b = result(bare, i);
    const SectionResult& c = result(iced, i);
    EXPECT_TRUE(sameBits(c.insideDiameter, b.insideDiameter));
    EXPECT_TRUE(sameBits(c.sectionModulus, b.sectionModulus));
    EXPECT_GT(c.iceWeight, 0.0f);
    EXPECT_GT(c.sectionWeight, b.sectionWeight);
    EXPECT_GT(c.projectedArea, b.projectedArea);
    EXPECT_GT(c.windForce, b.windForce);
    EXPECT_LT(c.maxWindSpeed, b.maxWindSpeed);
  }
  EXPECT_TRUE(sameBits(iced.totals.cumulativeLength, bare.totals.cumulativeLength));
  EXPECT_GT(iced.totals.halfElementWeight, bare.totals.halfElementWeight);

  // Ice switched off again ("n") with the old density and thickness still
  // stored: they are ignored and every result is that of the bare tube.
  iced.options.iceAnswer = "n";
  analysePass(iced, 1, 3);
  for (int i = 1; i <= 3; ++i) {
    const SectionResult& b = result(bare, i);
    const SectionResult& c = result(iced, i);
    EXPECT_TRUE(sameBits(c.sectionWeight, b.sectionWeight)) << i;
    EXPECT_EQ(c.iceWeight, 0.0f) << i;
    EXPECT_TRUE(sameBits(c.windForce, b.windForce)) << i;
    EXPECT_TRUE(sameBits(c.maxWindSpeed, b.maxWindSpeed)) << i;
  }
  EXPECT_TRUE(sameBits(iced.totals.halfElementWeight, bare.totals.halfElementWeight));
}

TEST(LoadAnalysis, SingleSectionCarriesOnlyItsOwnWind) {
  DesignModel model;
  model.options.aluminiumDensity = 0.098f;
  model.options.yieldStrength = 35000.0f;
  useEia222c(model.options);
  setSection(model, 1, 1.0f, 0.058f, 48.0f, 52.0f);
  analysePass(model, 1, 1);

  const SectionResult& r = result(model, 1);
  const Wide force = static_cast<Wide>(r.windForce);
  EXPECT_TRUE(sameBits(model.totals.sectionMoment, static_cast<Single>(48.0 * force / 2.0)));
  EXPECT_TRUE(sameBits(model.totals.sectionStress,
                       static_cast<Single>(static_cast<Wide>(model.totals.sectionMoment) /
                                           static_cast<Wide>(r.sectionModulus))));
  EXPECT_EQ(model.totals.cumulativeLength, 48.0f);
  EXPECT_TRUE(sameBits(model.totals.runningForce, r.windForce));
  EXPECT_TRUE(sameBits(model.totals.halfElementArea, r.projectedArea));
  EXPECT_TRUE(sameBits(model.totals.halfElementWeight, r.sectionWeight));
  // 1 inch by 48 inches is a third of a square foot.
  EXPECT_TRUE(sameBits(r.projectedArea, static_cast<Single>(48.0 / 144.0)));
}

TEST(LoadAnalysis, SolidRodHasNoBore) {
  DesignModel model;
  model.options.aluminiumDensity = 0.098f;
  model.options.yieldStrength = 35000.0f;
  useEia222c(model.options);
  setSection(model, 1, 0.375f, 0.1875f, 12.0f, 12.0f);
  analysePass(model, 1, 1);

  const SectionResult& r = result(model, 1);
  EXPECT_EQ(r.insideDiameter, 0.0f);
  const Wide od = 0.375;
  EXPECT_NEAR(static_cast<Wide>(r.sectionModulus), 3.14 * od * od * od / 32.0,
              1e-6 * 3.14 * od * od * od / 32.0);
  EXPECT_TRUE(std::isfinite(r.maxWindSpeed));
  EXPECT_GT(r.maxWindSpeed, 0.0f);
}

TEST(LoadAnalysis, ZeroExposedLengthCarriesTheMomentThrough) {
  DesignModel model = threeSections();
  useGlazeAt50Feet(model.options);
  model.element.sections.at(2).exposedLength = 0.0f;
  analysePass(model, 1, 1);
  const Single momentAfterTip = model.totals.sectionMoment;
  const Single forceAfterTip = model.totals.runningForce;
  const Single areaAfterTip = model.totals.halfElementArea;
  const Single weightAfterTip = model.totals.halfElementWeight;

  analyseSection(model, 2);
  const SectionResult& r = result(model, 2);
  EXPECT_EQ(r.projectedArea, 0.0f);
  EXPECT_EQ(r.windForce, 0.0f);
  EXPECT_EQ(r.iceWeight, 0.0f);
  EXPECT_TRUE(sameBits(model.totals.sectionMoment, momentAfterTip));
  EXPECT_TRUE(sameBits(model.totals.runningForce, forceAfterTip));
  EXPECT_TRUE(sameBits(model.totals.halfElementArea, areaAfterTip));
  EXPECT_EQ(model.totals.cumulativeLength, 36.0f);
  // The hidden tube still weighs what its total length weighs.
  EXPECT_GT(model.totals.halfElementWeight, weightAfterTip);
  // The same moment, now on the larger cross-section.
  EXPECT_TRUE(sameBits(model.totals.sectionStress,
                       static_cast<Single>(static_cast<Wide>(momentAfterTip) /
                                           static_cast<Wide>(r.sectionModulus))));
}

TEST(LoadAnalysis, DoublingTheWindLoadDividesSpeedsByRootTwo) {
  DesignModel single = threeSections();
  useEia222c(single.options);
  analysePass(single, 1, 3);

  DesignModel twice = threeSections();
  useEia222c(twice.options);
  twice.options.windPressure = 60.0f;
  analysePass(twice, 1, 3);

  for (int i = 1; i <= 3; ++i) {
    const Wide expected = static_cast<Wide>(result(single, i).maxWindSpeed) / std::sqrt(2.0);
    EXPECT_NEAR(static_cast<Wide>(result(twice, i).maxWindSpeed), expected, expected * 2e-6)
        << "section " << i;
  }
}

TEST(LoadAnalysis, EveryPassStartsFromZeroAndLeavesOtherSlotsAlone) {
  DesignModel model = threeSections();
  useEia222c(model.options);
  analysePass(model, 1, 3);
  const DesignModel first = model;

  analysePass(model, 1, 3);
  EXPECT_TRUE(sameBits(model.totals.halfElementWeight, first.totals.halfElementWeight));
  EXPECT_TRUE(sameBits(model.totals.runningMoment, first.totals.runningMoment));
  EXPECT_TRUE(sameBits(model.totals.cumulativeLength, first.totals.cumulativeLength));

  // A pass over the butt alone: the butt carries only its own wind, and the
  // tip's slot keeps what the earlier pass put there.
  model.element.sections.at(1).outsideDiameter = 9.0f;
  analysePass(model, 3, 3);
  EXPECT_TRUE(sameBits(result(model, 1).sectionModulus, result(first, 1).sectionModulus));
  EXPECT_EQ(model.totals.cumulativeLength, 30.0f);
  EXPECT_TRUE(sameBits(model.totals.runningForce, result(model, 3).windForce));
  EXPECT_LT(model.totals.sectionMoment, first.totals.sectionMoment);
  EXPECT_GT(result(model, 3).maxWindSpeed, result(first, 3).maxWindSpeed);
}

TEST(LoadAnalysis, DegenerateInputGivesNonFiniteResultsWithoutFailing) {
  DesignModel model = threeSections();
  useEia222c(model.options);
  model.element.sections.at(2).outsideDiameter = 0.0f;
  model.element.sections.at(2).wallThickness = 0.0f;
  analysePass(model, 1, 3);
  EXPECT_TRUE(std::isnan(result(model, 2).sectionModulus));
  EXPECT_TRUE(std::isnan(result(model, 2).maxWindSpeed));
  // The next section has a sound cross-section and goes on normally.
  EXPECT_TRUE(std::isfinite(result(model, 3).maxWindSpeed));

  // No wind at all: no stress, so no wind speed is too much.
  DesignModel calm = threeSections();
  useEia222c(calm.options);
  calm.options.windPressure = 0.0f;
  analysePass(calm, 1, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(calm.totals.sectionStress, 0.0f);
    EXPECT_TRUE(std::isinf(result(calm, i).maxWindSpeed)) << i;
  }
}

}  // namespace
