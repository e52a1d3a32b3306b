// Every reference design's options typed into the dialogue, one after the
// other in one session: the stored values must match bit for bit, the
// summary must read as the reference shows it, and whatever a run does not
// ask keeps its earlier value.

#include <gtest/gtest.h>

#if __has_include("platform/headless/Session.hpp")

#include <string>

#include "DesignRecords.hpp"
#include "model/Design.hpp"
#include "platform/headless/Session.hpp"

namespace {

using designs::sameBits;

std::string padded(const std::string& text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

bool isKey(const jsonl::Value& value, const char* letters) {
  return !value.isNull() && value.str().size() == 1 &&
         std::string(letters).find(value.str()[0]) != std::string::npos;
}

TEST(DesignsOptionsDialogue, TypedAnswersGiveTheStoredOptionsAndSummary) {
  const auto& records = designs::records();
  Session s;
  s.type("n");
  ASSERT_NE(s.row(1).find("MAIN MENU"), std::string::npos);

  for (const jsonl::Value& record : records) {
    SCOPED_TRACE("design " + std::to_string(static_cast<int>(record["id"].num())));
    const jsonl::Value& typed = record["options"];
    const DesignOptions before = s.design().options;
    DesignOptions expected = designs::optionsOf(record);

    s.type("o");
    s.enter(typed["yield_text"].str());
    s.type(typed["ice_key"].str());
    const bool ice = isKey(typed["ice_key"], "yY");
    if (ice) {
      s.type(typed["ice_kind_key"].str());
      s.enter(typed["thickness_text"].str());
    } else {
      expected.iceDensity = before.iceDensity;
      expected.radialIceThickness = before.radialIceThickness;
      expected.iceDiameterIncrease = before.iceDiameterIncrease;
    }
    s.type(typed["method_key"].str());
    if (isKey(typed["method_key"], "eE")) {
      s.enter(typed["height_text"].str());
    } else {
      expected.antennaHeight = before.antennaHeight;
      expected.kz = before.kz;
    }

    const DesignOptions& got = s.design().options;
    EXPECT_TRUE(sameBits(got.yieldStrength, expected.yieldStrength)) << "yield";
    EXPECT_EQ(got.iceAnswer, expected.iceAnswer);
    EXPECT_TRUE(sameBits(got.iceDensity, expected.iceDensity)) << "density";
    EXPECT_TRUE(sameBits(got.radialIceThickness, expected.radialIceThickness)) << "thickness";
    EXPECT_TRUE(sameBits(got.iceDiameterIncrease, expected.iceDiameterIncrease)) << "increase";
    EXPECT_TRUE(sameBits(got.windPressure, expected.windPressure)) << "pressure";
    EXPECT_TRUE(sameBits(got.shapeFactor, expected.shapeFactor)) << "shape factor";
    EXPECT_TRUE(sameBits(got.antennaHeight, expected.antennaHeight)) << "height";
    EXPECT_TRUE(sameBits(got.kz, expected.kz)) << "kz";
    EXPECT_TRUE(sameBits(got.aluminiumDensity, 0.098f));
    EXPECT_TRUE(s.design().gates.optionsSelected);

    const jsonl::Value& summary = record["options_summary"];
    int row = 2;
    for (const jsonl::Value& line : summary.items) {
      EXPECT_EQ(s.row(row), padded(line.str())) << "row " << row;
      ++row;
    }
    EXPECT_EQ(s.row(row), std::string(80, ' ')) << "row " << row;
    EXPECT_EQ(s.cursorRow(), 24);

    s.enter("");
    ASSERT_NE(s.row(1).find("MAIN MENU"), std::string::npos);
  }
  EXPECT_EQ(s.beeps(), 0);
}

}  // namespace

#else

TEST(DesignsOptionsDialogue, HeadlessSessionAvailable) {
  FAIL() << "platform/headless/Session.hpp is missing: the options dialogue is untested";
}

#endif
