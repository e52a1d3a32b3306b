#pragma once

#include <cstddef>
#include <string>

#include "screen/Key.hpp"

// The editing rules of a typed line, apart from the screen: a pure state
// machine fed one key at a time. The console draws `text()` and places the
// cursor at `position()` after every key.
//
// Printable characters (codes 32..255) are inserted at the position;
// Backspace deletes before it, Delete at it (a beep when there is nothing);
// Left/Right move by one, Home/End to the ends, Up/Down by a screen width
// (80) when the line is long enough; Tab inserts blanks up to the next
// multiple of 8; Escape erases the line; Enter ends it. Every other key
// (control codes, function keys, Insert, PgUp, ...) is ignored.
//
// A line holds at most kMaxLength characters, the longest line the
// program's input ever accepted; a key that would make it longer beeps and
// is dropped (a Tab inserts the blanks that still fit).
class LineEditor {
 public:
  static constexpr std::size_t kMaxLength = 255;
  static constexpr std::size_t kScreenWidth = 80;
  static constexpr std::size_t kTabWidth = 8;

  struct Outcome {
    bool changed = false;  // text or position moved: redraw
    bool beep = false;     // refused key
    bool done = false;     // Enter: the line is complete
  };

  Outcome press(InputKey key);

  const std::string& text() const { return text_; }
  std::size_t position() const { return position_; }
  bool done() const { return done_; }

 private:
  Outcome insert(std::size_t count, char ch);

  std::string text_;
  std::size_t position_ = 0;
  bool done_ = false;
};
