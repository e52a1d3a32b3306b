#include "entry/SectionEdits.hpp"

#include <algorithm>
#include <cmath>

bool isAcceptableSectionCount(Single count) {
  return count >= 1.0F && count <= Single(kMaxSections) && std::trunc(count) == count;
}

std::optional<int> chosenSection(Single number, Single count) {
  // Written so that NaN fails the test: a comparison with NaN is false.
  if (!(number >= 1.0F && number <= count)) {
    return std::nullopt;
  }
  return sectionSlot(number);
}

int slotsInUse(Single count) {
  if (!(count >= 0.0F)) {
    return 0;
  }
  if (count >= Single(kSlots - 1)) {
    return kSlots - 1;
  }
  return static_cast<int>(count);  // in range: 0 <= count < 20
}

namespace {

// Slots are counted as ints; the arrays want an unsigned index.
TubeSection& slotOf(ElementDesign& element, int slot) {
  return element.sections.at(static_cast<std::size_t>(slot));
}

}  // namespace

void openSectionAfter(ElementDesign& element, int after) {
  element.sectionCount += 1.0F;
  const int last = slotsInUse(element.sectionCount);
  // Slot 0 is never used, so nothing is ever copied out of it.
  for (int i = last; i > std::max(after, 1); --i) {
    slotOf(element, i) = slotOf(element, i - 1);
  }
}

void removeSection(ElementDesign& element, int slot) {
  const int last = slotsInUse(element.sectionCount);
  for (int i = std::max(slot, 1); i < last; ++i) {
    slotOf(element, i) = slotOf(element, i + 1);
  }
  element.sectionCount -= 1.0F;
}

bool isAcceptableDiameter(Single outsideDiameter) {
  return std::isfinite(outsideDiameter) && outsideDiameter > 0.0F;
}

bool isAcceptableWall(Single outsideDiameter, Single wallThickness) {
  if (!std::isfinite(wallThickness) || wallThickness < 0.0F) {
    return false;
  }
  // The bore, OD - 2 x wall, may be zero (a solid rod) but not negative.
  return static_cast<Wide>(outsideDiameter) - 2.0 * static_cast<Wide>(wallThickness) >= 0.0;
}

bool isAcceptableLength(Single length) { return std::isfinite(length) && length >= 0.0F; }
