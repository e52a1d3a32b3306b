#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Single.hpp"

// Takes items one after another from a typed line or a whole file: number
// items end at a comma, blank, tab or line end; text items at a comma or
// line end (or run between double quotes). After a number item blanks and
// tabs are skipped and one comma or one line end (CR LF, LF or CR) that
// follows is consumed. Missing items read as 0 or as empty text.
class ItemScanner {
 public:
  explicit ItemScanner(std::string text);
  Single nextNumber();
  std::string nextText();
  bool atEnd() const;  // nothing but blanks and tabs left

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

// One number item: decimal when it holds ".", "E", "e", "D" or "d" (longest
// valid prefix), else a whole number from its sign and digits; &H, &O, &B
// prefixes; 0 when it does not begin with a number.
Single convertNumberItem(std::string_view item);

// The number a text begins with: leading blanks skipped, commas not special
// ("1,5" gives 1).
Single numericValueOfText(std::string_view text);
