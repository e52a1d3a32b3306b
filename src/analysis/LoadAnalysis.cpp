#include "analysis/LoadAnalysis.hpp"

#include <cmath>

// A fused multiply-add rounds once where the figures expect two roundings.
// GCC in ISO mode (the build sets no extensions) never fuses on its own;
// clang does unless told.
#if defined(__clang__)
#pragma clang fp contract(off)
#endif

// Every named quantity below is rounded to a Single the moment it is
// computed, and later steps read that rounded value; inside one step the
// arithmetic runs in Wide. Users compare these figures with tables worked
// out the same way, digit for digit, so the order of the operations and the
// precision of every constant are part of the result: do not regroup, fold
// or hoist anything.
namespace {

// Constants in the precision they enter the arithmetic with.
constexpr Single kWallFactor = 2.0f;
constexpr Single kPi = 3.14f;  // 3.1400001049041748 once widened, on purpose
constexpr Single kModulusDivisor = 32.0f;
constexpr Wide kRingAreaFactor = 0.785;  // pi / 4, as the ring area is taken
constexpr Wide kSquareInchesPerSquareFoot = 144.0;
constexpr Wide kLeverArmDivisor = 2.0;  // a section's own wind acts at mid-length
constexpr Single kReferenceWindMph = 86.0f;

Wide wide(Single value) { return static_cast<Wide>(value); }
Single single(Wide value) { return static_cast<Single>(value); }

// Ice is switched on and off by separate tests of the typed answer, as the
// table header and the drawing test it; an answer that is neither leaves
// the slot's earlier ice results in place.
bool iceOff(const DesignOptions& options) {
  return options.iceAnswer == "n" || options.iceAnswer == "N";
}
bool iceOn(const DesignOptions& options) {
  return options.iceAnswer == "y" || options.iceAnswer == "Y";
}

}  // namespace

void analyseSection(DesignModel& design, int slot) {
  const TubeSection& section = design.element.sections.at(static_cast<std::size_t>(slot));
  const DesignOptions& options = design.options;
  SectionResult& result = design.analysis.sections.at(static_cast<std::size_t>(slot));
  AnalysisTotals& totals = design.totals;

  const Wide od = wide(section.outsideDiameter);
  const Wide wall = wide(section.wallThickness);
  const Wide exposed = wide(section.exposedLength);
  const Wide total = wide(section.totalLength);
  const Wide iceIncrease = wide(options.iceDiameterIncrease);
  const Wide pressure = wide(options.windPressure);
  const Wide shapeFactor = wide(options.shapeFactor);

  // 1. Inside diameter.
  result.insideDiameter = single(od - wide(kWallFactor) * wall);
  const Wide id = wide(result.insideDiameter);

  // 2. Section modulus of the ring, from the rounded inside diameter.
  {
    const Wide od4 = ((od * od) * od) * od;
    const Wide id4 = ((id * id) * id) * id;
    result.sectionModulus = single((od4 - id4) * (wide(kPi) / (wide(kModulusDivisor) * od)));
  }

  // 3. Tube weight over the whole length, telescoped part included.
  result.sectionWeight =
      single(((od * od - id * id) * wide(options.aluminiumDensity)) * total * kRingAreaFactor);

  // 4. Ice ring on the exposed length only.
  if (iceOff(options)) {
    result.iceWeight = 0.0f;
  }
  if (iceOn(options)) {
    const Wide iced = iceIncrease + od;
    result.iceWeight =
        single(((iced * iced - od * od) * wide(options.iceDensity)) * exposed * kRingAreaFactor);
  }

  // 5. Tube plus ice.
  result.sectionWeight = single(wide(result.iceWeight) + wide(result.sectionWeight));

  // 6. Projected area of the exposed length.
  if (iceOff(options)) {
    result.projectedArea = single((od * exposed) / kSquareInchesPerSquareFoot);
  }
  if (iceOn(options)) {
    result.projectedArea = single(((iceIncrease + od) * exposed) / kSquareInchesPerSquareFoot);
  }

  // 7. Wind force, worked out afresh rather than from the rounded area, so
  // that it carries one rounding only.
  if (iceOff(options)) {
    result.windForce =
        single((((od * exposed) / kSquareInchesPerSquareFoot) * pressure) * shapeFactor);
  }
  if (iceOn(options)) {
    result.windForce = single(
        ((((iceIncrease + od) * exposed) / kSquareInchesPerSquareFoot) * pressure) * shapeFactor);
  }

  // 8. Moment where this section enters the next larger tube: everything on
  // the tip side acts over this whole exposed length, this section's own
  // wind over half of it.
  {
    const Wide force = wide(result.windForce);
    const Wide moment = ((exposed * wide(totals.runningForce)) + wide(totals.runningMoment)) +
                        ((exposed * force) / kLeverArmDivisor);
    totals.sectionMoment = single(moment);
    totals.runningMoment = totals.sectionMoment;
  }

  // 9. Running force.
  totals.runningForce = single(wide(result.windForce) + wide(totals.runningForce));

  // 10. Bending stress on this section's own cross-section.
  totals.sectionStress = single(wide(totals.sectionMoment) / wide(result.sectionModulus));

  // 11 to 13. Running sums for the table and the half-element totals.
  totals.cumulativeLength = single(exposed + wide(totals.cumulativeLength));
  totals.halfElementArea = single(wide(result.projectedArea) + wide(totals.halfElementArea));
  totals.halfElementWeight = single(wide(result.sectionWeight) + wide(totals.halfElementWeight));

  // 14. Stress grows with the square of the wind speed, so the speed at
  // which it reaches the yield strength scales with the square root.
  result.maxWindSpeed = single(std::sqrt(wide(options.yieldStrength) / wide(totals.sectionStress)) *
                               wide(kReferenceWindMph));
}

void startPass(DesignModel& design) {
  AnalysisTotals& totals = design.totals;
  totals.runningMoment = 0.0f;
  totals.runningForce = 0.0f;
  totals.cumulativeLength = 0.0f;
  totals.halfElementArea = 0.0f;
  totals.halfElementWeight = 0.0f;
}

void analysePass(DesignModel& design, int first, int last) {
  startPass(design);
  for (int slot = first; slot <= last; ++slot) {
    analyseSection(design, slot);
  }
}
