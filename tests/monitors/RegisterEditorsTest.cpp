#include <gtest/gtest.h>

#include "core/monitors/RegisterEditors.h"

namespace {

TEST(HexEditor, TakesOnlyHexDigitsAndTurnsLowerCaseUp) {
    for (char c : std::string("0123456789ABCDEF")) EXPECT_EQ(HexEditorKey(c), c);
    EXPECT_EQ(HexEditorKey('a'), 'A');
    EXPECT_EQ(HexEditorKey('f'), 'F');
    EXPECT_EQ(HexEditorKey(EDIT_KEY_BACKSPACE), EDIT_KEY_BACKSPACE);
    for (char c : std::string("gGzZ -+x.\t")) EXPECT_FALSE(HexEditorKey(c).has_value()) << c;
}

TEST(HexEditor, ValueOfTheText) {
    EXPECT_EQ(HexEditorValue("12AF"), 0x12AF);
    EXPECT_EQ(HexEditorValue("f"), 0x000F);
    EXPECT_EQ(HexEditorValue("FFFF"), 0xFFFF);
    EXPECT_FALSE(HexEditorValue("").has_value()) << "an empty field stores nothing";
    EXPECT_FALSE(HexEditorValue("12G4").has_value());
    EXPECT_FALSE(HexEditorValue("12345").has_value());
}

SBinEditor Opened(const std::string& text) {
    return {text, 0};
}

TEST(BinEditor, OvertypesDigitsAndSkipsTheBlanks) {
    SBinEditor e = Opened("0000 0000 0000 0000");
    for (int i = 0; i < 4; ++i) BinEditorKey(e, EBinEditorKey::One, false);
    EXPECT_EQ(e.text, "1111 0000 0000 0000");
    EXPECT_EQ(e.caret, 5) << "the caret jumps over the blank";
    BinEditorKey(e, EBinEditorKey::Zero, false);
    BinEditorKey(e, EBinEditorKey::One, false);
    EXPECT_EQ(e.text, "1111 0100 0000 0000");
    EXPECT_EQ(BinEditorValue(e.text), 0xF400);
}

TEST(BinEditor, KeepsASixteenBitWord) {
    SBinEditor e = Opened("0000 0000 0000 0000");
    BinEditorPlaceCaret(e, 18);
    BinEditorKey(e, EBinEditorKey::One, false);
    EXPECT_EQ(e.caret, 19);
    BinEditorKey(e, EBinEditorKey::One, false);  // after the last digit: nothing grows
    BinEditorKey(e, EBinEditorKey::Right, false);
    BinEditorKey(e, EBinEditorKey::One, false);
    EXPECT_EQ(e.text, "0000 0000 0000 0001");
    EXPECT_EQ(e.text.size(), 19u);
}

TEST(BinEditor, ShiftOtherKeysAndTheBlankUnderTheCaret) {
    SBinEditor e = Opened("0000 0000 0000 0000");
    BinEditorKey(e, EBinEditorKey::One, true);
    BinEditorKey(e, EBinEditorKey::Other, false);
    EXPECT_EQ(e.text, "0000 0000 0000 0000");
    EXPECT_EQ(e.caret, 0);
    BinEditorPlaceCaret(e, 5);
    BinEditorKey(e, EBinEditorKey::Left, false);
    EXPECT_EQ(e.caret, 4) << "Left may stand on a blank";
    BinEditorKey(e, EBinEditorKey::One, false);
    EXPECT_EQ(e.text, "0000 0000 0000 0000") << "a blank is never overtyped";
    BinEditorKey(e, EBinEditorKey::Left, false);
    BinEditorKey(e, EBinEditorKey::Left, false);
    BinEditorKey(e, EBinEditorKey::Left, false);
    BinEditorKey(e, EBinEditorKey::Left, false);
    BinEditorKey(e, EBinEditorKey::Left, false);
    EXPECT_EQ(e.caret, 0);
}

TEST(BinEditor, AClickOnABlankPutsTheCaretAfterIt) {
    SBinEditor e = Opened("0000 0000 0000 0000");
    for (int blank : {4, 9, 14}) {
        BinEditorPlaceCaret(e, blank);
        EXPECT_EQ(e.caret, blank + 1);
    }
    BinEditorPlaceCaret(e, 40);
    EXPECT_EQ(e.caret, 19);
}

TEST(BinEditor, ValueReadsFromTheRightSkippingOtherCharacters) {
    EXPECT_EQ(BinEditorValue("0000 0000 0001 0010"), 0x0012);
    EXPECT_EQ(BinEditorValue("1111 1111 1111 1111"), 0xFFFF);
    EXPECT_EQ(BinEditorValue("1 0"), 0x0002);
    EXPECT_EQ(BinEditorValue("11111111111111111"), 0xFFFF) << "only sixteen digits count";
}

}  // namespace
