#pragma once

// The reference designs of the shared test data as the program's model:
// each record holds the stored option values, the sections and every result
// of the analysis, worked out independently.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "../support/JsonLines.hpp"
#include "model/Design.hpp"

namespace designs {

inline const std::vector<jsonl::Value>& records() {
  static const std::vector<jsonl::Value> all =
      jsonl::readFile(std::string(TUB_TESTDATA_DIR) + "/designs.jsonl");
  return all;
}

// A stored value: from its bits when the record gives them, else from the
// value (the data writes every Single as the double it widens to exactly).
inline Single storedValue(const jsonl::Value& object, const std::string& key) {
  const std::string bitsKey = key + "_bits";
  if (object.has(bitsKey) && !object[bitsKey].isNull()) {
    return object[bitsKey].bitsAsFloat();
  }
  if (object[key].isNull()) {
    return 0.0f;
  }
  return static_cast<Single>(object[key].num());
}

inline DesignOptions optionsOf(const jsonl::Value& record) {
  const jsonl::Value& o = record["options"];
  DesignOptions options;
  options.yieldStrength = storedValue(o, "yield_strength");
  options.iceAnswer = o["ice_answer"].str();
  options.iceDensity = storedValue(o, "ice_density");
  options.radialIceThickness = storedValue(o, "ice_thickness");
  options.iceDiameterIncrease = storedValue(o, "ice_increase");
  options.windPressure = o["pressure_bits"].bitsAsFloat();
  options.shapeFactor = storedValue(o, "shape_factor");
  options.antennaHeight = storedValue(o, "height");
  options.kz = storedValue(o, "kz");
  options.aluminiumDensity = 0.098f;
  return options;
}

inline DesignModel modelOf(const jsonl::Value& record) {
  DesignModel model;
  model.options = optionsOf(record);
  model.element.title = record["title"].str();
  model.element.sectionCount = static_cast<Single>(record["count"].num());
  const jsonl::Value& sections = record["sections"];
  for (std::size_t i = 0; i < sections.size(); ++i) {
    TubeSection& s = model.element.sections.at(i + 1);
    s.outsideDiameter = storedValue(sections[i], "od");
    s.wallThickness = storedValue(sections[i], "wall");
    s.exposedLength = storedValue(sections[i], "exposed");
    s.totalLength = storedValue(sections[i], "total");
  }
  return model;
}

inline int countOf(const jsonl::Value& record) { return static_cast<int>(record["count"].num()); }

inline std::string bitsText(Single value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x",
                static_cast<unsigned>(std::bit_cast<std::uint32_t>(value)));
  return text;
}

// Bit-for-bit equality, reported as bits and values.
inline ::testing::AssertionResult sameBits(Single actual, Single expected) {
  if (std::bit_cast<std::uint32_t>(actual) == std::bit_cast<std::uint32_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got " << bitsText(actual) << " (" << static_cast<Wide>(actual) << "), expected "
         << bitsText(expected) << " (" << static_cast<Wide>(expected) << ")";
}

}  // namespace designs
