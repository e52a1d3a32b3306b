#include "platform/terminal/TerminalScreen.hpp"

#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/common/KeyWaitDeadline.hpp"
#include "platform/terminal/CursesKeys.hpp"
#include "screen/Platform.hpp"

namespace {

// Set by the signal handler, read by the key wait: the only safe way out of
// a signal handler is to leave a note.
volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void noteStopSignal(int) { g_stopRequested = 1; }

constexpr std::array<int, 3> kStopSignals = {SIGINT, SIGTERM, SIGHUP};
constexpr std::chrono::milliseconds kBeepLength{250};

// The signals that must cut a key wait short: ours to stop, and curses'
// SIGWINCH to fit the new size. A key wait holds them back while it looks
// at the keyboard and lets them through only inside ppoll(), atomically: a
// signal that came between the look and an endless poll() would otherwise
// go unnoticed until the next key. (The terminal front-end starts no other
// thread that could take these signals instead.)
class WakingSignalsHeld {
 public:
  WakingSignalsHeld() {
    sigset_t waking;
    sigemptyset(&waking);
    for (const int signal : kStopSignals) sigaddset(&waking, signal);
    sigaddset(&waking, SIGWINCH);
    pthread_sigmask(SIG_BLOCK, &waking, &previous_);
    whileWaiting_ = previous_;
    for (const int signal : kStopSignals) sigdelset(&whileWaiting_, signal);
    sigdelset(&whileWaiting_, SIGWINCH);
  }
  ~WakingSignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  WakingSignalsHeld(const WakingSignalsHeld&) = delete;
  WakingSignalsHeld& operator=(const WakingSignalsHeld&) = delete;

  // The mask for ppoll(): as before the wait, with the waking signals let in.
  const sigset_t* whileWaiting() const { return &whileWaiting_; }

 private:
  sigset_t previous_{};
  sigset_t whileWaiting_{};
};

// Without a UTF-8 locale the terminal cannot show the PC's line and block
// characters directly; curses' own line drawing comes closest.
chtype withoutUnicode(char32_t glyph) {
  if (glyph < 128) return static_cast<chtype>(glyph);
  if (glyph == termgrid::kBrailleBlank) return ' ';
  if (glyph > termgrid::kBrailleBlank && glyph <= termgrid::kBrailleBlank + 0xFF) return '.';
  switch (glyph) {
    case 0x2500:
    case 0x2550:
      return ACS_HLINE;
    case 0x2502:
    case 0x2551:
      return ACS_VLINE;
    case 0x250C:
    case 0x2552:
    case 0x2553:
    case 0x2554:
      return ACS_ULCORNER;
    case 0x2510:
    case 0x2555:
    case 0x2556:
    case 0x2557:
      return ACS_URCORNER;
    case 0x2514:
    case 0x2558:
    case 0x2559:
    case 0x255A:
      return ACS_LLCORNER;
    case 0x2518:
    case 0x255B:
    case 0x255C:
    case 0x255D:
      return ACS_LRCORNER;
    case 0x251C:
    case 0x255E:
    case 0x255F:
    case 0x2560:
      return ACS_LTEE;
    case 0x2524:
    case 0x2561:
    case 0x2562:
    case 0x2563:
      return ACS_RTEE;
    case 0x252C:
    case 0x2564:
    case 0x2565:
    case 0x2566:
      return ACS_TTEE;
    case 0x2534:
    case 0x2567:
    case 0x2568:
    case 0x2569:
      return ACS_BTEE;
    case 0x253C:
    case 0x256A:
    case 0x256B:
    case 0x256C:
      return ACS_PLUS;
    case 0x2580:
    case 0x2584:
    case 0x2588:
    case 0x258C:
    case 0x2590:
    case 0x25A0:
      return ACS_BLOCK;
    case 0x2591:
    case 0x2592:
    case 0x2593:
      return ACS_CKBOARD;
    case 0x00B0:
      return ACS_DEGREE;
    case 0x00B1:
      return ACS_PLMINUS;
    case 0x2264:
      return ACS_LEQUAL;
    case 0x2265:
      return ACS_GEQUAL;
    case 0x03C0:
      return ACS_PI;
    case 0x00B7:
    case 0x2219:
      return ACS_BULLET;
    case 0x00A0:
      return ' ';
    default:
      return '?';
  }
}

}  // namespace

struct TerminalScreen::Curses {
  SCREEN* screen = nullptr;
  std::array<struct sigaction, kStopSignals.size()> previous{};
  bool handlersInstalled = false;

  void installHandlers() {
    g_stopRequested = 0;
    struct sigaction action {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a signal must cut the key wait short
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
      sigaction(kStopSignals[i], &action, &previous[i]);
    }
    handlersInstalled = true;
  }
  void restoreHandlers() {
    if (!handlersInstalled) return;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
      sigaction(kStopSignals[i], &previous[i], nullptr);
    }
    handlersInstalled = false;
  }
};

std::unique_ptr<TerminalScreen> TerminalScreen::open(std::string& whyNot) {
  if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
    whyNot = "standard input and output are not a terminal";
    return nullptr;
  }
  std::unique_ptr<TerminalScreen> self(new TerminalScreen());
  self->curses_ = std::make_unique<Curses>();
  // Only the character set follows the user's locale: numbers must keep
  // their decimal point whatever the language.
  std::setlocale(LC_CTYPE, "");
  self->utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  // Ours before curses starts, so that curses leaves these signals to us
  // instead of ending the program from inside its own handler.
  self->curses_->installHandlers();
  const char* term = std::getenv("TERM");
  const std::string termName = term != nullptr ? term : "";
  self->curses_->screen = newterm(nullptr, stdout, stdin);
  if (self->curses_->screen == nullptr) {
    whyNot = termName.empty() ? "the terminal type is not set (TERM)"
                              : "the terminal type \"" + termName + "\" is unknown";
    return nullptr;  // the destructor puts the signal handlers back
  }
  set_term(self->curses_->screen);
  // A screen that cannot place the cursor ("dumb", a printing terminal)
  // would only scroll garbage.
  const char* cursorAddress = tigetstr("cup");
  if (cursorAddress == nullptr || cursorAddress == reinterpret_cast<char*>(-1)) {
    whyNot = "the terminal type \"" + termName + "\" cannot place the cursor";
    return nullptr;
  }
  raw();  // Ctrl+C and Ctrl+Z become plain keys
  noecho();
  nonl();  // Enter arrives as 13
  keypad(stdscr, TRUE);
  nodelay(stdscr, TRUE);  // the key wait does its own waiting, in poll()
  intrflush(stdscr, FALSE);
  meta(stdscr, TRUE);
  set_escdelay(25);  // Escape on its own arrives after 25 ms, not a second
  if (has_colors()) {
    start_color();
    self->colours_ = COLORS;
  }
  self->fitToSize();
  return self;
}

TerminalScreen::~TerminalScreen() {
  if (curses_ && curses_->screen != nullptr) {
    set_term(curses_->screen);
    endwin();
    delscreen(curses_->screen);
    curses_->screen = nullptr;
  }
  if (curses_) curses_->restoreHandlers();
}

short TerminalScreen::pairFor(short foreground, short background) {
  const int key = foreground * 256 + background;
  const auto found = pairs_.find(key);
  if (found != pairs_.end()) return found->second;
  if (nextPair_ >= COLOR_PAIRS) return 0;
  const short pair = nextPair_++;
  init_pair(pair, foreground, background);
  pairs_.emplace(key, pair);
  return pair;
}

void TerminalScreen::drawCell(int index, const termgrid::TermCell& cell) {
  const int y = index / termgrid::kColumns;
  const int x = index % termgrid::kColumns;
  attr_t attributes = A_NORMAL;
  short pair = 0;
  if (colours_ > 0) {
    const auto fg = termgrid::cursesColour(cell.fg, colours_, true);
    const auto bg = termgrid::cursesColour(cell.bg, colours_, false);
    if (fg.bold) attributes |= A_BOLD;
    pair = pairFor(fg.colour, bg.colour);
  }
  if (!utf8_) {
    mvaddch(y, x, withoutUnicode(cell.glyph) | attributes | static_cast<chtype>(COLOR_PAIR(pair)));
    return;
  }
  const wchar_t text[2] = {static_cast<wchar_t>(cell.glyph), L'\0'};
  cchar_t character;
  setcchar(&character, text, attributes, pair, nullptr);
  // The bottom-right cell reports an error (the cursor cannot move past
  // it) but is drawn all the same.
  mvadd_wch(y, x, &character);
}

void TerminalScreen::fitToSize() {
  int height = 0;
  int width = 0;
  getmaxyx(stdscr, height, width);
  // Whatever was on screen may be torn up by the resize: draw all of it.
  erase();
  shownValid_ = false;
  tooSmall_ = height < termgrid::kRows || width < termgrid::kColumns;
  if (tooSmall_) {
    const std::string message = "Tubalyzer needs a terminal of at least 80 x 25 characters (now " +
                                std::to_string(width) + " x " + std::to_string(height) + ").";
    attrset(A_NORMAL);
    mvaddnstr(0, 0, message.c_str(), std::max(width - 1, 1));
    refresh();
    return;
  }
  if (haveWanted_) {
    paint();
  } else {
    refresh();
  }
}

void TerminalScreen::paint() {
  if (!haveWanted_ || tooSmall_) return;
  for (int i = 0; i < termgrid::kCells; ++i) {
    const auto& cell = wanted_[static_cast<std::size_t>(i)];
    if (!shownValid_ || cell != shown_[static_cast<std::size_t>(i)]) drawCell(i, cell);
  }
  shown_ = wanted_;
  shownValid_ = true;
  move(std::clamp(cursorRow_, 1, termgrid::kRows) - 1,
       std::clamp(cursorColumn_, 1, termgrid::kColumns) - 1);
  refresh();
}

void TerminalScreen::show(const termgrid::Grid& grid, int cursorRow, int cursorColumn) {
  wanted_ = grid;
  haveWanted_ = true;
  cursorRow_ = cursorRow;
  cursorColumn_ = cursorColumn;
  paint();
}

std::optional<InputKey> TerminalScreen::waitKey(std::optional<std::chrono::milliseconds> timeout) {
  const KeyWaitDeadline deadline(timeout);
  const WakingSignalsHeld held;
  for (;;) {
    if (g_stopRequested != 0) throw PlatformClosed();
    // First whatever curses has read already, then the terminal itself.
    wint_t value = 0;
    const int status = get_wch(&value);
    if (status != ERR) {
      if (status == KEY_CODE_YES && value == KEY_RESIZE) {
        fitToSize();
        continue;
      }
      // Keys typed at the "too small" notice would act unseen: dropped.
      if (tooSmall_) continue;
      if (auto key = keyFromCurses(status, value)) return key;
      continue;
    }
    const int left = deadline.millisecondsLeft();
    if (left == 0) return std::nullopt;
    // Sleeps until the terminal has input or a waking signal comes (for
    // good when there is no deadline): no wake-ups while the user thinks.
    // An escape sequence needs none either: once its Escape has arrived,
    // curses waits out its escape delay itself, inside get_wch().
    const timespec limit{left / 1000, static_cast<long>(left % 1000) * 1000000L};
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = ppoll(&input, 1, left < 0 ? nullptr : &limit, held.whileWaiting());
    // Hung up with nothing left to read: the terminal is gone.
    if (ready > 0 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
      throw PlatformClosed();
    }
  }
}

void TerminalScreen::beep() {
  ::beep();
  std::this_thread::sleep_for(kBeepLength);
}
