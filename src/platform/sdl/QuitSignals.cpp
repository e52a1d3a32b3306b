#include "platform/sdl/QuitSignals.hpp"

#include <SDL.h>
#include <pthread.h>

#include <array>

QuitSignals::QuitSignals() {
  sigemptyset(&watched_);
  for (const int signal : std::array{SIGTERM, SIGINT}) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
        current.sa_handler == SIG_DFL) {
      sigaddset(&watched_, signal);
      if (stopSignal_ == 0) stopSignal_ = signal;
    }
  }
  pthread_sigmask(SIG_BLOCK, &watched_, &previousMask_);
}

QuitSignals::~QuitSignals() {
  stopWatching();
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void QuitSignals::watch() {
  if (stopSignal_ == 0 || watcher_.joinable()) return;
  stopping_ = false;
  watcher_ = std::thread([this] {
    for (;;) {
      int signal = 0;
      if (sigwait(&watched_, &signal) != 0 || stopping_) return;
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
  });
}

void QuitSignals::stopWatching() {
  if (!watcher_.joinable()) return;
  stopping_ = true;
  // The watcher holds the signal back like every thread, so it is taken by
  // its sigwait() and does not end the program.
  pthread_kill(watcher_.native_handle(), stopSignal_);
  watcher_.join();
}
