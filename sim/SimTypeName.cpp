#include "sim/SimTypeName.h"

#include <array>
#include <cctype>
#include <string>

namespace {

struct STypeName {
    GwType type;
    std::string_view display;
    std::string_view key;  // upper case, without separators
};

constexpr std::array<STypeName, 7> TYPE_NAMES{{
    {GW_KAVELIS, "KAVELIS", "KAVELIS"},
    {GW_VOSK, "VOSK", "VOSK"},
    {GW_VOSK_ML3, "VOSK(MLIII)", "VOSKMLIII"},
    {GW_VOSK_ML3, "VOSK(MLIII)", "VOSKML3"},
    {GW_VOSK_LC, "VOSK-LC", "VOSKLC"},
    {GW_NUB3GW, "NUB3 GW", "NUB3GW"},
    {GW_DRAVO, "DRAVO", "DRAVO"},
}};

std::string KeyOf(std::string_view text) {
    std::string key;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '-' || c == '_' || c == '(' || c == ')') continue;
        key.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return key;
}

}  // namespace

GwType ParseSimGwType(std::string_view text) {
    const std::string key = KeyOf(text);
    for (const STypeName& name : TYPE_NAMES) {
        if (name.key == key) return name.type;
    }
    return GW_NONE;
}

std::string_view SimGwTypeName(GwType type) {
    for (const STypeName& name : TYPE_NAMES) {
        if (name.type == type) return name.display;
    }
    return {};
}
