#include "core/monitors/AxisValueText.h"

#include <array>
#include <cstdio>

#include "core/monitors/RegisterValueText.h"

namespace {
constexpr std::uint16_t STATUS_HEX_NUMBER = 0x0008;

template <typename... Values>
std::string Format(const char* format, Values... values) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), format, values...);
    return text.data();
}
}  // namespace

std::string AxisLongText(std::uint16_t low, std::uint16_t high) {
    return Format("%i", static_cast<std::int32_t>(std::uint32_t{high} << 16 | low));
}

std::string AxisSignedText(std::uint16_t word) {
    return Format("%hd", static_cast<short>(word));
}

std::string AxisUnsignedText(std::uint16_t word) {
    return Format("%u", unsigned{word});
}

std::string AxisStatusText(std::uint16_t word) {
    return RegisterBinText(word);
}

std::string AxisNumberText(std::uint16_t word, std::uint16_t status, bool gatewayToMaster) {
    if (gatewayToMaster && (status & STATUS_HEX_NUMBER) != 0) return Format("%02hX", word);
    return AxisUnsignedText(word);
}
