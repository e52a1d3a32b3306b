// The program shell as a user sees it: title, main menu, gate notice, help,
// quit, and the jump loop that must never grow the call stack.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.hpp"
#include "app/Screens.hpp"
#include "platform/headless/Session.hpp"
#include "screen/Platform.hpp"
#include "screen/TextScreen.hpp"

namespace {

std::string padded(std::string_view text) {
  std::string row(text);
  row.resize(80, ' ');
  return row;
}

const std::string kBlankRow(80, ' ');

const std::vector<std::string> kMenuRows = {
    "                             Tubalyzer 2.20   MAIN MENU",      "",
    "                    Select Options                     =   O", "",
    "                    Enter Element Data                 =   E", "",
    "                    Save Element Data                  =   S", "",
    "                    Recall Element Data                =   R", "",
    "                    View Analysis                      =   V", "",
    "                    Help / Information                 =   H", "",
    "                    Quit Program                       =   Q",
};

void expectMainMenu(Session& s) {
  for (int r = 1; r <= 15; ++r) {
    EXPECT_EQ(s.row(r), padded(kMenuRows[static_cast<std::size_t>(r - 1)])) << "row " << r;
  }
  for (int r = 16; r <= 25; ++r) {
    EXPECT_EQ(s.row(r), kBlankRow) << "row " << r;
  }
  EXPECT_EQ(s.cursorRow(), 16);
  EXPECT_EQ(s.cursorColumn(), 1);
}

// The eight boxes of the menu picture, as edges rounded to whole pixels.
std::set<std::pair<int, int>> expectedPicture() {
  struct Box {
    int left, right, top, bottom;
  };
  const Box boxes[] = {{100, 150, 299, 302}, {150, 200, 297, 303}, {200, 250, 296, 305},
                       {250, 300, 294, 306}, {300, 350, 293, 308}, {350, 400, 291, 309},
                       {400, 450, 290, 311}, {450, 500, 288, 312}};
  std::set<std::pair<int, int>> pixels;
  for (const Box& b : boxes) {
    for (int x = b.left; x <= b.right; ++x) {
      pixels.insert({x, b.top});
      pixels.insert({x, b.bottom});
    }
    for (int y = b.top; y <= b.bottom; ++y) {
      pixels.insert({b.left, y});
      pixels.insert({b.right, y});
    }
  }
  return pixels;
}

std::vector<std::uint8_t> framebuffer(Session& s) {
  const auto& pixels = s.screen().pixels();
  return {pixels.begin(), pixels.end()};
}

std::vector<std::string> allRows(Session& s) {
  std::vector<std::string> rows;
  for (int r = 1; r <= 25; ++r) {
    rows.push_back(s.row(r));
  }
  return rows;
}

}  // namespace

TEST(TitleScreen, ShowsItsFourTextsAndWaitsSilently) {
  Session s;
  EXPECT_EQ(s.row(5).substr(30, 22), "Tubalyzer Version 2.20");
  EXPECT_EQ(s.row(5).substr(0, 30), std::string(30, ' '));
  EXPECT_EQ(s.row(7).substr(23, 35), "Duzire Analysis of Antenna Elements");
  EXPECT_EQ(s.row(9).substr(33, 12), "May 10, 2010");
  EXPECT_EQ(s.row(20).substr(27, 25), "Do you need instructions?");
  EXPECT_EQ(s.screen().foreground(), 15);
  EXPECT_EQ(s.screen().background(), 9);
  EXPECT_EQ(s.pixel(0, 0), 9);

  const auto rowsBefore = allRows(s);
  const auto pixelsBefore = framebuffer(s);
  s.type("x7 \r\x1b");
  s.press(SpecialKey::F1);
  s.press(SpecialKey::Up);
  s.press(SpecialKey::Delete);
  EXPECT_EQ(allRows(s), rowsBefore);
  EXPECT_EQ(framebuffer(s), pixelsBefore);
  EXPECT_EQ(s.beeps(), 0);
  EXPECT_FALSE(s.ended());
}

TEST(TitleScreen, BothAnswersSetTheSameStartValues) {
  for (const char* answer : {"n", "N"}) {
    Session s;
    s.type(answer);
    expectMainMenu(s);
    EXPECT_EQ(s.design().options.aluminiumDensity, 0.098F);
    EXPECT_FALSE(s.design().gates.optionsSelected);
  }
  for (const char* answer : {"y", "Y"}) {
    Session s;
    s.type(answer);
    EXPECT_EQ(s.row(2), padded(" Information about Tubalyzer.EXE : "));
    s.enter("");
    expectMainMenu(s);
    EXPECT_EQ(s.design().options.aluminiumDensity, 0.098F);
    EXPECT_FALSE(s.design().gates.optionsSelected);
  }
}

TEST(MainMenu, PictureIsTheEightRoundedBoxes) {
  Session s;
  s.type("n");
  const auto expected = expectedPicture();
  for (int y = 14 * 15; y < 350; ++y) {
    for (int x = 0; x < 640; ++x) {
      const bool lit = expected.count({x, y}) != 0;
      ASSERT_EQ(s.pixel(x, y), lit ? 15 : 9) << "pixel " << x << "," << y;
    }
  }
}

TEST(MainMenu, IgnoresEveryUnlistedKeyWithoutASound) {
  Session s;
  s.type("n");
  const auto rowsBefore = allRows(s);
  const auto pixelsBefore = framebuffer(s);
  s.type("xz19 \r\t\x1b\x03");
  for (SpecialKey key : {SpecialKey::Up, SpecialKey::F10, SpecialKey::F12, SpecialKey::Home,
                         SpecialKey::PageDown, SpecialKey::Insert}) {
    s.press(key);
  }
  EXPECT_EQ(allRows(s), rowsBefore);
  EXPECT_EQ(framebuffer(s), pixelsBefore);
  EXPECT_EQ(s.beeps(), 0);
}

TEST(MainMenu, KeyTableInBothCases) {
  const std::pair<char, Next> table[] = {
      {'o', Next::Options},      {'e', Next::EnterElementData},
      {'s', Next::SaveMenu},     {'r', Next::RecallMenu},
      {'v', Next::ViewAnalysis}, {'t', Next::Cantilever},
      {'h', Next::Help},         {'q', Next::Quit},
  };
  for (const auto& [letter, target] : table) {
    EXPECT_EQ(menuTarget(std::string(1, letter)), target) << letter;
    const char upper = static_cast<char>(letter - 'a' + 'A');
    EXPECT_EQ(menuTarget(std::string(1, upper)), target) << upper;
  }
  const std::vector<std::string> others = {"",
                                           "x",
                                           "1",
                                           " ",
                                           "\r",
                                           "oo",
                                           std::string{'\0', 'H'},
                                           std::string{'\0', ';'},
                                           std::string{'\0', 'O'}};
  for (const std::string& key : others) {
    EXPECT_FALSE(menuTarget(key).has_value()) << "key of size " << key.size();
  }
}

TEST(MainMenu, ReturningRedrawsTheWholeMenu) {
  Session s;
  s.type("n");
  s.type("h");
  EXPECT_EQ(s.row(1), padded(" "));
  s.enter("anything typed");
  expectMainMenu(s);
  const auto expected = expectedPicture();
  EXPECT_EQ(s.pixel(100, 299), 15);
  EXPECT_EQ(s.pixel(500, 312), 15);
}

TEST(GateNotice, ShowsTheMessageAndDiscardsWhatIsTyped) {
  Session s;
  s.type("n");
  s.type("v");  // no options chosen yet
  EXPECT_EQ(s.row(1), padded(" You must select options first. "));
  EXPECT_EQ(s.row(2), padded(" "));
  EXPECT_EQ(s.row(3), padded(" Press 'ENTER' to continue: "));
  s.type("abc");
  EXPECT_EQ(s.row(3), padded(" Press 'ENTER' to continue: abc"));
  const DesignModel before = s.design();
  s.type("\r");
  expectMainMenu(s);
  EXPECT_EQ(s.design().element.title, before.element.title);
  EXPECT_FALSE(s.design().gates.optionsSelected);
}

TEST(HelpScreen, ShowsTheWholePageWithoutWrapping) {
  const std::vector<std::string> page = {
      " ",
      " Information about Tubalyzer.EXE : ",
      " ",
      " Step 1: (Options) Select material for element and corresponding YEILD STRENGTH",
      "                   If unsure about Yeild Strength, enter ? for sample values.",
      "                   Select ice loading if necessary",
      "                   Select the type of EIA calculation for wind loading",
      " ",
      " Step 2: (Element data) Enter new element data or recall old saved element data",
      "                        Start with the element tip dimensions first",
      " ",
      " Tips:  ",
      " HF Yagi tip diameter is usually 0.5 inch or larger",
      " Use a wall thickness of .058 inch for tubing diameter increments of 1/8 inch",
      " Hy-Gain element tips are 0.437 inch ",
      "  ",
      "  ",
  };
  Session s;
  s.type("n");
  s.type("H");
  for (std::size_t i = 0; i < page.size(); ++i) {
    EXPECT_EQ(s.row(static_cast<int>(i) + 1), padded(page[i])) << "row " << i + 1;
  }
  const std::string credit = s.row(18);
  EXPECT_EQ(credit[0], ' ');
  EXPECT_NE(credit.find("Tubalyzer"), std::string::npos);
  EXPECT_NE(credit.find("2.20"), std::string::npos);
  EXPECT_EQ(credit[79], ' ') << "the credit line is at most 79 characters";
  EXPECT_EQ(s.row(19), padded("  "));
  EXPECT_EQ(s.row(20), padded(" May 13, 2010"));
  EXPECT_EQ(s.row(21), padded(" "));
  EXPECT_EQ(s.row(22), padded(" Press 'ENTER' to return to Main Menu: "));
  EXPECT_EQ(s.cursorRow(), 22);
  EXPECT_EQ(s.cursorColumn(), 40);
  s.enter("text");
  expectMainMenu(s);
}

TEST(Quit, ClearsTheScreenAndEndsWithStatusZero) {
  for (const char* key : {"q", "Q"}) {
    Session s;
    s.type("n");
    s.type(key);
    EXPECT_TRUE(s.ended());
    EXPECT_EQ(s.exitStatus(), 0);
    for (int r = 1; r <= 25; ++r) {
      EXPECT_EQ(s.row(r), kBlankRow);
    }
    EXPECT_EQ(s.pixel(100, 299), 9) << "the menu picture is cleared too";
  }
}

namespace {

// A platform that plays a fixed key script and notes how deep the stack is
// each time the program waits for a key.
class DepthProbe final : public Platform {
 public:
  explicit DepthProbe(std::string script) : script_(std::move(script)) {}
  void present(const TextScreen& /*screen*/) override {}
  std::optional<InputKey> waitKey(std::optional<std::chrono::milliseconds> /*timeout*/) override {
    volatile char marker = 0;
    const auto here = reinterpret_cast<std::uintptr_t>(&marker);
    lowest_ = std::min(lowest_, here);
    highest_ = std::max(highest_, here);
    if (next_ == script_.size()) {
      throw PlatformClosed();
    }
    return InputKey::character(static_cast<std::uint8_t>(script_[next_++]));
  }
  void beep() override {}
  PrinterOpen openDefaultPrinter() override { return {std::nullopt, "none"}; }
  PrintSubmission submitPrintJob(const PrintDocument& /*document*/) override {
    return {"none", {}};
  }

  std::uintptr_t spread() const { return highest_ - lowest_; }
  std::size_t consumed() const { return next_; }

 private:
  std::string script_;
  std::size_t next_ = 0;
  std::uintptr_t lowest_ = UINTPTR_MAX;
  std::uintptr_t highest_ = 0;
};

}  // namespace

TEST(ScreenFlow, TenThousandRoundTripsKeepTheStackFlat) {
  std::string script = "n";
  for (int i = 0; i < 10000; ++i) {
    script += "h\r";  // main menu -> help page -> main menu
  }
  script += "q";
  DepthProbe platform(script);
  Program program(platform);
  EXPECT_EQ(program.run(), 0);
  EXPECT_EQ(platform.consumed(), script.size());
  // A jump made as a call would add at least a frame per screen, tens of
  // bytes times twenty thousand screens.
  EXPECT_LT(platform.spread(), 16U * 1024U);
}
