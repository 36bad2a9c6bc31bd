#include "cli/CliUsage.h"

namespace {

constexpr std::string_view USAGE =
    "usage: gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH] [--baud BPS] [--unit 0|1] [--extended]\n"
    "             COMMAND [ARGS]\n"
    "commands: search | read FILE | write FILE [--restart] [--force] | check FILE | show FILE\n"
    "          alarms [--csv FILE] [--clear] | counters [--clear ERR_T|ERR_C|EMG|RTET|all]\n"
    "          [--watch MS] [--count N] | hardware [--watch MS] [--count N]   (each with [--json])\n"
    "          gwcli --help | gwcli --version\n";

constexpr std::string_view HELP =
    "gwcli: read, write and check the parameters of a gateway unit from a script.\n"
    "\n"
    "usage: gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH] [--baud BPS] [--unit 0|1] [--extended]\n"
    "             COMMAND [ARGS]\n"
    "\n"
    "  search                 probe the units and print, one line each, \"unit N slots M\"\n"
    "  read FILE              read the whole parameter set from the unit, then save it to FILE\n"
    "                         (FILE must bear the type's extension; saving runs the same checks as Save)\n"
    "  write FILE [--restart] [--force]\n"
    "                         open FILE with every reader check, then write it to the unit;\n"
    "                         restart it only with --restart; a different network type on the unit is\n"
    "                         written only with --force and --extended, as the desktop tool asks\n"
    "  check FILE             open FILE and run the checks of Save, without touching any unit\n"
    "  show FILE              print the parameter set readably: network, address, baud rate, sizes,\n"
    "                         one line per axis slot with its mode and reserve flag, unit block, option "
    "words\n"
    "  alarms [--csv FILE] [--clear]\n"
    "                         the alarm list: the unit's 64 alarm records as the window shows them;\n"
    "                         --clear clears the history (without asking) and reads it again; --csv\n"
    "                         also writes the window's CSV file (an old file is only replaced once the\n"
    "                         new one is complete). Not offered for KAVELIS\n"
    "  counters [--clear ERR_T|ERR_C|EMG|RTET|all] [--watch MS] [--count N]\n"
    "                         the diagnostic counters: scan time and error counters; --clear resets the\n"
    "                         named counter (all: every counter the window has a Clear button for)\n"
    "                         before the reading; RTET needs --extended\n"
    "  hardware [--watch MS] [--count N]\n"
    "                         the hardware monitor: supply voltages, fan speed and driver board\n"
    "                         temperatures (VOSK, VOSK(MLIII) and VOSK-LC only)\n"
    "  --help, --version\n"
    "\n"
    "options:\n"
    "  --type TYPE    KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, \"NUB3 GW\" or DRAVO, matched without regard to\n"
    "                 case, blanks, dashes or parentheses (vosk-ml3, voskmliii and nub3gw work)\n"
    "  --port PORT    a COM number, or a device path such as /dev/ttyUSB0 or /dev/pts/3;\n"
    "                 default: the port of the desktop tool's settings file\n"
    "  --baud BPS     9600, 19200, 38400, 57600, 115200 or 230400; default: the settings file's\n"
    "  --unit N       the unit with unit number N (0 or 1) among those the unit search finds;\n"
    "                 without it VOSK, VOSK(MLIII), VOSK-LC and DRAVO take the first unit found\n"
    "  --extended     run with ExtendedMode on for this run only (the settings file is not changed)\n"
    "  --watch MS     counters, hardware: a reading every MS milliseconds (100 to 500) until --count\n"
    "                 readings were taken or Ctrl-C, which ends the command with status 0\n"
    "  --count N      with --watch: stop after N readings\n"
    "  --json         alarms, counters, hardware: print JSON instead of the text (messages then go\n"
    "                 to standard error). alarms: {\"identification\":\"8 hex digits\",\"records\":[64 x\n"
    "                 {\"record\",\"code\",\"content\",\"detail\",\"address\",\"occurrence\",\"raw\":\n"
    "                 {\"code\",\"detail\",\"address\",\"seconds\"}}]}; counters, hardware: {\"rows\":\n"
    "                 [{\"name\",\"value\",\"raw\"} (hardware rows also \"unit\")]}, one document per\n"
    "                 line while watching\n"
    "\n"
    "Every message the desktop tool shows in a box is printed with its text as it stands, each CR LF\n"
    "printed as a line feed, and a line feed after it: information and questions on standard output,\n"
    "warnings and errors on standard error. A question is followed by the answer given, \"Yes\" or \"No\":\n"
    "Yes, because the command is the confirmation, except the restart question (Yes only with\n"
    "--restart) and the network type question (Yes only with --force).\n"
    "\n"
    "exit status: 0 success; 1 the operation failed and its message was printed; 2 usage error.\n"
    "\n"
    "environment: GWCLI_RESPONSE_TIMEOUT_MS sets the reply time-out of the serial link in\n"
    "milliseconds (default 3000), XDG_CONFIG_HOME the folder of the settings file.\n";

}  // namespace

std::string_view CliUsageText() {
    return USAGE;
}

std::string_view CliHelpText() {
    return HELP;
}
