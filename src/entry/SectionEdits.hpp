#pragma once

#include <optional>

#include "common/Single.hpp"
#include "model/Design.hpp"

// The decisions behind data entry and the section commands, kept apart from
// the screens so that every typed number can be checked without a keyboard.

// A section count the model can hold: a whole number from 1 to MaxSections.
// Anything else (0, 2.5, 16, text read as 0, an overflow) is asked again.
bool isAcceptableSectionCount(Single count);

// The slot of a typed section number when it names one of sections 1 to
// `count`; empty otherwise. The range test is made on the number as typed
// (so 0.9 and count + 0.1 are refused); a number inside the range selects
// its slot rounded half to even, as CHANGE does: 2.5 is section 2, 3.5 is
// section 4. NaN and infinities are refused.
std::optional<int> chosenSection(Single number, Single count);

// How many slots the stored count covers, as a whole number within the
// storage (0 to 20). The loops that move sections use it, so that a count
// read from elsewhere can never walk past the arrays.
int slotsInUse(Single count);

// Opens a place after section `after` (1 to count): the count rises by one,
// sections after it move one slot towards the base, and the new section
// starts as a copy of section `after`. The caller has made sure there is
// room (count below MaxSections).
void openSectionAfter(ElementDesign& element, int after);

// Removes section `slot` (1 to count): the sections after it move one slot
// towards the tip and the count drops by one. The slot the last section
// left keeps its stale values, which nothing shows.
void removeSection(ElementDesign& element, int slot);

// The values a section form accepts. Both forms refuse a wall thicker than
// half the outside diameter; a tube with no diameter or a negative size is
// refused as well. A solid rod (wall exactly half the OD), a zero wall, zero
// lengths and a total length shorter than the exposed one are allowed.
bool isAcceptableDiameter(Single outsideDiameter);
bool isAcceptableWall(Single outsideDiameter, Single wallThickness);
bool isAcceptableLength(Single length);
