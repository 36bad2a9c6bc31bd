#include "cli/console/CliArguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>

#include "cli/commands/CliCommand.h"
#include "cli/console/CliTypeName.h"
#include "cli/console/CliUsage.h"
#include "cli/session/PortSettingWords.h"
#include "core/link/PortAddress.h"

namespace {

bool IsOptionWord(const std::string& word) {
    return word.size() >= 2 && word[0] == '-';
}

std::string OptionName(const std::string& word) {
    return word.substr(0, word.find('='));
}

bool IsHelpWord(const std::string& word) {
    return word == "--help" || word == "-h";
}

// The global options' values as written; they are turned into the record once the words are parsed.
struct SGlobalTexts {
    std::string type, port, baud, unit;
};

class CParser {
public:
    explicit CParser(const std::vector<std::string>& words) : words(words) { BuildApp(); }

    SCliParseResult Run() {
        if (std::any_of(words.begin(), words.end(), IsHelpWord)) return Help();
        if (std::find(words.begin(), words.end(), "--version") != words.end()) {
            result.request = ECliRequest::Version;
            return result;
        }
        CheckFlagsTakeNoValue();
        if (result.Ok()) Parse();
        if (result.Ok()) TakeGlobalOptions();
        if (result.Ok()) CheckWhole();
        // A refused command line names its command, so that its usage can be shown.
        if (!result.Ok() && result.arguments.command == nullptr) {
            if (const auto position = CommandPosition()) result.arguments.command = CommandNamed(words[*position]);
        }
        return result;
    }

private:
    void Fail(std::string reason) {
        if (result.Ok()) result.error = std::move(reason);
    }

    void BuildApp() {
        app.allow_extras();
        app.set_help_flag();
        app.add_option("--type", texts.type);
        app.add_option("--port", texts.port);
        app.add_option("--baud", texts.baud);
        app.add_option("--unit", texts.unit);
        app.add_flag("--extended", result.arguments.extended);
        app.add_flag("--json", result.arguments.json);
        app.add_option("--trace", result.arguments.tracePath);
        app.add_option("--pcap", result.arguments.pcapPath);
        for (const SCliCommand* command : CliCommands()) {
            CLI::App* sub = app.add_subcommand(command->name, command->description);
            sub->fallthrough();
            sub->set_help_flag("--help", "print this help");
            sub->footer(GlobalOptionsFooter(*command));
            if (command->addOptions) command->addOptions(*sub, result.arguments);
        }
    }

    // Every option of the program, global or of a command.
    const CLI::Option* FindOption(const std::string& name, const CLI::App** owner = nullptr) const {
        auto inApp = [&name](const CLI::App& a) -> const CLI::Option* {
            for (const CLI::Option* option : a.get_options()) {
                if (!option->get_positional() && option->check_name(name)) return option;
            }
            return nullptr;
        };
        if (const CLI::Option* option = inApp(app)) return option;
        for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
            if (const CLI::Option* option = inApp(*sub)) {
                if (owner) *owner = sub;
                return option;
            }
        }
        return nullptr;
    }

    // A flag expects no value; every other option one.
    static bool IsFlag(const CLI::Option& option) { return option.get_expected_max() == 0; }

    bool TakesValue(const std::string& word) const {
        const CLI::Option* option = FindOption(word);
        return option && !IsFlag(*option);
    }

    const SCliCommand* CommandNamed(const std::string& name) const {
        for (const SCliCommand* command : CliCommands()) {
            if (name == command->name) return command;
        }
        return nullptr;
    }

    // The position of the command: the first word that is neither an option nor an option's value.
    std::optional<std::size_t> CommandPosition() const {
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string& word = words[i];
            if (!IsOptionWord(word)) return i;
            if (word.find('=') == std::string::npos && TakesValue(word)) ++i;
        }
        return std::nullopt;
    }

    SCliParseResult Help() {
        result.request = ECliRequest::Help;
        const auto position = CommandPosition();
        const SCliCommand* command = position ? CommandNamed(words[*position]) : nullptr;
        result.helpText =
            command ? app.get_subcommand(command->name)->help("gwcli") : std::string(CliHelpText());
        return result;
    }

    void CheckFlagsTakeNoValue() {
        for (const std::string& word : words) {
            if (!IsOptionWord(word) || word.find('=') == std::string::npos) continue;
            const CLI::Option* option = FindOption(OptionName(word));
            if (option && IsFlag(*option)) return Fail("option " + OptionName(word) + " takes no value");
        }
    }

    // The command goes first, so that the command's options are known wherever they stand; the global
    // options after it reach the program through the command.
    std::vector<std::string> CommandFirst() const {
        std::vector<std::string> ordered = words;
        const auto position = CommandPosition();
        if (position && CommandNamed(words[*position])) {
            ordered.erase(ordered.begin() + static_cast<std::ptrdiff_t>(*position));
            ordered.insert(ordered.begin(), words[*position]);
        }
        return ordered;
    }

    void Parse() {
        std::vector<std::string> reversed = CommandFirst();
        std::reverse(reversed.begin(), reversed.end());
        try {
            app.parse(reversed);
        } catch (const CLI::ArgumentMismatch& e) {
            const std::string what = e.what();
            return Fail("option " + what.substr(0, what.find(':')) + " needs a value");
        } catch (const CLI::RequiredError& e) {
            std::string missing = e.what();
            missing = missing.substr(0, missing.find(" is required"));
            return Fail(ParsedCommandName() + " needs a " + missing);
        } catch (const CLI::ParseError& e) {
            return Fail(e.what());
        }
        FindCommand();
        if (result.Ok()) CheckExtras();
    }

    std::string ParsedCommandName() const {
        const auto position = CommandPosition();
        return position ? words[*position] : std::string("the command");
    }

    void FindCommand() {
        const auto parsed = app.get_subcommands();
        if (!parsed.empty()) {
            result.arguments.command = CommandNamed(parsed.front()->get_name());
            return;
        }
        const auto position = CommandPosition();
        if (!position) return Fail("no command given");
        Fail("unknown command \"" + words[*position] + "\"");
    }

    // Words nobody took: an option of another command, an unknown option or one argument too many.
    void CheckExtras() {
        const std::vector<std::string> extras = app.remaining();
        if (extras.empty()) return;
        const std::string& first = extras.front();
        if (!IsOptionWord(first)) return Fail("unexpected argument \"" + first + "\"");
        const CLI::App* owner = nullptr;
        if (FindOption(OptionName(first), &owner) && owner)
            return Fail(OptionName(first) + " belongs to the " + owner->get_name() + " command");
        Fail("unknown option " + OptionName(first));
    }

    void TakeGlobalOptions() {
        if (app.count("--type")) TakeType(texts.type);
        if (app.count("--port")) TakePort(texts.port);
        if (app.count("--baud")) TakeBaud(texts.baud);
        if (app.count("--unit")) TakeUnit(texts.unit);
    }

    void TakeType(const std::string& value) {
        const auto type = GwTypeOfName(value);
        if (!type) {
            return Fail("unknown gateway type \"" + value +
                        "\" (KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, NUB3 GW or DRAVO)");
        }
        result.arguments.type = *type;
    }

    void TakePort(const std::string& value) {
        auto& a = result.arguments;
        if (const auto number = WholeNumber(value)) {
            if (!IsComNumber(*number)) return Fail("--port: no COM number " + value);
            a.portNumber = number;
        } else if (IsNetworkPortName(value)) {
            const SPortAddressResult address = ParsePortAddress(value);
            if (!address.address) return Fail("--port: " + address.error);
            a.portPath = value;
        } else if (value.find('/') != std::string::npos) {
            a.portPath = value;
        } else {
            Fail("--port takes a COM number or a device path (or tcp://HOST:PORT, rfc2217://HOST:PORT), not \"" +
                 value + "\"");
        }
    }

    void TakeBaud(const std::string& value) {
        if (const auto index = OfferedBaudIndex(value)) {
            result.arguments.baudIndex = *index;
            return;
        }
        Fail("--baud takes " + std::string(OFFERED_SPEEDS_TEXT) + ", not \"" + value + "\"");
    }

    void TakeUnit(const std::string& value) {
        const auto unit = UnitNumber(value);
        if (!unit) return Fail("--unit takes 0 or 1, not \"" + value + "\"");
        result.arguments.unitNo = unit;
    }

    void CheckWhole() {
        const auto& a = result.arguments;
        if (a.type == GW_NONE && a.command->needsType) return Fail("--type is required");
        if (a.unitNo && (a.type & GW_UNIT_NUMBERED_MASK) == 0) {
            return Fail("--unit does not apply to " + std::string(GwUnitDataOf(a.type).name) +
                        ", which has no unit number");
        }
        if (a.command->usageProblem) Fail(a.command->usageProblem(a));
        CheckCaptureFiles();
    }

    void CheckCaptureFiles() {
        const auto& a = result.arguments;
        if ((!a.tracePath.empty() || !a.pcapPath.empty()) && !a.command->talksToUnit) {
            return Fail("--trace and --pcap record the line; " + std::string(a.command->name) +
                        " does not talk to a unit");
        }
        if (!a.tracePath.empty() && a.tracePath == a.pcapPath) Fail("--trace and --pcap name the same file");
    }

    const std::vector<std::string>& words;
    CLI::App app{"gwcli"};
    SGlobalTexts texts;
    SCliParseResult result;
};

}  // namespace

SCliParseResult ParseCliArguments(const std::vector<std::string>& words) {
    return CParser(words).Run();
}

std::string CommandName(const SCliArguments& arguments) {
    return arguments.command ? arguments.command->name : "";
}
