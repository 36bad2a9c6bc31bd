#include "core/files/CarriedRegisters.h"

#include <type_traits>

namespace {

constexpr std::uint16_t REG_UNIT_NO = REG_UNIT_BLOCK;
constexpr std::uint16_t REG_TOP_AXIS_NO = REG_UNIT_BLOCK + 2;
constexpr std::uint16_t REG_UNIT_NET_ADDRESS = REG_UNIT_BLOCK + 4;
constexpr std::uint16_t REG_MDRP = REG_UNIT_BLOCK + 0xA;
constexpr int NET_ADDRESSES = 3;           // IP address, subnet mask, default gateway: two registers each
constexpr std::uint16_t MIRROR_WORDS = 8;  // F280h..F287h

// The index of a 32-bit address value whose first register is `address` in a block from `first`.
int NetAddressIndex(std::uint16_t address, std::uint16_t first) {
    const int offset = address - first;
    return offset >= 0 && offset < 2 * NET_ADDRESSES && offset % 2 == 0 ? offset / 2 : -1;
}

// Calls `visit` with the image field that holds the register's value; nothing for another address.
template <typename Image, typename Visit>
void VisitField(Image& image, std::uint16_t address, Visit visit) {
    if (address >= REG_GW_CONFIG && address < REG_AXIS_MODE)
        return visit(image.GwConfigBlock[address - REG_GW_CONFIG]);
    if (address >= REG_AXIS_MODE && address < REG_KAV_NET_ADDRESS)
        return visit(image.AxisMode[address - REG_AXIS_MODE]);
    if (address >= REG_AXIS_MIRROR && address < REG_AXIS_MIRROR + MIRROR_WORDS)
        return visit(image.AxisModeMirror[address - REG_AXIS_MIRROR]);
    for (const std::uint16_t first : {REG_KAV_NET_ADDRESS, REG_UNIT_NET_ADDRESS}) {
        if (const int index = NetAddressIndex(address, first); index >= 0)
            return visit(image.NetAddress[static_cast<std::size_t>(index)]);
    }
    switch (address) {
        case REG_UNIT_NO:
            return visit(image.UnitNo);
        case REG_TOP_AXIS_NO:
            return visit(image.TopAxisNo);
        case REG_MDRP:
            return visit(image.MDRP);
        case REG_EXT_PARAM:
            return visit(image.ExtParam1);
        case REG_EXT_PARAM + 1:
            return visit(image.ExtParam2);
        default:
            return;
    }
}

}  // namespace

std::vector<SCarriedRegister> CarriedRegisters(GwType type) {
    std::vector<SCarriedRegister> registers;
    for (std::uint16_t address = REG_GW_CONFIG; address < REG_KAV_NET_ADDRESS; ++address)
        registers.push_back({address, false});
    if (type == GW_KAVELIS) {
        for (int i = 0; i < NET_ADDRESSES; ++i)
            registers.push_back({static_cast<std::uint16_t>(REG_KAV_NET_ADDRESS + 2 * i), true});
        return registers;
    }
    registers.push_back({REG_UNIT_NO, true});
    registers.push_back({REG_TOP_AXIS_NO, true});
    for (int i = 0; i < NET_ADDRESSES; ++i)
        registers.push_back({static_cast<std::uint16_t>(REG_UNIT_NET_ADDRESS + 2 * i), true});
    registers.push_back({REG_MDRP, true});
    for (std::uint16_t i = 0; i < MIRROR_WORDS; ++i)
        registers.push_back({static_cast<std::uint16_t>(REG_AXIS_MIRROR + i), false});
    registers.push_back({REG_EXT_PARAM, false});
    registers.push_back({static_cast<std::uint16_t>(REG_EXT_PARAM + 1), false});
    return registers;
}

std::uint32_t CarriedValue(const ParameterImage& image, std::uint16_t address) {
    std::uint32_t value = 0;
    VisitField(image, address, [&value](const auto& field) { value = field; });
    return value;
}

void SetCarriedValue(ParameterImage& image, std::uint16_t address, std::uint32_t value) {
    VisitField(image, address, [value](auto& field) {
        field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    });
}
