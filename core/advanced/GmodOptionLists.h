#pragma once
// The sixteen drop-down lists that show the gateway mode word `GMOD` bit by bit, shared by the
// specialty dialog (KAVELIS) and the GW-Param page of the gateway parameter bit dialog (other types).
// List n stands for bit n, except the retry-count list (bit 8), which in its count form holds bits 8..10.
#include <array>
#include <cstdint>

#include "core/app/ControlState.h"

inline constexpr int OPTION_ROWS = 16;
inline constexpr int RETRY_ROW = 8;
inline constexpr std::uint16_t GMOD_RETRY_MASK = 0x0700;  // bits 8..10
inline constexpr int GMOD_RETRY_SHIFT = 8;

using OptionLists = std::array<ComboState, OPTION_ROWS>;

// What the retry-count list shows when bits 8..10 are 0.
enum class RetryZero {
    FirstItem,    // item "0", the word unchanged
    ThirdItemSet  // item "2", and the bits are set to 3 at once
};

// Items "0" to "6" of the count form.
void FillRetryCountItems(ComboState& list);
// Selects the count-form item for bits 8..10 (v from 1 to 7 selects item v - 1); a v of 0 as `zero` says.
void SelectRetryCount(ComboState& list, std::uint16_t& gmod, RetryZero zero);
// Selects item 0 or 1 by the bit's value.
void SelectBit(ComboState& list, std::uint16_t word, int bit);

// Rewrites `GMOD` from the lists: bit rows set or clear their bit (a list without selection leaves it
// unchanged); the retry row writes bits 8..10 as index + 1 in its count form or bit 8 in its bit form;
// bits 9 and 10 only in ExtendedMode.
void WriteGmodFromLists(const OptionLists& lists, std::uint16_t& gmod, bool countForm, bool extendedMode);
// Rewrites all sixteen bits of a word from the lists (item 0 clears, item 1 sets, no selection keeps).
void WriteWordFromLists(const OptionLists& lists, std::uint16_t& word);
