#pragma once

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "screen/Key.hpp"

class TextScreen;

// Thrown from Platform::waitKey when the window was closed, a signal asked
// the program to end, or a test's key script ran out. Caught once, in the
// program's main loop, which then ends the run as Quit does.
class PlatformClosed : public std::runtime_error {
 public:
  PlatformClosed() : std::runtime_error("platform closed") {}
};

// The printable area of the default printer's default page, in points
// (1/72 inch).
struct PageGeometry {
  double pageWidthPt = 612.0;
  double pageHeightPt = 792.0;
  double leftPt = 18.0;    // printable area, from the page's left edge
  double topPt = 18.0;     // from the page's top edge
  double widthPt = 576.0;  // printable width
  double heightPt = 756.0; // printable height
};

// Outcome of asking the platform for the default printer.
struct PrinterOpen {
  std::optional<PageGeometry> geometry;  // empty when no printer can be used
  std::string error;                     // why, for the user, when empty geometry
};

// One print job: pages of lines of code page 437 text, already laid out on
// the page grid (10 pt lines, 12 characters per inch).
struct PrintDocument {
  std::string name;
  PageGeometry geometry;
  std::vector<std::vector<std::string>> pages;
  std::string title{};  // the design's title, for a printer that names files
};

// What became of a job handed to the platform.
struct PrintSubmission {
  std::string failure;  // why it was not printed; empty when it was
  std::string notice;   // when printed: a line telling where it went, or empty
};

// Everything the core needs from the outside world, and nothing else.
// Files go through the standard library.
class Platform {
 public:
  virtual ~Platform() = default;

  // Shows the screen; called when something changed, before a key wait.
  virtual void present(const TextScreen& screen) = 0;

  // Waits for one key: with no timeout until a key comes, else up to
  // `timeout` (empty when none came in that time). Keys are returned once
  // each, in the order typed. Throws PlatformClosed.
  virtual std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout) = 0;

  // A 1000 Hz tone for 250 ms; returns when it has ended.
  virtual void beep() = 0;

  // Finds the default printer and its page. Bounded in time.
  virtual PrinterOpen openDefaultPrinter() = 0;

  // Hands one finished job to the spooler, or wherever this run prints.
  virtual PrintSubmission submitPrintJob(const PrintDocument& document) = 0;
};
