#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "platform/headless/HeadlessPlatform.hpp"
#include "screen/Key.hpp"

class Program;
class TextScreen;
struct DesignModel;

// The whole program, running headless in its own thread, for tests that
// check what a user sees. Keys are queued; every accessor first waits until
// the program is idle (blocked waiting for a key with none queued) or has
// ended, so reads never race with the program.
//
//   Session s;
//   s.type("n");                       // title: no instructions
//   EXPECT_EQ(s.row(3).substr(20, 14), "Select Options");
class Session {
 public:
  Session();  // starts the program from the title screen
  explicit Session(HeadlessOptions options);
  ~Session();  // closes the platform, as closing the window does; the program ends
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void type(std::string_view keys);   // each byte one ordinary key (code page 437)
  void enter(std::string_view line);  // the bytes, then Enter (13)
  void press(SpecialKey key);
  void press(InputKey key);

  std::string row(int row);  // the 80 characters of row 1..25
  std::string screenText();  // the 25 rows joined with '\n'
  int cursorRow();
  int cursorColumn();
  std::uint8_t pixel(int x, int y);  // palette index of a pixel
  const TextScreen& screen();
  int beeps();
  DesignModel& design();  // the live model; read or change it only while idle
  bool ended();           // the program's run has returned
  int exitStatus();       // valid once ended()
  HeadlessPlatform& platform();

  // Waits until the program is idle or ended. Rethrows anything other than
  // the platform closing that ended the program thread.
  void waitIdle();

 private:
  void start();

  HeadlessPlatform platform_;
  std::unique_ptr<Program> program_;
  std::thread thread_;
  int status_ = -1;
  std::exception_ptr failure_;
};
