#include "analysis/OptionsValues.hpp"

#include <cmath>

#include "screen/Items.hpp"

std::optional<Single> yieldStrengthFromAnswer(std::string_view text) {
  if (text.empty()) {
    return kDefaultYieldPsi;
  }
  const Single yieldPsi = numericValueOfText(text);
  // Written so that a value that is not a number is refused as well.
  if (yieldPsi >= kLowestYieldPsi && yieldPsi <= kHighestYieldPsi) {
    return yieldPsi;
  }
  return std::nullopt;
}

std::optional<Single> iceDensityForKey(std::string_view key) {
  if (key == "H" || key == "h") {
    return kHoarfrostDensity;
  }
  if (key == "R" || key == "r") {
    return kRimeIceDensity;
  }
  if (key == "G" || key == "g") {
    return kGlazeIceDensity;
  }
  return std::nullopt;
}

bool radialThicknessAccepted(Single thicknessIn) {
  return thicknessIn >= 0.0f && thicknessIn <= kThickestRadialIceIn;
}

bool antennaHeightAccepted(Single heightFt) { return heightFt > 0.0f; }

Single heightFactorKz(Single heightFt) {
  constexpr Wide kReferenceHeightFt = 33.0;
  constexpr Wide kExponent = 0.2857;
  return static_cast<Single>(std::pow(static_cast<Wide>(heightFt) / kReferenceHeightFt, kExponent));
}

void chooseIce(DesignOptions& options, Single density, Single thicknessIn) {
  options.iceDensity = density;
  options.radialIceThickness = thicknessIn;
  options.iceDiameterIncrease = thicknessIn + thicknessIn;
}

void chooseEia222c(DesignOptions& options) {
  options.windPressure = kEia222cPressure;
  options.shapeFactor = kEia222cShapeFactor;
}

void chooseEiaTia222e(DesignOptions& options, Single heightFt) {
  options.antennaHeight = heightFt;
  options.kz = heightFactorKz(heightFt);
  options.windPressure = eiaTia222ePressure(options.kz);
  options.shapeFactor = kEiaTia222eShapeFactor;
}

Single eiaTia222ePressure(Single kz) {
  // The product of two Singles is exact in a Wide, so this is the one
  // single-precision rounding of the product.
  return static_cast<Single>(static_cast<Wide>(kEiaTia222ePressureAtKzOne) * static_cast<Wide>(kz));
}
