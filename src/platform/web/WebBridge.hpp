#pragma once

#include <cstdint>
#include <string>

#include "screen/Platform.hpp"

// The calls from the program into its page (page.js). Those that wait
// suspend the program (Asyncify) and give the browser back its thread until
// they are done; nothing here spins.
namespace web {

// The one tab that may run the program; false, with the page saying so,
// when another tab of the same site already does.
bool acquireTab();

// Mounts the browser's storage at `path`, makes it the current folder and
// starts loading the files kept there. Key waits hold back until they are
// loaded, and write the folder back whenever it changed.
void openFolder(const std::string& path);

// Shows a 640 x 350 frame of R, G, B, A bytes.
void showFrame(const std::uint8_t* rgba, int width, int height);

// Returns once a key was delivered, or after `timeoutMs`; a negative
// timeout never ends.
void waitForInput(int timeoutMs);

// A tone of `hz` for `ms`; returns when it has ended.
void beep(int hz, int ms);

// The paper chosen on the page: true for A4, false for Letter.
bool paperIsA4();

// Lays out a print-only view (pages split by form feeds, lines by line
// feeds, UTF-8) on the given page and opens the browser's print dialog
// without waiting for it.
void showPrintView(const std::string& title, const std::string& pages,
                   const PageGeometry& geometry);

// The program has ended: the page says so and writes the folder back.
void ended(const std::string& problem);

}  // namespace web
