#pragma once

#include <algorithm>
#include <chrono>
#include <climits>
#include <optional>

// When a key wait gives up: never when it has no timeout, else `timeout`
// after it began. A huge timeout saturates instead of overflowing the clock
// (steady_clock::now() + milliseconds::max() is undefined), and a negative
// one counts as none left: a single look.
class KeyWaitDeadline {
 public:
  using Clock = std::chrono::steady_clock;

  explicit KeyWaitDeadline(std::optional<std::chrono::milliseconds> timeout)
      : bounded_(timeout.has_value()) {
    if (!bounded_) return;
    const Clock::time_point now = Clock::now();
    const auto room =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::time_point::max() - now);
    at_ = now + std::clamp(*timeout, std::chrono::milliseconds::zero(), room);
  }

  // Unbounded waits have no time point; bounded ones end here.
  bool bounded() const { return bounded_; }
  Clock::time_point at() const { return at_; }

  // What is left in whole milliseconds, rounded up, in the convention of
  // poll(2) and SDL_WaitEventTimeout: -1 for no end, 0 once passed, never
  // more than an int holds (a longer wait simply comes round again).
  int millisecondsLeft() const {
    if (!bounded_) return -1;
    const Clock::time_point now = Clock::now();
    if (now >= at_) return 0;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(at_ - now);
    return static_cast<int>(std::min<std::chrono::milliseconds::rep>(left.count(), INT_MAX));
  }

 private:
  bool bounded_;
  Clock::time_point at_{};
};
