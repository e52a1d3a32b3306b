#include "platform/sdl/SdlWindow.hpp"

#include <cstring>
#include <thread>

#include "platform/common/Cp437.hpp"
#include "platform/common/KeyWaitDeadline.hpp"
#include "platform/common/Palette.hpp"
#include "platform/sdl/LateWakeUps.hpp"
#include "platform/sdl/QuietStderr.hpp"
#include "platform/sdl/SdlKeys.hpp"
#include "platform/sdl/Tone.hpp"
#include "screen/Platform.hpp"
#include "screen/TextScreen.hpp"

namespace {

constexpr int kWidth = TextScreen::kWidth;
constexpr int kHeight = TextScreen::kHeight;
constexpr int kToneRate = 48000;
constexpr int kToneHz = 1000;
constexpr std::chrono::milliseconds kBeepLength{250};
// How long the sound system stays up after a beep while no key comes. SDL's
// ALSA driver looks for new sound devices ten times a second for as long
// as audio is initialised; a user who pauses is spared that, and a run of
// beeps is spared starting it again for each.
constexpr std::chrono::milliseconds kAudioLinger{1000};
// Room left on the desktop for the title bar and a panel before the window
// is made twice as large.
constexpr int kDecorationAllowance = 40;

// SDL's own software renderer, drawing straight into the X11 window: a
// 640 x 350 frame that changes only when a key is typed needs no GPU, and
// this way the program starts without loading an OpenGL driver (about 100 MB
// of it when that driver is Mesa's software one). Where that path is
// missing (Wayland) whatever SDL offers.
SDL_Renderer* createRenderer(SDL_Window* window) {
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "software") == 0) {
      if (SDL_Renderer* renderer = SDL_CreateRenderer(window, i, 0)) return renderer;
    }
  }
  return SDL_CreateRenderer(window, -1, 0);
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::open(const char* title, std::string& whyNot) {
  // Without this SDL falls back to an invisible off-screen driver and
  // "succeeds" with no display at all; the terminal is the better choice.
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // The software renderer's window surface, without an OpenGL texture in
  // between (see createRenderer).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // SIGINT and SIGTERM are QuitSignals' (see there), held back before SDL
  // can start a thread.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  tolerateLateWakeUps();
  std::unique_ptr<SdlWindow> self(new SdlWindow());
  int failed = 0;
  {
    QuietStderr quiet;
    failed = SDL_Init(SDL_INIT_VIDEO);
  }
  if (failed != 0) {
    whyNot = SDL_GetError();
    return nullptr;  // the destructor shuts SDL down again
  }
  self->quitSignals_.watch();
  int scale = 1;
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w >= 2 * kWidth &&
      usable.h >= 2 * kHeight + kDecorationAllowance) {
    scale = 2;
  }
  self->window_ =
      SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth * scale,
                       kHeight * scale, SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
  if (self->window_ != nullptr) {
    SDL_SetWindowMinimumSize(self->window_, kWidth, kHeight);
    self->renderer_ = createRenderer(self->window_);
  }
  if (self->renderer_ != nullptr) {
    // Whole multiples of 640 x 350 only, the rest black: every pixel of the
    // screen stays a sharp square of the same size.
    SDL_RenderSetLogicalSize(self->renderer_, kWidth, kHeight);
    SDL_RenderSetIntegerScale(self->renderer_, SDL_TRUE);
    self->texture_ = SDL_CreateTexture(self->renderer_, SDL_PIXELFORMAT_ARGB8888,
                                       SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
  }
  if (self->texture_ == nullptr) {
    whyNot = SDL_GetError();
    return nullptr;  // the destructor closes what was opened
  }
  SDL_SetTextureScaleMode(self->texture_, SDL_ScaleModeNearest);
  self->argb_.assign(static_cast<std::size_t>(kWidth * kHeight), palette::argb(0));
  SDL_StartTextInput();
  return self;
}

SdlWindow::~SdlWindow() {
  // The threads that may push events go before the window does, so that
  // none wakes a wait on a window that is gone (see LateWakeUps.hpp).
  quitSignals_.stopWatching();
  if (audioInitialised_) releaseAudio();
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool SdlWindow::uploadFrame() {
  return SDL_UpdateTexture(texture_, nullptr, argb_.data(),
                           kWidth * static_cast<int>(sizeof(std::uint32_t))) == 0;
}

void SdlWindow::showFrame(std::span<const std::uint8_t> indices) {
  palette::toArgb(indices, argb_);
  uploadFrame();
  haveFrame_ = true;
  if (!shown_) {
    SDL_ShowWindow(window_);
    shown_ = true;
  }
  redraw();
}

void SdlWindow::redraw() {
  needsRedraw_ = false;
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (haveFrame_) SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_RenderPresent(renderer_);
}

void SdlWindow::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      closed_ = true;
      break;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
          closed_ = true;
          break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          needsRedraw_ = true;
          break;
        default:
          break;
      }
      break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      // The texture's contents may be gone with the device; ours are kept.
      uploadFrame();
      needsRedraw_ = true;
      break;
    case SDL_KEYDOWN:
      if (auto key = keyFromSdl(event.key.keysym.sym, event.key.keysym.mod)) {
        keys_.push_back(*key);
      }
      break;
    case SDL_TEXTINPUT:
      for (std::uint8_t code : cp437::typedCodes(event.text.text)) {
        keys_.push_back(InputKey::character(code));
      }
      break;
    default:
      break;
  }
}

void SdlWindow::drainEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) handle(event);
}

std::optional<InputKey> SdlWindow::waitKey(std::optional<std::chrono::milliseconds> timeout) {
  const KeyWaitDeadline deadline(timeout);
  drainEvents();
  for (;;) {
    if (closed_) throw PlatformClosed();
    if (needsRedraw_) redraw();
    if (!keys_.empty()) {
      const InputKey key = keys_.front();
      keys_.pop_front();
      return key;
    }
    const int left = deadline.millisecondsLeft();
    if (left == 0) return std::nullopt;
    const auto linger = static_cast<int>(kAudioLinger.count());
    const bool audioLingers = audioInitialised_ && (left < 0 || left > linger);
    // Blocks in the event queue (for good when there is no deadline): no
    // processor time, and no wake-ups, while the user thinks.
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, audioLingers ? linger : left) != 0) {
      handle(event);
      drainEvents();
    } else if (audioLingers) {
      releaseAudio();
    } else if (left < 0) {
      // An endless wait that returns with nothing failed: try again
      // shortly rather than spin.
      SDL_Delay(100);
    }
  }
}

SDL_AudioDeviceID SdlWindow::openAudio() {
  QuietStderr quiet;
  if (!audioInitialised_) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    audioInitialised_ = true;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kToneRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  return SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
}

void SdlWindow::releaseAudio() {
  QuietStderr quiet;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audioInitialised_ = false;
}

void SdlWindow::beep() {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  // Opened for each beep and closed after it: an open device keeps a sound
  // stream (and SDL's audio thread) running while the program sits idle.
  // Without a sound device the attempt fails within milliseconds, so it is
  // simply made again next time.
  const SDL_AudioDeviceID device = openAudio();
  if (device != 0) {
    if (tone_.empty()) {
      tone_ = squareTone(kToneRate, kToneHz, static_cast<int>(kBeepLength.count()), 6000);
    }
    const auto bytes = static_cast<Uint32>(tone_.size() * sizeof(std::int16_t));
    if (SDL_QueueAudio(device, tone_.data(), bytes) == 0) {
      const auto toneStart = Clock::now();
      SDL_PauseAudioDevice(device, 0);
      // Until the device has taken the whole tone; bounded in case it stalls.
      const auto giveUp = toneStart + 2 * kBeepLength;
      while (SDL_GetQueuedAudioSize(device) > 0 && Clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      std::this_thread::sleep_until(toneStart + kBeepLength);
    }
    QuietStderr quiet;
    SDL_CloseAudioDevice(device);  // lets the last buffer play out first
  }
  std::this_thread::sleep_until(start + kBeepLength);
}
