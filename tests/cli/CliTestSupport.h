#pragma once
// What the gwcli program tests share: the texts as the program prints them, the golden files, and a
// simulated gateway line on a pseudo-terminal that the settings file maps to COM7.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/GwType.h"
#include "sim/SimPtyServer.h"
#include "tests/cli/CliProcess.h"

inline constexpr int CLI_SIM_COM = 7;
inline constexpr int CLI_SIM_BAUD_INDEX = 4;  // 115200 bit/s

// A message as gwcli prints it: CR LF as a line feed, and a line feed at the end.
inline std::string Printed(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\r\n") continue;
        out.push_back(text[i]);
    }
    if (out.empty() || out.back() != '\n') out.push_back('\n');
    return out;
}

inline std::string Joined(std::string_view first, std::string_view second) {
    return std::string(first) + "\r\n" + std::string(second);
}

inline std::size_t Occurrences(const std::string& haystack, const std::string& needle) {
    std::size_t count = 0;
    for (auto at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1))
        ++count;
    return count;
}

// The lines of what a program printed.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string GoldenFile(std::string_view name) {
    return std::string(GW_TEST_DATA_DIR) + "/" + std::string(name);
}

inline std::string TypeArgument(GwType type) {
    return std::string(GwUnitDataOf(type).name);
}

// A temporary folder holding the settings (`config/`) and the parameter files of one test.
class CliTest : public ::testing::Test {
protected:
    std::filesystem::path ConfigHome() const { return temp.Path() / "config"; }
    std::string PathOf(std::string_view name) const { return (temp.Path() / name).string(); }

    SCliRun Cli(GwType type, std::vector<std::string> args) {
        args.insert(args.begin(), {"--type", TypeArgument(type)});
        return RunGwCliProgram(args, ConfigHome());
    }
    SCliRun Cli(std::vector<std::string> args) { return RunGwCliProgram(args, ConfigHome()); }

    // A golden file with its lines for `edits` replaced ("F103" -> "F103,1234"), or a line added when
    // the register is not in the file, saved as `name`.
    std::string EditedGolden(std::string_view golden, std::string_view name,
                             const std::vector<std::string>& edits) {
        std::string text = ReadWholeFile(GoldenFile(golden));
        for (const std::string& edit : edits) {
            const std::string key = edit.substr(0, edit.find_first_of(",="));
            const auto at = text.find(key + (edit[key.size()] == '=' ? "=" : ","));
            if (at == std::string::npos) {
                text += edit + "\r\n";
            } else {
                text.replace(at, text.find("\r\n", at) - at, edit);
            }
        }
        const std::string path = PathOf(name);
        WriteWholeFile(path, text);
        return path;
    }

    CTempFolder temp;
};

// A DRAVO set with eight axes (two more Positioner3 slots than the golden file), beyond the six slots
// the window has by default.
inline const std::vector<std::string> DravoEightAxes = {"F109,0007", "F10A,0008", "F116,0020",
                                                        "F117,0020", "F286,0020", "F287,0020"};

// The same, with a simulated gateway line served in this process.
class CliOnSim : public CliTest {
protected:
    void Serve(const SSimConfig& config) {
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        WriteSettingsFile(ConfigHome(), CLI_SIM_COM, CLI_SIM_BAUD_INDEX, sim->DevicePath());
    }
    static SSimConfig SimOf(GwType type, std::vector<int> units = {0}) {
        SSimConfig config;
        config.type = type;
        config.units = std::move(units);
        return config;
    }
    std::vector<std::vector<std::uint8_t>> RequestLog() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); });
    }
    // Requests with function `function` sent to anyone but the broadcast address.
    std::size_t RequestsWithFunction(std::uint8_t function) {
        const auto log = RequestLog();
        return static_cast<std::size_t>(std::count_if(log.begin(), log.end(), [&](const auto& frame) {
            return frame.size() > 1 && frame[0] != 0 && frame[1] == function;
        }));
    }
    std::uint16_t UnitRegister(std::uint16_t address, int unit = 0) {
        return sim->WithCore([&](CGwSimCore& core) { return core.Register(unit, address); });
    }
    void SetUnitRegister(std::uint16_t address, std::uint16_t value, int unit = 0) {
        sim->WithCore([&](CGwSimCore& core) { core.SetRegister(unit, address, value); });
    }
    void SetFaults(const SSimFaults& faults) {
        sim->WithCore([&](CGwSimCore& core) { core.Faults() = faults; });
    }

    std::unique_ptr<CSimPtyServer> sim;
};

// After a unit search in which only unit 0 of a simulated line answered: the wait --unit 0 saves.
inline const std::string UNIT1_ABSENT_LINE =
    "gwcli: unit 1 gave no answer within 300 ms; --unit 0 asks only for unit 0 and saves that wait\n";
// How read and write name the unit they talk to, after that remark: unit 0 with its default 8 slots.
inline const std::string UNIT0_LINE = UNIT1_ABSENT_LINE + "gwcli: unit 0 (D0h), 8 axis slots\n";
// What a write without --restart adds after the set went out.
inline const std::string RESTART_HINT_LINE =
    "gwcli: the parameters take effect after a restart of the unit (write --restart)\n";

inline constexpr std::uint8_t FN_READ = 0x03;
inline constexpr std::uint8_t FN_COIL = 0x05;
inline constexpr std::uint8_t FN_WRITE = 0x10;
inline constexpr std::uint8_t FN_SLAVE_ID = 0x11;
