// The load table as a user reaches it: "V" at the main menu of the running
// program, with the design put into the model beforehand.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "LoadTableBench.hpp"
#include "platform/headless/Session.hpp"

namespace {

using tabletest::padTo80;

std::string rightTrimmed(std::string text) {
  const std::size_t end = text.find_last_not_of(' ');
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

std::vector<std::string> readGolden(const std::string& name) {
  const std::string path = std::string(TUB_SOURCE_DIR) + "/tests/golden/" + name;
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Title answered, main menu showing, the design put in, then View Analysis.
void viewDesign(Session& s, const std::function<void(DesignModel&)>& put) {
  s.type("n");
  put(s.design());
  tabletest::openGates(s.design());
  s.type("v");
}

void putWorkedExample(DesignModel& design) {
  tabletest::putCaseAOptions(design.options);
  tabletest::putSections(design, tabletest::kThreeSections);
  design.element.title = "WORKED EXAMPLE";
}

TEST(LoadTableScreen, WorkedExampleWholeScreen) {
  Session s;
  viewDesign(s, putWorkedExample);
  const std::vector<std::string> golden = readGolden("load-table-worked-example.txt");
  ASSERT_EQ(golden.size(), 25U);
  for (int r = 1; r <= 25; ++r) {
    EXPECT_EQ(rightTrimmed(s.row(r)), golden[static_cast<std::size_t>(r - 1)]) << "row " << r;
  }
}

TEST(LoadTableScreen, WorkedExampleProfileBesideTheTable) {
  Session s;
  viewDesign(s, putWorkedExample);
  // Right of the table's text and below the totals only the drawing shows.
  std::map<std::pair<int, int>, int> drawn;
  for (int y = 28; y < 350; ++y) {
    for (int x = 456; x < 640; ++x) {
      const int colour = s.pixel(x, y);
      if (colour != 9) drawn[{x, y}] = colour;
    }
  }
  std::map<std::pair<int, int>, int> expected;
  const auto box = [&](int left, int right, int top, int bottom) {
    for (int x = left; x <= right; ++x) expected[{x, top}] = expected[{x, bottom}] = 15;
    for (int y = top; y <= bottom; ++y) expected[{left, y}] = expected[{right, y}] = 15;
  };
  box(559, 562, 30, 66);
  box(558, 562, 66, 102);
  box(558, 562, 102, 132);
  EXPECT_EQ(drawn, expected);
}

TEST(LoadTableScreen, WorkedExampleWithGlazeIceAndTheSecondWindMethod) {
  Session s;
  viewDesign(s, [](DesignModel& design) {
    tabletest::putCaseBOptions(design.options);
    tabletest::putSections(design, tabletest::kThreeSections);
    design.element.title = "ICED";
  });
  EXPECT_EQ(s.row(1),
            padTo80("ELEMENT 1:  ICE: Density =  3.2e-002 lb / cubic inch    Thickness =  0.5"));
  EXPECT_EQ(
      s.row(2),
      padTo80("DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:  6.9 LB, HALF EL AREA: 1.15 SF"));
  EXPECT_EQ(s.row(5), padTo80(" 1     0.500    0.058    36.00     36.00      109        "));
  EXPECT_EQ(s.row(6), padTo80(" 2     0.625    0.058    36.00     72.00       70        "));
  EXPECT_EQ(s.row(7), padTo80(" 3     0.750    0.058    30.00    102.00       60        "));
  // The iced outline of the tip, in red, 3.5 pixels each side of the centre.
  for (int y = 30; y <= 66; ++y) {
    EXPECT_EQ(s.pixel(557, y), 4) << "y " << y;
    EXPECT_EQ(s.pixel(564, y), 4) << "y " << y;
  }
  EXPECT_EQ(s.pixel(557, 29), 9);
  EXPECT_EQ(s.pixel(558, 30), 9);  // the top edge stops at the tube
}

TEST(LoadTableScreen, EveryReferenceDesignAsShown) {
  const std::vector<jsonl::Value>& records = designs::records();
  ASSERT_EQ(records.size(), 150U);
  for (const jsonl::Value& record : records) {
    SCOPED_TRACE("design " + record["id"].text);
    Session s;
    viewDesign(s, [&](DesignModel& design) { tabletest::putRecord(design, record); });

    const jsonl::Value& screen = record["screen"];
    EXPECT_EQ(s.row(1), padTo80(screen["header_row1"].str()));
    EXPECT_EQ(s.row(2), padTo80(screen["header_row2"].str()));
    EXPECT_EQ(s.row(2).substr(46, screen["totals"]["weight"].str().size()),
              screen["totals"]["weight"].str());
    EXPECT_EQ(s.row(2).substr(69, screen["totals"]["area"].str().size()),
              screen["totals"]["area"].str());

    const jsonl::Value& rows = screen["rows"];
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(record["count"].num()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const std::string& text = rows[i]["text"].str();
      const int row = 5 + static_cast<int>(i);
      if (rows[i]["wrapped"].boolean) {
        EXPECT_EQ(s.row(row), text.substr(0, 80)) << "row " << row;
      } else {
        EXPECT_EQ(s.row(row), padTo80(text)) << "row " << row;
      }
    }
    for (int row = 5 + static_cast<int>(rows.size()); row <= 22; ++row) {
      EXPECT_EQ(s.row(row), padTo80("")) << "row " << row;
    }
    EXPECT_EQ(s.row(24), padTo80(std::string(29, ' ') + record["title"].str()));
  }
}

TEST(LoadTableScreen, WithoutOptionsOnlyTheOptionsMessageShows) {
  Session s;
  s.type("n");
  s.design().gates.designPresent = true;  // a design alone does not open the gate
  s.type("v");
  EXPECT_EQ(s.row(1), padTo80(" You must select options first. "));
  EXPECT_EQ(s.row(2), padTo80(" "));
  EXPECT_EQ(s.row(3), padTo80(" Press 'ENTER' to continue: "));
  EXPECT_EQ(s.cursorRow(), 3);
  EXPECT_EQ(s.cursorColumn(), 29);
  s.enter("ignored");
  EXPECT_NE(s.row(1).find("MAIN MENU"), std::string::npos);
}

TEST(LoadTableScreen, WithOptionsButNoDesignTheDesignMessageShows) {
  Session s;
  s.type("n");
  s.design().gates.optionsSelected = true;
  s.type("v");
  EXPECT_EQ(s.row(1), padTo80(" You must enter element data or recall data first. "));
  EXPECT_EQ(s.row(3), padTo80(" Press 'ENTER' to continue: "));
  s.enter("");
  EXPECT_NE(s.row(1).find("MAIN MENU"), std::string::npos);
  EXPECT_FALSE(s.design().gates.designPresent);
}

}  // namespace
