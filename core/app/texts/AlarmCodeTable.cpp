#include "core/app/texts/AlarmCodeTable.h"

// Not sorted: the search must be linear. Record 44 (code 0) ends the table.
extern constexpr std::array<SAlarmCode, ALARM_CODE_RECORDS> AlarmCodeTable = {{
    {0x842, "Detect driver board shutdown signal"},
    {0x843, "ABS charge circuit err.  "},
    {0x848, "Fan Round slow."},
    {0x849, "Time notice error."},
    {0x84A, "Detect RTC stop.          "},
    {0x84B, "RTC access error.         "},
    {0x850, "ERR C                     "},
    {0x855, "LC minor failure           "},
    {0x860, "ERR T                     "},
    {0x861, "DB comm send error.       "},
    {0x862, "DB comm recive error.     "},
    {0x86A, "DB Parameter type mismatch."},
    {0x86C, "The abnormalities in initial parameter read-out of MECHATROLINK-III"},
    {0x870, "Battery low voltage"},
    {0x871, "Battery unconnected"},
    {0x872, "Battery overheat"},
    {0x873, "Battery overcharge"},
    {0x880, "Parameter data error.     "},
    {0x881, "Parameter checksum error. "},
    {0x890, "Driver-Board mount error. "},
    {0x891, "Driver error.             "},
    {0x892, "Controller type mismatch. "},
    {0x894, "DB Parameter read error.  "},
    {0x89A, "FieldBus link error.      "},
    {0x89B, "FieldBus modure error.    "},
    {0x89C, "FieldBus modure not found."},
    {0x89D, "FieldBus Init timeout.    "},
    {0x89E, "Fan Failure.              "},
    {0x8A0, "Control voltage error.    "},
    {0x8A1, "Control voltage drop.     "},
    {0x8A2, "Motor power over.         "},
    {0x8A3, "Motor power drop.         "},
    {0x8A6, "ENC voltage drop.         "},
    {0x8AA, "Regeneration circuit err. "},
    {0x8AB, "Regeneration power over.  "},
    {0x8AC, "Regeneration overwork.    "},
    {0x8AE, "Detect power failure      "},
    {0x8AF, "Motor power RY error.     "},
    {0x8BA, "Mismatch Number of axis / Operation mode."},
    {0x8BC, "Attached axis communication error."},
    {0x8BF, "Internal communication error(CLK)"},
    {0x8CA, "Overheat                  "},
    {0xFFF, "Power up (not error)      "},
    {0x8FA, "CPU error\t\t\t\t\t"},
    {0x000, "0                         "},
}};

int AlarmCodeIndexOf(std::uint16_t code) {
    if (code == 0) return -1;
    for (std::size_t i = 0; i < ALARM_CODE_RECORDS && AlarmCodeTable[i].code != 0; ++i) {
        if (AlarmCodeTable[i].code == code) return static_cast<int>(i);
    }
    return -1;
}
