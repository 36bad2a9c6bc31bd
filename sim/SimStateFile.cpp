#include "sim/SimStateFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

bool ParseHexWord(const std::string& text, unsigned& value) {
    if (text.empty() || text.size() > 4) return false;
    std::size_t used = 0;
    try {
        value = static_cast<unsigned>(std::stoul(text, &used, 16));
    } catch (...) {
        return false;
    }
    return used == text.size();
}

}  // namespace

int SaveSimState(const CGwSimCore& core, const std::string& path) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) return -1;
    out << "# gwsim registers\n";
    for (int unit : core.Units()) {
        out << "unit " << unit << '\n';
        for (std::uint16_t address : core.RegisterAddresses(unit)) {
            char line[16];
            std::snprintf(line, sizeof line, "%04X %04X\n", address, core.Register(unit, address));
            out << line;
        }
    }
    out.flush();
    return out ? 0 : -1;
}

int LoadSimState(CGwSimCore& core, const std::string& path) {
    std::ifstream in(path);
    if (!in) return -1;
    std::string line;
    int unit = core.Units().empty() ? 0 : core.Units().front();
    int result = 0;
    while (result == 0 && std::getline(in, line)) {
        std::istringstream fields(line);
        std::string first, second, rest;
        if (!(fields >> first) || first[0] == '#') continue;
        fields >> second >> rest;
        unsigned address = 0, value = 0;
        if (first == "unit" && !second.empty() && rest.empty()) {
            try {
                unit = std::stoi(second);
            } catch (...) {
                result = -2;
            }
        } else if (rest.empty() && ParseHexWord(first, address) && ParseHexWord(second, value)) {
            core.SetRegister(unit, static_cast<std::uint16_t>(address), static_cast<std::uint16_t>(value));
        } else {
            result = -2;
        }
    }
    core.ApplyStoredUnitNumbers();
    return result;
}
