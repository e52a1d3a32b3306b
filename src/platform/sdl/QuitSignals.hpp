#pragma once

#include <signal.h>

#include <atomic>
#include <thread>

// SIGINT and SIGTERM end the program as closing the window does: each
// becomes an SDL_QUIT event. SDL's own handlers only leave a note that is
// read when the event queue is next pumped, so a signal that comes just
// before an endless wait would go unseen until some other event. Here the
// signals are held back in every thread and taken by one thread of our
// own, asleep in sigwait(), which pushes the event; pushing an event wakes
// the wait.
class QuitSignals {
 public:
  // Holds the signals back in this thread, and so in every thread started
  // from it later: make this before SDL starts any. A signal that is
  // ignored or already handled is left alone, as SDL leaves it (a
  // background job from a shell starts with SIGINT ignored).
  QuitSignals();
  // Stops watching, then lets the signals through again.
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // Starts the watching thread. SDL's events must be initialised from now
  // until stopWatching().
  void watch();
  void stopWatching();

 private:
  sigset_t watched_{};
  sigset_t previousMask_{};
  int stopSignal_ = 0;  // a watched signal, sent to the watcher to end it; 0: none
  std::atomic<bool> stopping_{false};
  std::thread watcher_;
};
