#pragma once
// The texts that explain a failed exchange below its box: what the request got back, and what helps.
// Each fix names the desktop tool's item and, in parentheses, the gwcli option that does the same.
#include <string_view>

namespace ExchangeCauseText {
inline constexpr std::string_view TO = " to ";
inline constexpr std::string_view AT = " at ";
inline constexpr std::string_view BPS = " bps";
inline constexpr std::string_view FUNCTION = "Function ";
inline constexpr std::string_view DOES_NOT_FIT = ": a reply that does not fit the request: ";
inline constexpr std::string_view READ_HOLDING_REGISTERS = "Read Holding Registers";
inline constexpr std::string_view WRITE_SINGLE_COIL = "Write Single Coil";
inline constexpr std::string_view WRITE_MULTIPLE_REGISTERS = "Write Multiple Registers";
inline constexpr std::string_view REPORT_SLAVE_ID = "Report Slave ID";
inline constexpr std::string_view VENDOR_COMMAND = "Vendor command ";

inline constexpr std::string_view FIX_NO_REPLY =
    "Fix: check that the unit is powered and wired to this port (gwcli --port), the RS485 wires A/B and "
    "the gateway type (gwcli --type); Setting > Check connection... (gwcli doctor) also tries the other "
    "speeds";
inline constexpr std::string_view FIX_ECHO =
    "Fix: switch the adapter's echo off (a switch or jumper named ECHO or RX ENABLE), or use an adapter "
    "that does not receive its own transmission";
inline constexpr std::string_view FIX_GARBLED =
    "Fix: the unit most likely runs at another speed: Setting > Check connection... (gwcli doctor) finds "
    "it, then choose it in Setting > Port Config (gwcli --baud BPS); otherwise check the line's "
    "termination and cable";
inline constexpr std::string_view FIX_INCOMPLETE =
    "Fix: check the cable, its connectors and the line's termination; a USB adapter or device server "
    "that holds bytes back for that long needs a shorter latency timer or packet timeout";
inline constexpr std::string_view FIX_MISFIT =
    "Fix: nothing of this request counts as done; make sure no second device on the line answers in the "
    "unit's place and no adapter or server cuts or repeats frames, then try again";
inline constexpr std::string_view FIX_OTHER_UNIT_FIRST = "Fix: if unit ";
inline constexpr std::string_view FIX_OTHER_UNIT_MIDDLE = " is the unit meant, choose it (gwcli --unit ";
inline constexpr std::string_view FIX_OTHER_UNIT_LAST =
    "); otherwise make sure no second device on the line answers in its place";
inline constexpr std::string_view FIX_OTHER_ADDRESS =
    "Fix: check the gateway type chosen (gwcli --type) and that no second device on the line answers in "
    "its place";
inline constexpr std::string_view UNIT_ANSWERED_EXCEPTION = "The unit answered with exception ";
inline constexpr std::string_view FIX_BUSY = "Fix: switch the unit to MANU mode, then try again";
inline constexpr std::string_view FIX_EXCEPTION =
    "Fix: the unit refuses the request: check the gateway type chosen (gwcli --type)";
inline constexpr std::string_view ANSWERS_AT = "The unit answers at ";
inline constexpr std::string_view FIX_SPEED_FIRST = "Fix: choose ";
inline constexpr std::string_view FIX_SPEED_MIDDLE = " bps in Setting > Port Config (gwcli --baud ";
inline constexpr std::string_view FIX_SPEED_LAST = ")";
}  // namespace ExchangeCauseText
