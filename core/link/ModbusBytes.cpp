#include "core/link/ModbusBytes.h"

namespace {

int NibbleOf(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

int HexTextToBytes(std::string_view text, std::uint8_t* out) {
    std::size_t byte = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int nibble = NibbleOf(text[i]);
        if (nibble < 0) return -1;
        if (i % 2 == 0) {
            out[byte] = static_cast<std::uint8_t>(nibble * 16);
        } else {
            out[byte] = static_cast<std::uint8_t>(out[byte] + nibble);
            ++byte;
        }
    }
    return 0;
}
