// File names between the screen's code page 437 and the disk's UTF-8.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "files/FileNames.hpp"

namespace {

TEST(FileNames, LeavesPlainNamesAlone) {
  EXPECT_EQ(cp437ToUtf8("DIR20M.ELE"), "DIR20M.ELE");
  EXPECT_EQ(utf8ToCp437("dir 20m~1.ele"), "dir 20m~1.ele");
  EXPECT_EQ(cp437ToUtf8("sub/x.ele"), "sub/x.ele");
}

TEST(FileNames, SpellsPcCharactersInUtf8) {
  EXPECT_EQ(cp437ToUtf8("\x82t\xe9"), "\xc3\xa9t\xce\x98");                // é, Θ
  EXPECT_EQ(cp437ToUtf8("\x9a\xe1\xfb"), "\xc3\x9c\xc3\x9f\xe2\x88\x9a");  // Ü ß √
  EXPECT_EQ(cp437ToUtf8("\xff"), "\xc2\xa0");                              // no-break space
  EXPECT_EQ(cp437ToUtf8("\x7f"), "\xe2\x8c\x82");                          // the house
}

// The C library's own code page 437 converter, as a second opinion on every
// character of the table.
std::string iconvToUtf8(const std::string& cp437) {
  iconv_t converter = iconv_open("UTF-8", "CP437");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "no CP437 converter in the C library";
    return {};
  }
  std::string in = cp437;
  std::string out(in.size() * 4, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  EXPECT_NE(iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1));
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

TEST(FileNames, AgreesWithTheCLibraryOnEveryCharacterButTheHouse) {
  for (int code = 32; code <= 255; ++code) {
    if (code == 127) {
      continue;  // a control character to the C library, a house on the PC screen
    }
    const std::string character(1, static_cast<char>(code));
    EXPECT_EQ(cp437ToUtf8(character), iconvToUtf8(character)) << "code " << code;
  }
}

TEST(FileNames, EveryTypeableCharacterComesBackFromTheDisk) {
  std::string all;
  for (int code = 32; code <= 255; ++code) {
    all += static_cast<char>(code);
  }
  const std::string onDisk = cp437ToUtf8(all);
  EXPECT_EQ(utf8ToCp437(onDisk), all);
}

TEST(FileNames, ShowsWhatTheScreenCannotAsQuestionMarks) {
  EXPECT_EQ(utf8ToCp437("\xe6\x97\xa5.ele"), "?.ele");  // a CJK character
  EXPECT_EQ(utf8ToCp437("a\xff"
                        "b.ele"),
            "a?b.ele");                        // not UTF-8
  EXPECT_EQ(utf8ToCp437("a\xc3"), "a?");       // cut short
  EXPECT_EQ(utf8ToCp437("\xc0\xae"), "??");    // overlong dot
  EXPECT_EQ(utf8ToCp437("a\tb\x1b"), "a?b?");  // control characters
  EXPECT_EQ(utf8ToCp437("\xce\xb2"), "\xe1");  // Greek beta as the PC's beta
}

TEST(FileNames, ComparesIgnoringLetterCase) {
  EXPECT_TRUE(sameNameIgnoringCase("dir20m.ele", "DIR20M.ELE"));
  EXPECT_TRUE(sameNameIgnoringCase("\xc3\xa9t\xc3\xa9.ele", "\xc3\x89T\xc3\x89.ELE"));  // été, ÉTÉ
  EXPECT_TRUE(sameNameIgnoringCase("\xce\xa9", "\xcf\x89"));                            // Ω, ω
  EXPECT_FALSE(sameNameIgnoringCase("dir20m.ele", "dir20n.ele"));
  EXPECT_FALSE(sameNameIgnoringCase("dir20m.ele", "dir20m.ele "));
  EXPECT_FALSE(sameNameIgnoringCase("\xc3\x97", "\xc3\xb7"));  // × is no capital of ÷
  EXPECT_FALSE(sameNameIgnoringCase("a\xfe", "a\xff"));        // different stray bytes
  EXPECT_FALSE(sameNameIgnoringCase("@", "`"));
}

TEST(FileNames, KnowsTheElementExtensionInAnyCase) {
  for (const char* name : {"A.ELE", "a.ele", "beam.Ele", ".ele", "x.y.eLE"}) {
    EXPECT_TRUE(hasElementExtension(name)) << name;
  }
  for (const char* name : {"ELE", "a.ele.bak", "a_ele", "a.el", "", "a.TUB", "a.ele "}) {
    EXPECT_FALSE(hasElementExtension(name)) << name;
  }
}

}  // namespace
