#include "core/traffic/RegisterNames.h"

#include <array>
#include <cstdio>
#include <span>

#include "core/app/texts/UiText.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/image/ParameterImage.h"

namespace {

constexpr std::uint16_t REG_CLOCK = 0xF172;
constexpr std::uint16_t REG_DIAGNOSTICS = 0xF187;
constexpr std::uint16_t REG_ALARM_HISTORY = 0xF400;
constexpr int ALARM_RECORD_WORDS = 6;
constexpr std::uint16_t REG_MASTER_AREA = 0xF600;
constexpr std::uint16_t REG_GATEWAY_AREA = 0xF700;
constexpr std::uint16_t REG_DRIVER_PARAMETERS = 0xF800;
constexpr std::uint16_t REG_HARDWARE = 0xF900;
constexpr int HARDWARE_FIRST_TEXT = 252;  // "Motor Voltage" .. "DriverBoard 3 Temp"
constexpr std::size_t NAMES_IN_RANGE = 3;

// Ordered by first register; where two areas share a register the more specific one comes first.
constexpr std::array<SRegisterArea, 17> AREAS{{
    {REG_GW_CONFIG, 16, "network settings"},
    {REG_AXIS_MODE, 16, "axis modes"},
    {REG_KAV_NET_ADDRESS, 6, "IP address settings"},
    {REG_CLOCK, 2, "gateway clock"},
    {REG_MODULE_INFO, 7, "module information"},
    {REG_DIAGNOSTICS, 5, "diagnostic counters"},
    {REG_UNIT_BLOCK, 13, "unit settings"},
    {REG_AXIS_MIRROR, 8, "axis mode mirror"},
    {REG_EXT_PARAM, 2, "extended parameters"},
    {REG_ALARM_HISTORY, 64 * ALARM_RECORD_WORDS, "alarm history"},
    {REG_MASTER_AREA, 8, "master header"},
    {REG_MASTER_AREA + 8, 64, "axis words, master to gateway"},
    {REG_GATEWAY_AREA, 8, "gateway header"},
    {REG_GATEWAY_AREA + 8, 64, "axis words, gateway to master"},
    {REG_DRIVER_PARAMETERS, 38, "driver monitor parameters"},
    {REG_HARDWARE, 10, "hardware monitor"},
    {REG_PROFINET_INFO, 24, "PROFINET information"},
}};

constexpr std::array<std::string_view, 16> CONFIG_FIELDS{"GSTS", "GVER", "",     "NTYP", "NMOD", "DSZO",
                                                         "DSZI", "DADR", "DBPS", "FINX", "W4N",  "W8N",
                                                         "",     "",     "TBPS", "GMOD"};
constexpr std::array<std::string_view, 6> ADDRESS_FIELDS{"IP address high",      "IP address low",
                                                         "subnet mask high",     "subnet mask low",
                                                         "default gateway high", "default gateway low"};
constexpr std::array<std::string_view, 13> UNIT_FIELDS{"UnitNo high",
                                                       "UnitNo",
                                                       "TopAxisNo high",
                                                       "TopAxisNo",
                                                       "IP address high",
                                                       "IP address low",
                                                       "subnet mask high",
                                                       "subnet mask low",
                                                       "default gateway high",
                                                       "default gateway low",
                                                       "MDRP high",
                                                       "MDRP low",
                                                       ""};
constexpr std::array<std::string_view, 5> DIAGNOSTIC_FIELDS{"scan time", "ERR_T counter", "ERR_C counter",
                                                            "EMG counter", "RTET counter"};
constexpr std::array<std::string_view, 2> CLOCK_FIELDS{"clock high", "clock low"};
constexpr std::array<std::string_view, 2> EXT_FIELDS{"ExtParam1", "ExtParam2"};

std::string Indexed(std::string_view name, int index) {
    return std::string(name) + "[" + std::to_string(index) + "]";
}

std::string FromList(std::span<const std::string_view> names, int offset) {
    return std::string(names[static_cast<std::size_t>(offset)]);
}

std::string Hex4(std::uint16_t value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%04Xh", unsigned{value});
    return text.data();
}

std::string AxisModeMeaning(std::uint16_t value) {
    switch (value) {
        case AXIS_EMPTY_4W:
        case AXIS_EMPTY_2W:
            return "empty slot";
        case AXIS_NOT_SET:
        case AXIS_NOT_SET_ALT:
            return "mode not set";
        case AXIS_NO_SLOT:
            return "no slot";
        default:
            return (value & AXIS_RSV_BIT) != 0 ? "reserved, mode " + Hex4(value & AXIS_MODE_MASK) : "";
    }
}

}  // namespace

const SRegisterArea* RegisterAreaOf(std::uint16_t reg) {
    for (const SRegisterArea& area : AREAS) {
        if (reg >= area.first && reg - area.first < area.count) return &area;
    }
    return nullptr;
}

std::string RegisterFieldName(std::uint16_t reg) {
    const SRegisterArea* area = RegisterAreaOf(reg);
    if (area == nullptr) return {};
    const int offset = reg - area->first;
    switch (area->first) {
        case REG_GW_CONFIG:
            return FromList(CONFIG_FIELDS, offset);
        case REG_AXIS_MODE:
            return Indexed("AxisMode", offset);
        case REG_KAV_NET_ADDRESS:
            return FromList(ADDRESS_FIELDS, offset);
        case REG_CLOCK:
            return FromList(CLOCK_FIELDS, offset);
        case REG_MODULE_INFO:
            return Indexed("ModuleInfo", offset);
        case REG_DIAGNOSTICS:
            return FromList(DIAGNOSTIC_FIELDS, offset);
        case REG_UNIT_BLOCK:
            return FromList(UNIT_FIELDS, offset);
        case REG_AXIS_MIRROR:
            return Indexed("AxisModeMirror", offset);
        case REG_EXT_PARAM:
            return FromList(EXT_FIELDS, offset);
        case REG_ALARM_HISTORY:
            return "record " + std::to_string(offset / ALARM_RECORD_WORDS) + " word " +
                   std::to_string(offset % ALARM_RECORD_WORDS);
        case REG_HARDWARE:
            return std::string(UiText[static_cast<std::size_t>(HARDWARE_FIRST_TEXT + offset)]);
        case REG_PROFINET_INFO:
            return Indexed("ProfinetInfo", offset / 2) + (offset % 2 == 0 ? " high" : " low");
        default:
            return Indexed("word", offset);
    }
}

std::string RegisterRangeText(std::uint16_t first, int count) {
    const int last = first + count - 1;
    std::string text = Hex4(first);
    if (count > 1) text += ".." + Hex4(static_cast<std::uint16_t>(last));
    const SRegisterArea* area = RegisterAreaOf(first);
    if (area == nullptr) return text;
    text += ": " + std::string(area->name);
    std::string names;
    std::size_t named = 0;
    for (int reg = first; reg <= last && reg <= 0xFFFF; ++reg) {
        const std::string name = RegisterFieldName(static_cast<std::uint16_t>(reg));
        if (name.empty()) continue;
        if (named == NAMES_IN_RANGE) {
            names += ", …";
            break;
        }
        names += (named == 0 ? "" : ", ") + name;
        ++named;
    }
    if (!names.empty()) text += " (" + names + ")";
    return text;
}

std::string RegisterValueMeaning(std::uint16_t reg, std::uint16_t value) {
    constexpr std::uint16_t GSTS_MANU = 0x8000;
    if (reg == REG_GW_CONFIG) return (value & GSTS_MANU) != 0 ? "MANU mode" : "AUTO mode";
    if (reg == REG_GW_CONFIG + 3) {
        const SNetworkType* network = FindNetworkType(value);
        return network == nullptr ? "unknown network type"
                                  : std::string(UiText[static_cast<std::size_t>(network->textIndex)]);
    }
    if ((reg >= REG_AXIS_MODE && reg < REG_AXIS_MODE + 16) ||
        (reg >= REG_AXIS_MIRROR && reg < REG_AXIS_MIRROR + 8)) {
        return AxisModeMeaning(value);
    }
    return {};
}
