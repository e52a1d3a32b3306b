// The element file as bytes: what the writer produces for a design and what
// the reader makes of a file, without any disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/JsonLines.hpp"
#include "files/ElementFile.hpp"

namespace {

std::vector<jsonl::Value> records(const char* name) {
  return jsonl::readFile(std::string(TUB_TESTDATA_DIR) + "/" + name);
}

ElementDesign twoSectionExample() {
  ElementDesign design;
  design.title = "TEST 20M";
  design.sectionCount = 2;
  design.sections[1] = {0.5F, 0.058F, 36.0F, 42.0F};
  design.sections[2] = {0.625F, 0.058F, 48.0F, 54.0F};
  return design;
}

ElementDesign designOf(const jsonl::Value& record) {
  ElementDesign design;
  design.title = record["title"].str();
  design.sectionCount = static_cast<Single>(record["count"].num());
  const jsonl::Value& sections = record["sections"];
  for (std::size_t i = 0; i < sections.size(); ++i) {
    TubeSection& s = design.sections.at(i + 1);
    s.outsideDiameter = static_cast<Single>(sections[i]["od"].num());
    s.wallThickness = static_cast<Single>(sections[i]["wall"].num());
    s.exposedLength = static_cast<Single>(sections[i]["exposed"].num());
    s.totalLength = static_cast<Single>(sections[i]["total"].num());
  }
  return design;
}

std::vector<TubeSection> sectionsOf(const ElementDesign& design) {
  std::vector<TubeSection> sections;
  for (int i = 1; i <= static_cast<int>(design.sectionCount); ++i) {
    sections.push_back(design.sections.at(static_cast<std::size_t>(i)));
  }
  return sections;
}

TEST(ElementFileWriter, WritesTheTwoSectionExampleByteForByte) {
  const std::string expected =
      " 2\r\n"
      " 0.5 5.8e-002 36 42\r\n"
      " 0.625 5.8e-002 48 54\r\n"
      "TEST 20M\r\n";
  const std::string bytes = writeElementFile(twoSectionExample());
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.size(), 58U);
}

TEST(ElementFileWriter, WritesEveryReferenceDesignByteForByte) {
  const std::vector<jsonl::Value> all = records("designs.jsonl");
  ASSERT_FALSE(all.empty());
  for (const jsonl::Value& record : all) {
    EXPECT_EQ(writeElementFile(designOf(record)), record["element_file"].str())
        << "design " << record["id"].text;
  }
}

TEST(ElementFileWriter, WritesOnlyCountAndTitleForADesignWithoutSections) {
  ElementDesign design = twoSectionExample();
  design.sectionCount = 0;
  EXPECT_EQ(writeElementFile(design), " 0\r\nTEST 20M\r\n");
}

TEST(ElementFileWriter, SetsANegativeValueApartFromTheNumberBeforeIt) {
  ElementDesign design;
  design.title = "NEG";
  design.sectionCount = 1;
  design.sections[1] = {1.5F, -0.1F, 36.0F, -48.0F};
  EXPECT_EQ(writeElementFile(design), " 1\r\n 1.5 -0.1 36 -48\r\nNEG\r\n");
}

TEST(ElementFileWriter, QuotesATitleWithACommaAndNoOther) {
  ElementDesign design = twoSectionExample();
  design.title = "20M, BEAM";
  EXPECT_EQ(writeElementFile(design).substr(48), "\"20M, BEAM\"\r\n");
  design.title = "SAY \"HI\"";
  EXPECT_EQ(writeElementFile(design).substr(48), "SAY \"HI\"\r\n");
}

TEST(ElementFileReader, ReadsEveryReferenceFile) {
  const std::vector<jsonl::Value> all = records("element_read.jsonl");
  ASSERT_FALSE(all.empty());
  for (const jsonl::Value& record : all) {
    const std::string& file = record["file"].str();
    SCOPED_TRACE("file: " + file);
    const ElementFileContents contents = readElementFile(file);
    EXPECT_EQ(contents.count, static_cast<Single>(record["count"].num()));
    EXPECT_EQ(contents.title, record["title"].str());
    const jsonl::Value& sections = record["sections"];
    ASSERT_EQ(contents.sections.size(), sections.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
      const TubeSection& got = contents.sections[i];
      EXPECT_EQ(got.outsideDiameter, static_cast<Single>(sections[i][0].num()))
          << "section " << i + 1;
      EXPECT_EQ(got.wallThickness, static_cast<Single>(sections[i][1].num()))
          << "section " << i + 1;
      EXPECT_EQ(got.exposedLength, static_cast<Single>(sections[i][2].num()))
          << "section " << i + 1;
      EXPECT_EQ(got.totalLength, static_cast<Single>(sections[i][3].num())) << "section " << i + 1;
    }
  }
}

TEST(ElementFileReader, GivesBackEveryReferenceDesignItsWriterWrote) {
  for (const jsonl::Value& record : records("designs.jsonl")) {
    const ElementDesign design = designOf(record);
    const ElementFileContents contents = readElementFile(writeElementFile(design));
    EXPECT_EQ(contents.count, design.sectionCount) << "design " << record["id"].text;
    EXPECT_EQ(contents.sections, sectionsOf(design)) << "design " << record["id"].text;
    EXPECT_EQ(contents.title, design.title) << "design " << record["id"].text;
    EXPECT_FALSE(elementFileProblem(contents)) << "design " << record["id"].text;
  }
}

TEST(ElementFileReader, GivesBackNegativeValuesAndATitleWithCommas) {
  ElementDesign design;
  design.title = "A, B,C ";
  design.sectionCount = 2;
  design.sections[1] = {1.5F, -0.1F, -36.0F, 48.0F};
  design.sections[2] = {-0.058F, -1e-9F, 0.0F, -1e12F};
  const ElementFileContents contents = readElementFile(writeElementFile(design));
  EXPECT_EQ(contents.count, 2.0F);
  EXPECT_EQ(contents.sections, sectionsOf(design));
  EXPECT_EQ(contents.title, "A, B,C ");
  design.title = "SAY \"HI\" ";
  EXPECT_EQ(readElementFile(writeElementFile(design)).title, "SAY \"HI\" ");
}

TEST(ElementFileReader, ReadsLineEndsOfEveryKindAndCommasAlike) {
  const ElementFileContents expected = readElementFile(writeElementFile(twoSectionExample()));
  for (const char* file : {" 2\n 0.5 5.8e-002 36 42\n 0.625 5.8e-002 48 54\nTEST 20M\n",
                           " 2\r 0.5 5.8e-002 36 42\r 0.625 5.8e-002 48 54\rTEST 20M\r",
                           "2,.5,.058,36,42,.625,.058,48,54,TEST 20M",
                           "2\r\n0.5\r\n5.8D-2\r\n36\r\n42\r\n0.625\t0.058 48 ,54  TEST 20M"}) {
    const ElementFileContents contents = readElementFile(file);
    EXPECT_EQ(contents.count, expected.count) << file;
    EXPECT_EQ(contents.sections, expected.sections) << file;
    EXPECT_EQ(contents.title, expected.title) << file;
    EXPECT_FALSE(contents.endedEarly) << file;
  }
}

TEST(ElementFileReader, KeepsTheBlanksAtTheEndOfTheTitle) {
  EXPECT_EQ(readElementFile(" 1\r\n 1 0.1 2 3\r\nMY BEAM  \r\n").title, "MY BEAM  ");
  EXPECT_EQ(readElementFile(" 1\r\n 1 0.1 2 3\r\nMY BEAM \t").title, "MY BEAM \t");
}

TEST(ElementFileReader, StopsAtTheEndOfFileMarkerOfOldEditors) {
  const ElementFileContents contents = readElementFile(" 1\r\n 1 0.1 2 3\r\nBEAM\r\n\x1a\x1a");
  EXPECT_EQ(contents.title, "BEAM");
  EXPECT_FALSE(elementFileProblem(contents));
  EXPECT_TRUE(readElementFile(" 1\r\n 1 0.1 2\x1a 3\r\nBEAM\r\n").endedEarly);
}

TEST(ElementFileReader, TellsAFileThatEndsBeforeItsLastNumber) {
  EXPECT_TRUE(readElementFile(" 2\r\n 0.5 5.8e-002 36 42\r\n 0.625 5.8e-002 48").endedEarly);
  EXPECT_TRUE(
      readElementFile(" 2\r\n 0.5 5.8e-002 36 42\r\n 0.625 5.8e-002 48\r\n\r\n \r\n").endedEarly);
  EXPECT_TRUE(readElementFile(" 2\r\n 0.5 5.8e-002 36 42\r\n").endedEarly);
  EXPECT_TRUE(readElementFile(" 3").endedEarly);
  // The last number present, only the title missing: a whole design.
  const ElementFileContents untitled =
      readElementFile(" 2\r\n 0.5 5.8e-002 36 42\r\n 0.625 5.8e-002 48 54\r\n");
  EXPECT_FALSE(untitled.endedEarly);
  EXPECT_EQ(untitled.title, "");
  EXPECT_FALSE(elementFileProblem(untitled));
  // An empty item stands for a number that is there, as 0.
  const ElementFileContents empty = readElementFile(" 1\r\n 1,2,3,\r\nT");
  EXPECT_FALSE(empty.endedEarly);
  EXPECT_EQ(empty.sections.at(0).totalLength, 0.0F);
  EXPECT_EQ(empty.title, "T");
}

TEST(ElementFileReader, NamesWhyAFileIsNoDesign) {
  struct Case {
    const char* file;
    const char* problem;
  };
  const Case cases[] = {
      {"", "the file is empty"},
      {" \r\n\t\r\n", "the file is empty"},
      {" 0\r\nTITLE\r\n", "section count 0 is not 1 to 15"},
      {" 16\r\n", "section count 16 is not 1 to 15"},
      {" 2.5\r\n 1 2 3 4\r\n 1 2 3 4\r\nT\r\n", "section count 2.5 is not 1 to 15"},
      {"-3\r\n", "section count -3 is not 1 to 15"},
      {" 1e9\r\n", "section count 1.e+009 is not 1 to 15"},
      {"HELLO WORLD\r\n", "section count 0 is not 1 to 15"},
      {" 2\r\n 1 2 3 4\r\n 5 6 7", "the file ends before its last section"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> problem = elementFileProblem(readElementFile(c.file));
    ASSERT_TRUE(problem.has_value()) << c.file;
    EXPECT_EQ(*problem, c.problem) << c.file;
  }
  std::string fifteen = " 15\r\n";
  for (int i = 0; i < 15; ++i) fifteen += " 1 0.1 2 3\r\n";
  for (const std::string& good : {std::string(" 1\r\n 1 2 3 4\r\n"), fifteen}) {
    EXPECT_FALSE(elementFileProblem(readElementFile(good))) << good;
  }
}

TEST(ElementFileReader, ReadsNothingPastACountOutsideTheStorage) {
  std::string file = " 20\r\n";
  for (int i = 0; i < 20; ++i) file += " 1 0.1 2 3\r\n";
  file += "BIG\r\n";
  const ElementFileContents contents = readElementFile(file);
  EXPECT_EQ(contents.count, 20.0F);
  EXPECT_TRUE(contents.sections.empty());
  EXPECT_EQ(contents.title, "");
}

TEST(ElementFileApply, ReplacesCountTitleAndTheReadSectionsOnly) {
  ElementDesign design;
  design.title = "OLD";
  design.sectionCount = 5;
  design.currentSection = 3;
  for (std::size_t i = 1; i <= 5; ++i) {
    design.sections[i] = {Single(i), 0.1F, 10.0F, 12.0F};
  }
  applyElementFile(readElementFile(writeElementFile(twoSectionExample())), design);
  EXPECT_EQ(design.title, "TEST 20M");
  EXPECT_EQ(design.sectionCount, 2.0F);
  EXPECT_EQ(design.sections[1], (TubeSection{0.5F, 0.058F, 36.0F, 42.0F}));
  EXPECT_EQ(design.sections[2], (TubeSection{0.625F, 0.058F, 48.0F, 54.0F}));
  // Sections 3 to 5 stay in storage, unused.
  EXPECT_EQ(design.sections[3], (TubeSection{3.0F, 0.1F, 10.0F, 12.0F}));
  EXPECT_EQ(design.sections[5], (TubeSection{5.0F, 0.1F, 10.0F, 12.0F}));
  EXPECT_EQ(design.currentSection, 3.0F);
}

}  // namespace
