#include "core/files/ParameterFileRegisters.h"

#include <algorithm>

#include "core/params/image/NetworkTypeTable.h"

namespace {
constexpr std::uint32_t STATION_ADDRESS_MAX = 239;

// Exactly the codes of the network type table (CC-Link 0090h is not one of them).
bool IsNetworkTypeCode(std::uint32_t value) {
    return std::any_of(NetworkTypeTable.begin(), NetworkTypeTable.end(),
                       [value](const SNetworkType& n) { return n.code == value; });
}

// The axis mode words a file may hold for a slot, reserved forms and "no slot" included.
constexpr std::array<std::uint16_t, 28> FileAxisModeCodes = {
    0x0000, 0x0001, 0x0003, 0x0004, 0xFFFF, 0x0010, 0x8000, 0x8001, 0x8003, 0x8010,
    0x0011, 0x0012, 0x8011, 0x8012, 0x0020, 0x8020, 0x0030, 0x8030, 0x0005, 0x8005,
    0x0031, 0x8031, 0x0040, 0x0041, 0x0042, 0x8040, 0x8041, 0x8042};

constexpr SFileRegister Word(std::uint16_t address, EFileValueRule rule = EFileValueRule::Any,
                             std::uint16_t limit = 0) {
    return {address, false, rule, limit};
}
constexpr SFileRegister Long(std::uint16_t address) {
    return {address, true, EFileValueRule::Any, 0};
}
constexpr SFileRegister Axis(std::uint16_t address) {
    return Word(address, EFileValueRule::AxisMode);
}

template <std::size_t N>
bool Contains(const std::array<std::uint16_t, N>& codes, std::uint32_t value) {
    return std::find(codes.begin(), codes.end(), value) != codes.end();
}
}  // namespace

const std::array<SFileRegister, FILE_REGISTER_COUNT> FileRegisters = {
    Word(0xF100),
    Word(0xF101),
    Word(0xF102),
    Word(0xF103, EFileValueRule::NetworkType),
    Word(0xF104, EFileValueRule::UpTo, 19),
    Word(0xF105, EFileValueRule::UpTo, 144),
    Word(0xF106, EFileValueRule::UpTo, 192),
    Word(0xF107, EFileValueRule::StationAddress),
    Word(0xF108, EFileValueRule::UpTo, 52),
    Word(0xF109, EFileValueRule::UpTo, 15),
    Word(0xF10A, EFileValueRule::UpTo, 16),
    Word(0xF10B, EFileValueRule::UpTo, 8),
    Word(0xF10C),
    Word(0xF10D),
    Word(0xF10E),
    Word(0xF10F),
    Axis(0xF110),
    Axis(0xF111),
    Axis(0xF112),
    Axis(0xF113),
    Axis(0xF114),
    Axis(0xF115),
    Axis(0xF116),
    Axis(0xF117),
    Axis(0xF118),
    Axis(0xF119),
    Axis(0xF11A),
    Axis(0xF11B),
    Axis(0xF11C),
    Axis(0xF11D),
    Axis(0xF11E),
    Axis(0xF11F),
    Long(0xF120),
    Long(0xF122),
    Long(0xF124),
    Word(0xF200, EFileValueRule::UpTo, 8),
    Word(0xF202, EFileValueRule::UpTo, 15),
    Long(0xF204),
    Long(0xF206),
    Long(0xF208),
    Long(0xF20A),
    Word(0xF20C),
    Word(0xF280),
    Word(0xF281),
    Word(0xF282),
    Word(0xF283),
    Word(0xF284),
    Word(0xF285),
    Word(0xF286),
    Word(0xF287),
    Word(0xF380),
    Word(0xF381),
};

const SFileRegister* FindFileRegister(std::uint16_t address) {
    const auto it = std::find_if(FileRegisters.begin(), FileRegisters.end(),
                                 [address](const SFileRegister& r) { return r.address == address; });
    return it == FileRegisters.end() ? nullptr : &*it;
}

bool FileValueAccepted(const SFileRegister& reg, std::uint32_t value, std::uint16_t ntypInEffect) {
    const std::uint32_t v = FileRegisterValue(reg, value);
    switch (reg.rule) {
        case EFileValueRule::Any:
            return true;
        case EFileValueRule::UpTo:
            return v <= reg.limit;
        case EFileValueRule::NetworkType:
            return IsNetworkTypeCode(v);
        case EFileValueRule::StationAddress:
            return ntypInEffect == NTYP_ETHERCAT || ntypInEffect == NTYP_PIO || v <= STATION_ADDRESS_MAX;
        case EFileValueRule::AxisMode:
            return Contains(FileAxisModeCodes, v);
    }
    return false;
}
