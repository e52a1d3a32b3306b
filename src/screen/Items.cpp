#include "screen/Items.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace {

// Longest number item kept; the rest of an over-long item, up to its
// separator, is dropped rather than read as further items.
constexpr std::size_t kMaxNumberItem = 67;
// Longest text item kept, likewise.
constexpr std::size_t kMaxTextItem = 4096;

bool isBlankOrTab(char ch) { return ch == ' ' || ch == '\t'; }
bool isLineEnd(char ch) { return ch == '\r' || ch == '\n'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// ---------------------------------------------------------------------------
// Number conversion
//
// Every result is a float rounded correctly from the digits as typed (not
// through a double, which would round twice and now and then give the
// neighbouring float). Out of range:
// - a magnitude beyond the largest float (1e39, 400 digits, &H with many
//   digits) gives the largest finite float with the sign, never infinity,
//   so that nothing downstream sees a non-finite value;
// - a magnitude too small for even the smallest subnormal float rounds to
//   0; values in the subnormal range round to the nearest subnormal, as any
//   correct rounding does;
// - zero is always +0, also for "-0" or "-1e-99".

constexpr Single kLargest = std::numeric_limits<Single>::max();

// Keeps the arithmetic on exponents safe for any number of exponent digits.
constexpr std::int64_t kExponentLimit = 1000000000;

Single withSign(bool negative, Single magnitude) {
  if (magnitude == 0.0F) return 0.0F;
  return negative ? -magnitude : magnitude;
}

// 0.<digits> x 10^exponent, digits starting with a non-zero digit.
Single decimalMagnitude(std::string digits, std::int64_t exponent) {
  // Beyond these the answer is clear without reading: 0.1e40 already
  // exceeds the largest float, 0.999e-46 lies below half the smallest
  // subnormal.
  if (exponent >= 40) return kLargest;
  if (exponent <= -46) return 0.0F;
  // A float's rounding is decided within its first ~115 significant
  // digits; a '1' standing in for any further non-zero digits keeps a
  // tie from being mistaken for an exact half.
  constexpr std::size_t kKeptDigits = 200;
  if (digits.size() > kKeptDigits) {
    const bool moreNonZero = digits.find_first_not_of('0', kKeptDigits) != std::string::npos;
    digits.resize(kKeptDigits);
    if (moreNonZero) digits += '1';
  }
  const std::string text = "0." + digits + "e" + std::to_string(exponent);
  Single magnitude = 0.0F;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) return exponent > 0 ? kLargest : 0.0F;
  if (result.ec != std::errc{}) return 0.0F;
  return magnitude;
}

// The longest beginning of `text` that forms a decimal number: sign,
// digits, point, digits, then an exponent (E or D, either case) only when
// it has digits. A whole number is the same form without point and
// exponent, so it goes through here too and cannot overflow an integer.
Single decimalPrefix(std::string_view text) {
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  std::string digits;
  std::int64_t pointPosition = 0;  // digits before the point
  bool anyDigit = false;
  bool pastPoint = false;
  for (; pos < text.size(); ++pos) {
    const char ch = text[pos];
    if (isDigit(ch)) {
      anyDigit = true;
      if (digits.empty() && ch == '0') {
        if (pastPoint) --pointPosition;  // leading zeros after the point
        continue;
      }
      digits += ch;
      if (!pastPoint) ++pointPosition;
    } else if (ch == '.' && !pastPoint) {
      pastPoint = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return 0.0F;

  std::int64_t exponent = 0;
  if (pos < text.size() && std::string_view("EeDd").find(text[pos]) != std::string_view::npos) {
    std::size_t exponentPos = pos + 1;
    bool exponentNegative = false;
    if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
      exponentNegative = text[exponentPos] == '-';
      ++exponentPos;
    }
    for (; exponentPos < text.size() && isDigit(text[exponentPos]); ++exponentPos) {
      exponent = std::min(exponent * 10 + (text[exponentPos] - '0'), kExponentLimit);
    }
    if (exponentNegative) exponent = -exponent;
  }

  const auto lastNonZero = digits.find_last_not_of('0');
  if (lastNonZero == std::string::npos) return 0.0F;
  digits.erase(lastNonZero + 1);
  // pointPosition is bounded by the text length, the exponent by the limit.
  return withSign(negative, decimalMagnitude(std::move(digits), pointPosition + exponent));
}

int digitValue(char ch) {
  if (isDigit(ch)) return ch - '0';
  const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
  return 99;
}

// Hexadecimal, octal or binary digits after "&H", "&O" or "&B"; reading
// stops at the first character that is not a digit of the base. The value
// is a plain magnitude (no sixteen-bit wrap-around).
Single radixPrefix(std::string_view digitsText, int bitsPerDigit) {
  const int base = 1 << bitsPerDigit;
  std::string bits;
  for (const char ch : digitsText) {
    const int digit = digitValue(ch);
    if (digit >= base) break;
    for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
      const bool set = ((digit >> bit) & 1) != 0;
      if (bits.empty() && !set) continue;  // leading zeros
      bits += set ? '1' : '0';
    }
  }
  if (bits.empty()) return 0.0F;
  if (bits.size() > 128) return kLargest;
  // Regroup into hexadecimal digits, which the library rounds correctly.
  bits.insert(0, (4 - bits.size() % 4) % 4, '0');
  std::string hex;
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                       (bits[i + 3] - '0');
    hex += "0123456789abcdef"[nibble];
  }
  Single magnitude = 0.0F;
  const auto result =
      std::from_chars(hex.data(), hex.data() + hex.size(), magnitude, std::chars_format::hex);
  if (result.ec != std::errc{}) return kLargest;
  return magnitude;
}

// "&H", "&O" or "&B" (either case) at the start: the number in that base.
bool hasRadixPrefix(std::string_view text) {
  if (text.size() < 2 || text[0] != '&') return false;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
  return letter == 'H' || letter == 'O' || letter == 'B';
}

Single radixNumber(std::string_view text) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
  const int bitsPerDigit = letter == 'H' ? 4 : (letter == 'O' ? 3 : 1);
  return radixPrefix(text.substr(2), bitsPerDigit);
}

}  // namespace

Single convertNumberItem(std::string_view item) {
  while (!item.empty() && isBlankOrTab(item.front())) item.remove_prefix(1);
  if (hasRadixPrefix(item)) return radixNumber(item);
  // An item with a point or an exponent letter is a decimal number, any
  // other a whole number of sign and digits; read by the same longest-prefix
  // rule, both come to the same value.
  return decimalPrefix(item);
}

Single numericValueOfText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (hasRadixPrefix(text)) return radixNumber(text);
  return decimalPrefix(text);
}

// ---------------------------------------------------------------------------
// Item splitting

ItemScanner::ItemScanner(std::string text) : text_(std::move(text)) {}

namespace {

void skipBlanksAndTabs(const std::string& text, std::size_t& pos) {
  while (pos < text.size() && isBlankOrTab(text[pos])) ++pos;
}

// One line end: CR LF, LF alone or CR alone.
bool consumeLineEnd(const std::string& text, std::size_t& pos) {
  if (pos >= text.size()) return false;
  if (text[pos] == '\r') {
    ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
    return true;
  }
  if (text[pos] == '\n') {
    ++pos;
    return true;
  }
  return false;
}

// The one comma or line end that closes an item.
void consumeSeparator(const std::string& text, std::size_t& pos) {
  if (pos < text.size() && text[pos] == ',') {
    ++pos;
    return;
  }
  consumeLineEnd(text, pos);
}

}  // namespace

Single ItemScanner::nextNumber() {
  skipBlanksAndTabs(text_, pos_);
  const std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !isBlankOrTab(text_[pos_]) &&
         !isLineEnd(text_[pos_])) {
    ++pos_;
  }
  const std::string_view item =
      std::string_view(text_).substr(start, std::min(pos_ - start, kMaxNumberItem));
  // "3 ,4" is two items: blanks after a number do not end the search for
  // its comma.
  skipBlanksAndTabs(text_, pos_);
  consumeSeparator(text_, pos_);
  return convertNumberItem(item);
}

std::string ItemScanner::nextText() {
  skipBlanksAndTabs(text_, pos_);
  if (pos_ < text_.size() && text_[pos_] == '"') {
    // Quoted: commas inside belong to the text; the quotes do not.
    const std::size_t start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && !isLineEnd(text_[pos_])) ++pos_;
    std::string item = text_.substr(start, std::min(pos_ - start, kMaxTextItem));
    if (pos_ < text_.size() && text_[pos_] == '"') {
      ++pos_;
      skipBlanksAndTabs(text_, pos_);
      consumeSeparator(text_, pos_);
    } else {
      consumeLineEnd(text_, pos_);  // no closing quote: the line end closes it
    }
    return item;
  }
  // Unquoted: inner and trailing blanks are part of the text.
  const std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
  std::string item = text_.substr(start, std::min(pos_ - start, kMaxTextItem));
  consumeSeparator(text_, pos_);
  return item;
}

bool ItemScanner::atEnd() const {
  return std::all_of(text_.begin() + static_cast<std::ptrdiff_t>(std::min(pos_, text_.size())),
                     text_.end(), isBlankOrTab);
}
