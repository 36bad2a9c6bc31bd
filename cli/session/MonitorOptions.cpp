#include "cli/session/MonitorOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

#include "cli/console/CliTypeName.h"
#include "cli/session/CliSessionSetup.h"

namespace {

constexpr int AREA_WORDS = 72;

std::optional<unsigned> HexNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> Decimal(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "+OFF=HEX": OFF 00..47, HEX of one to four digits.
bool ParseSetItem(const std::string& item, int& offset, std::uint16_t& value) {
    const std::size_t eq = item.find('=');
    if (eq == std::string::npos || eq < 2 || item[0] != '+' || item.size() - eq - 1 > 4) return false;
    const auto off = HexNumber(std::string_view(item).substr(1, eq - 1));
    const auto val = HexNumber(std::string_view(item).substr(eq + 1));
    if (!off.has_value() || !val.has_value() || off.value() >= AREA_WORDS) return false;
    offset = static_cast<int>(off.value());
    value = static_cast<std::uint16_t>(val.value());
    return true;
}

std::string TypeName(GwType type) {
    return std::string(GwUnitDataOf(type).name);
}

std::string CyclesText(std::span<const int> cycles) {
    std::string text;
    for (std::size_t i = 0; i < cycles.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == cycles.size() ? " or " : ", ") + std::to_string(cycles[i]);
    }
    return text;
}

}  // namespace

void AddWatchOptions(CLI::App& command, SCliArguments& arguments, std::span<const int> cycles) {
    const std::string offered = CyclesText(cycles);
    command
        .add_option_function<std::string>(
            "--watch",
            [&arguments, cycles, offered](const std::string& value) {
                const auto ms = Decimal(value);
                if (!ms || std::find(cycles.begin(), cycles.end(), *ms) == cycles.end())
                    throw CLI::ValidationError("--watch takes " + offered +
                                               " (ms, the window's cycles), not \"" + value + "\"");
                arguments.watchMs = ms;
            },
            "repeat the reading every MS milliseconds (" + offered +
                ", as the window polls) until --count readings or Ctrl-C")
        ->type_name("MS");
    command
        .add_option_function<std::string>(
            "--count",
        [&arguments](const std::string& value) {
            const auto n = Decimal(value);
            if (!n || *n < 1)
                throw CLI::ValidationError("--count takes a number of readings from 1 on, not \"" + value +
                                           "\"");
            arguments.count = n;
        },
        "the number of readings")
        ->type_name("N");
}

std::string RegistersProblem(const SCliArguments& a) {
    if (a.type == GW_VOSK_ML3) return "registers: the register monitor is not offered for VOSK(MLIII)";
    if (a.set.empty()) return {};
    if (!RunsExtended(a)) return "registers --set needs --extended (the RS485 SIO test)";
    if (a.watchMs || a.count) return "registers --set writes once: no --watch or --count";
    std::string reason;
    ParseRegisterSet(a.set, reason);
    return reason;
}

std::string AxesProblem(const SCliArguments& a) {
    if (a.type != GW_KAVELIS)
        return "axes: the axis monitor is offered for KAVELIS only, not for " + TypeName(a.type);
    if (!RunsExtended(a)) return "axes: the axis monitor needs --extended";
    return {};
}

std::vector<std::pair<int, std::uint16_t>> ParseRegisterSet(const std::string& text, std::string& reason) {
    std::vector<std::pair<int, std::uint16_t>> changes;
    std::size_t start = 0;
    while (reason.empty()) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        int offset = 0;
        std::uint16_t value = 0;
        if (!ParseSetItem(item, offset, value)) {
            reason = "--set takes +OFF=HEX[,+OFF=HEX...] with OFF 00 to 47 and HEX of 1 to 4 digits, not \"" +
                     item + "\"";
            break;
        }
        changes.emplace_back(offset, value);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return changes;
}
