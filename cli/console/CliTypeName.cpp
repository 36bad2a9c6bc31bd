#include "cli/console/CliTypeName.h"

#include <cctype>
#include <string>

namespace {

// Upper case without blanks, dashes and parentheses, with the roman "MLIII" written "ML3".
std::string ComparableName(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' || c == '-' || c == '(' || c == ')' || c == '\t') continue;
        out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    if (const auto at = out.find("MLIII"); at != std::string::npos) out.replace(at, 5, "ML3");
    return out;
}

}  // namespace

std::optional<GwType> GwTypeOfName(std::string_view text) {
    const std::string wanted = ComparableName(text);
    if (wanted.empty()) return std::nullopt;
    for (const SGwUnitData& entry : GwTypeTable) {
        if (entry.code != GW_NONE && ComparableName(entry.name) == wanted) return entry.code;
    }
    return std::nullopt;
}
