#include "core/advanced/GmodOptionLists.h"

#include <string>

namespace {

constexpr int RETRY_ITEMS = 7;
constexpr int RETRY_ZERO_ITEM = 2;

std::uint16_t WithBit(std::uint16_t word, int bit, bool set) {
    const auto mask = static_cast<std::uint16_t>(1u << bit);
    return static_cast<std::uint16_t>(set ? (word | mask) : (word & ~mask));
}

// Item 0 clears the bit, item 1 sets it, no selection leaves it alone.
void WriteBit(const ComboState& list, std::uint16_t& word, int bit) {
    if (list.index == 0 || list.index == 1) word = WithBit(word, bit, list.index == 1);
}

}  // namespace

void FillRetryCountItems(ComboState& list) {
    list.items.clear();
    for (int i = 0; i < RETRY_ITEMS; ++i) list.items.push_back(std::to_string(i));
}

void SelectRetryCount(ComboState& list, std::uint16_t& gmod, RetryZero zero) {
    const int v = (gmod & GMOD_RETRY_MASK) >> GMOD_RETRY_SHIFT;
    if (v != 0) {
        list.index = v - 1;
        return;
    }
    if (zero == RetryZero::FirstItem) {
        list.index = 0;
        return;
    }
    list.index = RETRY_ZERO_ITEM;
    gmod =
        static_cast<std::uint16_t>((gmod & ~GMOD_RETRY_MASK) | ((RETRY_ZERO_ITEM + 1) << GMOD_RETRY_SHIFT));
}

void SelectBit(ComboState& list, std::uint16_t word, int bit) {
    list.index = (word >> bit) & 1u;
}

void WriteGmodFromLists(const OptionLists& lists, std::uint16_t& gmod, bool countForm, bool extendedMode) {
    for (int bit = 0; bit < OPTION_ROWS; ++bit) {
        const ComboState& list = lists[static_cast<std::size_t>(bit)];
        if (bit == RETRY_ROW) {
            if (!countForm) {
                WriteBit(list, gmod, bit);
            } else if (list.index >= 0) {
                gmod = static_cast<std::uint16_t>((gmod & ~GMOD_RETRY_MASK) |
                                                  (((list.index + 1) << GMOD_RETRY_SHIFT) & GMOD_RETRY_MASK));
            }
        } else if (bit == 9 || bit == 10) {
            if (extendedMode) WriteBit(list, gmod, bit);
        } else {
            WriteBit(list, gmod, bit);
        }
    }
}

void WriteWordFromLists(const OptionLists& lists, std::uint16_t& word) {
    for (int bit = 0; bit < OPTION_ROWS; ++bit) WriteBit(lists[static_cast<std::size_t>(bit)], word, bit);
}
