#include "core/app/texts/ExtParamBitNames.h"

extern constexpr std::array<std::string_view, 16> ExtParam1BitNames = {
    "Comd Area notuse",
    "Bit1",
    "Fulltime Fan run",
    "Fulltime Fan stop",
    "Fan round monitor",
    "Bit5",
    "Bit6",
    "Bit7",
    "BATT Charge Volt monitoring",
    "Encorder type Check",
    "Bit10",
    "Bit11",
    "Bit12",
    "Bit13",
    "Bit14",
    "RTC function",
};

extern constexpr std::array<std::string_view, 16> ExtParam2BitNames = {
    "Enable SW",
    "BYTE swap",
    "WORD swap in D-WORD Data",
    "Bit3",
    "Bit4",
    "Bit5",
    "Enable SW in AUTO mode",
    "Enable in TP disconect",
    "Bit8",
    "Bit9",
    "Bit10",
    "PUSH type(only Full mode)",
    "Bit12",
    "Through Mode(SIO)",
    "PIO loop back",
    "Field bus loop back",
};
