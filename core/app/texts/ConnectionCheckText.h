#pragma once
// The texts of the connection check: the names of its steps, the lines that say what a step found, and
// for each verdict one paragraph that explains it and says what to do.
#include <string_view>

namespace ConnectionCheckText {
// The dialog and its menu item.
inline constexpr std::string_view MENU_CAPTION = "Check co&nnection...";
inline constexpr std::string_view DIALOG_CAPTION = "Check connection";
inline constexpr std::string_view VERDICT_LABEL = "Verdict: ";
inline constexpr std::string_view CHECKING = "Checking...";
inline constexpr std::string_view CHECK_AGAIN = "Check &again";
inline constexpr std::string_view CLOSE = "&Close";
inline constexpr std::string_view COLUMN_STEP = "Step";
inline constexpr std::string_view COLUMN_RESULT = "Result";
inline constexpr std::string_view COLUMN_FOUND = "Found";

// Step names, as the dialog lists them and gwcli prints them.
inline constexpr std::string_view STEP_DEVICE = "device";
inline constexpr std::string_view STEP_SERVER = "server";
inline constexpr std::string_view STEP_OPEN = "open";
inline constexpr std::string_view STEP_LINE = "line";
inline constexpr std::string_view STEP_SPEEDS = "other speeds";

// Step results.
inline constexpr std::string_view RESULT_RUNNING = "running";
inline constexpr std::string_view RESULT_OK = "ok";
inline constexpr std::string_view RESULT_FAILED = "failed";

// What a step found.
inline constexpr std::string_view COM_NAMES_NO_DEVICE = " names no serial device";
inline constexpr std::string_view NO_SUCH_DEVICE = ": no such device";
inline constexpr std::string_view NOT_A_CHARACTER_DEVICE = ": not a character device";
inline constexpr std::string_view NOT_A_TTY = ": a character device, but no terminal (tty)";
inline constexpr std::string_view TTY_FOUND = ": serial terminal";
inline constexpr std::string_view MAPPED_BY_PORTS = " (mapped in [Ports])";
inline constexpr std::string_view ADAPTER = "USB adapter: ";
inline constexpr std::string_view SERIAL_NUMBER = ", serial number ";
inline constexpr std::string_view BY_ID = "Stable name: ";
inline constexpr std::string_view LATENCY_TIMER = "USB latency timer: ";
inline constexpr std::string_view MS = " ms";
inline constexpr std::string_view LATENCY_BURSTS =
    "replies reach the PC in bursts up to the latency timer apart; the tool waits for the whole reply, "
    "but each exchange takes up to that much longer. For faster polling set 1 ms: ";
inline constexpr std::string_view LATENCY_SET_PREFIX = "echo 1 | sudo tee ";
inline constexpr std::string_view LATENCY_SET_SUFFIX = " (until the adapter is plugged in again)";
inline constexpr std::string_view OPENED_AT = "opened at ";
inline constexpr std::string_view BPS = " bps";
inline constexpr std::string_view PERMISSION_DENIED = "permission denied; the device belongs to the group ";
inline constexpr std::string_view IN_USE_BY = "in use by ";
inline constexpr std::string_view PROCESS = " (process ";
inline constexpr std::string_view ALSO_OPEN_IN = "also open in ";
inline constexpr std::string_view IN_USE_UNKNOWN = "in use by another program";
inline constexpr std::string_view DEVICE_WENT_AWAY = "the device went away during the check";
inline constexpr std::string_view REPORT_SLAVE_ID_TO = "Report Slave ID to ";
inline constexpr std::string_view VALID_REPLY = ": valid reply, identification ";
inline constexpr std::string_view NO_REPLY = ": no reply";
inline constexpr std::string_view ECHO = ": the request came back unchanged (echo)";
inline constexpr std::string_view GARBLED = ": bytes with a bad CRC or broken framing: ";
inline constexpr std::string_view OTHER_ADDRESS = ": a reply from address ";
inline constexpr std::string_view OTHER_FUNCTION = ": a reply for function ";
// ": the reply broke off after 6 of 11 bytes (no byte for over 100 ms)"
inline constexpr std::string_view BROKE_OFF_AFTER = ": the reply broke off after ";
inline constexpr std::string_view OF = " of ";
inline constexpr std::string_view BYTES = " bytes";
inline constexpr std::string_view ONE_BYTE = " byte";
inline constexpr std::string_view NO_BYTE_FOR_OVER = " (no byte for over ";
inline constexpr std::string_view MS_CLOSE = " ms)";
// ": a reply cut short, 5 of 8 bytes: D0 10 ..."
inline constexpr std::string_view CUT_SHORT = ": a reply cut short, ";
// ": a reply of 9 bytes where 8 are due: D0 10 ..."
inline constexpr std::string_view REPLY_OF = ": a reply of ";
inline constexpr std::string_view WHERE = " bytes where ";
inline constexpr std::string_view ARE_DUE = " are due: ";
inline constexpr std::string_view BYTES_LIST = " bytes: ";
// ": the reply confirms another write than the one sent: D0 10 F1 00 00 0A ..."
inline constexpr std::string_view WRONG_ECHO = ": the reply confirms another write than the one sent: ";
inline constexpr std::string_view EXCEPTION = ": exception ";
inline constexpr std::string_view DOES_NOT_RESOLVE = ": the name does not resolve: ";
inline constexpr std::string_view RESOLVES_TO = " resolves to ";
inline constexpr std::string_view CONNECTED_TO = "TCP connection to ";
inline constexpr std::string_view SERVER_SAID = "the server said \"";
inline constexpr std::string_view RFC2217_LINE_SET = "RFC 2217: the server set its serial line to ";
inline constexpr std::string_view BPS_8N1 = " bps, 8N1";
inline constexpr std::string_view RAW_TCP_OPENED =
    "raw TCP: the bytes pass as they are, at the serial speed the server is configured with";
inline constexpr std::string_view NO_ANSWER_AT_ANY_SPEED = "no answer at any other speed";
inline constexpr std::string_view ANSWERS_AT = "the unit answers at ";

// Exception names (Modbus exception codes 01h-0Bh).
inline constexpr std::string_view EXCEPTION_ILLEGAL_FUNCTION = "illegal function";
inline constexpr std::string_view EXCEPTION_ILLEGAL_ADDRESS = "illegal data address";
inline constexpr std::string_view EXCEPTION_ILLEGAL_VALUE = "illegal data value";
inline constexpr std::string_view EXCEPTION_DEVICE_FAILURE = "slave device failure";
inline constexpr std::string_view EXCEPTION_ACKNOWLEDGE = "acknowledge";
inline constexpr std::string_view EXCEPTION_BUSY = "slave device busy: the unit is in AUTO mode";
inline constexpr std::string_view EXCEPTION_OTHER = "unknown exception";

// Each verdict: what it means and what to do.
inline constexpr std::string_view FIX_OK =
    "The unit answers at the configured port, speed and address. The connection is in order.";
inline constexpr std::string_view FIX_NO_DEVICE =
    "The port names no device that is there. Plug the USB adapter in (or check its cable), or choose "
    "another port in Setting > Port Config; a device name that is not the standard one can be "
    "mapped to a COM number in the [Ports] section of the settings file.";
inline constexpr std::string_view FIX_NOT_A_TTY =
    "The port's path is not a serial port (a file, a folder or another kind of device). Choose the "
    "port of the serial adapter, or correct its path in the [Ports] section of the settings file.";
inline constexpr std::string_view FIX_PERMISSION =
    "This user may not use the serial device. Add the user to the group that owns it with the command "
    "shown, then log out and in again.";
inline constexpr std::string_view FIX_PERMISSION_BY_MODE =
    "The user is in the device's group already, but the device's mode gives that group no access, so "
    "joining it again does not help. Give the group read and write access with a udev rule for the "
    "device (MODE=\"0660\"), or ask the device's owner to change its mode.";
inline constexpr std::string_view FIX_IN_USE =
    "Another program holds the port open. Close that program (a terminal program, another instance of "
    "this tool, a modem manager) and run the check again.";
inline constexpr std::string_view FIX_OPEN_FAILED =
    "The system refused to open the port for the reason shown. Check the adapter and its driver, then "
    "run the check again.";
inline constexpr std::string_view FIX_NO_REPLY =
    "Nothing came back at any speed. Check that the unit is powered, that the cable is connected to the "
    "unit's tool port, that the RS485 wires are not swapped (A/B), and that the gateway type chosen "
    "matches the unit.";
inline constexpr std::string_view FIX_ECHO =
    "The adapter sends back every byte it transmits, so the tool reads its own request as the reply. "
    "Switch the adapter's echo off (on many RS485 adapters a switch or jumper named ECHO or RX ENABLE), "
    "or use an adapter that does not receive while it transmits.";
inline constexpr std::string_view FIX_GARBLED =
    "Bytes came back, but broken: the unit most likely runs at another speed, or the line lacks its "
    "termination or picks up noise. Check the speed in Setting > Port Config, the terminating "
    "resistor at the end of the RS485 line, and the cable's shield and route.";
inline constexpr std::string_view FIX_WRONG_ADDRESS =
    "A unit answered, but from another address than the one asked. Check the gateway type chosen and "
    "the unit's number (unit-numbered types answer at D0h plus the unit number), and that no second "
    "device on the line answers in its place.";
inline constexpr std::string_view FIX_EXCEPTION =
    "The unit answered with a Modbus exception. Exception 06 (busy) means the unit is in AUTO mode: "
    "switch it to MANU mode and run the check again. Other exceptions mean the unit refuses the request; "
    "check the gateway type chosen.";
inline constexpr std::string_view FIX_INCOMPLETE =
    "A reply began but stopped before its end and nothing followed for longer than the tool waits "
    "between two bytes. Check the cable, its connectors and the line's termination; a USB adapter or "
    "serial device server that holds bytes back that long needs a shorter latency timer or packet "
    "timeout.";
inline constexpr std::string_view FIX_MISFIT =
    "A well-formed reply came, but it does not answer the request (its length, its function or what it "
    "confirms is not what was asked), so nothing of it counts as done. Make sure no second device on the "
    "line answers in the unit's place and that no adapter or server cuts or repeats frames; a unit that "
    "keeps answering so is faulty.";
// Followed by the speed, FIX_OTHER_SPEED_MIDDLE, the speed again and FIX_OTHER_SPEED_LAST.
inline constexpr std::string_view FIX_OTHER_SPEED =
    "The unit answers, but at another speed than the one configured, and it does not hear the tool's "
    "speed command (sent at 9600 bps), so reading or writing does not bring it to the configured speed. "
    "Choose ";
inline constexpr std::string_view FIX_OTHER_SPEED_MIDDLE = " bps in Setting > Port Config (gwcli --baud ";
inline constexpr std::string_view FIX_OTHER_SPEED_LAST = ").";
inline constexpr std::string_view FIX_NAME_UNRESOLVED =
    "The serial device server's name does not resolve. Check its spelling in the port (or in the [Ports] "
    "section of the settings file) and the PC's name service, or give the server's IP address instead.";
inline constexpr std::string_view FIX_CONNECT_FAILED =
    "No connection to the serial device server's port. Check that the server is powered and reachable "
    "from this PC (network cable, firewall), that its service runs, and that the port number is the one "
    "its configuration gives the gateway's serial line.";
inline constexpr std::string_view FIX_NO_RFC2217 =
    "The server accepts the connection but does not answer RFC 2217 COM port control: its port passes "
    "raw TCP. Use tcp://HOST:PORT with the server's serial speed as the configured speed, or configure "
    "the port for RFC 2217 (ser2net: accepter telnet(rfc2217),tcp,PORT).";
inline constexpr std::string_view FIX_SERVER_BUSY =
    "The serial device server closed the connection: another client holds its port (another instance "
    "of this tool, a terminal program, a monitoring system). Close that client and run the check again.";
}  // namespace ConnectionCheckText
