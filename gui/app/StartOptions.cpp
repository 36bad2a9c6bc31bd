#include "gui/app/StartOptions.h"

#include <cctype>

namespace {
std::string KeyOf(std::string_view text) {
    std::string key;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) key.push_back(static_cast<char>(std::toupper(c)));
    }
    return key;
}
}  // namespace

GwType GwTypeOfName(const std::string& name) {
    const std::string key = KeyOf(name);
    for (const SGwUnitData& unit : GwTypeTable) {
        if (unit.code != GW_NONE && KeyOf(unit.name) == key) return unit.code;
    }
    return GW_NONE;
}

SStartOptions ParseStartOptions(const std::vector<std::string>& arguments) {
    SStartOptions options;
    auto takeType = [&](std::size_t& i, const std::string& option) {
        if (i + 1 >= arguments.size()) {
            options.error = option + " wants a gateway type";
            return;
        }
        options.type = GwTypeOfName(arguments[++i]);
        if (options.type == GW_NONE) options.error = "unknown gateway type: " + arguments[i];
    };
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--type") {
            takeType(i, argument);
        } else if (argument == "--selftest") {
            options.selfTest = true;
            takeType(i, argument);
        } else if (argument == "--no-search") {
            options.noSearch = true;
        } else if (argument == "--no-port-dialog") {
            options.noPortDialog = true;
        } else if (argument.rfind("--", 0) == 0) {
            options.error = "unknown option: " + argument;
        } else {
            options.files.push_back(argument);
        }
    }
    return options;
}

std::string StartOptionsHelp() {
    return "Usage: gwparacfg [options] [PARAMETER-FILE]\n"
           "\n"
           "Configures and diagnoses a gateway unit over a serial line. With a parameter file, that file\n"
           "is opened after start (the Monitor menu stays disabled until a read).\n"
           "\n"
           "Options for tests, screenshots and demonstrations:\n"
           "  --type TYPE        choose the gateway type without the type dialog: KAVELIS, VOSK,\n"
           "                     VOSK(MLIII), VOSK-LC, \"NUB3 GW\" or DRAVO\n"
           "  --no-search        skip the unit search: unit 0 (slave address D0h) and the type's\n"
           "                     default axis count\n"
           "  --no-port-dialog   skip the communication settings dialog of the first run\n"
           "  --selftest TYPE    build the main window for TYPE without any start dialog, show and\n"
           "                     refresh it, check it and close it; exit status 0 when it is sound\n"
           "  --help             show this text\n"
           "  --version          show the version of the tool\n"
           "\n"
           "The settings file is GWComConfig.env in $XDG_CONFIG_HOME (default ~/.config)/\n"
           "Orvane Corporation/KAVELIS/Parameter Configuration Tool/; its section [Ports] maps a COM\n"
           "number to a device, e.g. COM1=/tmp/gw/COM1.\n";
}
