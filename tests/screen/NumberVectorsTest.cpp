// The shared reference vectors, every record: they were worked out
// independently of this code, so a difference here is a real disagreement.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "../support/JsonLines.hpp"
#include "screen/Items.hpp"
#include "screen/NumberPattern.hpp"
#include "screen/NumberText.hpp"

namespace {

using jsonl::readFile;
using jsonl::dataPath;
using jsonl::Value;

std::uint32_t bitsOf(Single value) {
  std::uint32_t raw = 0;
  std::memcpy(&raw, &value, sizeof raw);
  return raw;
}

TEST(NumberVectors, NumberTextOfEveryRecord) {
  std::vector<Value> records;
  ASSERT_NO_THROW(records = readFile(dataPath("number_text.jsonl")));
  ASSERT_GE(records.size(), 100U);
  for (const Value& record : records) {
    const Single value = record["bits"].bitsAsFloat();
    EXPECT_EQ(numberText(value), record["text"].str())
        << "bits " << record["bits"].str() << " value " << record["value"].text;
  }
}

TEST(NumberVectors, PatternTextOfEveryRecord) {
  std::vector<Value> records;
  ASSERT_NO_THROW(records = readFile(dataPath("number_pattern.jsonl")));
  ASSERT_GE(records.size(), 100U);
  for (const Value& record : records) {
    const std::string& pattern = record["pattern"].str();
    const Single value = record["bits"].bitsAsFloat();
    const std::string text = patternText(pattern, value);
    bool accepted = text == record["text"].str();
    std::string alternatives;
    if (record.has("ambiguous") && record["ambiguous"].flag()) {
      for (const auto& [reading, alt] : record["alt"].members) {
        accepted = accepted || text == alt.str();
        alternatives += " or \"" + alt.str() + "\" (" + reading + ")";
      }
    }
    EXPECT_TRUE(accepted) << "pattern \"" << pattern << "\" bits " << record["bits"].str()
                          << " value " << record["value"].text << ": got \"" << text
                          << "\", expected \"" << record["text"].str() << "\"" << alternatives;
  }
}

TEST(NumberVectors, InputNumbersOfEveryRecord) {
  std::vector<Value> records;
  ASSERT_NO_THROW(records = readFile(dataPath("input_numbers.jsonl")));
  ASSERT_GE(records.size(), 100U);
  int items = 0;
  int texts = 0;
  for (const Value& record : records) {
    const std::string& kind = record["kind"].str();
    const std::string& input = record["input"].str();
    const std::uint32_t expected = bitsOf(record["bits"].bitsAsFloat());
    if (kind == "item") {
      ++items;
      EXPECT_EQ(bitsOf(convertNumberItem(input)), expected) << "item \"" << input << "\"";
    } else if (kind == "text") {
      ++texts;
      EXPECT_EQ(bitsOf(numericValueOfText(input)), expected) << "text \"" << input << "\"";
    } else {
      ADD_FAILURE() << "unknown kind " << kind;
    }
  }
  EXPECT_GT(items, 0);
  EXPECT_GT(texts, 0);
}

}  // namespace
