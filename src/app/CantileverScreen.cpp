#include "app/Screens.hpp"
#include "flow/GateNotice.hpp"
#include "flow/Workspace.hpp"

namespace {

// A tube held at its left end in a clamp block, loaded at mid-span: the
// textbook picture behind the bending moment the analysis works out. It is
// the same for every design.
struct Stroke {
  Single x1, y1, x2, y2;
};
constexpr Stroke kCantilever[] = {
    {100, 150, 100, 175},  // clamp block: left side,
    {100, 175, 150, 175},  // bottom,
    {150, 175, 150, 150},  // right side, which also closes the tube's end,
    {150, 150, 100, 150},  // top
    {150, 152, 550, 152},  // tube: upper edge,
    {550, 152, 550, 173},  // free end,
    {550, 173, 150, 173},  // lower edge
    {350, 175, 350, 225},  // load arrow: shaft,
    {340, 215, 350, 225},  // head, left stroke,
    {360, 215, 350, 225},  // head, right stroke
};

}  // namespace

Next cantileverScreen(Workspace& work) {
  Console& console = work.console;
  DesignModel& design = work.design;

  console.clear();
  design.profileY = 30;
  if (!design.gates.optionsSelected) {
    return gateNotice(work, kNeedOptions);
  }
  if (!design.gates.designPresent) {
    return gateNotice(work, kNeedDesign);
  }
  if (!design.gates.analysisViewed) {
    return gateNotice(work, kNeedViewedAnalysis);
  }

  console.clear();
  for (const Stroke& stroke : kCantilever) {
    console.drawLine(stroke.x1, stroke.y1, stroke.x2, stroke.y2);
  }
  // The cursor is still at the top left, above the picture.
  (void)console.readWholeLine(" Press 'ENTER' to return to Main Menu: ", false);
  return Next::MainMenu;
}
