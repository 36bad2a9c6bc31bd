// The monitor commands of the built program against the simulated gateway: registers and axes, their
// text and JSON, the RS485 SIO test write, the usage rules and Ctrl-C during --watch.
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

// The readings of a text run: the read's question, answer and success note come first on standard
// output, as in every command.
std::vector<std::string> Readings(const std::string& out) {
    std::vector<std::string> lines = Lines(out);
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& line) { return line.rfind("F600h", 0) == 0; });
    return {first, lines.end()};
}

TEST_F(CliOnSim, RegistersPrintsBothAreasAsTheWindowShowsThem) {
    Serve(SimOf(GW_VOSK));
    SetUnitRegister(0xF647, 0xABCD);
    const SCliRun run = Cli(GW_VOSK, {"registers"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind(Printed(MsgText[1]) + "Yes\n", 0), 0u) << "the read's question on standard output";
    const auto lines = Readings(run.out);
    ASSERT_EQ(lines.size(), 73u) << run.out;
    EXPECT_EQ(lines[0], "F600h Master -> Gateway   F700h Gateway -> Master");
    EXPECT_EQ(lines[3].substr(0, 8), "+02 0202");
    EXPECT_EQ(lines[72].substr(0, 8), "+47 ABCD");
    EXPECT_EQ(lines[72].substr(11, 3), "+47");
}

TEST_F(CliOnSim, RegistersJsonAndBinaryWatch) {
    Serve(SimOf(GW_VOSK));
    const SCliRun json = Cli(GW_VOSK, {"registers", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto document = nlohmann::json::parse(json.out);
    ASSERT_EQ(document["F600"].size(), 72u);
    ASSERT_EQ(document["F700"].size(), 72u);
    EXPECT_EQ(document["F600"][2], 0x0202);
    EXPECT_EQ(document["texts"]["F600"][2], "0202");
    EXPECT_EQ(document["view"], "HEX");

    const SCliRun watch = Cli(GW_VOSK, {"registers", "--bin", "--watch", "100", "--count", "2"});
    ASSERT_EQ(watch.status, 0) << watch.err;
    const auto lines = Readings(watch.out);
    ASSERT_EQ(lines.size(), 146u);
    EXPECT_EQ(lines[3].substr(0, 23), "+02 0000 0010 0000 0010");
    EXPECT_EQ(lines[73].substr(0, 5), "F600h");
}

TEST_F(CliOnSim, RegistersSetWritesTheWholeMasterArea) {
    Serve(SimOf(GW_VOSK));
    SetUnitRegister(0xF640, 0x4242);
    const SCliRun run = Cli(GW_VOSK, {"--extended", "registers", "--set", "+02=be3f,+10=1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(UnitRegister(0xF602), 0xBE3F);
    EXPECT_EQ(UnitRegister(0xF610), 0x0001);
    EXPECT_EQ(UnitRegister(0xF603), 0x0303) << "the others as last read";
    EXPECT_EQ(UnitRegister(0xF640), 0x4242);
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 1u);
    EXPECT_EQ(run.out.find("F600h"), std::string::npos) << "a write prints no reading";
}

TEST_F(CliOnSim, AxesJsonDecodesTheUnitsAxes) {
    Serve(SimOf(GW_KAVELIS));
    const SCliRun run = Cli(GW_KAVELIS, {"--extended", "axes", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document["layout"], "Full");
    EXPECT_EQ(document["words"], 32);
    ASSERT_EQ(document["axes"].size(), 7u);
    EXPECT_EQ(document["axes"][0]["mode"], "Point1");
    EXPECT_EQ(document["axes"][0]["values"][3], "10000");
    EXPECT_EQ(document["axes"][0]["raw"][0], 10000);
    EXPECT_EQ(document["axes"][6]["mode"], "Full");
    EXPECT_EQ(document["headers"][1][0], "Axis");

    const SCliRun text = Cli(GW_KAVELIS, {"--extended", "axes", "--direction", "in"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Location"), std::string::npos);
    EXPECT_NE(text.out.find("Alarm code"), std::string::npos);
}

struct SUsageCase {
    GwType type;
    std::vector<std::string> args;
    const char* reason;
};

TEST_F(CliOnSim, MonitorCommandsTheWindowWouldNotOfferAndBadValuesExit2) {
    Serve(SimOf(GW_VOSK));
    const SUsageCase cases[] = {
        {GW_VOSK_ML3, {"registers"}, "not offered for VOSK(MLIII)"},
        {GW_VOSK, {"--extended", "axes"}, "KAVELIS only"},
        {GW_KAVELIS, {"axes"}, "needs --extended"},
        {GW_VOSK, {"registers", "--set", "+02=1"}, "needs --extended"},
        {GW_VOSK, {"--extended", "registers", "--set", "+48=1"}, "OFF 00 to 47"},
        {GW_VOSK, {"--extended", "registers", "--set", "+02=12345"}, "1 to 4 digits"},
        {GW_VOSK, {"--extended", "registers", "--set", "02=1"}, "+OFF=HEX"},
        {GW_VOSK, {"--extended", "registers", "--set", "+02=1,"}, "+OFF=HEX"},
        {GW_VOSK, {"registers", "--watch", "50"}, "--watch takes 100, 200, 300, 400 or 500"},
        {GW_VOSK, {"registers", "--watch", "150"}, "--watch takes 100, 200, 300, 400 or 500"},
        {GW_VOSK, {"registers", "--watch", "fast"}, "--watch takes 100, 200, 300, 400 or 500"},
        {GW_VOSK, {"registers", "--count", "0"}, "--count"},
        {GW_KAVELIS, {"--extended", "axes", "--direction", "up"}, "out or in"},
        {GW_VOSK, {"search", "--watch", "100"}, "belongs to"},
    };
    for (const SUsageCase& c : cases) {
        const SCliRun run = Cli(c.type, c.args);
        EXPECT_EQ(run.status, 2) << c.reason;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.find("usage:") - 1) << "one line of reason: " << run.err;
    }
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
}

TEST_F(CliOnSim, CtrlCEndsAWatchCleanly) {
    Serve(SimOf(GW_VOSK));
    const SCliRun run =
        RunGwCliProgramInterrupted({"--type", "VOSK", "registers", "--watch", "100"}, ConfigHome(), "+47");
    EXPECT_EQ(run.status, 0);
    const auto lines = Readings(run.out);
    ASSERT_GE(lines.size(), 73u);
    EXPECT_EQ(lines.size() % 73, 0u) << "only whole readings";
    // The port is free again: a second run on the same line works.
    EXPECT_EQ(Cli(GW_VOSK, {"registers", "--count", "1"}).status, 0);
}

}  // namespace
