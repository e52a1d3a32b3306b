#pragma once

// What the program uses that the libraries of Debian's emscripten (3.1.6:
// libc++ 14, musl) lack; the build puts this in front of every file of the
// program, and LibraryGaps.cpp holds the C functions.
//
// std::from_chars for float and double reads through the C library's
// strtof and strtod, which round correctly (musl), with from_chars' own
// rules on top: no leading blanks or '+', hexadecimal without "0x", and a
// value too large or too small for the type reported as out of range and
// left alone.
#include <version>

#if !defined(__cpp_lib_to_chars)

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace std {

template <class Value>
inline from_chars_result tubFloatFromChars(const char* first, const char* last, Value& value,
                                           chars_format format) {
  const bool negative = first != last && *first == '-';
  const char* digits = negative ? first + 1 : first;
  const bool hex = format == chars_format::hex;
  if (digits == last || *digits == '+' || *digits == ' ' || *digits == '\t' || *digits == '\n' ||
      *digits == '\v' || *digits == '\f' || *digits == '\r') {
    return {first, errc::invalid_argument};
  }
  // strtod would read "0x..." as hexadecimal; from_chars reads only its 0.
  if (!hex && last - digits >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    value = negative ? Value(-0.0) : Value(0.0);
    return {digits + 1, errc{}};
  }
  std::string text = negative ? "-" : "";
  if (hex) text += "0x";
  const std::size_t prefix = text.size();
  text.append(digits, last);
  char* end = nullptr;
  const int savedErrno = errno;
  errno = 0;
  Value read{};
  if constexpr (std::is_same_v<Value, float>) {
    read = std::strtof(text.c_str(), &end);
  } else {
    read = std::strtod(text.c_str(), &end);
  }
  const bool range = errno == ERANGE;
  errno = savedErrno;
  const std::size_t used = static_cast<std::size_t>(end - text.c_str());
  if (used <= prefix) return {first, errc::invalid_argument};
  const char* stop = digits + (used - prefix);
  // Subnormal results are values; only zero or infinity from a range
  // error mean the number does not fit.
  if (range && (read == Value(0) || std::isinf(read))) return {stop, errc::result_out_of_range};
  value = read;
  return {stop, errc{}};
}

inline from_chars_result from_chars(const char* first, const char* last, float& value,
                                    chars_format format = chars_format::general) {
  return tubFloatFromChars(first, last, value, format);
}

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format format = chars_format::general) {
  return tubFloatFromChars(first, last, value, format);
}

}  // namespace std

#endif

// renameat2 with RENAME_NOREPLACE, as glibc declares it: a rename that
// refuses to replace.
#include <stdio.h>

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
extern "C" int renameat2(int oldFolder, const char* oldName, int newFolder, const char* newName,
                         unsigned int flags);
#endif
