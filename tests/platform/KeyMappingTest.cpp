#include <gtest/gtest.h>

// Only the key codes; curses' function-like macros would clash with names.
#define NCURSES_NOMACROS
#include <SDL_keyboard.h>
#include <curses.h>

#include <string>

#include "platform/sdl/SdlKeys.hpp"
#include "platform/terminal/CursesKeys.hpp"
#include "screen/Key.hpp"

// What the program must see for each key, written from the PC keyboard's
// scan codes: an extended key reads as character 0 followed by its code.
namespace {

std::string extended(int scanCode) { return std::string{'\0', static_cast<char>(scanCode)}; }

std::string sdlText(SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
  const auto mapped = keyFromSdl(key, modifiers);
  return mapped ? keyText(*mapped) : std::string("(none)");
}

std::string cursesText(int status, wint_t value) {
  const auto mapped = keyFromCurses(status, value);
  return mapped ? keyText(*mapped) : std::string("(none)");
}

struct Expected {
  SDL_Keycode sdl;
  int curses;
  int scanCode;
};

const Expected kExtendedKeys[] = {
    {SDLK_UP, KEY_UP, 0x48},        {SDLK_DOWN, KEY_DOWN, 0x50},      {SDLK_LEFT, KEY_LEFT, 0x4B},
    {SDLK_RIGHT, KEY_RIGHT, 0x4D},  {SDLK_HOME, KEY_HOME, 0x47},      {SDLK_END, KEY_END, 0x4F},
    {SDLK_PAGEUP, KEY_PPAGE, 0x49}, {SDLK_PAGEDOWN, KEY_NPAGE, 0x51}, {SDLK_INSERT, KEY_IC, 0x52},
    {SDLK_DELETE, KEY_DC, 0x53},    {SDLK_F1, KEY_F(1), 0x3B},        {SDLK_F2, KEY_F(2), 0x3C},
    {SDLK_F3, KEY_F(3), 0x3D},      {SDLK_F4, KEY_F(4), 0x3E},        {SDLK_F5, KEY_F(5), 0x3F},
    {SDLK_F6, KEY_F(6), 0x40},      {SDLK_F7, KEY_F(7), 0x41},        {SDLK_F8, KEY_F(8), 0x42},
    {SDLK_F9, KEY_F(9), 0x43},      {SDLK_F10, KEY_F(10), 0x44},      {SDLK_F11, KEY_F(11), 0x85},
    {SDLK_F12, KEY_F(12), 0x86},
};

TEST(KeyMapping, ExtendedKeysGiveZeroAndTheScanCode) {
  for (const Expected& key : kExtendedKeys) {
    EXPECT_EQ(sdlText(key.sdl), extended(key.scanCode)) << SDL_GetKeyName(key.sdl);
    EXPECT_EQ(cursesText(KEY_CODE_YES, static_cast<wint_t>(key.curses)), extended(key.scanCode))
        << key.curses;
  }
}

TEST(KeyMapping, EditingKeysGiveTheirControlCodes) {
  EXPECT_EQ(sdlText(SDLK_RETURN), "\r");
  EXPECT_EQ(sdlText(SDLK_KP_ENTER), "\r");
  EXPECT_EQ(sdlText(SDLK_BACKSPACE), "\b");
  EXPECT_EQ(sdlText(SDLK_TAB), "\t");
  EXPECT_EQ(sdlText(SDLK_ESCAPE), "\x1b");
  EXPECT_EQ(sdlText(SDLK_c, KMOD_LCTRL), "\x03");

  EXPECT_EQ(cursesText(OK, 13), "\r");
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_ENTER), "\r");
  EXPECT_EQ(cursesText(OK, 127), "\b");  // the usual Backspace of a terminal
  EXPECT_EQ(cursesText(OK, 8), "\b");
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_BACKSPACE), "\b");
  EXPECT_EQ(cursesText(OK, 9), "\t");
  EXPECT_EQ(cursesText(OK, 27), "\x1b");
  EXPECT_EQ(cursesText(OK, 3), "\x03");
}

TEST(KeyMapping, PrintableKeysInTheWindowComeAsTextOnly) {
  // SDL also reports these as key presses; taking both would type twice.
  EXPECT_EQ(sdlText(SDLK_a), "(none)");
  EXPECT_EQ(sdlText(SDLK_c), "(none)");  // without Ctrl
  EXPECT_EQ(sdlText(SDLK_SPACE), "(none)");
  EXPECT_EQ(sdlText(SDLK_KP_8, KMOD_NUM), "(none)");  // Num Lock on: the digit, as text
  EXPECT_EQ(sdlText(SDLK_LSHIFT), "(none)");
  EXPECT_EQ(sdlText(SDLK_PRINTSCREEN), "(none)");
}

TEST(KeyMapping, KeypadWithoutNumLockIsTheCursorBlock) {
  EXPECT_EQ(sdlText(SDLK_KP_8), extended(0x48));
  EXPECT_EQ(sdlText(SDLK_KP_2), extended(0x50));
  EXPECT_EQ(sdlText(SDLK_KP_4), extended(0x4B));
  EXPECT_EQ(sdlText(SDLK_KP_6), extended(0x4D));
  EXPECT_EQ(sdlText(SDLK_KP_7), extended(0x47));
  EXPECT_EQ(sdlText(SDLK_KP_1), extended(0x4F));
  EXPECT_EQ(sdlText(SDLK_KP_9), extended(0x49));
  EXPECT_EQ(sdlText(SDLK_KP_3), extended(0x51));
  EXPECT_EQ(sdlText(SDLK_KP_0), extended(0x52));
  EXPECT_EQ(sdlText(SDLK_KP_PERIOD), extended(0x53));
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_A1), extended(0x47));
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_C3), extended(0x51));
}

TEST(KeyMapping, TerminalCharactersBecomeCodePage437) {
  EXPECT_EQ(cursesText(OK, L'a'), "a");
  EXPECT_EQ(cursesText(OK, L'~'), "~");
  EXPECT_EQ(cursesText(OK, L'\u00E9'), "\x82");    // e acute
  EXPECT_EQ(cursesText(OK, L'\u00B0'), "\xF8");    // degree sign
  EXPECT_EQ(cursesText(OK, L'\u20AC'), "(none)");  // euro: no code page 437 code
}

TEST(KeyMapping, KeysThePcHasNoCodeForAreIgnored) {
  EXPECT_EQ(cursesText(OK, 1), "(none)");   // Ctrl+A
  EXPECT_EQ(cursesText(OK, 10), "(none)");  // Ctrl+J
  EXPECT_EQ(cursesText(OK, 26), "(none)");  // Ctrl+Z, raw mode
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_RESIZE), "(none)");
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_MOUSE), "(none)");
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_F(13)), "(none)");  // Shift+F1
  EXPECT_EQ(cursesText(KEY_CODE_YES, KEY_B2), "(none)");     // keypad 5
  EXPECT_EQ(cursesText(ERR, 0), "(none)");
}

}  // namespace
