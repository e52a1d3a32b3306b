#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "screen/PageLayout.hpp"

namespace {

using Pages = std::vector<std::vector<std::string>>;

PageGeometry area(double widthPt, double heightPt) {
  PageGeometry geometry;
  geometry.widthPt = widthPt;
  geometry.heightPt = heightPt;
  return geometry;
}

TEST(PageGridTest, LetterWithQuarterInchMarginsHolds96ColumnsAnd75Lines) {
  EXPECT_EQ(pageGrid(PageGeometry{}), (PageGrid{96, 75}));
}

TEST(PageGridTest, CellsAreRoundedDown) {
  // A4 with 0.25 inch margins: 559.28 x 805.89 pt of printable area.
  EXPECT_EQ(pageGrid(area(559.28, 805.89)), (PageGrid{93, 80}));
  EXPECT_EQ(pageGrid(area(11.99, 19.99)), (PageGrid{1, 1}));
  EXPECT_EQ(pageGrid(area(12.0, 20.0)), (PageGrid{2, 2}));
}

TEST(PageGridTest, NonsenseAreasStillGiveOneCell) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(pageGrid(area(0.0, 0.0)), (PageGrid{1, 1}));
  EXPECT_EQ(pageGrid(area(-600.0, -800.0)), (PageGrid{1, 1}));
  EXPECT_EQ(pageGrid(area(nan, nan)), (PageGrid{1, 1}));
  const PageGrid huge = pageGrid(area(inf, 1e300));
  EXPECT_GE(huge.columns, 1);
  EXPECT_GE(huge.lines, 1);
}

TEST(PageLayoutTest, LinesEndWithCrLfAndKeepTheirBlanks) {
  EXPECT_EQ(layOutPages("AB\r\n \r\n\r\nC  \r\n", PageGrid{96, 75}),
            (Pages{{"AB", " ", "", "C  "}}));
}

TEST(PageLayoutTest, ClosingFormFeedAndLineEndAddNoEmptyPage) {
  EXPECT_EQ(layOutPages("REPORT\r\n \r\n \r\n\f\r\n", PageGrid{96, 75}),
            (Pages{{"REPORT", " ", " "}}));
}

TEST(PageLayoutTest, NothingPrintableMakesNoPage) {
  EXPECT_TRUE(layOutPages("", PageGrid{96, 75}).empty());
  EXPECT_TRUE(layOutPages("\r\n\r\n\f\f\r\n", PageGrid{96, 75}).empty());
}

TEST(PageLayoutTest, FormFeedStartsTheNextTextOnANewPage) {
  EXPECT_EQ(layOutPages("ONE\r\n\fTWO\r\n", PageGrid{10, 5}), (Pages{{"ONE"}, {"TWO"}}));
  // Form feeds in a row waste no paper.
  EXPECT_EQ(layOutPages("ONE\f\f\fTWO", PageGrid{10, 5}), (Pages{{"ONE"}, {"TWO"}}));
  // A line end after the form feed feeds one line on the new page.
  EXPECT_EQ(layOutPages("ONE\f\r\nTWO", PageGrid{10, 5}), (Pages{{"ONE"}, {"", "TWO"}}));
}

TEST(PageLayoutTest, FormFeedInMidLineStartsAtTheLeftOfTheNewPage) {
  EXPECT_EQ(layOutPages("AB\fCD", PageGrid{10, 5}), (Pages{{"AB"}, {"CD"}}));
}

TEST(PageLayoutTest, LongLineContinuesOnTheNextLine) {
  const std::string line = std::string(96, 'x') + std::string(10, 'y');
  EXPECT_EQ(layOutPages(line + "\r\nz\r\n", PageGrid{96, 75}),
            (Pages{{std::string(96, 'x'), std::string(10, 'y'), "z"}}));
}

TEST(PageLayoutTest, LineOfExactlyTheWidthLeavesNoEmptyLine) {
  const std::string line(96, 'x');
  EXPECT_EQ(layOutPages(line + "\r\nz", PageGrid{96, 75}), (Pages{{line, "z"}}));
}

TEST(PageLayoutTest, VeryLongLineRunsOverSeveralLinesAndPages) {
  EXPECT_EQ(layOutPages("abcdefghijk", PageGrid{3, 2}), (Pages{{"abc", "def"}, {"ghi", "jk"}}));
}

TEST(PageLayoutTest, FullPageContinuesOnANewOne) {
  std::string bytes;
  for (char ch = 'a'; ch <= 'g'; ++ch) {
    bytes += std::string(1, ch) + "\r\n";
  }
  EXPECT_EQ(layOutPages(bytes, PageGrid{10, 3}), (Pages{{"a", "b", "c"}, {"d", "e", "f"}, {"g"}}));
}

TEST(PageLayoutTest, ExactlyAFullPageBeforeTheFormFeedMakesOnePage) {
  EXPECT_EQ(layOutPages("a\r\nb\r\nc\r\n\f\r\n", PageGrid{10, 3}), (Pages{{"a", "b", "c"}}));
}

TEST(PageLayoutTest, BlankLinesFlowOverThePageBreak) {
  // Four line ends on a three-line page: the paper moves on to line 2 of
  // the second sheet; the first sheet carried nothing and is no page.
  EXPECT_EQ(layOutPages("\r\n\r\n\r\n\r\nX", PageGrid{10, 3}), (Pages{{"", "X"}}));
}

TEST(PageLayoutTest, LoneCarriageReturnStrikesOverTheLine) {
  EXPECT_EQ(layOutPages("abcd\rXY\r\n", PageGrid{10, 3}), (Pages{{"XYcd"}}));
}

TEST(PageLayoutTest, OtherBytesAreOrdinaryCells) {
  const std::string bytes = std::string("\x01\t\xdb\xb3", 4) + std::string(1, '\0');
  EXPECT_EQ(layOutPages(bytes, PageGrid{10, 3}), (Pages{{bytes}}));
}

TEST(PageLayoutTest, DegenerateGridStillPlacesEveryCharacter) {
  EXPECT_EQ(layOutPages("ab", PageGrid{0, -4}), (Pages{{"a"}, {"b"}}));
}

}  // namespace
