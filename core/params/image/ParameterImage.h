#pragma once
// The tool's one in-memory copy of the gateway's configuration registers (F100h upwards), with the
// values derived from the axis configuration and the run-time values beside them.
#include <array>
#include <cstdint>

#include "core/app/GwType.h"

// Register numbers of the blocks.
inline constexpr std::uint16_t REG_GW_CONFIG = 0xF100;        // 16 words, GSTS .. GMOD
inline constexpr std::uint16_t REG_AXIS_MODE = 0xF110;        // 16 words
inline constexpr std::uint16_t REG_KAV_NET_ADDRESS = 0xF120;  // 6 words, KAVELIS from version 19
inline constexpr std::uint16_t REG_MODULE_INFO = 0xF180;      // 8 words, read only
inline constexpr std::uint16_t REG_UNIT_BLOCK = 0xF200;       // 13 read, 12 written
inline constexpr std::uint16_t REG_AXIS_MIRROR = 0xF280;      // 8 words
inline constexpr std::uint16_t REG_EXT_PARAM = 0xF380;        // 2 words
inline constexpr std::uint16_t REG_PROFINET_INFO = 0xFA00;    // 24 words, read only

// Index of each word of `GwConfigBlock` (register - F100h).
enum GwConfigIndex : int {
    GSTS = 0,  // gateway status; bit 15 = MANU mode
    GVER = 1,  // firmware version
    GCFG_F102 = 2,
    NTYP = 3,  // network type code
    NMOD = 4,  // network module code (derived)
    DSZO = 5,  // output data size (derived)
    DSZI = 6,  // input data size; CC-Link: extended cyclic setting in the low byte
    DADR = 7,  // station / node address (CC-Link: plain number here, BCD in the unit)
    DBPS = 8,  // fieldbus baud-rate code
    FINX = 9,  // index of the last occupied axis word
    W4N = 10,
    W8N = 11,
    GCFG_F10C = 12,
    GCFG_F10D = 13,
    TBPS = 14,  // TP port baud-rate code
    GMOD = 15,  // gateway mode bits
};

// Axis mode words.
inline constexpr std::uint16_t AXIS_RSV_BIT = 0x8000;
inline constexpr std::uint16_t AXIS_MODE_MASK = 0x7FFF;
inline constexpr std::uint16_t AXIS_EMPTY_4W = 0x3FFF;     // empty slot of the KAVELIS 4W group
inline constexpr std::uint16_t AXIS_EMPTY_2W = 0x4FFF;     // empty slot of the KAVELIS 2W group
inline constexpr std::uint16_t AXIS_NOT_SET = 0x5FFF;      // VOSK / NUB3 GW slot whose mode is not set
inline constexpr std::uint16_t AXIS_NOT_SET_ALT = 0x6FFF;  // read as "not set", never produced
inline constexpr std::uint16_t AXIS_NO_SLOT = 0xFFFF;      // beyond the configured axes

inline constexpr std::uint32_t MDRP_ENABLED = 0x44524F50;  // "DROP": multi-drop enabled

struct ParameterImage {
    // Registers.
    std::array<std::uint16_t, 16> GwConfigBlock{};  // F100h..F10Fh, indexed by GwConfigIndex
    std::array<std::uint16_t, 16> AxisMode{};       // F110h..F11Fh
    std::array<std::uint32_t, 3> NetAddress{};      // IP address, subnet mask, default gateway
    std::uint16_t UnitNo = 0;                       // F200h..F201h (high word sent as 0)
    std::uint16_t TopAxisNo = 0;                    // F202h..F203h (high word sent as 0)
    std::uint32_t MDRP = 0;                         // F20Ah..F20Bh
    std::array<std::uint16_t, 8> ModuleInfo{};      // F180h..F187h, read only
    std::array<std::uint16_t, 8> AxisModeMirror{};  // F280h..F287h
    std::uint16_t ExtParam1 = 0;                    // F380h
    std::uint16_t ExtParam2 = 0;                    // F381h
    std::array<std::uint32_t, 12> ProfinetInfo{};   // FA00h..FA17h, read only
    std::uint32_t SlaveIdWord = 0;                  // from Report Slave ID, the file's gateway tag value

    // Derived values.
    int AxisCount = 0;
    int IoAxisCount = 0;
    int OutBytes = 0;
    int InBytes = 0;
    int DravoMode = 0;  // DRAVO: 1 = "Direct,Positioner", 2 = "RemoteI/O"
    int SlotCount = 0;  // 16 KAVELIS, 4 NUB3 GW, the unit's axis count (or 8 / 6) otherwise

    // Run-time values.
    bool RecountPending = false;
    std::uint16_t GmodSnapshot = 0;
    std::array<std::uint32_t, 3> NetAddressSnapshot{};

    std::uint16_t& Word(GwConfigIndex i) { return GwConfigBlock[i]; }
    std::uint16_t Word(GwConfigIndex i) const { return GwConfigBlock[i]; }
};

// Clears the image to its state at program start: every register, derived and run-time value zero.
// `SlotCount` belongs to the unit found at start, not to a parameter set, and is kept.
void ResetParameterImage(ParameterImage& image);

// The axis slots of a gateway type: 16 KAVELIS, 4 NUB3 GW, none VOSK-LC; for VOSK and VOSK(MLIII) the
// unit's axis count (8 when it is 0, at most 8), for DRAVO the unit's count (6 when it is 0, at most 16).
int SlotCountOf(GwType type, int unitAxisCount);

// Bits 0..14 of an axis word: the mode code without the reserve flag.
inline constexpr std::uint16_t AxisModeCode(std::uint16_t word) {
    return word & AXIS_MODE_MASK;
}
inline constexpr bool IsReservedAxis(std::uint16_t word) {
    return (word & AXIS_RSV_BIT) != 0;
}
