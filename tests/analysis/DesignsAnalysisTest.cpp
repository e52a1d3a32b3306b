// Every reference design through the load analysis, compared bit for bit:
// builders check our figures against their own, and a single rounding in
// the wrong precision moves a maximum wind speed.

#include <gtest/gtest.h>

#include <string>

#include "DesignRecords.hpp"
#include "analysis/LoadAnalysis.hpp"

namespace {

using designs::sameBits;

TEST(DesignsAnalysis, EveryStoredResultMatchesBitForBit) {
  const auto& records = designs::records();
  ASSERT_EQ(records.size(), 150u);
  for (const jsonl::Value& record : records) {
    SCOPED_TRACE("design " + std::to_string(static_cast<int>(record["id"].num())));
    DesignModel model = designs::modelOf(record);
    const int count = designs::countOf(record);
    ASSERT_EQ(record["results"].size(), static_cast<std::size_t>(count));

    analysePass(model, 1, count);

    for (int i = 1; i <= count; ++i) {
      SCOPED_TRACE("section " + std::to_string(i));
      const jsonl::Value& bits = record["results"][static_cast<std::size_t>(i - 1)]["bits"];
      const SectionResult& r = model.analysis.sections.at(static_cast<std::size_t>(i));
      EXPECT_TRUE(sameBits(r.insideDiameter, bits["id"].bitsAsFloat())) << "inside diameter";
      EXPECT_TRUE(sameBits(r.sectionModulus, bits["s"].bitsAsFloat())) << "section modulus";
      EXPECT_TRUE(sameBits(r.sectionWeight, bits["weight"].bitsAsFloat())) << "weight";
      EXPECT_TRUE(sameBits(r.iceWeight, bits["ice_weight"].bitsAsFloat())) << "ice weight";
      EXPECT_TRUE(sameBits(r.projectedArea, bits["area"].bitsAsFloat())) << "area";
      EXPECT_TRUE(sameBits(r.windForce, bits["force"].bitsAsFloat())) << "force";
      EXPECT_TRUE(sameBits(r.maxWindSpeed, bits["max_wind"].bitsAsFloat())) << "max wind";
    }

    const jsonl::Value& totals = record["totals"]["bits"];
    EXPECT_TRUE(sameBits(model.totals.halfElementWeight, totals["weight"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(model.totals.halfElementArea, totals["area"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(model.totals.cumulativeLength, totals["cum_length"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(model.totals.runningForce, totals["running_force"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(model.totals.runningMoment, totals["running_moment"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(model.totals.sectionMoment, totals["moment"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(model.totals.sectionStress, totals["stress"].bitsAsFloat()));
  }
}

// Moment, stress and cumulative length are kept for the last section only,
// so read them after each section of a pass run one step at a time.
TEST(DesignsAnalysis, MomentStressAndLengthAfterEachSection) {
  for (const jsonl::Value& record : designs::records()) {
    SCOPED_TRACE("design " + std::to_string(static_cast<int>(record["id"].num())));
    DesignModel model = designs::modelOf(record);
    // Stale running values from an earlier pass must not leak in.
    model.totals.runningMoment = 1.0e6f;
    model.totals.runningForce = 50.0f;
    model.totals.cumulativeLength = 7.0f;
    analysePass(model, 1, 0);  // an empty pass only zeroes the running values
    const int count = designs::countOf(record);
    for (int i = 1; i <= count; ++i) {
      SCOPED_TRACE("section " + std::to_string(i));
      analyseSection(model, i);
      const jsonl::Value& bits = record["results"][static_cast<std::size_t>(i - 1)]["bits"];
      EXPECT_TRUE(sameBits(model.totals.sectionMoment, bits["moment"].bitsAsFloat())) << "moment";
      EXPECT_TRUE(sameBits(model.totals.sectionStress, bits["stress"].bitsAsFloat())) << "stress";
      EXPECT_TRUE(sameBits(model.totals.cumulativeLength, bits["cum_length"].bitsAsFloat()))
          << "cumulative length";
      EXPECT_TRUE(sameBits(model.totals.runningMoment, model.totals.sectionMoment));
    }
  }
}

}  // namespace
