// The element file reader over arbitrary bytes, with a round trip as a
// property: a file the recall screens accept, written again and read back,
// gives the same count and title and every value as its seven-digit
// rounding, and writing it once more gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "SevenDigits.hpp"
#include "files/ElementFile.hpp"

namespace {

bool sameBits(Single a, Single b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool writtenAs(Single readBack, Single original) {
  return sameBits(readBack, sevenDigitRounding(original)) ||
         (readBack == 0.0F && original == 0.0F);
}

bool sameSection(const TubeSection& again, const TubeSection& first) {
  return writtenAs(again.outsideDiameter, first.outsideDiameter) &&
         writtenAs(again.wallThickness, first.wallThickness) &&
         writtenAs(again.exposedLength, first.exposedLength) &&
         writtenAs(again.totalLength, first.totalLength);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ElementFileContents contents = readElementFile(bytes);
  if (contents.sections.size() > static_cast<std::size_t>(kMaxSections)) {
    std::abort();
  }
  if (elementFileProblem(contents).has_value()) {
    return 0;
  }

  ElementDesign design;
  applyElementFile(contents, design);
  const std::string written = writeElementFile(design);
  const ElementFileContents again = readElementFile(written);
  if (elementFileProblem(again).has_value() || !sameBits(again.count, contents.count) ||
      again.sections.size() != contents.sections.size()) {
    std::abort();
  }
  for (std::size_t i = 0; i < contents.sections.size(); ++i) {
    if (!sameSection(again.sections[i], contents.sections[i])) {
      std::abort();
    }
  }
  // Titles without a comma are written as they stand, so leading blanks and
  // a leading double quote cannot come back (the reader skips and takes
  // them); nor can a title holding both a comma and a double quote. Every
  // other title must survive.
  const std::string& title = contents.title;
  const bool unrepresentable =
      (!title.empty() && (title.front() == ' ' || title.front() == '\t' || title.front() == '"')) ||
      (title.find(',') != std::string::npos && title.find('"') != std::string::npos);
  if (unrepresentable) {
    return 0;
  }
  if (again.title != contents.title) {
    std::abort();
  }
  ElementDesign reread;
  applyElementFile(again, reread);
  if (writeElementFile(reread) != written) {
    std::abort();
  }
  return 0;
}
