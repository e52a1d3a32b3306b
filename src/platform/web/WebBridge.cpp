#include "platform/web/WebBridge.hpp"

#include <emscripten.h>

// Each call hands over to the page controller of page.js, which the build
// puts in front of the program's JavaScript.

// clang-format off
EM_ASYNC_JS(int, tub_acquire_tab, (), {
  return (await Module.tubalyzer.acquireTab()) ? 1 : 0;
});

EM_JS(void, tub_open_folder, (const char* path), {
  Module.tubalyzer.openFolder(UTF8ToString(path));
});

EM_JS(void, tub_show_frame, (const std::uint8_t* rgba, int width, int height), {
  Module.tubalyzer.showFrame(rgba, width, height);
});

EM_ASYNC_JS(void, tub_wait_for_input, (int timeoutMs), {
  await Module.tubalyzer.waitForInput(timeoutMs);
});

EM_ASYNC_JS(void, tub_beep, (int hz, int ms), {
  await Module.tubalyzer.beep(hz, ms);
});

EM_JS(int, tub_paper_is_a4, (), {
  return Module.tubalyzer.paperIsA4() ? 1 : 0;
});

EM_JS(void, tub_show_print_view, (const char* title, const char* pages, double pageWidthPt,
                                  double pageHeightPt, double leftPt, double topPt,
                                  double widthPt, double heightPt), {
  Module.tubalyzer.showPrintView(UTF8ToString(title), UTF8ToString(pages), {
    pageWidthPt: pageWidthPt, pageHeightPt: pageHeightPt, leftPt: leftPt, topPt: topPt,
    widthPt: widthPt, heightPt: heightPt});
});

EM_JS(void, tub_ended, (const char* problem), {
  Module.tubalyzer.ended(UTF8ToString(problem));
});
// clang-format on

namespace web {

bool acquireTab() { return tub_acquire_tab() != 0; }

void openFolder(const std::string& path) { tub_open_folder(path.c_str()); }

void showFrame(const std::uint8_t* rgba, int width, int height) {
  tub_show_frame(rgba, width, height);
}

void waitForInput(int timeoutMs) { tub_wait_for_input(timeoutMs); }

void beep(int hz, int ms) { tub_beep(hz, ms); }

bool paperIsA4() { return tub_paper_is_a4() != 0; }

void showPrintView(const std::string& title, const std::string& pages,
                   const PageGeometry& geometry) {
  tub_show_print_view(title.c_str(), pages.c_str(), geometry.pageWidthPt, geometry.pageHeightPt,
                      geometry.leftPt, geometry.topPt, geometry.widthPt, geometry.heightPt);
}

void ended(const std::string& problem) { tub_ended(problem.c_str()); }

}  // namespace web
