#include <array>
#include <utility>

#include "app/Screens.hpp"
#include "flow/Workspace.hpp"

namespace {

// A side view of eight tubes of growing thickness, tip on the left.
void drawMenuPicture(Console& console) {
  for (Single k = 1.0F; k <= 8.0F; k += 1.0F) {
    const Single b = 1.5F * k;
    const Single c = 50.0F * k;
    console.drawLine(50.0F + c, 300.0F - b, 50.0F + c, 300.0F + b);
    console.drawLine(50.0F + c, 300.0F - b, 100.0F + c, 300.0F - b);
    console.drawLine(50.0F + c, 300.0F + b, 100.0F + c, 300.0F + b);
    console.drawLine(100.0F + c, 300.0F - b, 100.0F + c, 300.0F + b);
  }
}

}  // namespace

std::optional<Next> menuTarget(std::string_view key) {
  // Compared in this order; the whole key text must match, so an extended
  // key (character 0 and a scan code) never does.
  static constexpr std::array<std::pair<std::string_view, Next>, 8> kTargets{{
      {"oO", Next::Options},
      {"eE", Next::EnterElementData},
      {"rR", Next::RecallMenu},
      {"sS", Next::SaveMenu},
      {"vV", Next::ViewAnalysis},
      {"tT", Next::Cantilever},
      {"hH", Next::Help},
      {"qQ", Next::Quit},
  }};
  if (key.size() != 1) {
    return std::nullopt;
  }
  for (const auto& [letters, target] : kTargets) {
    if (letters.find(key.front()) != std::string_view::npos) {
      return target;
    }
  }
  return std::nullopt;
}

Next mainMenu(Workspace& work) {
  Console& console = work.console;
  console.clear();
  console.print("                             Tubalyzer 2.20   MAIN MENU", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    Select Options                     =   O", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    Enter Element Data                 =   E", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    Save Element Data                  =   S", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    Recall Element Data                =   R", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    View Analysis                      =   V", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    Help / Information                 =   H", Ending::EndLine);
  console.print("", Ending::EndLine);
  console.print("                    Quit Program                       =   Q", Ending::EndLine);
  drawMenuPicture(console);

  for (;;) {
    if (const std::optional<Next> target = menuTarget(console.pollKey())) {
      return *target;
    }
  }
}
