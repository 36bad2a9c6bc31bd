#include "cli/ParameterSetText.h"

#include <cstdio>

#include "core/app/texts/UiText.h"
#include "core/params/AxisModeTable.h"
#include "core/params/NetworkTypeTable.h"

namespace {

constexpr std::uint16_t UNNAMED_TEXT = 26;

template <class... Values>
std::string Format(const char* format, Values... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Dotted(std::uint32_t address) {
    return Format("%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF, (address >> 8) & 0xFF,
                  address & 0xFF);
}

std::string NetworkLine(const ParameterImage& image) {
    const std::uint16_t ntyp = image.Word(NTYP);
    const SNetworkType* entry = FindNetworkType(ntyp);
    const std::string name =
        entry ? std::string(UiText[static_cast<std::size_t>(entry->textIndex)]) : "(illegal)";
    return Format("network: %s (NTYP %04Xh, NMOD %04Xh)\n", name.c_str(), ntyp, image.Word(NMOD));
}

std::string StationLine(const ParameterImage& image) {
    const std::uint16_t ntyp = image.Word(NTYP);
    if (ntyp != NTYP_ETHERCAT && !StationAddressDomainOf(ntyp)) return "station address: -\n";
    return Format("station address: %u\n", image.Word(DADR));
}

std::string BaudLine(const ParameterImage& image, const SMainFormState& form) {
    const std::string shown = form.cbDBPS.visible ? form.cbDBPS.Selected() : std::string();
    return Format("baud rate: %s (DBPS %04Xh)\n", shown.empty() ? "-" : shown.c_str(), image.Word(DBPS));
}

std::string SizeLine(const ParameterImage& image) {
    return Format("sizes: output %d bytes, input %d bytes (DSZO %04Xh, DSZI %04Xh), %d axes, %d I/O axes\n",
                  image.OutBytes, image.InBytes, image.Word(DSZO), image.Word(DSZI), image.AxisCount,
                  image.IoAxisCount);
}

std::string AxisLines(const ParameterImage& image, GwType type) {
    std::string text = Format("axis slots: %d\n", image.SlotCount);
    for (int slot = 0; slot < image.SlotCount && slot < static_cast<int>(image.AxisMode.size()); ++slot) {
        const std::uint16_t word = image.AxisMode[static_cast<std::size_t>(slot)];
        const bool reserved = word != AXIS_NO_SLOT && IsReservedAxis(word);
        text += Format("slot %2d: %-24s %s (%04Xh)\n", slot, AxisModeName(word, type).c_str(),
                       reserved ? "rsv" : "   ", word);
    }
    return text;
}

std::string UnitLines(const ParameterImage& image, GwType type) {
    const auto& net = image.NetAddress;
    const std::string addresses = "IP address " + Dotted(net[0]) + ", subnet mask " + Dotted(net[1]) +
                                  ", default gateway " + Dotted(net[2]);
    if (type == GW_KAVELIS) return "unit: " + addresses + "\n";
    return Format("unit: number %u, top axis %u, ", image.UnitNo, image.TopAxisNo) + addresses +
           Format(", multi-drop %s (MDRP %08Xh)\n", image.MDRP == MDRP_ENABLED ? "on" : "off", image.MDRP);
}

std::string OptionLine(const ParameterImage& image) {
    return Format("options: GMOD %04Xh, TBPS %04Xh, ExtParam1 %04Xh, ExtParam2 %04Xh\n", image.Word(GMOD),
                  image.Word(TBPS), image.ExtParam1, image.ExtParam2);
}

}  // namespace

std::string AxisModeName(std::uint16_t word, GwType type) {
    if (word == AXIS_NO_SLOT) return "(none)";
    const std::uint16_t code = AxisModeCode(word);
    if (code == AXIS_EMPTY_4W || code == AXIS_EMPTY_2W || code == AXIS_NOT_SET || code == AXIS_NOT_SET_ALT) {
        return "(empty)";
    }
    const SAxisModeEntry* named = nullptr;
    for (const SAxisModeEntry& entry : AxisModeTable) {
        if (entry.code != code || entry.textIndex == UNNAMED_TEXT) continue;
        if (named == nullptr || (entry.gwTypes & type) != 0) named = &entry;
    }
    if (named == nullptr) return Format("mode %04Xh", code);
    return std::string(UiText[named->textIndex]);
}

std::string ParameterSetText(const ParameterImage& image, const SMainFormState& form, GwType type) {
    return Format("type: %s, firmware version %u\n", std::string(GwUnitDataOf(type).name).c_str(),
                  image.Word(GVER)) +
           NetworkLine(image) + StationLine(image) + BaudLine(image, form) + SizeLine(image) +
           AxisLines(image, type) + UnitLines(image, type) + OptionLine(image);
}
