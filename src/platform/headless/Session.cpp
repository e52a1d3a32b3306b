#include "platform/headless/Session.hpp"

#include <utility>

#include "app/Program.hpp"
#include "screen/TextScreen.hpp"

Session::Session() : Session(HeadlessOptions{}) {}

Session::Session(HeadlessOptions options)
    : platform_(HeadlessPlatform::Mode::Interactive, std::move(options)),
      program_(std::make_unique<Program>(platform_)) {
  start();
}

Session::~Session() {
  platform_.close();
  if (thread_.joinable()) {
    thread_.join();
  }
}

void Session::start() {
  thread_ = std::thread([this] {
    try {
      status_ = program_->run();
    } catch (const PlatformClosed&) {
      status_ = 0;  // closed from outside the loop: ends as Quit does
    } catch (...) {
      failure_ = std::current_exception();
    }
    platform_.markEnded();
  });
}

void Session::waitIdle() {
  platform_.waitUntilIdle();
  if (failure_) {
    std::rethrow_exception(failure_);
  }
}

void Session::type(std::string_view keys) { platform_.pushKeys(keys); }

void Session::enter(std::string_view line) {
  platform_.pushKeys(line);
  platform_.pushKey(InputKey::character(13));
}

void Session::press(SpecialKey key) { platform_.pushKey(InputKey::named(key)); }

void Session::press(InputKey key) { platform_.pushKey(key); }

std::string Session::row(int row) {
  waitIdle();
  return program_->console().screen().rowText(row);
}

std::string Session::screenText() {
  waitIdle();
  const TextScreen& screen = program_->console().screen();
  std::string text;
  for (int r = 1; r <= TextScreen::kRows; ++r) {
    if (r > 1) {
      text += '\n';
    }
    text += screen.rowText(r);
  }
  return text;
}

int Session::cursorRow() {
  waitIdle();
  return program_->console().screen().cursorRow();
}

int Session::cursorColumn() {
  waitIdle();
  return program_->console().screen().cursorColumn();
}

std::uint8_t Session::pixel(int x, int y) {
  waitIdle();
  return program_->console().screen().pixel(x, y);
}

const TextScreen& Session::screen() {
  waitIdle();
  return program_->console().screen();
}

int Session::beeps() {
  waitIdle();
  return platform_.beeps();
}

DesignModel& Session::design() {
  waitIdle();
  return program_->design();
}

bool Session::ended() {
  waitIdle();
  return platform_.ended();
}

int Session::exitStatus() {
  waitIdle();
  return status_;
}

HeadlessPlatform& Session::platform() {
  waitIdle();
  return platform_;
}
