#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Single.hpp"

class TextScreen;

// How a print item ends.
enum class Ending {
  Stay,      // the next item follows directly
  EndLine,   // a line end after the item
  NextZone,  // blanks up to the next print zone (every 14 columns)
};

// A text channel: the screen, a file or the printer. All of them track the
// column (characters since the last line end), print zones and tabs alike;
// files and the printer end lines with CR LF.
class Channel {
 public:
  virtual ~Channel() = default;

  void print(std::string_view text, Ending ending);
  void printNumber(Single value, Ending ending);  // NumberText
  void printPattern(std::string_view pattern, Single value, Ending ending);
  void tab(int column);  // 1-based target column
  void lineEnd();

  // Column of the next character, counted from 1.
  virtual int column() const = 0;

 protected:
  virtual void putChar(std::uint8_t ch) = 0;
  virtual void putLineEnd() = 0;
  // Line width for print zones; 0 when the channel has none.
  virtual int lineWidth() const = 0;
  // Moves forward to `column` on the current line (blanks, or the cursor).
  virtual void advanceTo(int column) = 0;
  // Tab columns beyond the width wrap (the screen takes them modulo 80).
  virtual int tabColumn(int column) const { return column; }
};

// The screen as a channel.
class ScreenChannel final : public Channel {
 public:
  explicit ScreenChannel(TextScreen& screen) : screen_(screen) {}
  int column() const override;

 protected:
  void putChar(std::uint8_t ch) override;
  void putLineEnd() override;
  int lineWidth() const override { return 80; }
  void advanceTo(int column) override;
  int tabColumn(int column) const override;

 private:
  TextScreen& screen_;
};

// A channel that collects bytes, for files (CR LF line ends).
class StringChannel final : public Channel {
 public:
  int column() const override { return column_; }
  const std::string& bytes() const { return bytes_; }

 protected:
  void putChar(std::uint8_t ch) override;
  void putLineEnd() override;
  int lineWidth() const override { return 0; }
  void advanceTo(int column) override;

 private:
  std::string bytes_;
  int column_ = 1;
};

// A text of n copies of a character (none for n <= 0).
std::string repeatChar(int count, char ch);
