#include "cli/session/PortSettingWords.h"

#include <charconv>
#include <cstddef>

#include "core/link/BaudTable.h"

namespace {

// The speeds offered for the PC side: every entry of BaudTable but the last.
constexpr int OFFERED_BAUD_COUNT = 6;

}  // namespace

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<int> OfferedBaudIndex(std::string_view text) {
    const auto bps = WholeNumber(text);
    for (int i = 0; bps && i < OFFERED_BAUD_COUNT; ++i) {
        if (BaudTable[static_cast<std::size_t>(i)] == *bps) return i;
    }
    return std::nullopt;
}

std::optional<int> UnitNumber(std::string_view text) {
    const auto unit = WholeNumber(text);
    if (!unit || (*unit != 0 && *unit != 1)) return std::nullopt;
    return unit;
}

bool IsComNumber(int number) {
    return number >= 1 && number <= HIGHEST_COM_NUMBER;
}
