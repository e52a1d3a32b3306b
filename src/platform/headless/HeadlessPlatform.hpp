#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "screen/Platform.hpp"

// How the headless printer behaves.
struct HeadlessOptions {
  // The default printer's page; empty means there is no usable printer and
  // opening it fails with `printerError`. Default: Letter, 0.25 inch margins
  // (96 columns x 75 lines).
  std::optional<PageGeometry> printer = PageGeometry{};
  std::string printerError = "No default printer.";
  // Non-empty: every submitted job fails with this reason (and is not kept).
  std::string submitError;
};

// The platform for tests, fuzzers and the core-only build: keys come from a
// queue, beeps are counted, print jobs are kept, nothing is shown and no
// time passes.
//
// Two modes:
// - Script: waitKey hands out the queued keys and throws PlatformClosed as
//   soon as the queue is empty. Single-threaded; for fuzzers and scripts.
// - Interactive (used by Session): the program runs in its own thread and
//   waitKey blocks until a key is queued or close() is called (then it
//   throws PlatformClosed); a caller that gives a timeout gets no key once
//   it has passed. The test thread waits for the program to become
//   idle (blocked in waitKey with nothing queued, or ended) before it
//   looks at anything.
class HeadlessPlatform final : public Platform {
 public:
  enum class Mode { Script, Interactive };

  explicit HeadlessPlatform(Mode mode = Mode::Script, HeadlessOptions options = {});

  // Platform
  void present(const TextScreen& screen) override;
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> timeout) override;
  void beep() override;
  PrinterOpen openDefaultPrinter() override;
  PrintSubmission submitPrintJob(const PrintDocument& document) override;

  // Keys, in the order the program will read them.
  void pushKey(InputKey key);
  void pushKeys(std::string_view bytes);  // each byte one ordinary key
  std::size_t pendingKeys() const;
  std::size_t keysRead() const;  // keys handed to the program so far

  // Printer set-up: `geometry` empty means no printer (opening fails with
  // `error`).
  void setPrinter(std::optional<PageGeometry> geometry, std::string error);
  // Non-empty: submissions fail with this reason; empty: they succeed.
  void setSubmitError(std::string error);
  // Every successfully submitted job, oldest first.
  const std::vector<PrintDocument>& printed() const;
  int printerOpens() const;  // times the program asked for the printer

  int beeps() const;
  int presents() const;

  // Interactive mode: from now on waitKey throws PlatformClosed.
  void close();
  bool closed() const;

  // Interactive mode, for the session: the program thread has ended.
  void markEnded();
  bool ended() const;
  // Blocks until the program waits for a key with none queued, or has
  // ended. Aborts with a message when the program makes no progress (reads
  // no key, presents nothing) for `stall` while not idle: a hung program
  // would otherwise hang the whole test run.
  void waitUntilIdle(std::chrono::seconds stall = std::chrono::seconds(120)) const;

 private:
  bool idleLocked() const { return ended_ || (waiting_ && keys_.empty()); }

  const Mode mode_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::deque<InputKey> keys_;
  std::size_t keysRead_ = 0;
  std::uint64_t progress_ = 0;
  bool waiting_ = false;
  bool closed_ = false;
  bool ended_ = false;
  int beeps_ = 0;
  int presents_ = 0;
  int printerOpens_ = 0;
  std::optional<PageGeometry> printer_;
  std::string printerError_;
  std::string submitError_;
  std::vector<PrintDocument> printed_;
};
