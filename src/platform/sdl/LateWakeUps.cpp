#include "platform/sdl/LateWakeUps.hpp"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

XErrorHandler previousHandler = nullptr;

int onXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

}  // namespace

void tolerateLateWakeUps() {
  if (previousHandler != nullptr) return;
  // Xlib's handler is one for the whole process, so this covers the
  // connections SDL opens through the same library. Set before SDL starts:
  // SDL puts back the handler it found when it shuts down, just before it
  // closes the connection on which the late error is reported.
  previousHandler = XSetErrorHandler(onXError);
}
