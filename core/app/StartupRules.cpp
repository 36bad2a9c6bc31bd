#include "core/app/StartupRules.h"

#include "core/app/ProgramValues.h"
#include "core/app/texts/MsgText.h"

namespace {

constexpr int MSG_RESOLUTION_BELOW_1024 = 38;
constexpr int MSG_RESOLUTION_BELOW_800 = 39;
constexpr std::uint8_t KAVELIS_SLAVE_ADDRESS = 0x3F;

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

OsSupport CheckOperatingSystem() {
    return OsSupport::Supported;
}

bool LowResolutionNoteDue(int screenWidth, int screenHeight) {
    return screenWidth < 800 || screenHeight < 600;
}

void ShowLowResolutionNote(HostServices& host, int screenWidth, int screenHeight) {
    if (LowResolutionNoteDue(screenWidth, screenHeight)) {
        host.ShowMessageBox(MsgText[MSG_RESOLUTION_BELOW_800], MB_ICON_INFORMATION);
    }
}

bool ExtendedResolutionNoteDue(int screenWidth, int screenHeight, bool extendedMode) {
    return extendedMode && (Within(screenWidth, 800, 1023) || Within(screenHeight, 600, 767));
}

void ShowExtendedResolutionNote(HostServices& host, int screenWidth, int screenHeight, bool extendedMode) {
    if (ExtendedResolutionNoteDue(screenWidth, screenHeight, extendedMode)) {
        host.ShowMessageBox(MsgText[MSG_RESOLUTION_BELOW_1024], MB_ICON_INFORMATION);
    }
}

std::uint8_t GwSlaveAddressOf(GwType type, int unitNumber) {
    if (type == GW_KAVELIS) return KAVELIS_SLAVE_ADDRESS;
    if (type == GW_NUB3GW) return FIRST_UNIT_ADDRESS;
    return static_cast<std::uint8_t>((FIRST_UNIT_ADDRESS + unitNumber) & 0xFF);
}

bool HelpMenuShown(GwType type) {
    return TypeOptionBit(type).has_value();
}

void ApplyHelpMenuRule(MenuItemState& MenuHelp1, GwType type) {
    MenuHelp1.visible = HelpMenuShown(type);
    MenuHelp1.enabled = MenuHelp1.visible;
}

void ApplyHelpMenuOpeningRule(MenuItemState& MenuPIO1, GwType type) {
    if (!TypeOptionBit(type)) MenuPIO1.enabled = false;
}

void ApplyNetworkTypeFieldRule(ComboState& cbNTYP, TextState& pnlNTYP, TextState& linpNTYP,
                               bool extendedMode) {
    cbNTYP.enabled = extendedMode;
    cbNTYP.visible = extendedMode;
    pnlNTYP.visible = !extendedMode;
    linpNTYP.visible = !extendedMode;
}

bool TpBaudRateShown(GwType type) {
    return type == GW_VOSK_LC;
}

void ApplyTpBaudRateRule(TextState& lTBPS, ComboState& cbTBPS, GwType type) {
    lTBPS.visible = TpBaudRateShown(type);
    cbTBPS.visible = TpBaudRateShown(type);
}
