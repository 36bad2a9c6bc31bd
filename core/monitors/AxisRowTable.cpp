#include "core/monitors/AxisRowTable.h"

#include <algorithm>
#include <optional>

#include "core/app/texts/UiText.h"

namespace {

constexpr std::uint16_t RESERVE_BIT = 0x8000;
constexpr std::uint16_t MODE_MASK = 0x7FFF;

struct SModeRow {
    std::uint16_t code;
    int text;  // UiText slot
    int words;
};
constexpr std::array<SModeRow, 6> MODE_ROWS{{
    {0x0000, 34, 4},  // Simple
    {0x0001, 35, 4},  // Point1
    {0x0003, 36, 8},  // Full
    {0x0010, 49, 2},  // Point2
    {0x0011, 55, 2},  // Sol1
    {0x0012, 56, 2},  // Sol2
}};

bool IsSecondSlotOfPair(std::uint16_t code) {
    return code == 0x0002 || code == 0x0004;
}

// 3FFFh, 4FFFh, 5FFFh, 6FFFh mark an empty slot, FFFFh no slot: no axis there.
bool IsEmptySlot(std::uint16_t word) {
    return word == 0x3FFF || word == 0x4FFF || word == 0x5FFF || word == 0x6FFF || word == 0xFFFF;
}

std::optional<SModeRow> ModeRowOf(std::uint16_t code) {
    for (const SModeRow& row : MODE_ROWS) {
        if (row.code == code) return row;
    }
    return std::nullopt;
}

}  // namespace

std::vector<SAxisRow> BuildAxisRows(std::span<const std::uint16_t> axisModes, std::uint16_t finx) {
    std::vector<SAxisRow> rows;
    const std::size_t walked = std::min<std::size_t>(std::size_t{finx} + 1, axisModes.size());
    for (std::size_t i = 0; i < walked; ++i) {
        const std::uint16_t word = axisModes[i];
        const std::uint16_t code = word & MODE_MASK;
        if (IsSecondSlotOfPair(code) || IsEmptySlot(word)) continue;
        const std::optional<SModeRow> mode = ModeRowOf(code);
        if (!mode) {
            rows.push_back({});
            continue;
        }
        const std::string text(UiText[static_cast<std::size_t>(mode->text)]);
        rows.push_back({(word & RESERVE_BIT) != 0 ? "*" + text : text, mode->words});
    }
    return rows;
}

bool IsTwoWordLayout(std::uint16_t firstMode) {
    const std::uint16_t code = firstMode & MODE_MASK;
    return code == 0x0010 || code == 0x0011 || code == 0x0012;
}

int TotalAxisWords(const std::vector<SAxisRow>& rows) {
    int total = 0;
    for (const SAxisRow& row : rows) total += row.words;
    return total;
}
