#include "core/app/ProgramValues.h"

std::optional<std::uint32_t> TypeOptionBit(GwType type) {
    switch (type) {
        case GW_KAVELIS: return 1u << 0;
        case GW_VOSK: return 1u << 2;
        case GW_NUB3GW: return 1u << 3;
        case GW_DRAVO: return 1u << 4;
        default: return std::nullopt;
    }
}
