#pragma once
// The texts of the informative part below a message box: which device, file or line a failure concerns
// and why. The box's own text stays the gateway tool's; these lines follow it.
#include <string_view>

namespace DetailText {
inline constexpr std::string_view DEVICE_LABEL = "Device: ";
inline constexpr std::string_view PORT_LABEL = "Port: ";
inline constexpr std::string_view COM_NAMES_NO_DEVICE = " names no serial device";
inline constexpr std::string_view NO_SUCH_DEVICE = "No such device";
inline constexpr std::string_view DEVICE_WENT_AWAY =
    "The device went away (adapter unplugged, or the program at its other end ended); the next operation "
    "opens it again once it is back";
// What the serial port's driver would not do for the link, below the device line.
inline constexpr std::string_view ADAPTER_CANNOT_RUN_AT = "The adapter cannot run at ";
inline constexpr std::string_view BPS = " bps";
inline constexpr std::string_view ITS_DRIVER_SET = " (its driver set ";
inline constexpr std::string_view LINE_SETTINGS_REFUSED = "The driver refused the line settings (";
inline constexpr std::string_view BPS_8N1_BECAUSE = " bps, 8N1): ";
inline constexpr std::string_view LINE_SETTINGS_NOT_REPORTED = "The driver did not report the line settings: ";
inline constexpr std::string_view CLOSED_WITH_ERROR =
    "The driver reported an error as the port was closed (the port is closed all the same): ";
inline constexpr std::string_view NOT_A_TERMINAL = "Not a terminal (not a serial port)";
inline constexpr std::string_view PERMISSION_DENIED = "Permission denied";
inline constexpr std::string_view OWNED_BY_GROUP = "The device belongs to the group ";
inline constexpr std::string_view JOIN_GROUP = "Join it with: sudo usermod -aG ";
inline constexpr std::string_view THEN_LOG_IN = " (then log out and in again)";
inline constexpr std::string_view IN_GROUP_ALREADY = " is in the group ";
inline constexpr std::string_view BUT_MODE = " already, but the device's mode ";
inline constexpr std::string_view GIVES_GROUP_NO_ACCESS = " gives the group no read and write access";
inline constexpr std::string_view UDEV_RULE_OR_OWNER =
    "A udev rule with MODE=\"0660\" gives it for good; for now the owner can: sudo chmod g+rw ";
inline constexpr std::string_view IN_USE_BY = "In use by ";
inline constexpr std::string_view PROCESS = " (process ";
inline constexpr std::string_view FILE_LABEL = "File: ";
inline constexpr std::string_view FILE_MISSING = "The file does not exist";
inline constexpr std::string_view IS_A_FOLDER = "This is a folder, not a file";
inline constexpr std::string_view NOT_A_REGULAR_FILE = "This is not a regular file";
inline constexpr std::string_view FILE_TOO_LARGE = "The file is too large for a parameter file";
inline constexpr std::string_view FILE_NOT_READABLE = "The file may not be read (permission denied)";
inline constexpr std::string_view FILE_EMPTY = "The file is empty";
inline constexpr std::string_view WRONG_EXTENSION = "The file name does not end with ";
inline constexpr std::string_view FOLDER_MISSING = "The folder does not exist";
inline constexpr std::string_view FOLDER_NOT_WRITABLE = "The folder may not be written (permission denied)";
inline constexpr std::string_view FILE_NOT_WRITABLE = "The file is write-protected";
inline constexpr std::string_view LINE = "Line ";
inline constexpr std::string_view LINE_TOO_LONG = " is longer than a parameter file line may be";
inline constexpr std::string_view REQUIRED_LINE_MISSING = "A data line the gateway type needs is missing";
inline constexpr std::string_view FILE_OF_TYPE = "This is a parameter file of ";
inline constexpr std::string_view NOT_OF_TYPE = ", not of ";
inline constexpr std::string_view OR = " or ";
inline constexpr std::string_view MIXED_SET =
    " register blocks reached the unit: it may now hold a mixed set of old and new parameters.\n"
    "Write the parameters again before the unit is restarted.";
}  // namespace DetailText
