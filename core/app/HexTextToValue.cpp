#include "core/app/HexTextToValue.h"

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

int HexTextToValue(std::string_view text, std::uint32_t* value) {
    std::uint32_t result = 0;
    for (const char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            *value = 0;
            return -1;
        }
        result = (result << 4) | static_cast<std::uint32_t>(digit);
    }
    *value = result;
    return 0;
}
