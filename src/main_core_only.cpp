// The program without any front-end: the keys come from standard input, one
// byte each, and when they run out the program ends as if its window had
// been closed. A line end (LF, CR or CR LF) is the Enter key, so a plain
// text file of answers drives it. The screen as it stands at the end is
// written to standard output, trailing blanks removed.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "app/Program.hpp"
#include "platform/headless/HeadlessPlatform.hpp"
#include "screen/TextScreen.hpp"

int main() {
  std::ios::sync_with_stdio(false);
  const std::string input{std::istreambuf_iterator<char>(std::cin),
                          std::istreambuf_iterator<char>()};
  HeadlessPlatform platform(HeadlessPlatform::Mode::Script);
  for (std::size_t i = 0; i < input.size(); ++i) {
    const char byte = input[i];
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < input.size() && input[i + 1] == '\n') {
        ++i;
      }
      platform.pushKey(InputKey::character(13));
    } else {
      platform.pushKey(InputKey::character(static_cast<std::uint8_t>(byte)));
    }
  }

  Program program(platform);
  const int status = program.run();

  const TextScreen& screen = program.console().screen();
  for (int row = 1; row <= TextScreen::kRows; ++row) {
    std::string text = screen.rowText(row);
    text.erase(text.find_last_not_of(' ') + 1);
    std::cout << text << '\n';
  }
  return status;
}
