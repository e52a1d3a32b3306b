#include "app/Program.hpp"

#include "analysis/LoadTable.hpp"
#include "analysis/OptionsDialogue.hpp"
#include "app/Screens.hpp"
#include "entry/CommandLines.hpp"
#include "entry/EnterElementData.hpp"
#include "files/PrintedLoadTable.hpp"
#include "files/RecallMenu.hpp"
#include "files/SaveMenu.hpp"
#include "screen/Platform.hpp"

Program::Program(Platform& platform)
    : console_(platform), printer_(platform), work_{console_, design_, printer_} {}

int Program::run() {
  try {
    for (Next next = Next::TitleScreen; next != Next::Quit;) {
      next = dispatch(next);
    }
    console_.clear();
    console_.present();
  } catch (const PlatformClosed&) {
    // The window closed or the key script ran out: end as Quit does.
  }
  printer_.close();
  return 0;
}

Next Program::dispatch(Next next) {
  switch (next) {
    case Next::Quit:
      return Next::Quit;
    case Next::TitleScreen:
      return titleScreen(work_);
    case Next::MainMenu:
      return mainMenu(work_);
    case Next::Help:
      return helpScreen(work_);
    case Next::Options:
      return optionsDialogue(work_);
    case Next::EnterElementData:
      return enterElementData(work_);
    case Next::ViewAnalysis:
      return viewAnalysis(work_);
    case Next::EntryCommandLine:
      return entryCommandLine(work_);
    case Next::AnalysisCommandLine:
      return analysisCommandLine(work_);
    case Next::Cantilever:
      return cantileverScreen(work_);
    case Next::SaveMenu:
      return saveMenu(work_);
    case Next::SaveElementFile:
      return saveElementFileFromCommandLine(work_);
    case Next::RecallMenu:
      return recallMenu(work_);
    case Next::RecallByName:
      return recallByName(work_);
    case Next::PrintLoadTable:
      return printLoadTable(work_);
  }
  return Next::MainMenu;
}
