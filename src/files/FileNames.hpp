#pragma once

#include <string>
#include <string_view>

// File names live in two alphabets: the screen and the keyboard speak code
// page 437, the file system stores UTF-8. Names are converted at that
// border; what is inside a file stays bytes.

// A typed name as the file system spells it.
std::string cp437ToUtf8(std::string_view name);

// A stored name as the screen can show it. Characters that code page 437
// lacks, control characters and bytes that are not UTF-8 show as "?".
std::string utf8ToCp437(std::string_view name);

// A stored name as text that is UTF-8 throughout: every byte that is not
// part of well-formed UTF-8 becomes U+FFFD.
std::string wellFormedUtf8(std::string_view name);

// Whether two stored names are the same apart from letter case (the Latin
// letters, accented ones included, and the Greek ones).
bool sameNameIgnoringCase(std::string_view left, std::string_view right);

// Whether a stored name ends in ".ele" in any letter case.
bool hasElementExtension(std::string_view name);
