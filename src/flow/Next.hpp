#pragma once

// Where a screen goes when it ends. Screens return one of these instead of
// calling each other, so the program's one loop dispatches every jump and
// the call stack never grows however long a user bounces between screens.
// The current section N and the edit mode travel in the design model.
enum class Next {
  Quit,
  TitleScreen,
  MainMenu,
  Help,
  Options,
  EnterElementData,
  ViewAnalysis,
  EntryCommandLine,
  AnalysisCommandLine,
  Cantilever,
  SaveMenu,
  SaveElementFile,  // the element-file save, straight from a command line
  RecallMenu,
  RecallByName,     // the recall command of the View Analysis command line
  PrintLoadTable,
};
