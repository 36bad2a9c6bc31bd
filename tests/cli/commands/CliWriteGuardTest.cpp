// Nothing reaches a unit unless every check passed: reader checks, the write's own checks and the
// network type rule, read from the simulator's request log and registers.
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

class CliWriteGuard : public CliOnSim {
protected:
    // A VOSK unit and a file read from it, so that everything but the edits matches the unit.
    std::string ServeAndRead() {
        Serve(SimOf(GW_VOSK));
        const std::string file = PathOf("unit.vogw");
        const SCliRun read = Cli(GW_VOSK, {"read", file});
        EXPECT_EQ(read.status, 0) << read.err;
        requestsBefore = RequestLog().size();
        return file;
    }
    // The file read from the unit with lines replaced.
    std::string Edited(const std::string& file, const std::vector<std::string>& edits) {
        const std::string copy = PathOf("edited.vogw");
        WriteWholeFile(copy, ReadWholeFile(file));
        std::string text = ReadWholeFile(copy);
        for (const std::string& edit : edits) {
            const auto at = text.find(edit.substr(0, 5));
            EXPECT_NE(at, std::string::npos) << edit;
            text.replace(at, text.find("\r\n", at) - at, edit);
        }
        WriteWholeFile(copy, text);
        return copy;
    }
    std::size_t RequestsSinceRead() { return RequestLog().size() - requestsBefore; }

    std::size_t requestsBefore = 0;
};

// A file the reader refuses: the message, status 1, and not a single request on the line.
TEST_F(CliWriteGuard, FileFailingTheReaderNeverReachesTheLine) {
    const std::string file = Edited(ServeAndRead(), {"F104,00G5"});
    const SCliRun run = Cli(GW_VOSK, {"write", file, "--restart", "--extended", "--force"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.substr(0, run.err.find("gwcli: ")), Printed(MsgText[22]));
    EXPECT_NE(run.err.find("gwcli: Line "), std::string::npos) << run.err;
    EXPECT_EQ(RequestsSinceRead(), 0u);
}

// A file the reader takes but the write's checks refuse (I/O mode mixed with positioner modes).
TEST_F(CliWriteGuard, FileFailingTheWriteChecksIsNotWritten) {
    const std::string file = Edited(ServeAndRead(), {"F110,0030", "F280,0030"});
    const SCliRun run = Cli(GW_VOSK, {"write", file, "--restart"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, UNIT0_LINE + Printed(Joined(MsgText[72], MsgText[76])));
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);
}

// A file with more axes than the unit has slots: laid out for the unit, the refresh puts the axes back
// to their default. That set is not the file's, so nothing is sent.
TEST_F(CliOnSim, FileWithMoreAxesThanTheUnitIsNotWritten) {
    SSimConfig config = SimOf(GW_DRAVO);
    config.axes = 6;
    Serve(config);
    const std::string file = EditedGolden("dravo.dvgw", "eight.dvgw", DravoEightAxes);
    const SCliRun run = Cli(GW_DRAVO, {"write", file, "--restart"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(Printed(Joined(MsgText[72], MsgText[68]))), std::string::npos) << run.err;
    EXPECT_TRUE(run.err.ends_with(Printed(MsgText[76]))) << run.err;
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
}

struct SNetworkCase {
    const char* name;
    std::vector<std::string> options;
    int status;
    std::string err;  // standard error, exactly
};

class CliNetworkTypeRule : public CliWriteGuard, public ::testing::WithParamInterface<SNetworkCase> {};

// The unit runs another network than the file: written only with --extended and --force.
TEST_P(CliNetworkTypeRule, DifferentNetworkTypeIsWrittenOnlyWhenForced) {
    const std::string unitFile = ServeAndRead();
    const std::uint16_t unitNetwork = UnitRegister(0xF103);
    ASSERT_NE(unitNetwork, 0x0005);
    // PROFIBUS-DP, station 3, 12 Mbit/s code 0; the sizes follow from the axes.
    const std::string file = Edited(unitFile, {"F103,0005", "F107,0003", "F108,0000"});
    std::vector<std::string> args = GetParam().options;
    args.insert(args.begin(), {"write", file});
    const SCliRun run = Cli(GW_VOSK, args);
    EXPECT_EQ(run.status, GetParam().status) << run.out << run.err;
    EXPECT_EQ(run.err, GetParam().err);
    if (GetParam().status == 0) {
        EXPECT_EQ(UnitRegister(0xF103), 0x0005);
    } else {
        EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
        EXPECT_EQ(UnitRegister(0xF103), unitNetwork);
    }
}

const SNetworkCase NetworkCases[] = {
    {"Refused", {}, 1, UNIT0_LINE + Printed(MsgText[27]) + Printed(MsgText[76])},
    {"AskedAndDeclined",
     {"--extended"},
     1,
     UNIT0_LINE + Printed(MsgText[24]) + "No\n" + Printed(MsgText[76])},
    {"AskedAndConfirmed",
     {"--extended", "--force"},
     0,
     UNIT0_LINE + Printed(MsgText[24]) + "Yes\n" + RESTART_HINT_LINE},
};
INSTANTIATE_TEST_SUITE_P(Table, CliNetworkTypeRule, ::testing::ValuesIn(NetworkCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
