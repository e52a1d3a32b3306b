// Every reference design typed in as its user typed it, through the entry
// dialogue: the stored values and the table on the screen must be the ones
// worked out independently.
#include <gtest/gtest.h>

#include "../analysis/DesignRecords.hpp"
#include "EntryHarness.hpp"

namespace {

using namespace entrytest;

TEST(EntryDesignsTest, TypedReferenceDesignsGiveTheirTables) {
  const std::vector<jsonl::Value>& records = designs::records();
  ASSERT_FALSE(records.empty());
  for (const jsonl::Value& record : records) {
    const std::string id = record["id"].text;
    SCOPED_TRACE("design " + id);
    const int count = designs::countOf(record);
    const jsonl::Value& sections = record["sections"];
    ASSERT_EQ(sections.size(), static_cast<std::size_t>(count));

    Session s;
    s.type("n");
    s.waitIdle();
    s.design().options = designs::optionsOf(record);
    s.design().gates.optionsSelected = true;
    s.type("e");
    s.enter(record["title"].str());
    s.enter(std::to_string(count));
    for (std::size_t i = 0; i < sections.size(); ++i) {
      const jsonl::Value& typed = sections[i];
      s.enter(typed["od_text"].str());
      s.enter(typed["wall_text"].str());
      s.enter(typed["exposed_text"].str());
      s.enter(typed["total_text"].str());
    }

    EXPECT_EQ(s.beeps(), 0);
    const DesignModel expected = designs::modelOf(record);
    const ElementDesign& element = s.design().element;
    EXPECT_EQ(element.title, expected.element.title);
    EXPECT_EQ(element.sectionCount, expected.element.sectionCount);
    for (std::size_t slot = 1; slot <= sections.size(); ++slot) {
      const TubeSection& got = element.sections[slot];
      const TubeSection& want = expected.element.sections[slot];
      EXPECT_TRUE(designs::sameBits(got.outsideDiameter, want.outsideDiameter)) << slot;
      EXPECT_TRUE(designs::sameBits(got.wallThickness, want.wallThickness)) << slot;
      EXPECT_TRUE(designs::sameBits(got.exposedLength, want.exposedLength)) << slot;
      EXPECT_TRUE(designs::sameBits(got.totalLength, want.totalLength)) << slot;
    }

    const jsonl::Value& screen = record["screen"];
    EXPECT_EQ(s.row(1), padded(screen["header_row1"].str()));
    EXPECT_EQ(s.row(2), padded(screen["header_row2"].str()));
    const jsonl::Value& rows = screen["rows"];
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(s.row(static_cast<int>(5 + i)), padded(rows[i]["text"].str()))
          << "row of section " << i + 1;
    }
    // Below the table the prompts are gone. Only 65 columns of the length
    // row are blanked, so a long total-length answer leaves its last
    // characters there, as it always has.
    for (int r = 5 + count; r <= 22; ++r) {
      EXPECT_EQ(s.row(r).substr(0, 65), kBlankRow.substr(0, 65)) << "row " << r;
    }
    EXPECT_EQ(s.row(23), padded(kEntryLine));
    EXPECT_EQ(s.row(24).substr(29, record["title"].str().size()), record["title"].str());
    if (::testing::Test::HasFailure()) {
      break;  // one design's report is enough to go on
    }
  }
}

}  // namespace
