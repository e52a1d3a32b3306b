#include "screen/PrinterChannel.hpp"

#include <exception>
#include <string_view>
#include <utility>

#include "screen/PageLayout.hpp"
#include "screen/Platform.hpp"
#include "screen/ShortText.hpp"

namespace {

constexpr std::string_view kNoPrinter = "No default printer";
constexpr std::string_view kNotPrinted = ": the load table was not printed.";

// A text from the platform as screen text: line breaks and other control
// characters would spoil the screen, so they become blanks.
std::string withoutControls(std::string_view text) {
  std::string shown;
  for (const char ch : text) {
    const auto code = static_cast<unsigned char>(ch);
    shown.push_back(code < 32 || code == 127 ? ' ' : ch);
  }
  return shown;
}

// One screen row telling the user why nothing reached the paper. Spooler
// reasons can be long or hold line breaks; both would spoil the screen. A
// long reason loses its middle: its end often says what went wrong.
std::string failureLine(std::string_view reason) {
  std::string text = withoutControls(reason);
  while (!text.empty() && (text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (text.empty()) {
    text = kNoPrinter;
  }
  return shortenMiddle(text, kMessageWidth - kNotPrinted.size()) + std::string(kNotPrinted);
}

// A line the platform gives back stays on its screen row.
std::string noticeLine(std::string_view notice) {
  return shortenMiddle(withoutControls(notice), kMessageWidth);
}

}  // namespace

struct PrinterChannel::State {
  bool open = false;
  // The printer could not be opened during this command: every further
  // write of it is dropped at once instead of asking the spooler again,
  // which could take seconds per character with a server that hangs.
  bool refused = false;
  std::string failure;
  std::string notice;
  std::string title;
  PageGeometry geometry;
  std::string bytes;
  int column = 1;
};

PrinterChannel::PrinterChannel(Platform& platform)
    : platform_(platform), state_(std::make_unique<State>()) {}

// The program closes the channel when it ends; the platform may already be
// gone by the time this object is destroyed, so nothing is sent from here.
PrinterChannel::~PrinterChannel() = default;

void PrinterChannel::beginCommand(std::string title) {
  state_->refused = false;
  state_->failure.clear();
  state_->notice.clear();
  state_->title = std::move(title);
}

void PrinterChannel::close() {
  State& s = *state_;
  s.column = 1;
  if (!s.open) {
    return;
  }
  s.open = false;
  PrintDocument document;
  document.name = kPrintJobName;
  document.title = s.title;
  document.geometry = s.geometry;
  document.pages = layOutPages(s.bytes, pageGrid(s.geometry));
  s.bytes.clear();
  if (document.pages.empty()) {
    return;  // only line ends or form feeds: no paper to spend
  }
  PrintSubmission outcome;
  try {
    outcome = platform_.submitPrintJob(document);
  } catch (const std::exception& error) {
    outcome.failure = error.what();
    if (outcome.failure.empty()) {
      outcome.failure = "The print job failed";
    }
  }
  if (!outcome.failure.empty()) {
    s.failure = failureLine(outcome.failure);
  } else {
    s.notice = noticeLine(outcome.notice);
  }
}

bool PrinterChannel::isOpen() const { return state_->open; }

const std::string& PrinterChannel::failure() const { return state_->failure; }

const std::string& PrinterChannel::notice() const { return state_->notice; }

int PrinterChannel::column() const { return state_->column; }

bool PrinterChannel::ensureOpen() {
  State& s = *state_;
  if (s.open) {
    return true;
  }
  if (s.refused) {
    return false;
  }
  PrinterOpen answer;
  try {
    answer = platform_.openDefaultPrinter();
  } catch (const std::exception& error) {
    answer.geometry.reset();
    answer.error = error.what();
  }
  if (!answer.geometry) {
    s.refused = true;
    s.failure = failureLine(answer.error);
    return false;
  }
  s.open = true;
  s.geometry = *answer.geometry;
  s.bytes.clear();
  return true;
}

void PrinterChannel::putChar(std::uint8_t ch) {
  if (ensureOpen()) {
    state_->bytes.push_back(static_cast<char>(ch));
  }
  // The column counts what the program wrote, printed or not, so tabs and
  // zones behave the same whether or not a printer is there.
  ++state_->column;
}

void PrinterChannel::putLineEnd() {
  if (ensureOpen()) {
    state_->bytes += "\r\n";
  }
  state_->column = 1;
}

void PrinterChannel::advanceTo(int column) {
  while (state_->column < column) {
    putChar(' ');
  }
}
