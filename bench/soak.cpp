// Soak: a million (or argv[1]) random keys through the whole headless
// program, in a scratch directory, reporting keys per second and the
// resident memory at the start and at the end. The keys lean towards the
// ones the screens answer to, so the run keeps moving through every screen;
// the path separator is never typed, so files stay in the scratch directory.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/Program.hpp"
#include "screen/Platform.hpp"

namespace {

long residentKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(prefix, 0) == 0) {
      return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
  }
  return -1;
}

class SoakPlatform final : public Platform {
 public:
  explicit SoakPlatform(long keys) : remaining_(keys) {}

  void present(const TextScreen& /*screen*/) override {}

  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> /*timeout*/) override {
    if (remaining_-- <= 0) {
      throw PlatformClosed();
    }
    ++typed_;
    if (typed_ == 100000) {
      rssAtStart_ = residentKiB("VmRSS");
    }
    static constexpr char kKeys[] = "nNyYoOeEsSrRvVtThHcCaAdDpPmMgGq0123456789.-\r\r\r\r  ,x?";
    const std::size_t pick = random_() % (sizeof kKeys - 1 + 4);
    if (pick >= sizeof kKeys - 1) {
      return InputKey::named(static_cast<SpecialKey>(1 + random_() % 22));
    }
    return InputKey::character(static_cast<std::uint8_t>(kKeys[pick]));
  }

  void beep() override {}
  PrinterOpen openDefaultPrinter() override { return {PageGeometry{}, ""}; }
  PrintSubmission submitPrintJob(const PrintDocument& /*document*/) override { return {}; }

  long typed() const { return typed_; }
  long rssAtStart() const { return rssAtStart_; }

 private:
  long remaining_;
  long typed_ = 0;
  long rssAtStart_ = -1;
  std::mt19937 random_{20101005};
};

}  // namespace

int main(int argc, char** argv) {
  const long keys = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000000;
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("tubalyzer-soak-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);

  SoakPlatform platform(keys);
  const auto start = std::chrono::steady_clock::now();
  long runs = 0;
  while (platform.typed() < keys) {
    // Quit ends a run; the next one starts from the title screen again.
    Program program(platform);
    (void)program.run();
    ++runs;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::filesystem::current_path("/");
  std::filesystem::remove_all(scratch);
  std::printf("keys: %ld in %ld runs, %.1f s, %.0f keys per second\n", platform.typed(), runs,
              seconds, static_cast<double>(platform.typed()) / seconds);
  std::printf("resident memory: %ld KiB after 100000 keys, %ld KiB at the end, peak %ld KiB\n",
              platform.rssAtStart(), residentKiB("VmRSS"), residentKiB("VmHWM"));
  return 0;
}
