#include "analysis/ProfileDrawing.hpp"

#include <optional>

#include "flow/Workspace.hpp"

namespace {

constexpr Single kCentreX = 560.0F;  // text column 71, right of the table
constexpr int kIceColour = 4;        // red

// Long elements get the reduced scale for every section, so that the whole
// profile still fits below the header.
constexpr Single kManySections = 6.0F;

// Every line of the profile is horizontal or vertical, so pulling an end
// that lies far off the screen in to this distance changes no pixel; it
// keeps the clipping arithmetic well inside the precision it works with
// when a typed size is absurd (1e30 inches). Not-a-number stays as it is
// and is not drawn.
constexpr Single kFarOff = 100000.0F;

Single nearScreen(Single coordinate) {
  if (coordinate < -kFarOff) return -kFarOff;
  if (coordinate > kFarOff) return kFarOff;
  return coordinate;
}

void drawStraight(Console& console, Single x1, Single y1, Single x2, Single y2, int colour) {
  console.drawLine(nearScreen(x1), nearScreen(y1), nearScreen(x2), nearScreen(y2), colour);
}

}  // namespace

void drawSection(Workspace& work) {
  DesignModel& design = work.design;
  const std::optional<int> slot = sectionSlot(design.element.currentSection);
  if (!slot || *slot < 1) {
    return;  // slot 0 holds no section; beyond the storage there is none
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

  // The arithmetic stays in float, where overflow to infinity is defined.
  Console& console = work.console;
  const int white = console.screen().foreground();
  const Single top = design.profileY;
  const Single bottom = top + height;
  const Single left = kCentreX - halfWidth;
  const Single right = kCentreX + halfWidth;

  drawStraight(console, left, top, right, top, white);
  if (design.options.iceOn()) {
    drawStraight(console, kCentreX - iceHalfWidth, top, kCentreX - iceHalfWidth, bottom,
                 kIceColour);
    drawStraight(console, kCentreX + iceHalfWidth, top, kCentreX + iceHalfWidth, bottom,
                 kIceColour);
  }
  drawStraight(console, left, top, left, bottom, white);
  drawStraight(console, right, top, right, bottom, white);
  drawStraight(console, left, bottom, right, bottom, white);

  design.profileY = height + top;
}
