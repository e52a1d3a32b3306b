#pragma once

// SDL wakes its waiting event loop by sending an X event to the window over
// a second connection to the X server. When one of its threads (sound
// device hot-plugging, or our signal watcher) pushes an event just as the
// window goes, that message can reach the server after the window has
// gone. The server answers BadWindow, and Xlib's default handler prints it
// and ends the process with status 1, after the user has already quit.
// This lets exactly that error pass quietly and hands every other one on
// to the handler that was there before. Call it before SDL_Init.
void tolerateLateWakeUps();
