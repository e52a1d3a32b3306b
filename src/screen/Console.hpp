#pragma once

#include <string>
#include <string_view>

#include "common/Single.hpp"
#include "screen/Channel.hpp"
#include "screen/Items.hpp"
#include "screen/TextScreen.hpp"

class Platform;

// The screen and the keyboard together, as every screen of the program uses
// them: clear, locate, print, poll a key, read a line, beep, draw.
class Console {
 public:
  explicit Console(Platform& platform);
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  TextScreen& screen() { return screen_; }
  const TextScreen& screen() const { return screen_; }
  Channel& out() { return out_; }
  Platform& platform() { return platform_; }

  void open();  // screen opened, colours 15 on 9
  void clear();
  void locate(int row, int column);
  void print(std::string_view text, Ending ending);
  void printNumber(Single value, Ending ending);
  void printPattern(std::string_view pattern, Single value, Ending ending);
  void tab(int column);
  void drawLine(Single x1, Single y1, Single x2, Single y2);  // foreground
  void drawLine(Single x1, Single y1, Single x2, Single y2, int colour);

  // The next key's text: one character, or character 0 and the scan code.
  // Shows the screen first, then sleeps until a key comes (every caller
  // loops until it gets one, so there is no point in returning empty-handed
  // and waking for nothing); "" only if the platform hands out no key. No
  // echo.
  std::string pollKey();
  // Polls until one of the one-character keys in `accepted` arrives and
  // returns it; every other key is ignored silently.
  std::string waitForKey(std::string_view accepted);

  // Prints the prompt (and "? " when `question` is set), reads one edited
  // line with echo, moves to the start of the next row; the whole line.
  std::string readWholeLine(std::string_view prompt, bool question);
  // Prints the prompt unchanged, reads one edited line; its items.
  ItemScanner readItems(std::string_view prompt);
  Single readNumber(std::string_view prompt);         // the first item, as a number
  std::string readTextItem(std::string_view prompt);  // the first item, as text

  void beep();
  void present();  // shows the screen when it changed

 private:
  // One edited line with echo, from the cursor; leaves the cursor at the
  // start of the row below the line.
  std::string readLine();

  Platform& platform_;
  TextScreen screen_;
  ScreenChannel out_;
  unsigned long long presented_ = ~0ULL;
};
