#pragma once

// Reads the shared reference vectors: one JSON object a line. Only what
// those files hold is understood (objects, arrays, strings with the usual
// escapes, numbers, true, false, null). Anything malformed throws, and so
// does a file that cannot be opened: a damaged or missing data file must
// fail the test that reads it, never pass quietly.

#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace testvectors {

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0.0;
  std::string text;  // a string's contents, or a number as written
  std::vector<Value> items;
  std::map<std::string, Value, std::less<>> members;

  bool has(std::string_view key) const {
    return kind == Kind::Object && members.find(key) != members.end();
  }
  const Value& operator[](std::string_view key) const {
    const auto it = members.find(key);
    if (kind != Kind::Object || it == members.end()) {
      throw std::runtime_error("missing key: " + std::string(key));
    }
    return it->second;
  }
  const Value& operator[](std::size_t index) const {
    if (kind != Kind::Array || index >= items.size()) throw std::runtime_error("bad index");
    return items[index];
  }
  const std::string& str() const {
    if (kind != Kind::String) throw std::runtime_error("not a string");
    return text;
  }
  double num() const {
    if (kind != Kind::Number) throw std::runtime_error("not a number");
    return number;
  }
  bool flag() const {
    if (kind != Kind::Bool) throw std::runtime_error("not true or false");
    return boolean;
  }
  // An 8-digit hex text of IEEE single bits ("3d6d9168") as its float.
  float bitsAsFloat() const {
    const std::string& hex = str();
    if (hex.size() != 8) throw std::runtime_error("bits are not 8 hex digits: " + hex);
    std::uint32_t raw = 0;
    for (const char ch : hex) {
      std::uint32_t digit = 0;
      if (ch >= '0' && ch <= '9') {
        digit = static_cast<std::uint32_t>(ch - '0');
      } else if (ch >= 'a' && ch <= 'f') {
        digit = static_cast<std::uint32_t>(ch - 'a' + 10);
      } else if (ch >= 'A' && ch <= 'F') {
        digit = static_cast<std::uint32_t>(ch - 'A' + 10);
      } else {
        throw std::runtime_error("bad hex digit in bits: " + hex);
      }
      raw = raw * 16U + digit;
    }
    float value = 0.0F;
    std::memcpy(&value, &raw, sizeof value);
    return value;
  }
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Value parseDocument() {
    Value value = parseValue();
    skipSpace();
    if (pos_ != text_.size()) fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
  }
  void skipSpace() {
    while (pos_ < text_.size() && std::strchr(" \t\r\n", text_[pos_]) != nullptr) ++pos_;
  }
  char peek() {
    skipSpace();
    if (pos_ >= text_.size()) fail("unexpected end");
    return text_[pos_];
  }
  void expect(char ch) {
    if (peek() != ch) fail(std::string("expected '") + ch + "'");
    ++pos_;
  }
  bool literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  Value parseValue() {
    Value value;
    const char ch = peek();
    if (ch == '{') {
      value.kind = Value::Kind::Object;
      ++pos_;
      if (peek() == '}') {
        ++pos_;
        return value;
      }
      for (;;) {
        if (peek() != '"') fail("expected a key");
        std::string key = parseString();
        expect(':');
        value.members[key] = parseValue();
        if (peek() == ',') {
          ++pos_;
          continue;
        }
        expect('}');
        return value;
      }
    }
    if (ch == '[') {
      value.kind = Value::Kind::Array;
      ++pos_;
      if (peek() == ']') {
        ++pos_;
        return value;
      }
      for (;;) {
        value.items.push_back(parseValue());
        if (peek() == ',') {
          ++pos_;
          continue;
        }
        expect(']');
        return value;
      }
    }
    if (ch == '"') {
      value.kind = Value::Kind::String;
      value.text = parseString();
      return value;
    }
    if (literal("true") || literal("false")) {
      value.kind = Value::Kind::Bool;
      value.boolean = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';
      return value;
    }
    if (literal("null")) return value;
    return parseNumber();
  }

  Value parseNumber() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && std::strchr("+-0123456789.eE", text_[pos_]) != nullptr) ++pos_;
    if (pos_ == start) fail("unexpected character");
    Value value;
    value.kind = Value::Kind::Number;
    value.text = std::string(text_.substr(start, pos_ - start));
    std::size_t used = 0;
    try {
      value.number = std::stod(value.text, &used);
    } catch (const std::exception&) {
      fail("bad number " + value.text);
    }
    if (used != value.text.size()) fail("bad number " + value.text);
    return value;
  }

  static void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  std::uint32_t parseHex4() {
    if (pos_ + 4 > text_.size()) fail("short \\u escape");
    std::uint32_t code = 0;
    for (int i = 0; i < 4; ++i) {
      const char ch = text_[pos_++];
      code *= 16U;
      if (ch >= '0' && ch <= '9') {
        code += static_cast<std::uint32_t>(ch - '0');
      } else if (ch >= 'a' && ch <= 'f') {
        code += static_cast<std::uint32_t>(ch - 'a' + 10);
      } else if (ch >= 'A' && ch <= 'F') {
        code += static_cast<std::uint32_t>(ch - 'A' + 10);
      } else {
        fail("bad \\u escape");
      }
    }
    return code;
  }

  // \u escapes below 256 come back as that single byte (the vectors use
  // them for the bytes of files and screens); others as UTF-8.
  std::string parseString() {
    expect('"');
    std::string out;
    for (;;) {
      if (pos_ >= text_.size()) fail("unterminated string");
      const char ch = text_[pos_++];
      if (ch == '"') return out;
      if (ch != '\\') {
        out += ch;
        continue;
      }
      if (pos_ >= text_.size()) fail("unterminated escape");
      const char esc = text_[pos_++];
      switch (esc) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::uint32_t code = parseHex4();
          if (code >= 0xD800 && code < 0xDC00 && text_.substr(pos_, 2) == "\\u") {
            pos_ += 2;
            const std::uint32_t low = parseHex4();
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          if (code < 0x100) {
            out += static_cast<char>(code);
          } else {
            appendUtf8(out, code);
          }
          break;
        }
        default:
          fail("unknown escape");
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

inline Value parseJson(std::string_view text) { return Parser(text).parseDocument(); }

// Every non-empty line of a JSON-lines file, parsed. Throws when the file
// cannot be opened or a line is not valid JSON.
inline std::vector<Value> readJsonLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open test data file " + path);
  std::vector<Value> records;
  std::string line;
  std::size_t lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    try {
      records.push_back(parseJson(line));
    } catch (const std::exception& error) {
      throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": " + error.what());
    }
  }
  return records;
}

inline std::string testDataPath(const std::string& name) {
  return std::string(TUB_TESTDATA_DIR) + "/" + name;
}

}  // namespace testvectors
