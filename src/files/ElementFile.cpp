#include "files/ElementFile.hpp"

#include <cmath>
#include <string>

#include "screen/Channel.hpp"
#include "screen/Items.hpp"
#include "screen/NumberText.hpp"

namespace {

// A number as the file holds it. A non-negative number already begins with
// its own blank; a negative one begins with "-" and would otherwise stick to
// the number before it, so that both read back as one item.
std::string fileNumber(Single value) {
  std::string text = numberText(value);
  if (!text.empty() && text.front() == '-') {
    text.insert(text.begin(), ' ');
  }
  return text;
}

// The title as the file holds it. An unquoted title ends at its first comma
// when read back; between double quotes the comma stays part of it.
std::string fileTitle(const std::string& title) {
  if (title.find(',') == std::string::npos) {
    return title;
  }
  return '"' + title + '"';
}

// The number of sections a count stands for, within the storage.
int sectionsToWrite(Single count) {
  const std::optional<int> slot = sectionSlot(count);
  return slot ? *slot : 0;
}

bool isBlankOrLineEnd(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

// The part of the file that can hold items. Old DOS editors end a text file
// with Ctrl+Z; nothing after it is data. Empty lines and blanks after the
// last item hold no item either; cutting them lets the scanner tell that the
// file has run out. The blanks directly after the last item stay, because a
// title keeps its trailing blanks.
std::string itemText(std::string_view bytes) {
  const std::size_t eof = bytes.find('\x1a');
  if (eof != std::string_view::npos) {
    bytes = bytes.substr(0, eof);
  }
  std::size_t end = bytes.size();
  while (end > 0 && isBlankOrLineEnd(bytes[end - 1])) {
    --end;
  }
  while (end < bytes.size() && (bytes[end] == ' ' || bytes[end] == '\t')) {
    ++end;
  }
  return std::string(bytes.substr(0, end));
}

bool isWholeSectionCount(Single count) {
  return std::isfinite(count) && count >= 0.0F && count <= Single(kMaxSections) &&
         std::floor(count) == count;
}

}  // namespace

std::string writeElementFile(const ElementDesign& design) {
  StringChannel file;
  file.print(fileNumber(design.sectionCount), Ending::EndLine);
  const int count = sectionsToWrite(design.sectionCount);
  for (int i = 1; i <= count; ++i) {
    const TubeSection& section = design.sections[static_cast<std::size_t>(i)];
    file.print(fileNumber(section.outsideDiameter), Ending::Stay);
    file.print(fileNumber(section.wallThickness), Ending::Stay);
    file.print(fileNumber(section.exposedLength), Ending::Stay);
    file.print(fileNumber(section.totalLength), Ending::EndLine);
  }
  file.print(fileTitle(design.title), Ending::EndLine);
  return file.bytes();
}

ElementFileContents readElementFile(std::string_view bytes) {
  ElementFileContents contents;
  ItemScanner items(itemText(bytes));
  contents.blank = items.atEnd();
  contents.count = items.nextNumber();
  if (!isWholeSectionCount(contents.count)) {
    // Where the sections would end is unknown, so nothing else is read.
    return contents;
  }
  const int count = static_cast<int>(contents.count);
  contents.sections.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) {
    TubeSection section;
    section.outsideDiameter = items.nextNumber();
    section.wallThickness = items.nextNumber();
    section.exposedLength = items.nextNumber();
    if (i == count && items.atEnd()) {
      contents.endedEarly = true;
    }
    section.totalLength = items.nextNumber();
    contents.sections.push_back(section);
  }
  contents.title = items.nextText();
  return contents;
}

std::optional<std::string> elementFileProblem(const ElementFileContents& contents) {
  if (contents.blank) {
    return "the file is empty";
  }
  if (!isWholeSectionCount(contents.count) || contents.count < 1.0F) {
    std::string count = numberText(contents.count);
    if (!count.empty() && count.front() == ' ') {
      count.erase(0, 1);
    }
    return "section count " + count + " is not 1 to " + std::to_string(kMaxSections);
  }
  if (contents.endedEarly) {
    return "the file ends before its last section";
  }
  return std::nullopt;
}

void applyElementFile(const ElementFileContents& contents, ElementDesign& design) {
  design.sectionCount = contents.count;
  for (std::size_t i = 0; i < contents.sections.size() && i + 1 < design.sections.size(); ++i) {
    design.sections[i + 1] = contents.sections[i];
  }
  design.title = contents.title;
}
