#pragma once

// A small reader for the reference vectors: one JSON object a line. Only
// what those files use (objects, arrays, strings with escapes, numbers,
// true/false/null); any malformed input throws, so a damaged data file
// fails the tests that read it instead of passing quietly.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace jsonl {

class Value {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };

  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;  // the string, or the number as written
  std::vector<Value> items;
  std::map<std::string, Value, std::less<>> members;

  bool isNull() const { return kind == Kind::Null; }

  const Value& operator[](std::string_view key) const {
    if (kind != Kind::Object) throw std::runtime_error("not an object at key " + std::string(key));
    auto it = members.find(key);
    if (it == members.end()) throw std::runtime_error("missing key " + std::string(key));
    return it->second;
  }
  const Value& operator[](std::size_t index) const {
    if (kind != Kind::Array || index >= items.size()) throw std::runtime_error("bad index");
    return items[index];
  }
  bool has(std::string_view key) const { return kind == Kind::Object && members.count(key) != 0; }
  std::size_t size() const { return kind == Kind::Array ? items.size() : members.size(); }

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
  // A hex text of IEEE single bits, such as "3f83126f", as the float it names.
  float bitsAsFloat() const {
    const std::string& hex = str();
    if (hex.size() != 8) throw std::runtime_error("bits text is not 8 hex digits: " + hex);
    char* end = nullptr;
    const unsigned long raw = std::strtoul(hex.c_str(), &end, 16);
    if (end != hex.c_str() + hex.size()) throw std::runtime_error("bad bits text: " + hex);
    const auto bits = static_cast<std::uint32_t>(raw);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Value parseDocument() {
    Value value = parseValue();
    skipBlanks();
    if (pos_ != text_.size()) fail("trailing characters");
    return value;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;

  [[noreturn]] void fail(const std::string& why) const {
    throw std::runtime_error("JSON: " + why + " at offset " + std::to_string(pos_));
  }
  void skipBlanks() {
    while (pos_ < text_.size() && std::strchr(" \t\r\n", text_[pos_]) != nullptr) ++pos_;
  }
  char peek() {
    skipBlanks();
    if (pos_ >= text_.size()) fail("unexpected end");
    return text_[pos_];
  }
  void expect(char ch) {
    if (peek() != ch) fail(std::string("expected ") + ch);
    ++pos_;
  }
  bool consumeWord(std::string_view word) {
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
        std::string key = parseString();
        expect(':');
        value.members.emplace(std::move(key), parseValue());
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
    if (consumeWord("null")) return value;
    if (consumeWord("true")) {
      value.kind = Value::Kind::Bool;
      value.boolean = true;
      return value;
    }
    if (consumeWord("false")) {
      value.kind = Value::Kind::Bool;
      return value;
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && std::strchr("+-0123456789.eE", text_[pos_]) != nullptr) ++pos_;
    if (pos_ == start) fail("unexpected character");
    value.kind = Value::Kind::Number;
    value.text = std::string(text_.substr(start, pos_ - start));
    char* end = nullptr;
    value.number = std::strtod(value.text.c_str(), &end);
    if (end != value.text.c_str() + value.text.size()) fail("bad number " + value.text);
    return value;
  }

  unsigned parseHex4() {
    if (pos_ + 4 > text_.size()) fail("short \\u escape");
    unsigned code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      code <<= 4;
      if (c >= '0' && c <= '9') {
        code |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        code |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        code |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        fail("bad \\u escape");
      }
    }
    return code;
  }

  static void appendUtf8(std::string& out, unsigned code) {
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

  std::string parseString() {
    expect('"');
    std::string out;
    for (;;) {
      if (pos_ >= text_.size()) fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) fail("unterminated escape");
      const char e = text_[pos_++];
      switch (e) {
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
          unsigned code = parseHex4();
          if (code >= 0xD800 && code < 0xDC00 && consumeWord("\\u")) {
            const unsigned low = parseHex4();
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          appendUtf8(out, code);
          break;
        }
        default:
          fail("bad escape");
      }
    }
  }
};

inline Value parse(std::string_view text) { return Parser(text).parseDocument(); }

// Every non-empty line of a file as one value. Throws when the file cannot
// be read, so a missing data file fails the test rather than skipping it.
inline std::vector<Value> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<Value> records;
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    records.push_back(parse(line));
  }
  if (records.empty()) throw std::runtime_error("no records in " + path);
  return records;
}

// The path of a file of the shared reference vectors.
inline std::string dataPath(const std::string& name) {
  return std::string(TUB_TESTDATA_DIR) + "/" + name;
}

}  // namespace jsonl
