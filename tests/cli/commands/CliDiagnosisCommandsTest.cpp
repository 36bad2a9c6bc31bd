// alarms, counters and hardware of the built program against the simulated gateway, as text and JSON.
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/advanced/NearestNames.h"
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/SimAlarmCsv.h"

namespace {

using nlohmann::json;

class CliMonitors : public CliOnSim {
protected:
    // The unit's counters and hardware values stand still at what the test sets for the next hour.
    void FreezeLiveValues() {
        sim->WithCore(
            [](CGwSimCore& core) { core.Advance(CGwSimCore::Clock::now() + std::chrono::hours(1)); });
    }
    void FallSilent() {
        SSimFaults faults;
        faults.silent = true;
        SetFaults(faults);
    }
    bool HistoryEmpty() {
        for (int n = 0; n < 64; ++n) {
            if (UnitRegister(static_cast<std::uint16_t>(0xF400 + 6 * n + 3)) != 0) return false;
        }
        return true;
    }
};

TEST_F(CliMonitors, AlarmsPrintTheWindowsRows) {
    Serve(SimOf(GW_VOSK));
    const SCliRun run = Cli(GW_VOSK, {"alarms"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 65u) << run.out << run.err;
    EXPECT_EQ(lines[0].substr(0, 6), "Record");
    EXPECT_NE(lines[0].find("OccTime"), std::string::npos);
    EXPECT_NE(lines[1].find("FFF"), std::string::npos);
    EXPECT_NE(lines[1].find("2026-03-02 08:15:00"), std::string::npos);
    EXPECT_NE(lines[4].find("123"), std::string::npos);
    EXPECT_NE(lines[4].find("undefined"), std::string::npos);
    EXPECT_NE(lines[4].find("12:34:56"), std::string::npos);
    EXPECT_EQ(Occurrences(lines[64], "----"), 5u);
    EXPECT_EQ(run.err, UNIT1_ABSENT_LINE) << run.out;
}

TEST_F(CliMonitors, AlarmsAsJsonCarryTextsAndRawNumbers) {
    Serve(SimOf(GW_DRAVO));
    const SCliRun run = Cli(GW_DRAVO, {"--json", "alarms"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = json::parse(run.out);
    const std::string id = doc.at("identification");
    EXPECT_EQ(id.size(), 8u);
    EXPECT_EQ(id.find_first_not_of("0123456789ABCDEF"), std::string::npos) << id;
    ASSERT_EQ(doc.at("records").size(), 64u);
    const json& unknown = doc["records"][3];
    EXPECT_EQ(unknown["record"], 3);
    EXPECT_EQ(unknown["code"], "123");
    EXPECT_EQ(unknown["content"], "undefined");
    EXPECT_EQ(unknown["detail"], "0001");
    EXPECT_EQ(unknown["occurrence"], "12:34:56");
    EXPECT_EQ(unknown["raw"], json({{"code", 0x123}, {"detail", 1}, {"address", 1}, {"seconds", 45296}}));
    const json& powerUp = doc["records"][0];
    EXPECT_EQ(powerUp["content"], Trimmed(AlarmTableText(0xFFF))) << "the window's padding left out";
    EXPECT_EQ(powerUp["address"], "----");
    EXPECT_EQ(powerUp["raw"]["address"], 65535);
    EXPECT_EQ(doc["records"][63]["code"], "----");
}

// The CSV file byte for byte: the window's header lines with CR LF, the rows with LF and a comma after
// every cell.
TEST_F(CliMonitors, AlarmsCsvIsTheWindowsFile) {
    Serve(SimOf(GW_VOSK));
    const std::string path = PathOf("alarms.csv");
    const SCliRun run = Cli(GW_VOSK, {"alarms", "--csv", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(Printed(MsgText[85])), std::string::npos);
    const std::string id = json::parse(Cli(GW_VOSK, {"alarms", "--json"}).out).at("identification");

    const std::string text = ReadWholeFile(path);
    const auto dateEnd = text.find("\r\n");
    const auto timeEnd = text.find("\r\n", dateEnd + 2);
    ASSERT_NE(timeEnd, std::string::npos);
    EXPECT_EQ(text.substr(0, 6), ";DATE=");
    EXPECT_EQ(dateEnd, 16u) << "\";DATE=\" and yyyy/mm/dd";
    EXPECT_EQ(text.substr(dateEnd + 2, 6), ";TIME=");
    EXPECT_EQ(timeEnd - dateEnd - 2, 14u) << "\";TIME=\" and hh:mm:ss";
    EXPECT_EQ(text.substr(timeEnd + 2), ";VOSK=" + id + "\r\n" + ToolVersionCsvLine() + SimAlarmCsvRows());
}

TEST_F(CliMonitors, AlarmsClearEmptiesTheHistoryAndShowsItEmpty) {
    Serve(SimOf(GW_VOSK_LC));
    const SCliRun run = Cli(GW_VOSK_LC, {"alarms", "--clear"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HistoryEmpty());
    EXPECT_EQ(run.out.substr(0, Printed(MsgText[58]).size()), Printed(MsgText[58]));
    EXPECT_EQ(Occurrences(run.out, "----"), 5u * 64u);
}

// --clear with --csv keeps the history in the file before the unit forgets it; a file that cannot be
// written leaves the history on the unit and names the path and the reason.
TEST_F(CliMonitors, AlarmsClearWithCsvSavesTheHistoryBeforeClearingIt) {
    Serve(SimOf(GW_VOSK));
    const SCliRun refused = Cli(GW_VOSK, {"alarms", "--clear", "--csv", "/nonexistent/a.csv"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_FALSE(HistoryEmpty());
    EXPECT_EQ(RequestsWithFunction(0x45), 0u) << "no clear request";
    EXPECT_NE(refused.err.find(Printed(MsgText[86])), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("gwcli: File: /nonexistent/a.csv\ngwcli: The folder does not exist\n"),
              std::string::npos)
        << refused.err;

    const std::string path = PathOf("history.csv");
    const SCliRun run = Cli(GW_VOSK, {"alarms", "--clear", "--csv", path});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HistoryEmpty());
    const std::string text = ReadWholeFile(path);
    EXPECT_NE(text.find("\n3,123,undefined,0001,0001,12:34:56,\n"), std::string::npos) << text;
    EXPECT_LT(run.out.find(Printed(MsgText[85])), run.out.find(Printed(MsgText[58]))) << run.out;
    EXPECT_EQ(Occurrences(run.out, "----"), 5u * 64u) << "the list printed is the cleared one";
}

TEST_F(CliMonitors, CountersFollowTheTypeAndExtendedMode) {
    Serve(SimOf(GW_VOSK));
    FreezeLiveValues();
    SetUnitRegister(0xF187, 15);
    SetUnitRegister(0xF188, 4);
    SetUnitRegister(0xF18B, 9);
    const SCliRun run = Cli(GW_VOSK, {"counters", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json rows = json::parse(run.out).at("rows");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], json({{"key", "SCAN_TIME"}, {"label", "scan time[msec]"}, {"text", "1.5"}, {"raw", 15}}));
    EXPECT_EQ(rows[1], json({{"key", "ERR_T"}, {"label", "ERR_T counter"}, {"text", "4"}, {"raw", 4}}));

    const SCliRun extended = Cli(GW_VOSK, {"--extended", "counters"});
    ASSERT_EQ(extended.status, 0) << extended.err;
    const auto lines = Lines(extended.out);
    ASSERT_EQ(lines.size(), 5u) << extended.out;
    EXPECT_EQ(lines[0].substr(0, 15), "scan time[msec]");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 4), " 1.5");
    EXPECT_EQ(lines[4].substr(lines[4].size() - 2), " 9");
}

TEST_F(CliMonitors, CountersClearResetsBeforeTheReading) {
    Serve(SimOf(GW_NUB3GW));
    FreezeLiveValues();
    for (std::uint16_t reg = 0xF188; reg <= 0xF18B; ++reg) SetUnitRegister(reg, 300);
    const SCliRun one = Cli(GW_NUB3GW, {"counters", "--clear", "ERR_C", "--json"});
    ASSERT_EQ(one.status, 0) << one.err;
    const json cleared = json::parse(one.out)["rows"][2];
    EXPECT_EQ(cleared["key"], "ERR_C");
    EXPECT_EQ(cleared["text"], "0");
    EXPECT_EQ(UnitRegister(0xF188), 300);
    EXPECT_EQ(UnitRegister(0xF189), 0);

    const SCliRun all = Cli(GW_NUB3GW, {"counters", "--clear", "all"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(UnitRegister(0xF188), 0);
    EXPECT_EQ(UnitRegister(0xF18A), 0);
    EXPECT_EQ(UnitRegister(0xF18B), 300) << "RTET has no Clear button without --extended";

    const SCliRun rtet = Cli(GW_NUB3GW, {"counters", "--clear", "RTET"});
    EXPECT_EQ(rtet.status, 2);
    EXPECT_NE(rtet.err.find("RTET"), std::string::npos);
    EXPECT_EQ(Cli(GW_NUB3GW, {"--extended", "counters", "--clear", "RTET"}).status, 0);
    EXPECT_EQ(UnitRegister(0xF18B), 0);
}

TEST_F(CliMonitors, HardwareWatchTakesTheCountedReadings) {
    Serve(SimOf(GW_VOSK_ML3));
    FreezeLiveValues();
    const std::uint16_t words[10] = {241, 240, 59, 58, 68, 123, 38, 40, 36, 65535};
    for (int i = 0; i < 10; ++i) SetUnitRegister(static_cast<std::uint16_t>(0xF900 + i), words[i]);
    const SCliRun run = Cli(GW_VOSK_ML3, {"--extended", "hardware", "--watch", "2000", "--count", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    for (const std::string& line : lines) {
        const json rows = json::parse(line).at("rows");
        ASSERT_EQ(rows.size(), 10u);
        EXPECT_EQ(rows[0],
                  json({{"label", "Motor Voltage"}, {"text", "24.1"}, {"raw", 241}, {"physical_unit", "V"}}));
        EXPECT_EQ(rows[1]["text"], "24");
        EXPECT_EQ(rows[5],
                  json({{"label", "Fan Round"}, {"text", "1230"}, {"raw", 123}, {"physical_unit", "rpm"}}));
        EXPECT_EQ(rows[9]["text"], "65535");
        EXPECT_EQ(rows[9]["physical_unit"], "deg C");
    }
    const auto log = RequestLog();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const auto& f) { return f[1] == FN_READ && f[2] == 0xF9 && f[3] == 0x00; }),
              2);

    const SCliRun text = Cli(GW_VOSK_ML3, {"--extended", "hardware"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Motor Voltage"), std::string::npos);
    EXPECT_NE(text.out.find("24.1 V\n"), std::string::npos);
}

// A voltage of 0 is no reading: the value shown before stays, and gwcli says it is held.
TEST_F(CliMonitors, HardwareMarksHeldVoltages) {
    Serve(SimOf(GW_VOSK));
    FreezeLiveValues();
    const std::uint16_t words[10] = {0, 240, 59, 58, 68, 0, 38, 40, 36, 41};
    for (int i = 0; i < 10; ++i) SetUnitRegister(static_cast<std::uint16_t>(0xF900 + i), words[i]);
    const SCliRun run = Cli(GW_VOSK, {"--extended", "hardware", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json rows = json::parse(run.out).at("rows");
    EXPECT_EQ(rows[0], json({{"label", "Motor Voltage"},
                             {"text", "0.0"},
                             {"raw", 0},
                             {"physical_unit", "V"},
                             {"held", true}}));
    EXPECT_FALSE(rows[1].contains("held"));
    EXPECT_FALSE(rows[5].contains("held")) << "a fan at 0 rpm is a reading";

    const SCliRun text = Cli(GW_VOSK, {"--extended", "hardware"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("0.0 V (held)\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("24 V\n"), std::string::npos) << text.out;
}

// Ctrl-C during --watch ends the command with status 0 and gives the port back: the next command can
// open it.
TEST_F(CliMonitors, CtrlCEndsTheWatchCleanly) {
    Serve(SimOf(GW_VOSK));
    const SCliRun run = RunGwCliProgramInterrupted({"--type", "VOSK", "counters", "--watch", "500"},
                                                   ConfigHome(), "scan time[msec]");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_GE(Occurrences(run.out, "scan time[msec]"), 1u);
    EXPECT_EQ(Cli(GW_VOSK, {"counters"}).status, 0) << "the port was released";
}

TEST_F(CliMonitors, SilentUnitEndsTheMonitorWithItsMessage) {
    Serve(SimOf(GW_VOSK));
    FallSilent();
    for (const char* command : {"alarms", "counters", "hardware"}) {
        const SCliRun run = Cli(GW_VOSK, {"--extended", command});
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_FALSE(run.err.empty()) << command;
    }
}

// Monitors the window would not offer, and bad option values: status 2 and the reason on the first line.
TEST_F(CliMonitors, UsageErrors) {
    Serve(SimOf(GW_VOSK));
    const struct {
        GwType type;
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {GW_KAVELIS, {"alarms"}, "alarms: the alarm list is not offered for KAVELIS"},
        {GW_KAVELIS, {"hardware"}, "hardware: the hardware monitor is offered for VOSK"},
        {GW_VOSK, {"hardware"}, "hardware: the hardware monitor is offered only in ExtendedMode (--extended)"},
        {GW_NUB3GW, {"hardware"}, "not for NUB3 GW"},
        {GW_DRAVO, {"hardware"}, "not for DRAVO"},
        {GW_VOSK, {"counters", "--clear", "ERR_X"}, "counters --clear takes ERR_T, ERR_C, EMG, RTET or all"},
        {GW_VOSK, {"counters", "--clear"}, "option --clear needs a value"},
        {GW_VOSK, {"alarms", "--clear", "all"}, "unexpected argument \"all\""},
        {GW_VOSK, {"counters", "--watch", "100"}, "--watch takes 500 (ms, the window's cycles)"},
        {GW_VOSK, {"--extended", "hardware", "--watch", "500"}, "--watch takes 2000 (ms"},
        {GW_VOSK, {"--extended", "hardware", "--watch", "2e3"}, "--watch takes 2000 (ms"},
        {GW_VOSK, {"counters", "--watch", "500", "--count", "0"}, "--count takes"},
        {GW_VOSK, {"alarms", "--watch", "100"}, "--watch belongs to the"},
        {GW_VOSK, {"counters", "--csv", "x.csv"}, "--csv belongs to the alarms command"},
    };
    for (const auto& c : cases) {
        const SCliRun run = Cli(c.type, c.args);
        EXPECT_EQ(run.status, 2) << c.reason;
        EXPECT_EQ(run.out, "") << c.reason;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')).find("gwcli: "), 0u) << run.err;
        EXPECT_NE(run.err.substr(0, run.err.find('\n')).find(c.reason), std::string::npos) << run.err;
    }
    EXPECT_TRUE(RequestLog().empty()) << "nothing was sent";
}

}  // namespace
