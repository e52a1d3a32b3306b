#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Single.hpp"
#include "model/Design.hpp"

// The element file: a design as a few lines of plain text. Line 1 holds the
// section count, then one line per section (tip first) with outside
// diameter, wall thickness, exposed and total length, then the title. Lines
// end with CR LF; numbers are written as the screen shows them. The antenna
// file has the same layout.
//
// Both directions work on bytes only; the screens around them do the file
// system work, so everything here is tested without a disk.

// An element file is a few hundred bytes; anything far larger is not one,
// and reading it whole would only stall the program.
inline constexpr std::size_t kMaxElementFileBytes = 1U << 20U;

// The bytes of the file for a design.
//
// Two things would not read back as written, so they are written with care:
// a negative value gets a blank in front of its "-" so that it does not run
// into the number before it, and a title holding a comma is put between
// double quotes so that it comes back whole. Designs without either are
// written exactly in the plain layout.
std::string writeElementFile(const ElementDesign& design);

// What a file says, read item by item as a typed line is.
struct ElementFileContents {
  Single count = 0;
  // Sections 1 to count, in order; filled only when the count is a whole
  // number from 0 to kMaxSections (else nothing after the count is read).
  // Numbers missing at the end of the file read as 0.
  std::vector<TubeSection> sections;
  std::string title;  // empty when missing
  // The file holds no item at all.
  bool blank = false;
  // The file ran out before the fourth number of the last section.
  bool endedEarly = false;
};

ElementFileContents readElementFile(std::string_view bytes);

// Why these contents must not replace the design in memory, as a short
// phrase for the user ("section count 16 is not 1 to 15"); empty when the
// file is a usable design. A missing title alone is fine.
std::optional<std::string> elementFileProblem(const ElementFileContents& contents);

// Replaces count, title and sections 1 to count of the design; the slots
// above the new count keep what they held. Call only for contents without
// a problem.
void applyElementFile(const ElementFileContents& contents, ElementDesign& design);
