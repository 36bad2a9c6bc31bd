#pragma once
// Program-wide values: set at start, read by every part of the tool.
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/GwType.h"

// `ToolFlags` bits.
inline constexpr std::uint32_t TOOLFLAG_VALID = 1u << 1;           // set once the settings have been read
inline constexpr std::uint32_t TOOLFLAG_EXTENDED_MODE = 1u << 31;  // `ExtendedMode`

// The communication record: copied before the port dialog and compared after it.
struct SGWCommunicate {
    std::uint16_t CurrentPortNum = 0;    // COM number; 0 = never configured
    std::uint16_t CurrentBaudIndex = 0;  // index into BaudTable
    std::uint32_t ToolFlags = 0;         // option word of the settings key `Flag`
    std::string LastFolder;              // last folder used for parameter files
};

struct SProgramValues {
    GwType SelectedGwType = GW_NONE;
    std::uint8_t GwSlaveAddress = 0;
    SGWCommunicate Comm;

    bool ExtendedMode() const { return (Comm.ToolFlags & TOOLFLAG_EXTENDED_MODE) != 0; }
};

// The per-type option bit that hides the PIO pattern window after a write: bit 0 KAVELIS, 2 VOSK,
// 3 NUB3 GW, 4 DRAVO; none for VOSK(MLIII) and VOSK-LC.
std::optional<std::uint32_t> TypeOptionBit(GwType type);

// The main window's state flags, all false at creation.
struct SMainFlags {
    bool portOpen = false;
    bool commBusy = false;
    bool rs485SioMode = false;
    bool specialParamsModified = false;
    bool unitNoModified = false;
    bool etherIpModified = false;
};
