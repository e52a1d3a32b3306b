// Starts a program and measures it from the outside, on the X server in
// DISPLAY: the time until its window first shows a frame with both the
// screen's bright blue and bright white in it, then (with --hold) the CPU
// it uses while it sits waiting for a key, and its peak resident memory.
// Ends the program with SIGTERM.
//
// usage: frame_timer [--hold SECONDS] PROGRAM [ARGS...]
// prints: first_frame_ms=... [idle_cpu_percent=...] peak_rss_kb=...

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long cpuTicks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const auto close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  long utime = 0;
  long stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stol(field);
    if (i == 15) stime = std::stol(field);
  }
  return utime + stime;
}

long peakRssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

bool ownedBy(Display* display, Window window, pid_t pid) {
  static const Atom kPid = XInternAtom(display, "_NET_WM_PID", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  bool owned = false;
  if (XGetWindowProperty(display, window, kPid, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr && count == 1 && format == 32) {
    owned = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
  }
  if (data != nullptr) XFree(data);
  return owned;
}

// The frame is there when the window shows the screen's two colours.
bool showsFrame(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return false;
  }
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  bool blue = false;
  bool white = false;
  for (int y = 0; y < image->height && !(blue && white); y += 2) {
    for (int x = 0; x < image->width; x += 2) {
      const unsigned long pixel = XGetPixel(image, x, y) & 0xFFFFFF;
      blue = blue || pixel == 0x5555FF;
      white = white || pixel == 0xFFFFFF;
    }
  }
  XDestroyImage(image);
  return blue && white;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }  // windows come and go

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  int holdSeconds = 0;
  if (argc > 2 && std::strcmp(argv[1], "--hold") == 0) {
    holdSeconds = std::atoi(argv[2]);
    first = 3;
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: %s [--hold SECONDS] PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "%s: no X display\n", argv[0]);
    return 1;
  }
  XSetErrorHandler(ignoreErrors);
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[first], argv + first);
    _exit(127);
  }
  double firstFrameMs = -1.0;
  while (firstFrameMs < 0.0 && Clock::now() - start < std::chrono::seconds(30)) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
      for (unsigned int i = 0; i < count && firstFrameMs < 0.0; ++i) {
        if (ownedBy(display, children[i], child) && showsFrame(display, children[i])) {
          firstFrameMs =
              std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
      }
      if (children != nullptr) XFree(children);
    }
    if (firstFrameMs < 0.0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::printf("first_frame_ms=%.1f", firstFrameMs);
  if (holdSeconds > 0 && firstFrameMs >= 0.0) {
    std::this_thread::sleep_for(std::chrono::seconds(1));  // let start-up settle
    const long before = cpuTicks(child);
    std::this_thread::sleep_for(std::chrono::seconds(holdSeconds));
    const long after = cpuTicks(child);
    const double percent =
        100.0 * static_cast<double>(after - before) / static_cast<double>(sysconf(_SC_CLK_TCK)) /
        holdSeconds;
    std::printf(" idle_cpu_percent=%.2f", percent);
  }
  std::printf(" peak_rss_kb=%ld\n", peakRssKb(child));
  kill(child, SIGTERM);
  int status = 0;
  waitpid(child, &status, 0);
  XCloseDisplay(display);
  return firstFrameMs >= 0.0 ? 0 : 1;
}
