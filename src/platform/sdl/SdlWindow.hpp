#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/sdl/QuitSignals.hpp"
#include "screen/Key.hpp"

// The program's window: shows frames of 640 x 350 palette indices at an
// integer scale, turns the keyboard into InputKeys, and sounds the beep.
// Knows nothing of the text screen, so that small tools can drive it too.
class SdlWindow {
 public:
  // Opens a window on an X11 or Wayland display; empty, with the reason in
  // `whyNot`, when there is none (SDL is shut down again then).
  static std::unique_ptr<SdlWindow> open(const char* title, std::string& whyNot);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // Shows a frame (kWidth * kHeight palette indices). The window appears
  // with its first frame, so it never shows a black or stale picture.
  void showFrame(std::span<const std::uint8_t> indices);

  // One key: until it comes, or up to `timeout` when one is given; blocked
  // on the event queue (no spinning, no periodic wake-ups). Throws
  // PlatformClosed once the window was closed or SIGINT or SIGTERM came.
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout);

  // 1000 Hz for 250 ms; returns when it has ended. Without a sound device
  // it waits the 250 ms in silence.
  void beep();

 private:
  SdlWindow() = default;
  void handle(const SDL_Event& event);
  void drainEvents();
  void redraw();
  bool uploadFrame();
  SDL_AudioDeviceID openAudio();  // 0 when there is no usable sound device
  void releaseAudio();

  // First, so that it goes last: the signals stay held back until SDL has
  // ended every thread it started.
  QuitSignals quitSignals_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<std::uint32_t> argb_;
  bool shown_ = false;
  bool haveFrame_ = false;
  bool needsRedraw_ = false;
  bool closed_ = false;
  std::deque<InputKey> keys_;

  bool audioInitialised_ = false;
  std::vector<std::int16_t> tone_;
};
