#include "sim/SimRegisterBank.h"

namespace {
constexpr int REGISTER_SPACE = 0x10000;
}

CSimRegisterBank::CSimRegisterBank() : values_(REGISTER_SPACE, 0), access_(REGISTER_SPACE, 0) {}

void CSimRegisterBank::Map(std::uint16_t first, int count, std::uint8_t access) {
    for (int i = 0; i < count && first + i < REGISTER_SPACE; ++i) {
        access_[first + i] = access;
        values_[first + i] = 0;
    }
}

void CSimRegisterBank::Set32(std::uint16_t address, std::uint32_t value) {
    Set(address, static_cast<std::uint16_t>(value >> 16));
    Set(static_cast<std::uint16_t>(address + 1), static_cast<std::uint16_t>(value & 0xFFFF));
}

std::uint32_t CSimRegisterBank::Get32(std::uint16_t address) const {
    return (static_cast<std::uint32_t>(Get(address)) << 16) | Get(static_cast<std::uint16_t>(address + 1));
}

bool CSimRegisterBank::RangeHas(std::uint16_t first, int count, std::uint8_t access) const {
    if (first + count > REGISTER_SPACE) return false;
    for (int i = 0; i < count; ++i) {
        if ((access_[first + i] & access) != access) return false;
    }
    return true;
}

bool CSimRegisterBank::RangeTouches(std::uint16_t first, int count, std::uint8_t access) const {
    for (int i = 0; i < count && first + i < REGISTER_SPACE; ++i) {
        if ((access_[first + i] & access) != 0) return true;
    }
    return false;
}
