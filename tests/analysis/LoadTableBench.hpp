#pragma once

// What the load table tests share: the three-section element every example
// is built on, the reference designs put straight into a model, and a bench
// that runs the table functions on a real Console without the rest of the
// program (no title, no menu, no command line).

#include <chrono>
#include <cmath>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "../support/JsonLines.hpp"
#include "DesignRecords.hpp"
#include "flow/Workspace.hpp"
#include "model/Design.hpp"
#include "screen/Console.hpp"
#include "screen/Platform.hpp"
#include "screen/PrinterChannel.hpp"
#include "screen/TextScreen.hpp"

namespace tabletest {

struct SectionValues {
  Single od;
  Single wall;
  Single exposed;
  Single total;
};

// The worked example: tip 0.5 x 0.058, then 0.625 and 0.75, exposed 36, 36, 30.
inline const std::vector<SectionValues> kThreeSections = {
    {0.5F, 0.058F, 36.0F, 40.0F},
    {0.625F, 0.058F, 36.0F, 42.0F},
    {0.75F, 0.058F, 30.0F, 36.0F},
};

inline void putSections(DesignModel& design, const std::vector<SectionValues>& sections) {
  design.element.sectionCount = static_cast<Single>(sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    TubeSection& slot = design.element.sections.at(i + 1);
    slot.outsideDiameter = sections[i].od;
    slot.wallThickness = sections[i].wall;
    slot.exposedLength = sections[i].exposed;
    slot.totalLength = sections[i].total;
  }
}

// Yield 35000, no ice, EIA-222-C.
inline void putCaseAOptions(DesignOptions& options) {
  options.yieldStrength = 35000.0F;
  options.iceAnswer = "n";
  options.windPressure = 30.0F;
  options.shapeFactor = 0.666F;
}

// Yield 35000, glaze ice 0.5 inch, EIA/TIA-222-E at 50 feet.
inline void putCaseBOptions(DesignOptions& options) {
  options.yieldStrength = 35000.0F;
  options.iceAnswer = "Y";
  options.iceDensity = 0.032F;
  options.radialIceThickness = 0.5F;
  options.iceDiameterIncrease = 1.0F;
  options.antennaHeight = 50.0F;
  options.kz = static_cast<Single>(std::pow(50.0 / 33.0, 0.2857));
  options.windPressure = 18.93376F * options.kz;
  options.shapeFactor = 1.2F;
}

// A design ready for View Analysis: both gates open.
inline void openGates(DesignModel& design) {
  design.gates.optionsSelected = true;
  design.gates.designPresent = true;
}

// The stored option values, title and sections of one reference design.
inline void putRecord(DesignModel& design, const jsonl::Value& record) {
  const DesignModel stored = designs::modelOf(record);
  design.options = stored.options;
  design.element = stored.element;
}

inline std::string padTo80(std::string text) {
  if (text.size() < 80) text.append(80 - text.size(), ' ');
  return text;
}

// A platform with no window: keys from a script, nothing shown, no printer.
// When the script runs out the program is told the platform closed, so a
// test that waits for a key it never typed fails instead of hanging.
class ScriptPlatform final : public Platform {
 public:
  std::deque<InputKey> keys;
  int beeps = 0;

  void present(const TextScreen& /*screen*/) override {}
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> /*timeout*/) override {
    if (keys.empty()) throw PlatformClosed();
    const InputKey key = keys.front();
    keys.pop_front();
    return key;
  }
  void beep() override { ++beeps; }
  PrinterOpen openDefaultPrinter() override { return {std::nullopt, "no printer on this bench"}; }
  PrintSubmission submitPrintJob(const PrintDocument& /*document*/) override {
    return {"no printer on this bench", {}};
  }
};

// The table functions on a real screen, as the program would run them, but
// called directly.
struct TableBench {
  ScriptPlatform platform;
  Console console{platform};
  DesignModel design;
  PrinterChannel printer{platform};
  Workspace work{console, design, printer};

  TableBench() {
    console.open();
    design.options.aluminiumDensity = 0.098F;
  }

  std::string row(int r) const { return console.screen().rowText(r); }
  int pixel(int x, int y) const { return console.screen().pixel(x, y); }
};

}  // namespace tabletest
