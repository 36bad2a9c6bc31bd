#include "core/files/ParameterFileChangedLines.h"

#include <algorithm>
#include <map>
#include <vector>

#include "core/app/HexTextToValue.h"
#include "core/files/ParameterFileTags.h"

namespace {

constexpr std::size_t ADDRESS_DIGITS = 4;
constexpr std::string_view CRLF = "\r\n";
constexpr char CTRL_Z = '\x1A';

// One line of a file: its text and what ended it (CR LF, LF or nothing at the end of the file).
struct SFileLine {
    std::string_view text;
    std::string_view ending;
};

std::vector<SFileLine> SplitLines(std::string_view text) {
    std::vector<SFileLine> lines;
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        const std::size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
        std::string_view body = text.substr(0, std::min(feed, text.size()));
        if (feed != std::string_view::npos && body.ends_with('\r')) body.remove_suffix(1);
        lines.push_back({body, text.substr(body.size(), next - body.size())});
        text.remove_prefix(next);
    }
    return lines;
}

// The register a data line is for, or -1 for any other line.
long RegisterOf(std::string_view line) {
    std::uint32_t address = 0;
    if (line.size() < ADDRESS_DIGITS || HexTextToValue(line.substr(0, ADDRESS_DIGITS), &address) != 0)
        return -1;
    return static_cast<long>(address);
}

// The writer's data lines by register.
std::map<long, std::string_view> DataLinesOf(const std::vector<SFileLine>& lines) {
    std::map<long, std::string_view> byRegister;
    for (const SFileLine& line : lines) {
        if (const long reg = RegisterOf(line.text); reg >= 0) byRegister[reg] = line.text;
    }
    return byRegister;
}

// The writer's line that starts with `tag`.
std::string_view HeaderLineOf(const std::vector<SFileLine>& lines, std::string_view tag) {
    for (const SFileLine& line : lines) {
        if (line.text.starts_with(tag)) return line.text;
    }
    return {};
}

// ";DATE=" or ";TIME=" when the line is one of the two that say when the file was saved.
std::string_view StampTagOf(std::string_view line) {
    for (const std::string_view tag : {DateTag(), TimeTag()}) {
        if (line.starts_with(tag)) return tag;
    }
    return {};
}

// The registers whose line the writer gives another value for `edited` than for `opened`, with the
// new line.
std::map<long, std::string_view> ChangedRegisters(const std::vector<SFileLine>& before,
                                                  const std::vector<SFileLine>& after) {
    const std::map<long, std::string_view> beforeLines = DataLinesOf(before);
    std::map<long, std::string_view> changed;
    for (const auto& [reg, line] : DataLinesOf(after)) {
        const auto was = beforeLines.find(reg);
        if (was == beforeLines.end() || was->second != line) changed[reg] = line;
    }
    return changed;
}

}  // namespace

std::string ChangedLinesOnly(std::string_view fileText, const ParameterImage& opened,
                             const ParameterImage& edited, GwType type, const SFileStamp& stamp) {
    const std::string beforeText = FormatParameterText(opened, type, stamp);
    const std::string afterText = FormatParameterText(edited, type, stamp);
    const std::vector<SFileLine> after = SplitLines(afterText);
    std::map<long, std::string_view> missing = ChangedRegisters(SplitLines(beforeText), after);
    const std::map<long, std::string_view> changed = missing;

    // The reader stops at a Ctrl-Z: what follows it stays behind every line of the set.
    const std::size_t end = std::min(fileText.find(CTRL_Z), fileText.size());
    std::string text;
    for (const SFileLine& line : SplitLines(fileText.substr(0, end))) {
        std::string_view kept = line.text;
        const long reg = RegisterOf(line.text);
        if (const auto at = changed.find(reg); at != changed.end()) {
            kept = at->second;
            missing.erase(reg);
        } else if (const std::string_view tag = StampTagOf(line.text); !tag.empty()) {
            kept = HeaderLineOf(after, tag);
        }
        text.append(kept).append(line.ending);
    }
    // A register the file had no line for gets one at the end; a later line wins in the reader.
    if (!text.empty() && text.back() != '\n') text.append(CRLF);
    for (const auto& [reg, line] : missing) text.append(line).append(CRLF);
    return text.append(fileText.substr(end));
}
