#include "model/Design.hpp"

#include <cmath>

std::optional<int> sectionSlot(Single sectionNumber) {
  if (!std::isfinite(sectionNumber)) {
    return std::nullopt;
  }
  // Range first: converting a float outside int's range is undefined.
  if (sectionNumber < -0.5F || sectionNumber > Single(kSlots - 1) + 0.5F) {
    return std::nullopt;
  }
  const Wide value = Wide{sectionNumber};
  const Wide lower = std::floor(value);
  const Wide fraction = value - lower;
  Wide rounded = lower;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) {
    rounded = lower + 1.0;
  }
  if (rounded < 0.0 || rounded > Wide(kSlots - 1)) {
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}
