// Build-time converter: reads an 8 x 14 PSF1 console font (gzip-compressed,
// with a Unicode table) and writes the glyph of every code page 437
// character as a C++ table. The program draws code page 437 text, the font
// is indexed by Unicode, so each code goes code page 437 -> Unicode -> glyph.
// A character the font lacks gets one fixed stand-in glyph (an outlined box)
// and is flagged, so that nothing silently draws as a blank.
//
// Usage: tub_fontgen FONT.psf.gz OUTPUT.inc

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "screen/CodePage437.hpp"

namespace {

constexpr int kHeight = 14;

// An outlined box in the middle of the cell: visibly "some character", and
// unlike any real glyph of the set (the solid blocks included).
constexpr std::array<std::uint8_t, kHeight> kStandIn = {0x00, 0x00, 0x7E, 0x42, 0x42, 0x42, 0x42,
                                                        0x42, 0x42, 0x42, 0x42, 0x7E, 0x00, 0x00};

[[noreturn]] void fail(const std::string& message) {
  std::fprintf(stderr, "tub_fontgen: %s\n", message.c_str());
  std::exit(1);
}

std::vector<std::uint8_t> readGzip(const char* path) {
  gzFile file = gzopen(path, "rb");
  if (file == nullptr) {
    fail(std::string("cannot open ") + path);
  }
  std::vector<std::uint8_t> bytes;
  std::array<std::uint8_t, 4096> buffer{};
  for (;;) {
    const int got = gzread(file, buffer.data(), static_cast<unsigned>(buffer.size()));
    if (got < 0) {
      gzclose(file);
      fail(std::string("cannot read ") + path);
    }
    if (got == 0) {
      break;
    }
    bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + got);
  }
  gzclose(file);
  return bytes;
}

struct Psf {
  std::size_t glyphCount = 0;
  const std::uint8_t* glyphs = nullptr;
  std::map<std::uint16_t, std::size_t> glyphOf;  // Unicode -> first glyph drawing it
};

Psf parsePsf1(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 4 || bytes[0] != 0x36 || bytes[1] != 0x04) {
    fail("not a PSF1 font (magic 36 04 expected)");
  }
  const std::uint8_t mode = bytes[2];
  const std::size_t charSize = bytes[3];
  if (charSize != kHeight) {
    fail("glyphs are " + std::to_string(charSize) + " bytes high, 14 expected");
  }
  if ((mode & 0x06) == 0) {
    fail("the font has no Unicode table");
  }
  Psf psf;
  psf.glyphCount = (mode & 0x01) != 0 ? 512 : 256;
  const std::size_t tableStart = 4 + psf.glyphCount * charSize;
  if (bytes.size() < tableStart) {
    fail("the font file is truncated");
  }
  psf.glyphs = bytes.data() + 4;
  // Per glyph: UCS-2 little-endian code points, then optional sequences
  // (each introduced by FFFE), ended by FFFF. Sequences are combinations
  // the screen never needs.
  std::size_t glyph = 0;
  bool inSequence = false;
  for (std::size_t i = tableStart; i + 1 < bytes.size() && glyph < psf.glyphCount; i += 2) {
    const auto unit = static_cast<std::uint16_t>(bytes[i] | (bytes[i + 1] << 8));
    if (unit == 0xFFFF) {
      ++glyph;
      inSequence = false;
    } else if (unit == 0xFFFE) {
      inSequence = true;
    } else if (!inSequence) {
      psf.glyphOf.emplace(unit, glyph);
    }
  }
  return psf;
}

bool isBlankCharacter(std::uint16_t unicode) { return unicode == 0x0020 || unicode == 0x00A0; }

bool glyphIsEmpty(const Psf& psf, std::size_t glyph) {
  for (std::size_t r = 0; r < kHeight; ++r) {
    if (psf.glyphs[glyph * kHeight + r] != 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fail("usage: tub_fontgen FONT.psf.gz OUTPUT.inc");
  }
  const std::vector<std::uint8_t> bytes = readGzip(argv[1]);
  const Psf psf = parsePsf1(bytes);

  std::string rows;
  std::string fromFile;
  int missing = 0;
  for (std::size_t code = 0; code < cp437::kUnicode.size(); ++code) {
    const auto found = psf.glyphOf.find(cp437::kUnicode[code]);
    bool have = found != psf.glyphOf.end();
    // Some fonts list a character but leave its glyph empty (Uni2-VGA14's
    // pilcrow); only the blanks may be drawn as nothing.
    if (have && !isBlankCharacter(cp437::kUnicode[code]) && glyphIsEmpty(psf, found->second)) {
      have = false;
    }
    rows += "    {";
    for (int r = 0; r < kHeight; ++r) {
      const std::uint8_t bits =
          have ? psf.glyphs[found->second * kHeight + static_cast<std::size_t>(r)]
               : kStandIn[static_cast<std::size_t>(r)];
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", bits);
      rows += hex;
      rows += r + 1 < kHeight ? ", " : "";
    }
    char comment[32];
    std::snprintf(comment, sizeof comment, "},  // %02zX U+%04X\n", code,
                  static_cast<unsigned>(cp437::kUnicode[code]));
    rows += comment;
    fromFile += have ? "true," : "false,";
    fromFile += (code % 16 == 15) ? "\n" : " ";
    if (!have) {
      ++missing;
    }
  }

  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  if (!out) {
    fail(std::string("cannot write ") + argv[2]);
  }
  out << "// Generated by tub_fontgen from " << argv[1] << "; do not edit.\n"
      << "// Rows top to bottom, bit 7 is the leftmost pixel. " << missing
      << " characters missing from the font use the stand-in box.\n"
      << "const std::uint8_t tubFontGlyphRows[256][14] = {\n"
      << rows << "};\n"
      << "const bool tubFontGlyphFromFile[256] = {\n"
      << fromFile << "};\n";
  out.close();
  if (!out) {
    fail(std::string("cannot write ") + argv[2]);
  }
  return 0;
}
