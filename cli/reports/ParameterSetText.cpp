#include "cli/reports/ParameterSetText.h"

#include <cstdio>

#include "core/app/texts/UiText.h"
#include "core/compare/ShownAxisMode.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

const std::string NOTHING_SHOWN = "-";

template <class... Values>
std::string Format(const char* format, Values... values) {
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string OrDash(const std::string& shown) {
    return shown.empty() ? NOTHING_SHOWN : shown;
}

std::string Dotted(std::uint32_t address) {
    return Format("%u.%u.%u.%u", address >> 24, (address >> 16) & 0xFF, (address >> 8) & 0xFF,
                  address & 0xFF);
}

std::string TypeLine(const SMainFormState& form, GwType type) {
    return "type: " + std::string(GwUnitDataOf(type).name) + ", firmware version " + OrDash(form.lGver.text) +
           "\n";
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
    return Format("baud rate: %s (DBPS %04Xh)\n", OrDash(shown).c_str(), image.Word(DBPS));
}

// The rows of the information box as the window shows them ("Out 36 byte", "Mode Ver.1 mode"), and the
// MECHATROLINK III data size list when it is shown.
std::string ShownSizes(const SMainFormState& form) {
    std::string shown;
    const auto add = [&shown](const std::string& name, const std::string& value) {
        if (name.empty()) return;
        shown += (shown.empty() ? "" : ", ") + name + " " + OrDash(value);
    };
    if (form.gbInfoConfig.visible) {
        add(form.Label1.text, form.Label12.text);
        add(form.Label2.text, form.Label13.text);
        add(form.Label3.text, form.Label14.text);
    }
    if (form.cbDSZ.visible) add(form.lDSZ.text, form.cbDSZ.Selected());
    return OrDash(shown);
}

std::string SizeLine(const ParameterImage& image, const SMainFormState& form) {
    return "sizes: " + ShownSizes(form) +
           Format(" (DSZO %04Xh, DSZI %04Xh), %d axes, %d I/O axes\n", image.Word(DSZO), image.Word(DSZI),
                  image.AxisCount, image.IoAxisCount);
}

std::string AxisLines(const ParameterImage& image, const SMainFormState& form, GwType type) {
    std::string text = Format("axis slots: %d\n", image.SlotCount);
    for (int slot = 0; slot < image.SlotCount && slot < static_cast<int>(image.AxisMode.size()); ++slot) {
        const SShownAxisMode mode = ShownAxisMode(form, type, slot);
        text += Format("%-8s%-28s %-10s (%04Xh)\n", (AxisSlotCaption(slot) + ":").c_str(), mode.name.c_str(),
                       mode.mark.c_str(), image.AxisMode[static_cast<std::size_t>(slot)]);
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

std::string ParameterSetText(const ParameterImage& image, const SMainFormState& form, GwType type) {
    return TypeLine(form, type) + NetworkLine(image) + StationLine(image) + BaudLine(image, form) +
           SizeLine(image, form) + AxisLines(image, form, type) + UnitLines(image, type) + OptionLine(image);
}
