#include "cli/console/CliUsage.h"

#include <string>

#include "cli/commands/CliCommand.h"

namespace {

constexpr std::string_view PROGRAM_LINE =
    "gwcli --type TYPE [--port COM_NUMBER|DEVICE_PATH|URL] [--baud BPS] [--unit 0|1] [--extended]\n"
    "             [--json] [--trace FILE] [--pcap FILE] COMMAND [ARGS]\n";

constexpr std::string_view INTRODUCTION =
    "gwcli: read, write and check the parameters of a gateway unit from a script.\n\n";

constexpr std::string_view OPTIONS =
    "  --help, --version, COMMAND --help\n"
    "\n"
    "options:\n"
    "  --type TYPE    KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, \"NUB3 GW\" or DRAVO, matched without regard to\n"
    "                 case, blanks, dashes or parentheses (vosk-ml3, voskmliii and nub3gw work)\n"
    "  --port PORT    a COM number, or a device path such as /dev/ttyUSB0 or /dev/pts/3, or a port\n"
    "                 on a serial device server: tcp://HOST:PORT (raw TCP) or rfc2217://HOST:PORT\n"
    "                 (Telnet COM port control); IPv6 addresses in brackets: tcp://[::1]:4001;\n"
    "                 default: the port of the desktop tool's settings file. Over tcp:// the\n"
    "                 server's serial line keeps its own speed: --baud must be that speed, the unit\n"
    "                 is switched to exactly it, and the break before the switch is left out\n"
    "  --baud BPS     9600, 19200, 38400, 57600, 115200 or 230400; default: the settings file's\n"
    "  --unit N       the unit with unit number N (0 or 1): only that unit is asked;\n"
    "                 without it VOSK, VOSK(MLIII), VOSK-LC and DRAVO ask for units 0 and 1 and\n"
    "                 take the first that answers, after waiting a reply time-out (3 s) for an\n"
    "                 absent second unit: with one unit on the line, --unit saves that wait\n"
    "  --extended     run with ExtendedMode on for this run only (the settings file is not changed)\n"
    "  --json         print one JSON document on standard output instead of the text; the messages\n"
    "                 of the boxes go to standard error\n"
    "  --trace FILE   write every frame on the line to FILE as it goes, one line each: time, direction,\n"
    "                 bytes, the frame decoded into the gateway's register names, gap and verdict\n"
    "  --pcap FILE    write every frame on the line to FILE as a capture for Wireshark: pcapng, with\n"
    "                 each frame's direction and the failed receives, when FILE ends in .pcapng;\n"
    "                 classic PCAP otherwise. The package's Wireshark dissector decodes it in the\n"
    "                 gateway's words (see the README, \"Looking at the conversation in Wireshark\")\n"
    "\n"
    "Every message the desktop tool shows in a box is printed with its text as it stands, each CR LF\n"
    "printed as a line feed, and a line feed after it: information and questions on standard output,\n"
    "warnings and errors on standard error. A question is followed by the answer given, \"Yes\" or \"No\":\n"
    "Yes, because the command is the confirmation, except the restart question (Yes only with\n"
    "--restart) and the network type question (Yes only with --force).\n"
    "\n"
    "exit status: 0 success; 1 the operation failed and its message was printed; 2 usage error (diff: 1\n"
    "different, 2 not compared); 130 stopped by Ctrl-C.\n"
    "\n"
    "--json: every command prints exactly one JSON document on standard output (a watching monitor one\n"
    "line per reading); a failure prints {\"error\":{\"message\", \"details\":[...], \"verdict\",\n"
    "\"exit\"}} with the same exit status: message the first warning or error, details the lines after\n"
    "it, verdict (when the cause is known) the keyword of the connection check. A key means the same in\n"
    "every command: unit_number (0 or 1), slave_address (a number), axis_slots, label (a row as the\n"
    "window names it), symbol (a driver parameter's short name), text (as the window shows it), raw\n"
    "(the number the unit holds), register (hexadecimal, \"F103\").\n"
    "\n"
    "environment: GWCLI_RESPONSE_TIMEOUT_MS sets the reply time-out of the serial link in\n"
    "milliseconds (default 3000), XDG_CONFIG_HOME the folder of the settings file.\n";

// Synopses stand in a column 23 characters wide; a longer one puts its description on the next line.
constexpr std::size_t SYNOPSIS_WIDTH = 23;
constexpr std::string_view DESCRIPTION_INDENT = "                         ";

std::string CommandHelp(const SCliCommand& command) {
    std::string text = "  " + std::string(command.synopsis);
    const std::string_view description = command.description;
    std::size_t start = 0;
    bool firstLine = text.size() < SYNOPSIS_WIDTH + 2;
    if (firstLine)
        text.resize(SYNOPSIS_WIDTH + 2, ' ');
    else
        text += "\n";
    while (start < description.size()) {
        const std::size_t end = description.find('\n', start);
        const std::size_t stop = end == std::string_view::npos ? description.size() : end + 1;
        if (!firstLine) text += DESCRIPTION_INDENT;
        text += description.substr(start, stop - start);
        firstLine = false;
        start = stop;
    }
    if (text.back() != '\n') text += '\n';
    return text;
}

std::string BuildHelp() {
    // The usage first and on one line, as manual page generators expect it.
    std::string programLine(PROGRAM_LINE);
    const std::size_t wrap = programLine.find("\n ");
    programLine.replace(wrap, programLine.find_first_not_of(' ', wrap + 1) - wrap, " ");
    std::string text = "Usage: " + programLine;
    text += "\n";
    text += INTRODUCTION;
    for (const SCliCommand* command : CliCommands()) text += CommandHelp(*command);
    text += OPTIONS;
    return text;
}

}  // namespace

std::string GlobalOptionsFooter(const SCliCommand& command) {
    const std::string line = command.talksToUnit
                                 ? "--type TYPE, --port PORT, --baud BPS, --unit N, --extended, --json, --trace FILE, "
                                   "--pcap FILE"
                                 : "--type TYPE, --extended, --json";
    return "Global options that apply: " + line + " (gwcli --help)";
}

std::string CommandUsageText(const SCliCommand* command) {
    if (command == nullptr)
        return "usage: " + std::string(PROGRAM_LINE) + "the commands and options: gwcli --help\n";
    return "usage: gwcli --type TYPE [OPTIONS] " + std::string(command->synopsis) + "\nmore: gwcli " +
           command->name + " --help\n";
}

std::string_view CliHelpText() {
    static const std::string help = BuildHelp();
    return help;
}
