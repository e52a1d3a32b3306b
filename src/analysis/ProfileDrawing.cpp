#include "analysis/ProfileDrawing.hpp"

#include <optional>

#include "flow/Workspace.hpp"

namespace {

constexpr Single kCentreX = 560.0F;  // text column 71, right of the table
constexpr int kIceColour = 4;        // red

// Long elements get the reduced scale for every section, so that the whole
// profile still fits below the header.
constexpr Single kManySections = 6.0F;

}  // namespace

void drawSection(Workspace& work) {
  DesignModel& design = work.design;
  const std::optional<int> slot = sectionSlot(design.element.currentSection);
  if (!slot) {
    return;  // no section of the storage to draw
  }
  const TubeSection& section = design.element.sections[static_cast<std::size_t>(*slot)];
  const Single od = section.outsideDiameter;

  Single halfWidth = 3.0F * od;  // pixels
  Single iceHalfWidth = 7.0F * od;
  Single height = section.exposedLength;
  if (design.element.sectionCount > kManySections) {
    halfWidth = 2.0F * od;
    iceHalfWidth = 4.0F * od;
    height = section.exposedLength / 2.0F;
  }

  // Huge or non-finite coordinates are the line primitive's to clip; the
  // arithmetic here stays in float, where overflow is defined.
  Console& console = work.console;
  const Single top = design.profileY;
  const Single bottom = top + height;
  const Single left = kCentreX - halfWidth;
  const Single right = kCentreX + halfWidth;

  console.drawLine(left, top, right, top);
  if (design.options.iceOn()) {
    console.drawLine(kCentreX - iceHalfWidth, top, kCentreX - iceHalfWidth, bottom, kIceColour);
    console.drawLine(kCentreX + iceHalfWidth, top, kCentreX + iceHalfWidth, bottom, kIceColour);
  }
  console.drawLine(left, top, left, bottom);
  console.drawLine(right, top, right, bottom);
  console.drawLine(left, bottom, right, bottom);

  design.profileY = height + top;
}
