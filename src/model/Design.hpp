#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/Single.hpp"

// The one design the program works on: plain values, alive for the whole
// run. Section i lives in slot i; slot 0 is never used.
inline constexpr int kSlots = 21;
inline constexpr int kMaxSections = 15;  // MaxSections

// Pounds per cubic inch: every design is aluminium tube.
inline constexpr Single kAluminiumDensity = 0.098F;

enum class EditMode { None, Insert, Change };

struct TubeSection {
  Single outsideDiameter = 0;  // inches
  Single wallThickness = 0;    // inches
  Single exposedLength = 0;    // inches outside the next larger tube
  Single totalLength = 0;      // inches, for the tube's own weight
  bool operator==(const TubeSection&) const = default;
};

struct ElementDesign {
  std::string title;
  Single sectionCount = 0;
  Single currentSection = 0;  // N
  EditMode editMode = EditMode::None;
  std::array<TubeSection, kSlots> sections{};
};

struct DesignOptions {
  Single yieldStrength = 0;        // psi
  std::string iceAnswer;           // "y", "Y", "n" or "N" as typed
  Single iceDensity = 0;           // pounds per cubic inch
  Single radialIceThickness = 0;   // inches
  Single iceDiameterIncrease = 0;  // inches, twice the radial thickness
  Single windPressure = 0;         // pounds per square foot at 86 MPH
  Single shapeFactor = 0;
  Single antennaHeight = 0;        // feet
  Single kz = 0;                   // height factor
  Single aluminiumDensity = 0;     // pounds per cubic inch

  bool iceOn() const { return iceAnswer == "y" || iceAnswer == "Y"; }
};

// Results of the last pass, per slot.
struct SectionResult {
  Single insideDiameter = 0;  // inches
  Single sectionModulus = 0;  // cubic inches
  Single windForce = 0;       // pounds
  Single sectionWeight = 0;   // pounds, tube plus ice
  Single iceWeight = 0;       // pounds
  Single projectedArea = 0;   // square feet
  Single maxWindSpeed = 0;    // MPH
};

struct SectionAnalysis {
  std::array<SectionResult, kSlots> sections{};
};

struct AnalysisTotals {
  Single runningMoment = 0;      // pound-inches
  Single runningForce = 0;       // pounds
  Single cumulativeLength = 0;   // inches (CUM LEN)
  Single halfElementArea = 0;    // square feet
  Single halfElementWeight = 0;  // pounds
  Single sectionMoment = 0;      // pound-inches, of the section analysed last
  Single sectionStress = 0;      // psi, of the section analysed last
};

struct GateFlags {
  bool optionsSelected = false;
  bool designPresent = false;
  bool analysisViewed = false;
};

// Everything above, as one value owned by the program.
struct DesignModel {
  ElementDesign element;
  DesignOptions options;
  SectionAnalysis analysis;
  AnalysisTotals totals;
  Single profileY = 0;  // ProfileY: top of the next section drawn, pixels
  GateFlags gates;
};

// The slot of a section number: rounded to the nearest whole number, halves
// to even; empty when that is not a slot of the storage (0 to 20) or the
// number is not finite.
std::optional<int> sectionSlot(Single sectionNumber);
