// The whole program fed arbitrary key streams from the title screen on, with
// a fake spooler, in the working directory the fuzz script gives it. After
// every key: a design that exists has a whole section count from 1 to 15,
// the current section stays within the storage, the cursor on the grid, and
// the memory in use does not grow with the number of keys.
// The path separator is not in the key alphabet, so files stay in the
// working directory.
#include <sanitizer/allocator_interface.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/Program.hpp"
#include "screen/Key.hpp"
#include "screen/Platform.hpp"
#include "screen/TextScreen.hpp"

namespace {

constexpr int kSpecialKeys = static_cast<int>(SpecialKey::F12);

class FuzzPlatform final : public Platform {
 public:
  FuzzPlatform(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  void watch(Program& program) {
    program_ = &program;
    baselineBytes_ = __sanitizer_get_current_allocated_bytes();
  }

  void present(const TextScreen& /*screen*/) override {}

  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> /*timeout*/) override {
    checkInvariants();
    if (at_ >= size_) {
      throw PlatformClosed();
    }
    const std::uint8_t b = data_[at_++];
    if (b >= 0xF0) {
      return InputKey::named(static_cast<SpecialKey>(1 + b % kSpecialKeys));
    }
    if (b == '/' || b == 0) {
      return InputKey::character('_');
    }
    return InputKey::character(b);
  }

  void beep() override {}

  PrinterOpen openDefaultPrinter() override {
    if (size_ % 3 == 0) {
      return {std::nullopt, "No default printer."};
    }
    return {PageGeometry{}, ""};
  }

  PrintSubmission submitPrintJob(const PrintDocument& document) override {
    for (const auto& page : document.pages) {
      if (page.size() > 75) {
        std::abort();
      }
    }
    return {size_ % 5 == 0 ? "The spooler refused the job." : "", {}};
  }

 private:
  void checkInvariants() const {
    if (program_ == nullptr) {
      return;
    }
    const DesignModel& design = program_->design();
    const Single count = design.element.sectionCount;
    const bool wholeCount =
        std::floor(count) == count && count >= 1.0F && count <= static_cast<Single>(kMaxSections);
    if (design.gates.designPresent && !wholeCount) {
      std::abort();
    }
    if (count != 0.0F && !wholeCount) {
      std::abort();
    }
    const Single n = design.element.currentSection;
    if (!(n >= 0.0F && n <= static_cast<Single>(kMaxSections + 1))) {
      std::abort();
    }
    // A line is at most 255 characters and an item 4096: a few such copies
    // are all that may ever be added to what the program held at start.
    constexpr std::size_t kHeadroomBytes = 1U << 20U;
    if (__sanitizer_get_current_allocated_bytes() > baselineBytes_ + kHeadroomBytes) {
      std::abort();
    }
    const TextScreen& screen = program_->console().screen();
    if (screen.cursorRow() < 1 || screen.cursorRow() > TextScreen::kRows ||
        screen.cursorColumn() < 1 || screen.cursorColumn() > TextScreen::kColumns) {
      std::abort();
    }
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  Program* program_ = nullptr;
  std::size_t baselineBytes_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzPlatform platform(data, size);
  Program program(platform);
  platform.watch(program);
  if (program.run() != 0) {
    std::abort();
  }
  return 0;
}
