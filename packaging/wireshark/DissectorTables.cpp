// gw_dissector_tables TEMPLATE OUTPUT: writes the Wireshark dissector OUTPUT from TEMPLATE, with the
// line "--@GENERATED_TABLES@" replaced by the tool's own tables as Lua: the register names and areas
// the traffic monitor uses, the vendor sub-functions, the exception names, the network types, the
// speed codes, the GSTS modes and the start of the gateway clock. The build runs it, so the dissector
// names every register as the traffic monitor does, from the same table.
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <sstream>
#include <string>

#include "core/link/SpeedCodes.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/image/ParameterImage.h"
#include "core/service/GatewayTime.h"
#include "core/traffic/FrameDecoder.h"
#include "core/traffic/RegisterNames.h"

namespace {

constexpr const char* MARKER = "--@GENERATED_TABLES@";
constexpr std::uint32_t REGISTERS = 0x10000;
constexpr std::uint16_t REG_NTYP = REG_GW_CONFIG + 3;

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

// A Lua string literal: quotes, backslashes and control characters escaped, UTF-8 kept as it is.
std::string LuaString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\" + std::to_string(byte);
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void RegisterNames(std::ostream& out) {
    out << "local REGISTER_NAMES = {\n";
    for (std::uint32_t reg = 0; reg < REGISTERS; ++reg) {
        const std::string name = RegisterFieldName(static_cast<std::uint16_t>(reg));
        if (!name.empty()) out << "    [" << Hex(reg, 4) << "] = " << LuaString(name) << ",\n";
    }
    out << "}\n\n";
}

// Runs of registers that belong to the same area, in register order: { first, last, name }.
void RegisterAreas(std::ostream& out) {
    out << "local REGISTER_AREAS = {\n";
    const SRegisterArea* current = nullptr;
    std::uint32_t first = 0;
    for (std::uint32_t reg = 0; reg <= REGISTERS; ++reg) {
        const SRegisterArea* area = reg < REGISTERS ? RegisterAreaOf(static_cast<std::uint16_t>(reg)) : nullptr;
        if (area == current) continue;
        if (current != nullptr) {
            out << "    { " << Hex(first, 4) << ", " << Hex(reg - 1, 4) << ", " << LuaString(std::string(current->name))
                << " },\n";
        }
        current = area;
        first = reg;
    }
    out << "}\n\n";
}

template <class NameOf>
void ByteTable(std::ostream& out, const char* table, NameOf nameOf) {
    out << "local " << table << " = {\n";
    for (unsigned code = 0; code <= 0xFF; ++code) {
        const std::string name = nameOf(static_cast<std::uint8_t>(code));
        if (!name.empty()) out << "    [" << Hex(code, 2) << "] = " << LuaString(name) << ",\n";
    }
    out << "}\n\n";
}

void NetworkTypes(std::ostream& out) {
    out << "local NETWORK_TYPES = {\n";
    for (std::uint32_t code = 0; code < REGISTERS; ++code) {
        if (FindNetworkType(static_cast<std::uint16_t>(code)) == nullptr) continue;
        out << "    [" << Hex(code, 4) << "] = "
            << LuaString(RegisterValueMeaning(REG_NTYP, static_cast<std::uint16_t>(code))) << ",\n";
    }
    out << "}\n\n";
}

// The codes the speed switch carries, as the traffic monitor reads them: a code is known when it is
// the code of the speed it stands for.
void SpeedCodes(std::ostream& out) {
    out << "local SPEED_CODES = {\n";
    for (std::uint32_t code = 0; code < REGISTERS; ++code) {
        const int bps = BpsOfSpeedCode(static_cast<std::uint16_t>(code));
        if (SpeedCodeOf(bps) == static_cast<int>(code)) out << "    [" << Hex(code, 4) << "] = " << bps << ",\n";
    }
    out << "}\n\n";
}

// The GSTS bit that tells the modes apart, and the two modes' names.
void GstsModes(std::ostream& out) {
    const std::string clear = RegisterValueMeaning(REG_GW_CONFIG, 0);
    for (int bit = 0; bit < 16; ++bit) {
        const auto mask = static_cast<std::uint16_t>(1u << bit);
        const std::string set = RegisterValueMeaning(REG_GW_CONFIG, mask);
        if (set == clear) continue;
        out << "local GSTS_MODE_BIT = " << Hex(mask, 4) << "\n";
        out << "local GSTS_MODES = { [false] = " << LuaString(clear) << ", [true] = " << LuaString(set) << " }\n\n";
        return;
    }
    throw std::runtime_error("GSTS names no mode");
}

// Seconds from 1970-01-01 to the gateway clock's zero, from the gateway's own calendar.
void ClockEpoch(std::ostream& out) {
    const SGatewayDateTime zero = CalendarDateTimeOf(0);
    std::tm tm{};
    tm.tm_year = zero.year - 1900;
    tm.tm_mon = zero.month - 1;
    tm.tm_mday = zero.day;
    tm.tm_hour = zero.hour;
    tm.tm_min = zero.minute;
    tm.tm_sec = zero.second;
    out << "local GATEWAY_CLOCK_EPOCH = " << ::timegm(&tm) << "  -- "
        << GatewayTimeText(0) << " UTC\n\n";
}

std::string GeneratedTables() {
    std::ostringstream out;
    out << "-- Generated at build time from gwparacfg's own tables (packaging/wireshark/DissectorTables.cpp).\n";
    RegisterNames(out);
    RegisterAreas(out);
    ByteTable(out, "VENDOR_FUNCTIONS", VendorFunctionName);
    ByteTable(out, "EXCEPTIONS", ExceptionCodeName);
    NetworkTypes(out);
    SpeedCodes(out);
    GstsModes(out);
    ClockEpoch(out);
    out << "-- End of the generated tables.";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gw_dissector_tables TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "gw_dissector_tables: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    bool replaced = false;
    for (std::string line; std::getline(in, line);) {
        if (line == MARKER) {
            text << GeneratedTables() << "\n";
            replaced = true;
        } else {
            text << line << "\n";
        }
    }
    if (!replaced) {
        std::cerr << "gw_dissector_tables: " << argv[1] << " has no line " << MARKER << "\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << text.str();
    out.close();
    if (!out) {
        std::cerr << "gw_dissector_tables: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
