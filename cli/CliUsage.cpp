#include "cli/CliUsage.h"

namespace {

constexpr std::string_view USAGE =
    "usage: gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH] [--baud BPS] [--unit 0|1] [--extended]\n"
    "             COMMAND [ARGS]\n"
    "commands: search | read FILE | write FILE [--restart] [--force] | check FILE | show FILE\n"
    "          options FILE [--json] | edit FILE --option LABEL=CHOICE... |\n"
    "          driver [--set NAME=VALUE...] [--restart] [--json]\n"
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
    "  options FILE [--json]  print every option row the specialty (KAVELIS) or gateway parameter bit\n"
    "                         dialog shows for the file's set: the word it edits, label, choice, choices\n"
    "  edit FILE --option \"LABEL=CHOICE\" [--option ...]\n"
    "                         choose a list text in an option row by its label, as the dialog shows them\n"
    "                         for the type, firmware and mode (\"PAGE:LABEL\" where a label stands on\n"
    "                         more than one page); then save FILE with the checks of Save\n"
    "  driver [--set \"NAME=VALUE\" ...] [--restart] [--json]\n"
    "                         DRAVO with --extended: read and print the driver monitor parameters; with\n"
    "                         --set (NAME the symbol, e.g. OMPV) write them all back, restart only with\n"
    "                         --restart, and print them as read again\n"
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
    "\n"
    "Every message the desktop tool shows in a box is printed with its text as it stands, each CR LF\n"
    "printed as a line feed, and a line feed after it: information and questions on standard output,\n"
    "warnings and errors on standard error. A question is followed by the answer given, \"Yes\" or \"No\":\n"
    "Yes, because the command is the confirmation, except the restart question (Yes only with\n"
    "--restart) and the network type question (Yes only with --force).\n"
    "\n"
    "--json prints the result of options and driver as one JSON object {\"rows\":[...]}.\n"
    "\n"
    "exit status: 0 success; 1 the operation failed and its message was printed (a driver value outside\n"
    "its limits among them); 2 usage error (an option label or choice the dialog does not show, an\n"
    "unknown or fixed driver parameter: the nearest names are printed).\n"
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
