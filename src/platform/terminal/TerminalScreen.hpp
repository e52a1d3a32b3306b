#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/terminal/TermGrid.hpp"
#include "screen/Key.hpp"

// The terminal the program was started from, through curses: shows a
// termgrid::Grid in the top-left corner, reads keys, rings the bell. The
// terminal is given back as it was when this object goes, whatever the way
// out; SIGINT, SIGTERM and SIGHUP end the key wait with PlatformClosed so
// that the program winds down normally.
class TerminalScreen {
 public:
  // Needs a terminal on stdin and stdout; empty, with the reason in
  // `whyNot`, when curses cannot drive it.
  static std::unique_ptr<TerminalScreen> open(std::string& whyNot);
  ~TerminalScreen();
  TerminalScreen(const TerminalScreen&) = delete;
  TerminalScreen& operator=(const TerminalScreen&) = delete;

  // Shows the grid, writing only the cells that changed; the terminal's
  // cursor stands at the text cursor (1-based).
  void show(const termgrid::Grid& grid, int cursorRow, int cursorColumn);

  // One key: until it comes, or up to `timeout` when one is given. Throws
  // PlatformClosed after one of the signals above, or when the terminal
  // hung up.
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout);

  // The terminal's bell, then the 250 ms a beep lasts.
  void beep();

  bool tooSmall() const { return tooSmall_; }

 private:
  TerminalScreen() = default;
  void fitToSize();
  void paint();
  short pairFor(short foreground, short background);
  void drawCell(int index, const termgrid::TermCell& cell);

  struct Curses;
  std::unique_ptr<Curses> curses_;
  bool utf8_ = true;
  int colours_ = 0;
  std::map<int, short> pairs_;
  short nextPair_ = 1;

  termgrid::Grid wanted_{};
  termgrid::Grid shown_{};
  bool haveWanted_ = false;
  bool shownValid_ = false;
  bool tooSmall_ = false;
  int cursorRow_ = 1;
  int cursorColumn_ = 1;
};
