// The shared reference designs, each saved as an element file and reported
// with the options its user typed, given as command-line answers: the JSON
// holds every stored value bit for bit, the text is the printed report with
// LF line ends, and the CSV reads back to the same numbers.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "../analysis/DesignRecords.hpp"
#include "../files/TempDirectory.hpp"
#include "report/ReportCommand.hpp"
#include "report/ReportFormats.hpp"
#include "report/ReportOptions.hpp"

namespace {

using designs::sameBits;
using designs::storedValue;

// What the record's user typed in the options dialogue, as flag values.
OptionAnswers answersOf(const jsonl::Value& typed) {
  OptionAnswers answers;
  answers.yield = typed["yield_text"].str();
  const std::string ice = typed["ice_key"].str();
  if (ice == "y" || ice == "Y") {
    answers.ice = typed["ice_kind_key"].str() + ":" + typed["thickness_text"].str();
  }
  const std::string method = typed["method_key"].str();
  answers.standard =
      method == "E" || method == "e" ? method + ":" + typed["height_text"].str() : method;
  return answers;
}

// A number as written, read as the single-precision value it names.
Single readBack(const std::string& text) { return std::strtof(text.c_str(), nullptr); }
Single readBack(const jsonl::Value& number) { return readBack(number.text); }

std::string withLfLineEnds(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  }
  return out;
}

std::vector<std::string> csvFields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

class ReportDesigns : public InTempDirectory {
 protected:
  // The design's element file, reported in `format` by its name in lower case.
  ReportOutput report(const jsonl::Value& record, ReportFormat format) {
    writeFile("DESIGN.ELE", record["element_file"].str());
    const ChosenOptions chosen = chooseOptions(answersOf(record["options"]));
    EXPECT_EQ(chosen.problem, "");
    ReportRequest request;
    request.options = chosen.options;
    request.format = format;
    request.files = {"design.ele"};
    ReportOutput output = buildReport(request, nullptr);
    EXPECT_EQ(output.reported, 1U) << (output.refusals.empty() ? "" : output.refusals[0]);
    return output;
  }
};

TEST_F(ReportDesigns, JsonHoldsEveryStoredValueBitForBit) {
  for (const jsonl::Value& record : designs::records()) {
    SCOPED_TRACE("design " + record["id"].text);
    const jsonl::Value all = jsonl::parse(report(record, ReportFormat::Json).bytes);
    ASSERT_EQ(all.size(), 1U);
    const jsonl::Value& json = all[0];
    EXPECT_EQ(json["file"].str(), "design.ele");
    EXPECT_EQ(json["title"].str(), record["title"].str());
    EXPECT_EQ(readBack(json["count"]), static_cast<Single>(record["count"].num()));

    const jsonl::Value& stored = record["options"];
    const jsonl::Value& options = json["options"];
    EXPECT_TRUE(sameBits(readBack(options["yield_psi"]), storedValue(stored, "yield_strength")));
    EXPECT_TRUE(sameBits(readBack(options["pressure_psf"]), stored["pressure_bits"].bitsAsFloat()));
    EXPECT_TRUE(sameBits(readBack(options["shape_factor"]), storedValue(stored, "shape_factor")));
    const std::string method = stored["method_key"].str();
    if (method == "E" || method == "e") {
      EXPECT_EQ(options["standard"].str(), "EIA/TIA-222-E");
      EXPECT_TRUE(sameBits(readBack(options["height_ft"]), storedValue(stored, "height")));
      EXPECT_TRUE(sameBits(readBack(options["kz"]), storedValue(stored, "kz")));
    } else {
      EXPECT_EQ(options["standard"].str(), "EIA-222-C");
      EXPECT_TRUE(options["height_ft"].isNull() && options["kz"].isNull());
    }
    if (stored["ice_answer"].str() == "y" || stored["ice_answer"].str() == "Y") {
      EXPECT_NE(options["ice"].str(), "none");
      EXPECT_TRUE(sameBits(readBack(options["ice_density_lb_per_in3"]),
                           storedValue(stored, "ice_density")));
      EXPECT_TRUE(
          sameBits(readBack(options["radial_ice_in"]), storedValue(stored, "ice_thickness")));
    } else {
      EXPECT_EQ(options["ice"].str(), "none");
      EXPECT_TRUE(options["ice_density_lb_per_in3"].isNull() && options["radial_ice_in"].isNull());
    }

    const jsonl::Value& sections = json["sections"];
    ASSERT_EQ(sections.size(), record["results"].size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
      SCOPED_TRACE("section " + std::to_string(i + 1));
      const jsonl::Value& section = sections[i];
      const jsonl::Value& typed = record["sections"][i];
      const jsonl::Value& bits = record["results"][i]["bits"];
      EXPECT_EQ(section["section"].num(), static_cast<double>(i + 1));
      for (const auto& [key, name] : {std::pair{"od_in", "od"},
                                      {"wall_in", "wall"},
                                      {"exposed_in", "exposed"},
                                      {"total_in", "total"}}) {
        EXPECT_TRUE(sameBits(readBack(section[key]), storedValue(typed, name))) << key;
      }
      for (const auto& [key, name] : {std::pair{"id_in", "id"},
                                      {"section_modulus_in3", "s"},
                                      {"weight_lb", "weight"},
                                      {"ice_weight_lb", "ice_weight"},
                                      {"area_sqft", "area"},
                                      {"wind_force_lb", "force"},
                                      {"moment_lbin", "moment"},
                                      {"stress_psi", "stress"},
                                      {"cum_length_in", "cum_length"},
                                      {"max_wind_mph", "max_wind"}}) {
        EXPECT_TRUE(sameBits(readBack(section[key]), bits[name].bitsAsFloat())) << key;
      }
    }
    const jsonl::Value& totalBits = record["totals"]["bits"];
    for (const auto& [key, name] : {std::pair{"weight_lb", "weight"},
                                    {"area_sqft", "area"},
                                    {"cum_length_in", "cum_length"},
                                    {"force_lb", "running_force"},
                                    {"moment_lbin", "running_moment"}}) {
      EXPECT_TRUE(sameBits(readBack(json["totals"][key]), totalBits[name].bitsAsFloat())) << key;
    }
  }
}

TEST_F(ReportDesigns, TextIsThePrintedReportWithLfLineEnds) {
  for (const jsonl::Value& record : designs::records()) {
    SCOPED_TRACE("design " + record["id"].text);
    EXPECT_EQ(report(record, ReportFormat::Text).bytes,
              withLfLineEnds(record["printed_report"].str()));
  }
}

TEST_F(ReportDesigns, CsvReadsBackToTheSameNumbers) {
  for (const jsonl::Value& record : designs::records()) {
    SCOPED_TRACE("design " + record["id"].text);
    std::stringstream csv(report(record, ReportFormat::Csv).bytes);
    std::string line;
    ASSERT_TRUE(std::getline(csv, line));
    EXPECT_EQ(line + "\n", csvHeader());
    const jsonl::Value& results = record["results"];
    for (std::size_t i = 0; i < results.size(); ++i) {
      ASSERT_TRUE(std::getline(csv, line));
      const std::vector<std::string> row = csvFields(line);
      ASSERT_EQ(row.size(), 22U) << line;
      EXPECT_EQ(row[0], "design.ele");
      EXPECT_EQ(row[1], record["title"].str());
      EXPECT_TRUE(sameBits(readBack(row[2]), storedValue(record["options"], "yield_strength")));
      EXPECT_EQ(row[7], std::to_string(i + 1));
      const jsonl::Value& bits = results[i]["bits"];
      const char* names[] = {"id",   "s",      "force",  "weight",     "ice_weight",
                             "area", "moment", "stress", "cum_length", "max_wind"};
      for (std::size_t k = 0; k < std::size(names); ++k) {
        EXPECT_TRUE(sameBits(readBack(row[12 + k]), bits[names[k]].bitsAsFloat())) << names[k];
      }
      EXPECT_TRUE(sameBits(readBack(row[8]), storedValue(record["sections"][i], "od")));
    }
    EXPECT_FALSE(std::getline(csv, line)) << "a row too many: " << line;
  }
}

// A tube of no diameter has no section modulus: JSON says null, CSV leaves
// the field empty, and the printed text still comes out.
TEST_F(ReportDesigns, ValuesThatAreNotFiniteAreNullOrEmpty) {
  writeFile("ZERO.ELE", " 1\r\n 0 0 36 40\r\nNO TUBE\r\n");
  ReportRequest request;
  request.options = chooseOptions({}).options;
  request.files = {"ZERO.ELE"};
  request.format = ReportFormat::Json;
  const jsonl::Value json = jsonl::parse(buildReport(request, nullptr).bytes);
  EXPECT_TRUE(json[0]["sections"][0]["section_modulus_in3"].isNull());
  request.format = ReportFormat::Csv;
  const std::string csv = buildReport(request, nullptr).bytes;
  EXPECT_EQ(csvFields(csv.substr(csv.find('\n') + 1))[13], "");
  request.format = ReportFormat::Text;
  EXPECT_NE(buildReport(request, nullptr).bytes.find("NO TUBE\n"), std::string::npos);
}

}  // namespace
