// The Wireshark dissector the build generates names what the traffic monitor names, from the same
// tables: read back from the generated Lua file, every register name and area, every vendor
// sub-function, exception, network type and speed code agrees with the tool's own, both ways.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "core/link/SpeedCodes.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/image/ParameterImage.h"
#include "core/traffic/FrameDecoder.h"
#include "core/traffic/RegisterNames.h"

namespace {

std::string DissectorText() {
    std::ifstream in(GW_DISSECTOR_LUA);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The body of `local NAME = { ... }` in the Lua file.
std::string TableBody(const std::string& lua, const std::string& name) {
    const std::string opening = "local " + name + " = {\n";
    const auto start = lua.find(opening);
    if (start == std::string::npos) return {};
    const auto end = lua.find("\n}\n", start);
    return lua.substr(start + opening.size(), end - start - opening.size());
}

std::string Unescaped(const std::string& literal) {
    std::string out;
    for (std::size_t i = 0; i < literal.size(); ++i) {
        if (literal[i] == '\\' && i + 1 < literal.size()) ++i;
        out += literal[i];
    }
    return out;
}

// `[0xF103] = "NTYP",` entries (or `[0x0014] = 115200,` with numbers as text).
std::map<unsigned, std::string> KeyedEntries(const std::string& lua, const std::string& name) {
    std::map<unsigned, std::string> entries;
    const std::string body = TableBody(lua, name);
    static const std::regex entry(R"re(\[0x([0-9A-F]+)\] = (?:"((?:[^"\\]|\\.)*)"|(\d+)),)re");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), entry); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        entries[static_cast<unsigned>(std::stoul(m[1].str(), nullptr, 16))] =
            m[2].matched ? Unescaped(m[2].str()) : m[3].str();
    }
    return entries;
}

class DissectorTables : public ::testing::Test {
protected:
    std::string lua = DissectorText();
};

TEST_F(DissectorTables, EveryRegisterIsNamedAsTheTrafficMonitorNamesIt) {
    ASSERT_FALSE(lua.empty()) << "no generated dissector at " << GW_DISSECTOR_LUA;
    const auto names = KeyedEntries(lua, "REGISTER_NAMES");
    ASSERT_EQ(names.at(REG_GW_CONFIG), "GSTS");
    ASSERT_EQ(names.at(REG_GW_CONFIG + 3), "NTYP");
    std::size_t named = 0;
    for (unsigned reg = 0; reg <= 0xFFFF; ++reg) {
        const std::string core = RegisterFieldName(static_cast<std::uint16_t>(reg));
        const auto found = names.find(reg);
        EXPECT_EQ(found == names.end() ? std::string() : found->second, core) << std::hex << reg;
        if (!core.empty()) ++named;
    }
    EXPECT_EQ(names.size(), named);
}

TEST_F(DissectorTables, EveryRegisterLiesInTheTrafficMonitorsArea) {
    const std::string body = TableBody(lua, "REGISTER_AREAS");
    static const std::regex run(R"re(\{ 0x([0-9A-F]{4}), 0x([0-9A-F]{4}), "([^"]*)" \})re");
    std::map<unsigned, std::string> areaOf;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), run); it != std::sregex_iterator(); ++it) {
        const unsigned first = static_cast<unsigned>(std::stoul((*it)[1].str(), nullptr, 16));
        const unsigned last = static_cast<unsigned>(std::stoul((*it)[2].str(), nullptr, 16));
        for (unsigned reg = first; reg <= last; ++reg) {
            EXPECT_TRUE(areaOf.emplace(reg, (*it)[3].str()).second) << "two areas hold " << std::hex << reg;
        }
    }
    ASSERT_FALSE(areaOf.empty());
    for (unsigned reg = 0; reg <= 0xFFFF; ++reg) {
        const SRegisterArea* area = RegisterAreaOf(static_cast<std::uint16_t>(reg));
        const auto found = areaOf.find(reg);
        EXPECT_EQ(found == areaOf.end() ? std::string() : found->second,
                  area == nullptr ? std::string() : std::string(area->name))
            << std::hex << reg;
    }
}

TEST_F(DissectorTables, CodesAreNamedAsTheDecoderNamesThem) {
    const auto vendor = KeyedEntries(lua, "VENDOR_FUNCTIONS");
    const auto exceptions = KeyedEntries(lua, "EXCEPTIONS");
    EXPECT_EQ(vendor.at(0x04), "speed switch");
    for (unsigned code = 0; code <= 0xFF; ++code) {
        const auto byte = static_cast<std::uint8_t>(code);
        EXPECT_EQ(vendor.count(code) ? vendor.at(code) : "", VendorFunctionName(byte)) << code;
        EXPECT_EQ(exceptions.count(code) ? exceptions.at(code) : "", ExceptionCodeName(byte)) << code;
    }
    const auto networks = KeyedEntries(lua, "NETWORK_TYPES");
    const auto speeds = KeyedEntries(lua, "SPEED_CODES");
    EXPECT_EQ(speeds.at(0x0014), "115200");
    std::size_t knownNetworks = 0;
    std::size_t knownSpeeds = 0;
    for (unsigned code = 0; code <= 0xFFFF; ++code) {
        const auto word = static_cast<std::uint16_t>(code);
        if (FindNetworkType(word) != nullptr) {
            ++knownNetworks;
            EXPECT_EQ(networks.count(code) ? networks.at(code) : "",
                      RegisterValueMeaning(REG_GW_CONFIG + 3, word))
                << std::hex << code;
        }
        const int bps = BpsOfSpeedCode(word);
        if (SpeedCodeOf(bps) == static_cast<int>(code)) {
            ++knownSpeeds;
            EXPECT_EQ(speeds.count(code) ? speeds.at(code) : "", std::to_string(bps)) << std::hex << code;
        }
    }
    EXPECT_EQ(networks.size(), knownNetworks);
    EXPECT_EQ(speeds.size(), knownSpeeds);
}

}  // namespace
