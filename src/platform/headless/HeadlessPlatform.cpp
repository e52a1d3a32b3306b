#include "platform/headless/HeadlessPlatform.hpp"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/common/KeyWaitDeadline.hpp"

HeadlessPlatform::HeadlessPlatform(Mode mode, HeadlessOptions options)
    : mode_(mode),
      printer_(options.printer),
      printerError_(std::move(options.printerError)),
      submitError_(std::move(options.submitError)) {}

void HeadlessPlatform::present(const TextScreen& /*screen*/) {
  const std::lock_guard lock(mutex_);
  ++presents_;
  ++progress_;
}

std::optional<InputKey> HeadlessPlatform::waitKey(
    std::optional<std::chrono::milliseconds> timeout) {
  std::unique_lock lock(mutex_);
  if (mode_ == Mode::Script) {
    // No time passes here: a script's keys are all "typed" before the
    // program looks, so an empty queue means the script has ended, whatever
    // the timeout.
    if (keys_.empty()) {
      throw PlatformClosed();
    }
  } else {
    if (keys_.empty() && !closed_) {
      const auto keyOrClosed = [this] { return !keys_.empty() || closed_; };
      waiting_ = true;
      changed_.notify_all();
      if (timeout) {
        changed_.wait_until(lock, KeyWaitDeadline(timeout).at(), keyOrClosed);
      } else {
        changed_.wait(lock, keyOrClosed);
      }
      waiting_ = false;
    }
    if (closed_) {
      throw PlatformClosed();
    }
    if (keys_.empty()) {
      return std::nullopt;  // the timeout ran out
    }
  }
  const InputKey key = keys_.front();
  keys_.pop_front();
  ++keysRead_;
  ++progress_;
  return key;
}

void HeadlessPlatform::beep() {
  const std::lock_guard lock(mutex_);
  ++beeps_;
  ++progress_;
}

PrinterOpen HeadlessPlatform::openDefaultPrinter() {
  const std::lock_guard lock(mutex_);
  ++printerOpens_;
  if (printer_) {
    return PrinterOpen{printer_, std::string()};
  }
  return PrinterOpen{std::nullopt, printerError_};
}

PrintSubmission HeadlessPlatform::submitPrintJob(const PrintDocument& document) {
  const std::lock_guard lock(mutex_);
  if (!submitError_.empty()) {
    return PrintSubmission{submitError_, {}};
  }
  printed_.push_back(document);
  return PrintSubmission{};
}

void HeadlessPlatform::pushKey(InputKey key) {
  {
    const std::lock_guard lock(mutex_);
    keys_.push_back(key);
  }
  changed_.notify_all();
}

void HeadlessPlatform::pushKeys(std::string_view bytes) {
  {
    const std::lock_guard lock(mutex_);
    for (const char byte : bytes) {
      keys_.push_back(InputKey::character(static_cast<std::uint8_t>(byte)));
    }
  }
  changed_.notify_all();
}

std::size_t HeadlessPlatform::pendingKeys() const {
  const std::lock_guard lock(mutex_);
  return keys_.size();
}

std::size_t HeadlessPlatform::keysRead() const {
  const std::lock_guard lock(mutex_);
  return keysRead_;
}

void HeadlessPlatform::setPrinter(std::optional<PageGeometry> geometry, std::string error) {
  const std::lock_guard lock(mutex_);
  printer_ = geometry;
  printerError_ = std::move(error);
}

void HeadlessPlatform::setSubmitError(std::string error) {
  const std::lock_guard lock(mutex_);
  submitError_ = std::move(error);
}

const std::vector<PrintDocument>& HeadlessPlatform::printed() const {
  const std::lock_guard lock(mutex_);
  return printed_;
}

int HeadlessPlatform::printerOpens() const {
  const std::lock_guard lock(mutex_);
  return printerOpens_;
}

int HeadlessPlatform::beeps() const {
  const std::lock_guard lock(mutex_);
  return beeps_;
}

int HeadlessPlatform::presents() const {
  const std::lock_guard lock(mutex_);
  return presents_;
}

void HeadlessPlatform::close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

bool HeadlessPlatform::closed() const {
  const std::lock_guard lock(mutex_);
  return closed_;
}

void HeadlessPlatform::markEnded() {
  {
    const std::lock_guard lock(mutex_);
    ended_ = true;
  }
  changed_.notify_all();
}

bool HeadlessPlatform::ended() const {
  const std::lock_guard lock(mutex_);
  return ended_;
}

void HeadlessPlatform::waitUntilIdle(std::chrono::seconds stall) const {
  std::unique_lock lock(mutex_);
  if (mode_ == Mode::Script) {
    return;  // single-threaded: whoever asks is the program's own thread or after it
  }
  std::uint64_t seen = progress_;
  while (!idleLocked()) {
    if (!changed_.wait_for(lock, stall, [this] { return idleLocked(); })) {
      if (progress_ == seen) {
        std::fprintf(stderr,
                     "HeadlessPlatform: the program neither read a key nor presented the screen "
                     "for %lld s; it is stuck.\n",
                     static_cast<long long>(stall.count()));
        std::abort();
      }
      seen = progress_;
    }
  }
}
