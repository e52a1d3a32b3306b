// Taking items from a typed line or a whole element file, and turning a
// number item or a text into a float.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "../support/JsonLines.hpp"
#include "screen/Items.hpp"
#include "screen/NumberText.hpp"

namespace {

std::uint32_t bitsOf(Single value) {
  std::uint32_t raw = 0;
  std::memcpy(&raw, &value, sizeof raw);
  return raw;
}

std::vector<Single> numbers(const std::string& line, int count) {
  ItemScanner scanner(line);
  std::vector<Single> out;
  for (int i = 0; i < count; ++i) out.push_back(scanner.nextNumber());
  return out;
}

using Numbers = std::vector<Single>;
const Single kLargest = std::numeric_limits<Single>::max();

// ---------------------------------------------------------------------------
// Splitting

TEST(ItemSplitting, NumbersEndAtCommasBlanksTabsAndLineEnds) {
  EXPECT_EQ(numbers("3,4", 2), (Numbers{3.0F, 4.0F}));
  EXPECT_EQ(numbers("3 ,4", 2), (Numbers{3.0F, 4.0F}));  // the comma belongs to the 3
  EXPECT_EQ(numbers("3 \t , 4", 2), (Numbers{3.0F, 4.0F}));
  EXPECT_EQ(numbers("3 4", 2), (Numbers{3.0F, 4.0F}));
  EXPECT_EQ(numbers("\t 1.5\t2.5  ", 2), (Numbers{1.5F, 2.5F}));
  EXPECT_EQ(numbers("1\r\n2\r3\n4", 4), (Numbers{1.0F, 2.0F, 3.0F, 4.0F}));
  // CR LF is one line end: the comma after it is an empty item of its own.
  EXPECT_EQ(numbers("1\r\n,2", 3), (Numbers{1.0F, 0.0F, 2.0F}));
  // Only one separator goes with a number.
  EXPECT_EQ(numbers("1,,3", 3), (Numbers{1.0F, 0.0F, 3.0F}));
  EXPECT_EQ(numbers("1 ,\n3", 3), (Numbers{1.0F, 0.0F, 3.0F}));
}

TEST(ItemSplitting, MissingItemsReadAsZeroOrEmptyText) {
  ItemScanner scanner("5");
  EXPECT_EQ(scanner.nextNumber(), 5.0F);
  EXPECT_TRUE(scanner.atEnd());
  EXPECT_EQ(scanner.nextNumber(), 0.0F);
  EXPECT_EQ(scanner.nextNumber(), 0.0F);
  EXPECT_EQ(scanner.nextText(), "");

  ItemScanner empty("");
  EXPECT_TRUE(empty.atEnd());
  EXPECT_EQ(empty.nextNumber(), 0.0F);
  EXPECT_EQ(empty.nextText(), "");

  ItemScanner blanks("  \t ");
  EXPECT_TRUE(blanks.atEnd());
  EXPECT_EQ(blanks.nextText(), "");

  ItemScanner surplus("1, 2, 3");
  EXPECT_EQ(surplus.nextNumber(), 1.0F);
  EXPECT_FALSE(surplus.atEnd());
}

TEST(ItemSplitting, TextItemsKeepInnerAndTrailingBlanks) {
  ItemScanner scanner("   TEST 20M  \t, next ,last\r\nafter");
  EXPECT_EQ(scanner.nextText(), "TEST 20M  \t");
  EXPECT_EQ(scanner.nextText(), "next ");
  EXPECT_EQ(scanner.nextText(), "last");
  EXPECT_EQ(scanner.nextText(), "after");
  EXPECT_TRUE(scanner.atEnd());
}

TEST(ItemSplitting, QuotedTextKeepsCommasAndDropsTheQuotes) {
  ItemScanner scanner("\"TEST, 20M\" , 7");
  EXPECT_EQ(scanner.nextText(), "TEST, 20M");
  EXPECT_EQ(scanner.nextNumber(), 7.0F);

  ItemScanner unclosed("\"OPEN, ENDED\r\n5");
  EXPECT_EQ(unclosed.nextText(), "OPEN, ENDED");
  EXPECT_EQ(unclosed.nextNumber(), 5.0F);

  ItemScanner toEnd("  \"A,B");
  EXPECT_EQ(toEnd.nextText(), "A,B");
  EXPECT_TRUE(toEnd.atEnd());

  ItemScanner emptyQuotes("\"\",X");
  EXPECT_EQ(emptyQuotes.nextText(), "");
  EXPECT_EQ(emptyQuotes.nextText(), "X");
}

TEST(ItemSplitting, OverLongItemsAreCutNotSplit) {
  // A number item keeps 67 characters: the exponent beyond them is lost,
  // and the rest of the item does not turn into further items.
  const std::string longNumber = "1.5" + std::string(70, '0') + "e2";
  EXPECT_EQ(numbers(longNumber + " 7", 2), (Numbers{1.5F, 7.0F}));
  EXPECT_EQ(numbers("1.5" + std::string(62, '0') + "e2 7", 2), (Numbers{150.0F, 7.0F}));

  // A text item keeps 4096 characters.
  ItemScanner scanner(std::string(5000, 'A') + ",B");
  EXPECT_EQ(scanner.nextText(), std::string(4096, 'A'));
  EXPECT_EQ(scanner.nextText(), "B");
  ItemScanner quoted("\"" + std::string(5000, 'Q') + "\",B");
  EXPECT_EQ(quoted.nextText(), std::string(4096, 'Q'));
  EXPECT_EQ(quoted.nextText(), "B");
}

TEST(ItemSplitting, AWholeElementFileReadsItemByItem) {
  const std::string file =
      " 2\r\n"
      " 0.5 5.8e-002 36 42\r\n"
      " 0.625 5.8e-002 48 54\r\n"
      "TEST 20M\r\n";
  ItemScanner scanner(file);
  EXPECT_EQ(scanner.nextNumber(), 2.0F);
  const Numbers expected = {0.5F, 0.058F, 36.0F, 42.0F, 0.625F, 0.058F, 48.0F, 54.0F};
  for (const Single value : expected) EXPECT_EQ(scanner.nextNumber(), value);
  EXPECT_EQ(scanner.nextText(), "TEST 20M");
  EXPECT_TRUE(scanner.atEnd());
}

// The shared element files written with other separators, spacing and line
// ends: the scanner alone must recover every value and the title.
TEST(ItemSplitting, SharedElementFilesWithMixedSeparators) {
  std::vector<jsonl::Value> records;
  ASSERT_NO_THROW(records =
                      jsonl::readFile(jsonl::dataPath("element_read.jsonl")));
  ASSERT_GE(records.size(), 10U);
  for (const auto& record : records) {
    const std::string& file = record["file"].str();
    ItemScanner scanner(file);
    const Single count = scanner.nextNumber();
    ASSERT_EQ(count, static_cast<Single>(record["count"].num())) << file;
    const auto& sections = record["sections"];
    ASSERT_EQ(static_cast<Single>(sections.items.size()), count) << file;
    for (const auto& section : sections.items) {
      for (const auto& value : section.items) {
        EXPECT_EQ(scanner.nextNumber(), static_cast<Single>(value.num())) << file;
      }
    }
    EXPECT_EQ(scanner.nextText(), record["title"].str()) << file;
  }
}

// What the program writes it must read back: for values typed with up to
// six significant digits, the number text and the item reader agree.
TEST(ItemSplitting, NumberTextsReadBackToTheSameFloat) {
  std::uint32_t state = 24680U;
  std::string line;
  std::vector<Single> written;
  for (int n = 0; n < 20000; ++n) {
    state = state * 1664525U + 1013904223U;
    const int digits = static_cast<int>(state % 1000000U);
    const int exponent = static_cast<int>((state >> 20) % 70U) - 40;
    const bool negative = (state >> 30) & 1U;
    // Negative numbers need a separator: they are written without a blank.
    const std::string typed =
        (negative ? "-" : "") + std::to_string(digits) + "e" + std::to_string(exponent);
    const Single value = convertNumberItem(typed);
    written.push_back(value);
    line += numberText(value) + ",";
  }
  ItemScanner scanner(line);
  for (const Single value : written) {
    const Single read = scanner.nextNumber();
    ASSERT_EQ(bitsOf(read), bitsOf(value)) << numberText(value);
  }
}

// ---------------------------------------------------------------------------
// Number items

TEST(NumberItem, DecimalAndWholeNumbers) {
  EXPECT_EQ(convertNumberItem("abc"), 0.0F);
  EXPECT_EQ(convertNumberItem("12abc"), 12.0F);
  EXPECT_EQ(convertNumberItem("1.5e1"), 15.0F);
  EXPECT_EQ(convertNumberItem("3,4"), 3.0F);
  EXPECT_EQ(convertNumberItem(""), 0.0F);
  EXPECT_EQ(convertNumberItem("+7"), 7.0F);
  EXPECT_EQ(convertNumberItem("-.5"), -0.5F);
  EXPECT_EQ(convertNumberItem("5."), 5.0F);
  EXPECT_EQ(convertNumberItem("0.058"), 0.058F);
  EXPECT_EQ(convertNumberItem("007"), 7.0F);
  EXPECT_EQ(convertNumberItem("826-"), 826.0F);
  EXPECT_EQ(convertNumberItem("7x.5"), 7.0F);
}

TEST(NumberItem, ExponentLettersAndTheLongestValidPrefix) {
  EXPECT_EQ(convertNumberItem("1d3"), 1000.0F);
  EXPECT_EQ(convertNumberItem("1D-2"), 0.01F);
  EXPECT_EQ(convertNumberItem("-2.5E+1"), -25.0F);
  EXPECT_EQ(convertNumberItem("1.5e"), 1.5F);
  EXPECT_EQ(convertNumberItem("1.5e+"), 1.5F);
  EXPECT_EQ(convertNumberItem("1e"), 1.0F);
  EXPECT_EQ(convertNumberItem("1e5.5"), 100000.0F);
  EXPECT_EQ(convertNumberItem("1.2.3"), 1.2F);
  EXPECT_EQ(convertNumberItem("."), 0.0F);
  EXPECT_EQ(convertNumberItem(".e5"), 0.0F);
  EXPECT_EQ(convertNumberItem("-"), 0.0F);
  EXPECT_EQ(convertNumberItem("+"), 0.0F);
  EXPECT_EQ(convertNumberItem("--5"), 0.0F);
  EXPECT_EQ(convertNumberItem("e5"), 0.0F);
}

TEST(NumberItem, HexOctalAndBinary) {
  EXPECT_EQ(convertNumberItem("&H1F"), 31.0F);
  EXPECT_EQ(convertNumberItem("&hff"), 255.0F);
  EXPECT_EQ(convertNumberItem("&HDEAD"), 57005.0F);  // D and E are digits here
  EXPECT_EQ(convertNumberItem("&H1E"), 30.0F);
  EXPECT_EQ(convertNumberItem("&HFG"), 15.0F);
  EXPECT_EQ(convertNumberItem("&O17"), 15.0F);
  EXPECT_EQ(convertNumberItem("&o778"), 63.0F);
  EXPECT_EQ(convertNumberItem("&B101"), 5.0F);
  EXPECT_EQ(convertNumberItem("&b1012"), 5.0F);
  EXPECT_EQ(convertNumberItem("&H"), 0.0F);
  EXPECT_EQ(convertNumberItem("&17"), 0.0F);
  EXPECT_EQ(convertNumberItem("-&H10"), 0.0F);
  // Whole numbers above 2^24 round to the nearest float, ties to even.
  EXPECT_EQ(convertNumberItem("&H1000001"), 16777216.0F);
  EXPECT_EQ(convertNumberItem("&H1000003"), 16777220.0F);
  // Far beyond a 64-bit integer, still within the float range.
  EXPECT_EQ(convertNumberItem("&HFFFFFFFFFFFFFFFFFFFF"), std::ldexp(1.0F, 80));
  EXPECT_EQ(convertNumberItem("&B" + std::string(100, '1')), std::ldexp(1.0F, 100));
}

TEST(NumberItem, RoundedOnceFromTheDigitsNotThroughADouble) {
  // Just above the midpoint between 1 and the next float. Through a double
  // it would land exactly on the midpoint and then round down to 1.
  EXPECT_EQ(convertNumberItem("1.00000005960464477539062500001"), std::nextafter(1.0F, 2.0F));
  EXPECT_EQ(convertNumberItem("1.000000059604644775390625"), 1.0F);  // the tie: to even
  EXPECT_EQ(convertNumberItem("16777217"), 16777216.0F);
  EXPECT_EQ(convertNumberItem("16777219"), 16777220.0F);
  // A digit far behind a tie still decides it.
  EXPECT_EQ(numericValueOfText("16777217." + std::string(300, '0') + "1"), 16777218.0F);
  EXPECT_EQ(numericValueOfText("16777217." + std::string(300, '0')), 16777216.0F);
}

TEST(NumberItem, OutOfRangeMagnitudesClampOrVanish) {
  EXPECT_EQ(convertNumberItem("1e39"), kLargest);
  EXPECT_EQ(convertNumberItem("-1e39"), -kLargest);
  EXPECT_EQ(convertNumberItem("3.4028235e38"), kLargest);
  EXPECT_EQ(convertNumberItem("3.4028236e38"), kLargest);  // would round to infinity
  EXPECT_EQ(convertNumberItem("1d99999999999999999999"), kLargest);
  EXPECT_EQ(convertNumberItem("&H" + std::string(33, 'F')), kLargest);
  EXPECT_EQ(convertNumberItem(std::string(400, '9')), kLargest);
  EXPECT_EQ(convertNumberItem("-" + std::string(400, '9')), -kLargest);
  EXPECT_EQ(numericValueOfText(std::string(400, '7')), kLargest);

  EXPECT_EQ(convertNumberItem("1e-45"), std::numeric_limits<Single>::denorm_min());
  EXPECT_EQ(convertNumberItem("1e-40"), 1e-40F);  // subnormal, nearest
  EXPECT_EQ(bitsOf(convertNumberItem("1e-46")), 0U);
  EXPECT_EQ(bitsOf(convertNumberItem("-1e-46")), 0U);  // +0, never -0
  EXPECT_EQ(bitsOf(convertNumberItem("1e-99999999999999999999")), 0U);
  EXPECT_EQ(bitsOf(numericValueOfText("0." + std::string(400, '0') + "1")), 0U);
  EXPECT_EQ(bitsOf(convertNumberItem("-0")), 0U);
  EXPECT_EQ(bitsOf(convertNumberItem("-0.000")), 0U);

  for (const char* text : {"1e39", "-1e39", "9e99999", "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"}) {
    EXPECT_TRUE(std::isfinite(convertNumberItem(text))) << text;
  }
}

TEST(NumberItem, GarbageGivesZeroOrTheLeadingNumber) {
  EXPECT_EQ(convertNumberItem("\"5\""), 0.0F);
  EXPECT_EQ(convertNumberItem("?"), 0.0F);
  EXPECT_EQ(convertNumberItem(std::string("\xff\x80"
                                          "5",
                                          3)),
            0.0F);
  EXPECT_EQ(convertNumberItem(std::string("5\0"
                                          "7",
                                          3)),
            5.0F);
  EXPECT_EQ(convertNumberItem("12.5%"), 12.5F);
  EXPECT_EQ(convertNumberItem("INF"), 0.0F);
  EXPECT_EQ(convertNumberItem("nan"), 0.0F);
  EXPECT_EQ(convertNumberItem("0x10"), 0.0F);
}

// ---------------------------------------------------------------------------
// Numeric value of a text

TEST(NumericValueOfText, LeadingBlanksAndCommas) {
  EXPECT_EQ(numericValueOfText("1,5"), 1.0F);
  EXPECT_EQ(numericValueOfText("35,000"), 35.0F);
  EXPECT_EQ(numericValueOfText(" ?"), 0.0F);
  EXPECT_EQ(numericValueOfText("   12.5"), 12.5F);
  EXPECT_EQ(numericValueOfText("4 words"), 4.0F);
  EXPECT_EQ(numericValueOfText(""), 0.0F);
  EXPECT_EQ(numericValueOfText("   "), 0.0F);
  EXPECT_EQ(numericValueOfText("2d2"), 200.0F);
  EXPECT_EQ(numericValueOfText(" &H10"), 16.0F);
  EXPECT_EQ(numericValueOfText("-3.5x"), -3.5F);
  EXPECT_EQ(numericValueOfText(" -1e39"), -kLargest);
}

}  // namespace
