#pragma once
// What the main window's creation decides from the screen, the settings and the chosen gateway type.
#include <cstdint>

#include "core/app/ControlState.h"
#include "core/app/GwType.h"
#include "core/app/HostServices.h"

// The operating-system check at start: on Linux every system is supported.
enum class OsSupport { Unsupported, SupportedWithWarning, Supported };
OsSupport CheckOperatingSystem();

// A screen below 800 x 600 gets the information box "The resolution of this display is set lower than
// 800 by 600, ..." right after the window is created.
bool LowResolutionNoteDue(int screenWidth, int screenHeight);
void ShowLowResolutionNote(HostServices& host, int screenWidth, int screenHeight);

// In ExtendedMode a screen 800-1023 wide or 600-767 high gets the information box "... lower than 1024
// by 768, ..." when the network type field is set up.
bool ExtendedResolutionNoteDue(int screenWidth, int screenHeight, bool extendedMode);
void ShowExtendedResolutionNote(HostServices& host, int screenWidth, int screenHeight, bool extendedMode);

// A unit-numbered gateway answers at D0h + its unit number.
inline constexpr std::uint8_t FIRST_UNIT_ADDRESS = 0xD0;

// The gateway's Modbus slave address: 63 for KAVELIS, 208 for NUB3 GW, otherwise 208 + the unit number
// found by the unit search (0 when none was found), modulo 256.
std::uint8_t GwSlaveAddressOf(GwType type, int unitNumber);

// `MenuHelp1` is visible and enabled only for types with a `TypeOptionBit`.
bool HelpMenuShown(GwType type);
void ApplyHelpMenuRule(MenuItemState& MenuHelp1, GwType type);
// Opening the Help menu: `MenuPIO1` is disabled for a type without a `TypeOptionBit`.
void ApplyHelpMenuOpeningRule(MenuItemState& MenuPIO1, GwType type);

// The network type: a free choice in `cbNTYP` in ExtendedMode; otherwise shown read-only in `pnlNTYP`
// with its label `linpNTYP`, and the combo hidden.
void ApplyNetworkTypeFieldRule(ComboState& cbNTYP, TextState& pnlNTYP, TextState& linpNTYP,
                               bool extendedMode);

// The TP port baud rate (`lTBPS`, `cbTBPS`) exists only on VOSK-LC.
bool TpBaudRateShown(GwType type);
void ApplyTpBaudRateRule(TextState& lTBPS, ComboState& cbTBPS, GwType type);
