// Runs the real program with a script of keys read from standard input,
// printing through the system's spooler (CupsPrinter), with no screen. When
// the keys run out the program ends as if its window had been closed. Then
// row 22, where a print command tells why nothing was printed, goes to
// standard output.
//
// Also: `print_script --silent-server PATH` listens on a Unix socket at PATH
// and never answers, for the check that printing gives up on such a server.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <iostream>
#include <iterator>
#include <string>

#include "app/Program.hpp"
#include "platform/cups/CupsPrinter.hpp"
#include "screen/Platform.hpp"
#include "screen/TextScreen.hpp"

namespace {

class ScriptedSpoolerPlatform final : public Platform {
 public:
  explicit ScriptedSpoolerPlatform(const std::string& keys) {
    for (const char key : keys) {
      keys_.push_back(InputKey::character(static_cast<std::uint8_t>(key)));
    }
  }

  void present(const TextScreen& /*screen*/) override {}
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> /*timeout*/) override {
    if (keys_.empty()) {
      throw PlatformClosed();
    }
    const InputKey key = keys_.front();
    keys_.pop_front();
    return key;
  }
  void beep() override {}
  PrinterOpen openDefaultPrinter() override { return printer_.openDefaultPrinter(); }
  PrintSubmission submitPrintJob(const PrintDocument& document) override {
    return {printer_.submitPrintJob(document), {}};
  }

 private:
  std::deque<InputKey> keys_;
  CupsPrinter printer_;
};

int silentServer(const char* path) {
  const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (listener < 0 || std::strlen(path) >= sizeof address.sun_path) {
    std::perror("socket");
    return 2;
  }
  std::strcpy(address.sun_path, path);
  unlink(path);
  if (bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, 16) != 0) {
    std::perror("bind/listen");
    return 2;
  }
  std::puts("listening");
  std::fflush(stdout);
  // Connections queue up in the backlog and are never accepted or answered.
  for (int second = 0; second < 600; ++second) {
    sleep(1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--silent-server") {
    return silentServer(argv[2]);
  }
  if (argc != 1) {
    std::fprintf(stderr, "usage: %s < keys   |   %s --silent-server PATH\n", argv[0], argv[0]);
    return 2;
  }
  const std::string keys((std::istreambuf_iterator<char>(std::cin)),
                         std::istreambuf_iterator<char>());
  ScriptedSpoolerPlatform platform(keys);
  Program program(platform);
  const int status = program.run();
  std::string message = program.console().screen().rowText(22);
  message.erase(message.find_last_not_of(' ') + 1);
  std::puts(message.c_str());
  return status;
}
