#include "core/monitors/RegisterEditors.h"

#include "core/app/HexTextToValue.h"

namespace {

constexpr int BIN_TEXT_LENGTH = 19;

bool IsSeparator(int position) {
    return position == 4 || position == 9 || position == 14;
}

}  // namespace

std::optional<char> HexEditorKey(char key) {
    if (key >= 'a' && key <= 'f') return static_cast<char>(key - 'a' + 'A');
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'F') || key == EDIT_KEY_BACKSPACE) return key;
    return std::nullopt;
}

std::optional<std::uint16_t> HexEditorValue(const std::string& text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    std::uint32_t value = 0;
    if (HexTextToValue(text, &value) != 0) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

void BinEditorKey(SBinEditor& editor, EBinEditorKey key, bool shiftHeld) {
    if (shiftHeld) return;
    const int length = static_cast<int>(editor.text.size());
    switch (key) {
        case EBinEditorKey::Zero:
        case EBinEditorKey::One:
            if (editor.caret >= length || IsSeparator(editor.caret)) return;
            editor.text[static_cast<std::size_t>(editor.caret)] = key == EBinEditorKey::One ? '1' : '0';
            BinEditorPlaceCaret(editor, editor.caret + 1);
            return;
        case EBinEditorKey::Left:
            if (editor.caret > 0) --editor.caret;
            return;
        case EBinEditorKey::Right:
            if (editor.caret < length) ++editor.caret;
            return;
        case EBinEditorKey::Other:
            return;
    }
}

void BinEditorPlaceCaret(SBinEditor& editor, int position) {
    const int length = static_cast<int>(editor.text.size());
    if (position < 0) position = 0;
    if (position > length) position = length;
    if (IsSeparator(position) && length == BIN_TEXT_LENGTH) ++position;
    editor.caret = position;
}

std::uint16_t BinEditorValue(const std::string& text) {
    unsigned value = 0;
    unsigned weight = 1;
    int digits = 0;
    for (auto it = text.rbegin(); it != text.rend() && digits < 16; ++it) {
        if (*it != '0' && *it != '1') continue;
        if (*it == '1') value += weight;
        weight *= 2;
        ++digits;
    }
    return static_cast<std::uint16_t>(value);
}
