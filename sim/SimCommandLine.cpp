#include "sim/SimCommandLine.h"

#include <algorithm>
#include <charconv>

#include "sim/SimFaultOption.h"
#include "sim/SimTypeName.h"

namespace {

constexpr int USAGE_ERROR = 2;
constexpr int MAX_UNIT_NO = 0xFF - 0xD0;  // D0h + unit number must stay a slave address
constexpr int MAX_AXES = 255;             // the slot count is one byte of FA0Fh

constexpr std::string_view USAGE =
    "Usage: gwsim --type TYPE [--link PATH] [--units N[,N]] [--axes N] [--auto] [--state FILE] [--pace]\n"
    "             [--fault NAME]...\n"
    "       gwsim --help | gwsim --version\n"
    "\n"
    "A simulated gateway unit: a Modbus RTU slave on a pseudo-terminal. Prints one line\n"
    "\"ready <path>\" once it serves, and serves until SIGTERM or SIGINT.\n"
    "\n"
    "  --type TYPE     gateway type: KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, \"NUB3 GW\" or DRAVO\n"
    "                  (case, blanks, dashes and parentheses do not matter; ML3 = MLIII)\n"
    "  --link PATH     make PATH a symbolic link to the pseudo-terminal (parent folders are\n"
    "                  created; an old link there is replaced, any other file is not)\n"
    "  --units LIST    unit numbers on the line, comma-separated (default 0); VOSK, DRAVO,\n"
    "                  VOSK(MLIII) and VOSK-LC answer at D0h + unit number; KAVELIS (at 3Fh)\n"
    "                  and NUB3 GW (at D0h) serve the first unit of the list only\n"
    "  --axes N        axis slot count reported in FA0Fh and used for the axis modes (default 8)\n"
    "  --auto          start in AUTO mode: parameter writes are refused with exception 06\n"
    "  --state FILE    load the registers from FILE at start (if it exists), save them at exit;\n"
    "                  the clock starts at the host's local time either way\n"
    "  --pace          send replies at the line's bit rate (10 bits per byte)\n"
    "  --help          show this text\n"
    "  --version       show the version, the same as the tool's\n"
    "  --fault NAME    start with a fault (the option may be repeated):\n"
    "                    echo             each request comes back before the reply (adapter echo)\n"
    "                    silent           no request is answered\n"
    "                    other-address    replies name another slave address\n"
    "                    busy             every request is refused with exception 06 (AUTO mode)\n"
    "                    exception=CODE   every request is refused with this exception code\n"
    "                    reply-speed=BPS  replies leave at BPS, garbled at the master's speed\n"
    "                    unit-speed=BPS   the unit stays at BPS; other speeds are garbled both ways\n"
    "                    usb-latency=MS   replies are handed over as a USB serial adapter with a\n"
    "                                     latency timer of MS (1-255) does: the bytes that crossed\n"
    "                                     the wire, in a burst each time the timer runs out\n"
    "                    pause=MS         each reply pauses MS (1-10000) in its middle\n"
    "                    write-short[=N]  the unit obeys a write (05h, 06h, 0Fh, 10h) but its reply\n"
    "                                     is cut to 5 bytes with a valid CRC (every N-th write)\n"
    "                    write-count[=N]  the unit obeys a 0Fh/10h write but its reply names\n"
    "                                     another quantity (every N-th write)\n"
    "                    write-echo[=N]   a 0Fh/10h request comes back from the line and never\n"
    "                                     reaches the unit (every N-th write)\n"
    "\n"
    "Exit status: 0 after a clean stop, 1 when the pseudo-terminal cannot be set up, 2 for a\n"
    "usage error.\n";

bool ParseInt(std::string_view text, int min, int max, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= min && value <= max;
}

bool ParseUnits(std::string_view text, std::vector<int>& units) {
    units.clear();
    while (true) {
        const std::size_t comma = text.find(',');
        int unit = 0;
        if (!ParseInt(text.substr(0, comma), 0, MAX_UNIT_NO, unit)) return false;
        if (std::find(units.begin(), units.end(), unit) != units.end()) return false;
        units.push_back(unit);
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

int ParseSimCommandLine(const std::vector<std::string_view>& args, SSimOptions& options, std::string& error) {
    bool typeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        const bool takesValue = option == "--type" || option == "--link" || option == "--units" ||
                                option == "--axes" || option == "--state" || option == "--fault";
        if (takesValue && i + 1 >= args.size()) {
            error = "option " + std::string(option) + " needs a value";
            return USAGE_ERROR;
        }
        const std::string_view value = takesValue ? args[++i] : std::string_view{};
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--type") {
            options.config.type = ParseSimGwType(value);
            typeGiven = true;
            if (options.config.type == GW_NONE) {
                error = "unknown gateway type: " + std::string(value);
                return USAGE_ERROR;
            }
        } else if (option == "--link") {
            options.linkPath = value;
        } else if (option == "--units") {
            if (!ParseUnits(value, options.config.units)) {
                error = "--units wants distinct unit numbers 0.." + std::to_string(MAX_UNIT_NO) +
                        ", comma-separated: " + std::string(value);
                return USAGE_ERROR;
            }
        } else if (option == "--axes") {
            if (!ParseInt(value, 0, MAX_AXES, options.config.axes)) {
                error = "--axes wants a number 0.." + std::to_string(MAX_AXES) + ": " + std::string(value);
                return USAGE_ERROR;
            }
        } else if (option == "--state") {
            options.config.stateFile = value;
        } else if (option == "--auto") {
            options.config.autoMode = true;
        } else if (option == "--fault") {
            if (!ApplySimFaultOption(value, options.faults, error)) return USAGE_ERROR;
        } else if (option == "--pace") {
            options.config.pace = true;
        } else {
            error = "unknown option: " + std::string(option);
            return USAGE_ERROR;
        }
    }
    if (!typeGiven && !options.help && !options.version) {
        error = "--type is required";
        return USAGE_ERROR;
    }
    return 0;
}

std::string_view SimUsageText() {
    return USAGE;
}
