#pragma once
// The six gateway types the tool serves. Each value is one bit so that rules test families with masks.
#include <array>
#include <cstdint>
#include <string_view>

using GwType = std::uint16_t;

inline constexpr GwType GW_NONE = 0x00;
inline constexpr GwType GW_KAVELIS = 0x01;
inline constexpr GwType GW_VOSK = 0x02;
inline constexpr GwType GW_DRAVO = 0x04;
inline constexpr GwType GW_NUB3GW = 0x08;
inline constexpr GwType GW_VOSK_ML3 = 0x10;
inline constexpr GwType GW_VOSK_LC = 0x20;

// VOSK, DRAVO, VOSK(MLIII) and VOSK-LC: the unit-numbered types that run the unit search.
inline constexpr GwType GW_UNIT_NUMBERED_MASK = 0x36;
// The VOSK family: VOSK, VOSK(MLIII), VOSK-LC.
inline constexpr GwType GW_VOSK_FAMILY_MASK = 0x32;

// One record of `GwTypeTable`.
struct SGwUnitData {
    std::string_view name;       // display name, also written into the alarm-list file
    GwType code;                 // the type; 0 in the end record
    std::string_view extension;  // parameter-file extension with the dot
    int filterIndex;             // UiText index of the file-dialog filter (both %ls take the extension)
    int tagIndex;                // UiText index of the parameter-file header tag
    bool listedNormally;         // offered in the type dialog when ExtendedMode is off
    bool listedExtended;         // offered when ExtendedMode is on
};

// KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, NUB3 GW, DRAVO and the end record (code 0).
extern const std::array<SGwUnitData, 7> GwTypeTable;

// The record of a type; the end record when the type is unknown.
const SGwUnitData& GwUnitDataOf(GwType type);
