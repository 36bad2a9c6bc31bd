#include "core/files/ParameterFileReopenCheck.h"

#include <optional>

#include "core/files/ParameterFileRegisters.h"
#include "core/params/validation/Validation.h"

namespace {

constexpr std::uint16_t REG_UNIT_NO = REG_UNIT_BLOCK;
constexpr std::uint16_t REG_TOP_AXIS_NO = REG_UNIT_BLOCK + 2;

// The value the writer puts on the register's line, for the registers whose rule limits it. The
// KAVELIS file has no unit block.
std::optional<std::uint32_t> WrittenValue(const ParameterImage& image, GwType type, std::uint16_t address) {
    if (address >= REG_GW_CONFIG && address < REG_AXIS_MODE)
        return image.GwConfigBlock[address - REG_GW_CONFIG];
    if (address >= REG_AXIS_MODE && address < REG_AXIS_MODE + 16)
        return image.AxisMode[address - REG_AXIS_MODE];
    if (type == GW_KAVELIS) return std::nullopt;
    if (address == REG_UNIT_NO) return image.UnitNo;
    if (address == REG_TOP_AXIS_NO) return image.TopAxisNo;
    return std::nullopt;
}

int FindingOf(std::uint16_t address) {
    switch (address) {
        case REG_GW_CONFIG + NTYP:
            return VALIDATION_ILLEGAL_NETWORK;
        case REG_GW_CONFIG + DSZO:
        case REG_GW_CONFIG + DSZI:
            return VALIDATION_ILLEGAL_DATA_SIZE;
        case REG_GW_CONFIG + DADR:
            return VALIDATION_ILLEGAL_STATION;
        case REG_GW_CONFIG + DBPS:
            return VALIDATION_ILLEGAL_BAUD;
        case REG_UNIT_NO:
            return VALIDATION_ILLEGAL_UNIT_NO;
        case REG_TOP_AXIS_NO:
            return VALIDATION_ILLEGAL_TOP_AXIS;
        case REG_GW_CONFIG + NMOD:
            return VALIDATION_ILLEGAL_PARAMETER;
        default:
            return VALIDATION_ILLEGAL_MODE;  // FINX, W4N, W8N and the axis words
    }
}

}  // namespace

int ReopenFindingOf(const ParameterImage& image, GwType type) {
    for (const SFileRegister& reg : FileRegisters) {
        if (reg.rule == EFileValueRule::Any) continue;
        const auto value = WrittenValue(image, type, reg.address);
        // The station address rule follows the network type, whose line comes first in the file.
        if (value && !FileValueAccepted(reg, *value, image.Word(NTYP))) return FindingOf(reg.address);
    }
    return VALIDATION_OK;
}
