#pragma once
// The two entry fields the register monitor opens over a value cell in the RS485 SIO test: a hex
// field of at most four digits and a binary field edited by overtyping only.
#include <cstdint>
#include <optional>
#include <string>

inline constexpr char EDIT_KEY_BACKSPACE = '\b';

// The hex field's key filter: 0-9 and A-F pass, a-f pass as A-F, Backspace passes; anything else is
// discarded (no value).
std::optional<char> HexEditorKey(char key);
// The value of the hex field's text, or none for an empty field or a character that is not a digit.
std::optional<std::uint16_t> HexEditorValue(const std::string& text);

// The binary field: "dddd dddd dddd dddd" and its caret (0..19).
struct SBinEditor {
    std::string text;
    int caret = 0;
};

enum class EBinEditorKey { Zero, One, Left, Right, Other };

// One key in the binary field. While Shift is held every key is ignored. 0 and 1 overtype the digit at
// the caret (never a separating blank, never beyond the last digit, so the field keeps a 16-bit word)
// and move the caret on; Left and Right move the caret; everything else is discarded.
void BinEditorKey(SBinEditor& editor, EBinEditorKey key, bool shiftHeld);
// The caret placed by a click or by a change of the text: on a separating blank it moves one to the
// right.
void BinEditorPlaceCaret(SBinEditor& editor, int position);
// The field's value: read from the right, each "1" adds the current bit weight, each "0" or "1" doubles
// it, anything else is skipped. Only the last sixteen digits count.
std::uint16_t BinEditorValue(const std::string& text);
