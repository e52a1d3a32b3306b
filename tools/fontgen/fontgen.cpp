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

namespace {

constexpr int kHeight = 14;

// Unicode of each code page 437 code. Codes 0..31 and 127 are the graphic
// characters the PC shows for them on screen; code 0 shows as a blank.
constexpr std::array<std::uint16_t, 256> kCp437 = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,  // 00
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,  // 08
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,  // 10
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,  // 18
    0x0020, 0x0021, 0x0022, 0x0023, 0x0024, 0x0025, 0x0026, 0x0027,  // 20
    0x0028, 0x0029, 0x002A, 0x002B, 0x002C, 0x002D, 0x002E, 0x002F,  // 28
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,  // 30
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,  // 38
    0x0040, 0x0041, 0x0042, 0x0043, 0x0044, 0x0045, 0x0046, 0x0047,  // 40
    0x0048, 0x0049, 0x004A, 0x004B, 0x004C, 0x004D, 0x004E, 0x004F,  // 48
    0x0050, 0x0051, 0x0052, 0x0053, 0x0054, 0x0055, 0x0056, 0x0057,  // 50
    0x0058, 0x0059, 0x005A, 0x005B, 0x005C, 0x005D, 0x005E, 0x005F,  // 58
    0x0060, 0x0061, 0x0062, 0x0063, 0x0064, 0x0065, 0x0066, 0x0067,  // 60
    0x0068, 0x0069, 0x006A, 0x006B, 0x006C, 0x006D, 0x006E, 0x006F,  // 68
    0x0070, 0x0071, 0x0072, 0x0073, 0x0074, 0x0075, 0x0076, 0x0077,  // 70
    0x0078, 0x0079, 0x007A, 0x007B, 0x007C, 0x007D, 0x007E, 0x2302,  // 78
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

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
  for (std::size_t code = 0; code < kCp437.size(); ++code) {
    const auto found = psf.glyphOf.find(kCp437[code]);
    bool have = found != psf.glyphOf.end();
    // Some fonts list a character but leave its glyph empty (Uni2-VGA14's
    // pilcrow); only the blanks may be drawn as nothing.
    if (have && !isBlankCharacter(kCp437[code]) && glyphIsEmpty(psf, found->second)) {
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
    std::snprintf(comment, sizeof comment, "},  // %02zX U+%04X\n", code, kCp437[code]);
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
