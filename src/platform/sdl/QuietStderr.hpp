#pragma once

// Points stderr at /dev/null for as long as it lives. Libraries under SDL
// report on stderr what the program handles itself (libasound: no sound
// card; libwayland: no compositor), and the program may be about to draw in
// that very terminal, or has drawn there already.
class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_ = -1;
};
