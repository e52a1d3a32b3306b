#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "../analysis/DesignRecords.hpp"
#include "../support/JsonLines.hpp"
#include "files/PrintedLoadTable.hpp"
#include "model/Design.hpp"
#include "screen/Channel.hpp"

namespace {

// The report as the bytes a file channel receives: the printer gets the same
// items through the same Channel operations.
std::string reportBytes(const DesignModel& design) {
  StringChannel out;
  writeLoadTableReport(out, design);
  return out.bytes();
}

// The report's lines, CR LF removed; the form feed line is kept as "\f".
std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line + "\r\n";
  }
  return bytes;
}

void setSection(DesignModel& design, int number, Single od, Single wall, Single exposed,
                Single maxWind) {
  TubeSection& section = design.element.sections.at(static_cast<std::size_t>(number));
  section.outsideDiameter = od;
  section.wallThickness = wall;
  section.exposedLength = exposed;
  section.totalLength = exposed;
  design.analysis.sections.at(static_cast<std::size_t>(number)).maxWindSpeed = maxWind;
}

// The three-section half element of the worked example, with the stored
// results of its analysis.
DesignModel workedExample(bool iceAndHeight) {
  DesignModel design;
  design.element.title = "WORKED EXAMPLE";
  design.element.sectionCount = 3;
  DesignOptions& options = design.options;
  options.yieldStrength = 35000;
  if (!iceAndHeight) {
    options.iceAnswer = "n";
    options.windPressure = 30;
    options.shapeFactor = 0.666f;
    setSection(design, 1, 0.5f, 0.058f, 36, 214.609f);
    setSection(design, 2, 0.625f, 0.058f, 36, 134.832f);
    setSection(design, 3, 0.75f, 0.058f, 30, 113.584f);
    design.totals.halfElementWeight = 1.18520f;
    design.totals.halfElementArea = 0.4375f;
  } else {
    options.iceAnswer = "y";
    options.iceDensity = 0.032f;
    options.radialIceThickness = 0.5f;
    options.iceDiameterIncrease = 1;
    options.windPressure = 21.3203f;
    options.shapeFactor = 1.2f;
    options.antennaHeight = 50;
    setSection(design, 1, 0.5f, 0.058f, 36, 109.496f);
    setSection(design, 2, 0.625f, 0.058f, 36, 70.1826f);
    setSection(design, 3, 0.75f, 0.058f, 30, 60.2474f);
    design.totals.halfElementWeight = 6.91256f;
    design.totals.halfElementArea = 1.14583f;
  }
  return design;
}

const std::vector<std::string> kTableTail = {
    " ",
    "SECT.    OD      WALL   LENGTH   CUM LEN   MAX WIND (MPH)",
    "-----  -----    -----   ------   -------   ------------",
};

TEST(PrintedLoadTableTest, WorkedExampleWithEia222cAndNoIce) {
  std::vector<std::string> expected = {
      "           ELEMENT LOAD TABLE -- ALUMINUM TUBULAR ELEMENTS",
      " ",
      "WORKED EXAMPLE",
      " ",
      " Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH",
      "     and shape factor =  0.666",
      " ",
      " ",
      "DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:   1.2   HALF EL AREA:   0.4",
  };
  expected.insert(expected.end(), kTableTail.begin(), kTableTail.end());
  expected.insert(expected.end(), {
                                      "  1    0.500    0.058    36.00     36.00     215",
                                      "  2    0.625    0.058    36.00     72.00     135",
                                      "  3    0.750    0.058    30.00    102.00     114",
                                      " ",
                                      " ",
                                      "\f",
                                  });
  EXPECT_EQ(reportBytes(workedExample(false)), joinCrLf(expected));
}

TEST(PrintedLoadTableTest, WorkedExampleWithEiaTia222eAndGlazeIce) {
  std::vector<std::string> expected = {
      "           ELEMENT LOAD TABLE -- ALUMINUM TUBULAR ELEMENTS",
      " ",
      "WORKED EXAMPLE",
      " ",
      " Ice Loading with density =  3.2e-002 lb. per cubic inch ",
      "     and radial thickness =  0.5 inch ",
      " ",
      " Using EIA/TIA-222-E  with height above ground =  50 feet",
      " Pressure =  21.3 lb/sq ft at 86 MPH",
      "     and shape factor =  1.2",
      " ",
      " ",
      "DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:   6.9   HALF EL AREA:   1.1",
  };
  expected.insert(expected.end(), kTableTail.begin(), kTableTail.end());
  expected.insert(expected.end(), {
                                      "  1    0.500    0.058    36.00     36.00     109",
                                      "  2    0.625    0.058    36.00     72.00      70",
                                      "  3    0.750    0.058    30.00    102.00      60",
                                      " ",
                                      " ",
                                      "\f",
                                  });
  EXPECT_EQ(reportBytes(workedExample(true)), joinCrLf(expected));
}

TEST(PrintedLoadTableTest, PressureOfExactlyThirtyWithTheHeightMethodPrintsBothBlocks) {
  DesignModel design = workedExample(true);
  design.options.iceAnswer = "N";
  design.options.windPressure = 30;
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[4], " Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH");
  EXPECT_EQ(lines[5], "     and shape factor =  1.2");
  EXPECT_EQ(lines[6], " ");
  EXPECT_EQ(lines[7], " Using EIA/TIA-222-E  with height above ground =  50 feet");
  EXPECT_EQ(lines[8], " Pressure =  30.0 lb/sq ft at 86 MPH");
  EXPECT_EQ(lines[9], "     and shape factor =  1.2");
  EXPECT_EQ(lines[10], " ");
  EXPECT_EQ(lines[11], " ");
}

TEST(PrintedLoadTableTest, IceIsOnlyForYesAnswers) {
  for (const char* answer : {"y", "Y"}) {
    DesignModel design = workedExample(true);
    design.options.iceAnswer = answer;
    EXPECT_NE(reportBytes(design).find("Ice Loading"), std::string::npos) << answer;
  }
  for (const char* answer : {"n", "N", ""}) {
    DesignModel design = workedExample(true);
    design.options.iceAnswer = answer;
    EXPECT_EQ(reportBytes(design).find("Ice Loading"), std::string::npos) << answer;
  }
}

TEST(PrintedLoadTableTest, IceKindsAndThinIcePrintAsGeneralNumbers) {
  DesignModel design = workedExample(true);
  const struct {
    Single density;
    const char* text;
  } kinds[] = {{0.011f, "1.1e-002"}, {0.017f, "1.7e-002"}, {0.032f, "3.2e-002"}};
  for (const auto& kind : kinds) {
    design.options.iceDensity = kind.density;
    const std::vector<std::string> lines = linesOf(reportBytes(design));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[4],
              std::string(" Ice Loading with density =  ") + kind.text + " lb. per cubic inch ");
  }
  design.options.radialIceThickness = 0.05f;
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[5], "     and radial thickness =  5.e-002 inch ");
}

TEST(PrintedLoadTableTest, NoWindBlockWhenNeitherMethodMatches) {
  DesignModel design = workedExample(false);
  design.options.windPressure = 29.99f;                     // not exactly 30
  design.options.shapeFactor = std::nextafter(1.2f, 2.0f);  // one step above 1.2
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_GE(lines.size(), 7u);
  EXPECT_EQ(lines[3], " ");
  EXPECT_EQ(lines[4], " ");
  EXPECT_EQ(lines[5].rfind("DESIGN YIELD STRENGTH:", 0), 0u);
}

TEST(PrintedLoadTableTest, EmptyTitleGivesAnEmptyLine) {
  DesignModel design = workedExample(false);
  design.element.title.clear();
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], " ");
}

TEST(PrintedLoadTableTest, WeightAndAreaKeepTheirColumnsForAnyYieldText) {
  DesignModel design = workedExample(false);
  for (const Single yield : {1.0f, 35000.0f, 1234567.0f, -1e-20f}) {
    design.options.yieldStrength = yield;
    const std::vector<std::string> lines = linesOf(reportBytes(design));
    ASSERT_GE(lines.size(), 9u);
    const std::string& line = lines[8];
    ASSERT_EQ(line.size(), 74u) << line;
    EXPECT_EQ(line.substr(31, 16), "HALF EL WEIGHT: ") << line;
    EXPECT_EQ(line.substr(47, 5), "  1.2") << line;
    EXPECT_EQ(line.substr(52, 17), "   HALF EL AREA: ") << line;
    EXPECT_EQ(line.substr(69, 5), "  0.4") << line;
  }
}

TEST(PrintedLoadTableTest, RowFieldsStandInTheirColumns) {
  DesignModel design = workedExample(false);
  design.element.sectionCount = 1;
  setSection(design, 1, 0.5f, 0.058f, 36, 123.4f);
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_GE(lines.size(), 13u);
  EXPECT_EQ(lines[12], "  1    0.500    0.058    36.00     36.00     123");
  EXPECT_EQ(lines[12].size(), 48u);
}

TEST(PrintedLoadTableTest, FifteenSectionsPrintFifteenRowsWithTheRunningLength) {
  DesignModel design = workedExample(false);
  design.element.sectionCount = 15;
  for (int number = 1; number <= 15; ++number) {
    setSection(design, number, 0.5f, 0.058f, 10.25f + static_cast<Single>(number), 100);
  }
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_EQ(lines.size(), 12u + 15u + 3u);
  EXPECT_EQ(lines[12].substr(0, 5), "  1  ");
  EXPECT_EQ(lines[26].substr(0, 5), " 15  ");
  EXPECT_EQ(lines[26].substr(33, 7), " 273.75");  // 15 x 10.25 + (1 + 2 + ... + 15)
  EXPECT_EQ(lines[27], " ");
  EXPECT_EQ(lines[28], " ");
  EXPECT_EQ(lines[29], "\f");
}

TEST(PrintedLoadTableTest, NoSectionsPrintsHeadsAndRuleOnly) {
  DesignModel design = workedExample(false);
  design.element.sectionCount = 0;
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[10], kTableTail[1]);
  EXPECT_EQ(lines[11], kTableTail[2]);
  EXPECT_EQ(lines[12], " ");
  EXPECT_EQ(lines[13], " ");
  EXPECT_EQ(lines[14], "\f");
}

TEST(PrintedLoadTableTest, OddCountsNeverRunPastTheStorage) {
  DesignModel design = workedExample(false);
  const struct {
    Single count;
    std::size_t rows;
  } cases[] = {
      {2.5f, 2},
      {-3.0f, 0},
      {1e9f, kSlots - 1},
      {std::numeric_limits<Single>::infinity(), kSlots - 1},
      {std::numeric_limits<Single>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) {
    design.element.sectionCount = c.count;
    const std::vector<std::string> lines = linesOf(reportBytes(design));
    EXPECT_EQ(lines.size(), 15u + c.rows) << c.count;
  }
}

TEST(PrintedLoadTableTest, NonFiniteResultsStillGiveAWholeReport) {
  DesignModel design = workedExample(false);
  design.analysis.sections[1].maxWindSpeed = std::numeric_limits<Single>::infinity();
  design.analysis.sections[2].maxWindSpeed = std::numeric_limits<Single>::quiet_NaN();
  design.totals.halfElementWeight = std::numeric_limits<Single>::quiet_NaN();
  const std::vector<std::string> lines = linesOf(reportBytes(design));
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[12].substr(0, 44), "  1    0.500    0.058    36.00     36.00    ");
  EXPECT_EQ(lines[17], "\f");
}

// --- the reference designs -------------------------------------------------

Single stored(const jsonl::Value& object, const std::string& key) {
  return object["bits"][key].bitsAsFloat();
}

// A design of the reference data with the results of its analysis, as the
// report reads them after a load table pass.
DesignModel referenceDesign(const jsonl::Value& record) {
  DesignModel design = designs::modelOf(record);
  const jsonl::Value& results = record["results"];
  for (std::size_t i = 0; i < results.size(); ++i) {
    design.analysis.sections.at(i + 1).maxWindSpeed = stored(results[i], "max_wind");
  }
  design.totals.halfElementWeight = stored(record["totals"], "weight");
  design.totals.halfElementArea = stored(record["totals"], "area");
  return design;
}

// A row of the reference data: one text, or one text with acceptable
// alternatives where the rules allow more than one reading.
bool rowAccepted(const jsonl::Value& expected, const std::string& row) {
  if (expected.kind == jsonl::Value::Kind::String) {
    return expected.str() == row;
  }
  if (expected["text"].str() == row) {
    return true;
  }
  if (expected.has("alt")) {
    const jsonl::Value& alt = expected["alt"];
    for (const auto& [reading, text] : alt.members) {
      if (text.kind == jsonl::Value::Kind::String && text.str() == row) {
        return true;
      }
    }
    for (const jsonl::Value& text : alt.items) {
      if (text.kind == jsonl::Value::Kind::String && text.str() == row) {
        return true;
      }
    }
  }
  return false;
}

TEST(PrintedLoadTableReferenceTest, EveryReportMatchesByteForByte) {
  const std::vector<jsonl::Value>& records = designs::records();
  ASSERT_GE(records.size(), 100u);
  for (const jsonl::Value& record : records) {
    const std::string id = record["id"].text;
    const jsonl::Value& expected = record["printed_report"];
    if (expected.kind != jsonl::Value::Kind::String) {
      ADD_FAILURE() << "design " << id << ": the report is not a single text";
      continue;
    }
    EXPECT_EQ(reportBytes(referenceDesign(record)), expected.str()) << "design " << id;
  }
}

TEST(PrintedLoadTableReferenceTest, EveryRowMatches) {
  for (const jsonl::Value& record : designs::records()) {
    const std::string id = record["id"].text;
    const std::vector<std::string> lines = linesOf(reportBytes(referenceDesign(record)));
    const jsonl::Value& rows = record["printed_rows"];
    const std::size_t count = static_cast<std::size_t>(record["count"].num());
    ASSERT_EQ(rows.size(), count) << "design " << id;
    // The rows stand after the rule line, before two single blanks and the
    // form feed.
    ASSERT_GE(lines.size(), count + 3) << "design " << id;
    const std::size_t first = lines.size() - 3 - count;
    EXPECT_EQ(lines[first - 1], kTableTail[2]) << "design " << id;
    for (std::size_t i = 0; i < count; ++i) {
      EXPECT_TRUE(rowAccepted(rows[i], lines[first + i]))
          << "design " << id << " row " << i + 1 << ": " << lines[first + i];
    }
  }
}

}  // namespace
