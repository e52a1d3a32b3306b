#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "screen/Channel.hpp"

class Platform;

// The name every print job of the load table goes by.
inline constexpr std::string_view kPrintJobName = "Tubalyzer load table";

// The channel to paper. Opened by its first write (the default printer is
// asked for its page then), laid out as a teletype on a grid of 10 pt lines
// at 12 characters per inch, handed to the spooler as one job when closed.
class PrinterChannel final : public Channel {
 public:
  explicit PrinterChannel(Platform& platform);
  ~PrinterChannel() override;

  // A new print command: an earlier outcome is forgotten, the next write
  // tries the printer afresh. `title` goes with the job (the design's title,
  // which a printer that writes files names them after).
  void beginCommand(std::string title = {});
  // Ends the job and hands it to the spooler; nothing when not open.
  void close();
  bool isOpen() const;
  // Why the last command printed nothing; empty when it printed.
  const std::string& failure() const;
  // What the platform said about the last command's job when it printed it
  // (such as where it went), as one screen line; often empty.
  const std::string& notice() const;

  int column() const override;

 protected:
  void putChar(std::uint8_t ch) override;
  void putLineEnd() override;
  int lineWidth() const override { return 0; }
  void advanceTo(int column) override;

 private:
  // Opens the channel on the first write of a command; false when the write
  // is to be dropped (no printer, or it already failed in this command).
  bool ensureOpen();

  struct State;
  Platform& platform_;
  std::unique_ptr<State> state_;
};
