// Gives each named keysym a key of its own in the X server's keyboard map,
// on keycodes that have none. xdotool types a character missing from the
// map by binding it to a spare key for a moment and unbinding it at once;
// a program that reads the key event after the unbinding sees no
// character. Bound beforehand, the characters are typed like any other.
//
// usage: tub_bind_keysyms KEYSYM...   (names as X spells them: eacute)

#include <X11/Xlib.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "%s: no X display\n", argv[0]);
    return 1;
  }
  int first = 0;
  int last = 0;
  XDisplayKeycodes(display, &first, &last);
  int perCode = 0;
  KeySym* map =
      XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perCode);
  std::vector<int> spare;
  for (int code = first; code <= last; ++code) {
    bool unused = true;
    for (int i = 0; i < perCode; ++i) {
      unused = unused && map[(code - first) * perCode + i] == NoSymbol;
    }
    if (unused) spare.push_back(code);
  }
  XFree(map);
  int status = 0;
  for (int arg = 1; arg < argc; ++arg) {
    KeySym symbol = XStringToKeysym(argv[arg]);
    if (symbol == NoSymbol || spare.empty()) {
      std::fprintf(stderr, "%s: cannot bind %s\n", argv[0], argv[arg]);
      status = 1;
      continue;
    }
    XChangeKeyboardMapping(display, spare.back(), 1, &symbol, 1);
    spare.pop_back();
  }
  XSync(display, False);
  XCloseDisplay(display);
  return status;
}
