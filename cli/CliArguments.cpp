#include "cli/CliArguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "cli/CliTypeName.h"
#include "core/link/BaudTable.h"

namespace {

// The speeds offered for the PC side: every entry of BaudTable but the last.
constexpr int OFFERED_BAUD_COUNT = 6;
constexpr int HIGHEST_COM_NUMBER = 65535;

struct SCommandRule {
    ECliCommand command;
    bool takesFile;
};

const std::map<std::string, SCommandRule, std::less<>> Commands = {
    {"search", {ECliCommand::Search, false}}, {"read", {ECliCommand::Read, true}},
    {"write", {ECliCommand::Write, true}},    {"check", {ECliCommand::Check, true}},
    {"show", {ECliCommand::Show, true}},      {"options", {ECliCommand::Options, true}},
    {"edit", {ECliCommand::Edit, true}},      {"driver", {ECliCommand::Driver, false}},
};

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

class CParser {
public:
    explicit CParser(const std::vector<std::string>& words) : words(words) {}

    SCliParseResult Run() {
        if (std::any_of(words.begin(), words.end(),
                        [](const auto& w) { return w == "--help" || w == "-h"; })) {
            return {};
        }
        if (std::find(words.begin(), words.end(), "--version") != words.end()) {
            result.arguments.command = ECliCommand::Version;
            return result;
        }
        for (next = 0; next < words.size() && result.Ok();) TakeWord();
        if (result.Ok()) CheckWhole();
        return result;
    }

private:
    void Fail(std::string reason) {
        if (result.Ok()) result.error = std::move(reason);
    }

    void TakeWord() {
        std::string word = words[next++];
        if (word.size() < 2 || word[0] != '-') {
            positional.push_back(std::move(word));
            return;
        }
        std::optional<std::string> inlineValue;
        if (const auto eq = word.find('='); eq != std::string::npos) {
            inlineValue = word.substr(eq + 1);
            word.resize(eq);
        }
        if (word == "--extended" || word == "--restart" || word == "--force" || word == "--json") {
            if (inlineValue) return Fail("option " + word + " takes no value");
            TakeFlag(word);
            return;
        }
        if (word != "--type" && word != "--port" && word != "--baud" && word != "--unit" &&
            word != "--option" && word != "--set") {
            return Fail("unknown option " + word);
        }
        if (!inlineValue) {
            if (next >= words.size()) return Fail("option " + word + " needs a value");
            inlineValue = words[next++];
        }
        TakeValue(word, *inlineValue);
    }

    void TakeFlag(const std::string& option) {
        auto& a = result.arguments;
        if (option == "--extended") a.extended = true;
        if (option == "--restart") a.restart = true;
        if (option == "--force") a.force = true;
        if (option == "--json") a.json = true;
        if (option == "--restart") restartGiven = true;
        if (option == "--force") writeOnlyOption = option;
    }

    void TakeValue(const std::string& option, const std::string& value) {
        if (option == "--type") return TakeType(value);
        if (option == "--port") return TakePort(value);
        if (option == "--baud") return TakeBaud(value);
        if (option == "--option") return result.arguments.options.push_back(value);
        if (option == "--set") return result.arguments.settings.push_back(value);
        TakeUnit(value);
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
            if (*number < 1 || *number > HIGHEST_COM_NUMBER) return Fail("--port: no COM number " + value);
            a.portNumber = number;
            a.portPath.clear();
        } else if (value.find('/') != std::string::npos) {
            a.portPath = value;
            a.portNumber.reset();
        } else {
            Fail("--port takes a COM number or a device path, not \"" + value + "\"");
        }
    }

    void TakeBaud(const std::string& value) {
        const auto bps = WholeNumber(value);
        for (int i = 0; bps && i < OFFERED_BAUD_COUNT; ++i) {
            if (BaudTable[static_cast<std::size_t>(i)] == *bps) {
                result.arguments.baudIndex = i;
                return;
            }
        }
        Fail("--baud takes 9600, 19200, 38400, 57600, 115200 or 230400, not \"" + value + "\"");
    }

    void TakeUnit(const std::string& value) {
        const auto unit = WholeNumber(value);
        if (!unit || (*unit != 0 && *unit != 1)) return Fail("--unit takes 0 or 1, not \"" + value + "\"");
        result.arguments.unitNo = unit;
    }

    void CheckWhole() {
        auto& a = result.arguments;
        if (positional.empty()) return Fail("no command given");
        const auto rule = Commands.find(positional.front());
        if (rule == Commands.end()) return Fail("unknown command \"" + positional.front() + "\"");
        a.command = rule->second.command;
        const std::size_t wanted = rule->second.takesFile ? 2 : 1;
        if (positional.size() < wanted) return Fail(positional.front() + " needs a FILE");
        if (positional.size() > wanted) return Fail("unexpected argument \"" + positional[wanted] + "\"");
        if (rule->second.takesFile) a.file = positional[1];
        if (a.type == GW_NONE) return Fail("--type is required");
        if (!writeOnlyOption.empty() && a.command != ECliCommand::Write) {
            return Fail(writeOnlyOption + " belongs to the write command");
        }
        CheckAdvancedRules();
        CheckUnitRules();
        if (a.command == ECliCommand::Read) CheckSaveExtension();
    }

    // --restart, --option, --set and --json go with the commands that use them; driver is DRAVO's.
    void CheckAdvancedRules() {
        const auto& a = result.arguments;
        if (restartGiven && a.command != ECliCommand::Write && a.command != ECliCommand::Driver)
            return Fail("--restart belongs to the write and driver commands");
        if (!a.options.empty() && a.command != ECliCommand::Edit)
            return Fail("--option belongs to the edit command");
        if (a.command == ECliCommand::Edit && a.options.empty())
            return Fail("edit needs at least one --option");
        if (!a.settings.empty() && a.command != ECliCommand::Driver)
            return Fail("--set belongs to the driver command");
        if (a.json && a.command != ECliCommand::Options && a.command != ECliCommand::Driver)
            return Fail("--json belongs to the options and driver commands");
        if (a.command == ECliCommand::Driver && a.type != GW_DRAVO)
            return Fail("driver applies to DRAVO, not to " + std::string(GwUnitDataOf(a.type).name));
    }

    // Only the unit-numbered types have unit numbers to search for or to choose.
    void CheckUnitRules() {
        const auto& a = result.arguments;
        const bool unitNumbered = (a.type & GW_UNIT_NUMBERED_MASK) != 0;
        const std::string name(GwUnitDataOf(a.type).name);
        if (a.unitNo && !unitNumbered)
            return Fail("--unit does not apply to " + name + ", which has no unit number");
        if (a.command == ECliCommand::Search && !unitNumbered) {
            Fail("search applies to VOSK, VOSK(MLIII), VOSK-LC and DRAVO, not to " + name);
        }
    }

    void CheckSaveExtension() {
        const auto& a = result.arguments;
        const std::string_view extension = GwUnitDataOf(a.type).extension;
        if (!EndsWithIgnoringCase(a.file, extension) || a.file.size() == extension.size()) {
            Fail("read: FILE must bear the extension " + std::string(extension) + " of " +
                 std::string(GwUnitDataOf(a.type).name));
        }
    }

    const std::vector<std::string>& words;
    std::size_t next = 0;
    std::vector<std::string> positional;
    std::string writeOnlyOption;
    bool restartGiven = false;
    SCliParseResult result;
};

}  // namespace

SCliParseResult ParseCliArguments(const std::vector<std::string>& words) {
    return CParser(words).Run();
}
