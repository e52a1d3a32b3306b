#pragma once

#include <optional>
#include <string_view>

#include "common/Single.hpp"
#include "model/Design.hpp"

// The values behind the answers of the options dialogue, apart from the
// screen so that each rule can be checked on its own.

inline constexpr Single kDefaultYieldPsi = 35000.0f;  // 6061-T6 and 6063-T832 aluminium
inline constexpr Single kLowestYieldPsi = 500.0f;
inline constexpr Single kHighestYieldPsi = 120000.0f;

inline constexpr Single kHoarfrostDensity = 0.011f;  // pounds per cubic inch
inline constexpr Single kRimeIceDensity = 0.017f;
inline constexpr Single kGlazeIceDensity = 0.032f;
inline constexpr Single kThickestRadialIceIn = 1.0f;

inline constexpr Single kEia222cPressure = 30.0f;  // lb/sq ft at 86 MPH: .004 * 86 * 86
inline constexpr Single kEia222cShapeFactor = 0.666f;
// .00256 * 86 * 86 as a single-precision constant; its rounding shows in
// the pressures, which must agree with tables worked out the same way.
inline constexpr Single kEiaTia222ePressureAtKzOne = 18.93376f;
inline constexpr Single kEiaTia222eShapeFactor = 1.2f;

// The yield strength an answer to the yield prompt gives: the default for
// an empty answer, else the numeric value of the text; empty when that lies
// outside 500 to 120000 psi (or is not a number at all) and the question
// has to be asked again. The help request "?" is the caller's business.
std::optional<Single> yieldStrengthFromAnswer(std::string_view text);

// Ice density for a key of the ice-kind question; empty for any other key.
std::optional<Single> iceDensityForKey(std::string_view key);

// A radial ice thickness is taken when it lies between 0 and 1 inch, both
// included. A negative thickness would shrink the projected diameter and so
// overstate the wind the element survives, so it is asked again too.
bool radialThicknessAccepted(Single thicknessIn);

// An antenna height is taken when it is above ground: zero or a negative
// height gives no meaningful height factor (zero pressure, or none at all).
bool antennaHeightAccepted(Single heightFt);

// The EIA/TIA-222-E height factor Kz = (h / 33)^0.2857, worked out in double
// precision and stored as a Single.
Single heightFactorKz(Single heightFt);

// The EIA/TIA-222-E wind pressure at 86 MPH for a height factor, as a Single.
Single eiaTia222ePressure(Single kz);

// The fields an accepted answer sets, exactly as the dialogue stores them;
// every other field keeps its value.
// Ice of this density and radial thickness (the ice answer is the caller's).
void chooseIce(DesignOptions& options, Single density, Single thicknessIn);
// EIA-222-C: its fixed pressure and shape factor.
void chooseEia222c(DesignOptions& options);
// EIA/TIA-222-E at this antenna height: Kz, the pressure, the shape factor.
void chooseEiaTia222e(DesignOptions& options, Single heightFt);
