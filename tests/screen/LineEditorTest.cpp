#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "screen/LineEditor.hpp"

namespace {

InputKey ch(char c) { return InputKey::character(static_cast<std::uint8_t>(c)); }
InputKey key(SpecialKey k) { return InputKey::named(k); }
const InputKey kBackspace = InputKey::character(8);
const InputKey kTab = InputKey::character(9);
const InputKey kEnter = InputKey::character(13);
const InputKey kEscape = InputKey::character(27);

void typeText(LineEditor& editor, std::string_view text) {
  for (const char c : text) {
    editor.press(ch(c));
  }
}

TEST(LineEditorTyping, PrintableCharactersAreInsertedAtThePosition) {
  LineEditor editor;
  EXPECT_EQ(editor.text(), "");
  EXPECT_EQ(editor.position(), 0U);
  const LineEditor::Outcome first = editor.press(ch('a'));
  EXPECT_TRUE(first.changed);
  EXPECT_FALSE(first.beep);
  EXPECT_FALSE(first.done);
  typeText(editor, "cd");
  editor.press(key(SpecialKey::Left));
  editor.press(key(SpecialKey::Left));
  editor.press(ch('b'));
  EXPECT_EQ(editor.text(), "abcd");
  EXPECT_EQ(editor.position(), 2U);
  // Every code from 32 to 255 is a character of the line.
  LineEditor all;
  for (int code = 32; code <= 255; ++code) {
    all.press(InputKey::character(static_cast<std::uint8_t>(code)));
  }
  ASSERT_EQ(all.text().size(), 224U);
  EXPECT_EQ(static_cast<unsigned char>(all.text().front()), 32);
  EXPECT_EQ(static_cast<unsigned char>(all.text().back()), 255);
}

TEST(LineEditorTyping, EnterEndsTheLineAndLaterKeysDoNothing) {
  LineEditor editor;
  typeText(editor, "12");
  editor.press(key(SpecialKey::Home));
  const LineEditor::Outcome end = editor.press(kEnter);
  EXPECT_TRUE(end.done);
  EXPECT_TRUE(editor.done());
  EXPECT_EQ(editor.text(), "12");  // the whole line, wherever the position was
  const LineEditor::Outcome after = editor.press(ch('x'));
  EXPECT_FALSE(after.changed);
  EXPECT_EQ(editor.text(), "12");
}

TEST(LineEditorTyping, ControlCodesAndOtherKeysAreIgnored) {
  LineEditor editor;
  typeText(editor, "ab");
  for (const int code : {0, 1, 3, 7, 10, 12, 26, 31}) {
    const LineEditor::Outcome outcome =
        editor.press(InputKey::character(static_cast<std::uint8_t>(code)));
    EXPECT_FALSE(outcome.changed) << int(code);
    EXPECT_FALSE(outcome.beep) << int(code);
    EXPECT_FALSE(outcome.done) << int(code);
  }
  for (const SpecialKey k : {SpecialKey::F1, SpecialKey::F10, SpecialKey::F12, SpecialKey::PageUp,
                             SpecialKey::PageDown, SpecialKey::Insert, SpecialKey::None}) {
    const LineEditor::Outcome outcome = editor.press(key(k));
    EXPECT_FALSE(outcome.changed);
    EXPECT_FALSE(outcome.beep);
  }
  EXPECT_EQ(editor.text(), "ab");
  EXPECT_EQ(editor.position(), 2U);
}

TEST(LineEditorDeleting, BackspaceDeletesBeforeThePosition) {
  LineEditor editor;
  typeText(editor, "abc");
  editor.press(key(SpecialKey::Left));
  editor.press(kBackspace);
  EXPECT_EQ(editor.text(), "ac");
  EXPECT_EQ(editor.position(), 1U);
  editor.press(kBackspace);
  const LineEditor::Outcome atStart = editor.press(kBackspace);
  EXPECT_FALSE(atStart.changed);
  EXPECT_FALSE(atStart.beep);
  EXPECT_EQ(editor.text(), "c");
  EXPECT_EQ(editor.position(), 0U);
}

TEST(LineEditorDeleting, DeleteRemovesAtThePositionAndBeepsAtTheEnd) {
  LineEditor editor;
  typeText(editor, "abc");
  editor.press(key(SpecialKey::Home));
  const LineEditor::Outcome removed = editor.press(key(SpecialKey::Delete));
  EXPECT_TRUE(removed.changed);
  EXPECT_FALSE(removed.beep);
  EXPECT_EQ(editor.text(), "bc");
  EXPECT_EQ(editor.position(), 0U);
  editor.press(key(SpecialKey::End));
  const LineEditor::Outcome nothing = editor.press(key(SpecialKey::Delete));
  EXPECT_TRUE(nothing.beep);
  EXPECT_FALSE(nothing.changed);
  EXPECT_EQ(editor.text(), "bc");
  LineEditor empty;
  EXPECT_TRUE(empty.press(key(SpecialKey::Delete)).beep);
}

TEST(LineEditorDeleting, EscapeErasesTheWholeLine) {
  LineEditor editor;
  typeText(editor, "hello");
  editor.press(key(SpecialKey::Left));
  EXPECT_TRUE(editor.press(kEscape).changed);
  EXPECT_EQ(editor.text(), "");
  EXPECT_EQ(editor.position(), 0U);
  typeText(editor, "x");
  EXPECT_EQ(editor.text(), "x");
}

TEST(LineEditorMoving, LeftRightHomeEndStopAtTheEnds) {
  LineEditor editor;
  typeText(editor, "abc");
  editor.press(key(SpecialKey::Right));
  EXPECT_EQ(editor.position(), 3U);
  EXPECT_FALSE(editor.press(key(SpecialKey::Right)).changed);
  editor.press(key(SpecialKey::Home));
  EXPECT_EQ(editor.position(), 0U);
  EXPECT_FALSE(editor.press(key(SpecialKey::Left)).changed);
  editor.press(key(SpecialKey::Right));
  EXPECT_EQ(editor.position(), 1U);
  editor.press(key(SpecialKey::End));
  EXPECT_EQ(editor.position(), 3U);
}

TEST(LineEditorMoving, UpAndDownMoveByAScreenWidthWhenTheLineAllows) {
  LineEditor editor;
  typeText(editor, std::string(170, 'x'));
  editor.press(key(SpecialKey::Up));
  EXPECT_EQ(editor.position(), 90U);
  editor.press(key(SpecialKey::Up));
  EXPECT_EQ(editor.position(), 10U);
  EXPECT_FALSE(editor.press(key(SpecialKey::Up)).changed);  // not 80 before it
  EXPECT_EQ(editor.position(), 10U);
  editor.press(key(SpecialKey::Down));
  editor.press(key(SpecialKey::Down));
  EXPECT_EQ(editor.position(), 170U);  // 170 is the end, still within the line
  editor.press(key(SpecialKey::Home));
  editor.press(key(SpecialKey::Right));
  editor.press(key(SpecialKey::Down));
  editor.press(key(SpecialKey::Down));
  EXPECT_EQ(editor.position(), 161U);
  EXPECT_FALSE(editor.press(key(SpecialKey::Down)).changed);  // 241 is past the end
  EXPECT_EQ(editor.position(), 161U);
}

TEST(LineEditorTab, InsertsBlanksUpToTheNextMultipleOf8) {
  LineEditor editor;
  typeText(editor, "ab");
  editor.press(kTab);
  EXPECT_EQ(editor.text(), "ab      ");
  EXPECT_EQ(editor.position(), 8U);
  editor.press(kTab);  // at a multiple of 8: a whole stop further
  EXPECT_EQ(editor.text().size(), 16U);
  editor.press(key(SpecialKey::Home));
  editor.press(ch('>'));
  editor.press(kTab);  // inserted in the middle, the rest moves right
  EXPECT_EQ(editor.text(), ">       ab              ");
  EXPECT_EQ(editor.position(), 8U);
}

TEST(LineEditorLength, At255CharactersFurtherKeysBeepAndAreDropped) {
  LineEditor editor;
  typeText(editor, std::string(LineEditor::kMaxLength, 'a'));
  EXPECT_EQ(editor.text().size(), 255U);
  const LineEditor::Outcome refused = editor.press(ch('b'));
  EXPECT_TRUE(refused.beep);
  EXPECT_FALSE(refused.changed);
  editor.press(key(SpecialKey::Home));
  EXPECT_TRUE(editor.press(ch('c')).beep);
  EXPECT_EQ(editor.text(), std::string(255, 'a'));
  // Room again after a deletion.
  editor.press(key(SpecialKey::Delete));
  EXPECT_FALSE(editor.press(ch('c')).beep);
  EXPECT_EQ(editor.text().size(), 255U);
  EXPECT_EQ(editor.text().front(), 'c');
}

TEST(LineEditorLength, TabInsertsWhatStillFitsAndBeeps) {
  LineEditor editor;
  typeText(editor, std::string(250, 'a'));
  const LineEditor::Outcome outcome = editor.press(kTab);  // 6 blanks wanted, 5 fit
  EXPECT_TRUE(outcome.changed);
  EXPECT_TRUE(outcome.beep);
  EXPECT_EQ(editor.text(), std::string(250, 'a') + "     ");
}

}  // namespace
