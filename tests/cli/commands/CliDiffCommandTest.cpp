// gwcli diff: a file against the simulated unit over a pseudo-terminal, or against a second file.
#include <nlohmann/json.hpp>

#include "cli/console/ConsoleHost.h"
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

constexpr std::size_t MSG_CANNOT_OPEN = 18;
constexpr std::size_t MSG_NEW_FORMAT = 23;

TEST_F(CliTest, DiffOfTwoFilesNamesEachDifferingFieldOnce) {
    const std::string golden = GoldenFile("vosk.vogw");
    const SCliRun same = Cli(GW_VOSK, {"diff", golden, golden});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    const std::string changed = EditedGolden("vosk.vogw", "changed.vogw", {"F103,0025", "F204,C0A8010B"});
    const SCliRun differ = Cli(GW_VOSK, {"diff", golden, changed});
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(Occurrences(differ.out, "Network Type (F103): EtherNet/IP | DeviceNet\n"), 1u) << differ.out;
    EXPECT_EQ(Occurrences(differ.out, "IP address (F204): 192.168.1.10 | 192.168.1.11\n"), 1u) << differ.out;

    const SCliRun json = Cli(GW_VOSK, {"--json", "diff", golden, changed});
    EXPECT_EQ(json.status, 1) << json.err;
    const auto document = nlohmann::json::parse(json.out);
    EXPECT_EQ(document["equal"], false);
    const auto& first = document["differences"].at(0);
    EXPECT_EQ(first,
              nlohmann::json::parse(
                  R"({"field":"Network Type","register":"F103","left":"EtherNet/IP","right":"DeviceNet"})"));
    const SCliRun equalJson = Cli(GW_VOSK, {"--json", "diff", golden, golden});
    EXPECT_EQ(nlohmann::json::parse(equalJson.out),
              nlohmann::json::parse(R"({"equal":true,"differences":[]})"));
}

// An axis slot is named alike by show and by diff (and so by the compare window, which lists the same
// fields): the window's caption and the title of the column holding its mark.
TEST_F(CliTest, ShowAndDiffNameAnAxisSlotAlike) {
    const std::string golden = GoldenFile("vosk.vogw");
    const std::string changed = EditedGolden("vosk.vogw", "slot2.vogw", {"F112,0001"});
    const SCliRun diff = Cli(GW_VOSK, {"diff", golden, changed});
    EXPECT_EQ(diff.status, 1) << diff.err;
    EXPECT_EQ(Occurrences(diff.out, "Axis2 (F112): Point2 | Point1\n"), 1u) << diff.out;
    const SCliRun before = Cli(GW_VOSK, {"show", golden});
    const SCliRun after = Cli(GW_VOSK, {"show", changed});
    EXPECT_NE(before.out.find("Axis2:  Point2 "), std::string::npos) << before.out;
    EXPECT_NE(after.out.find("Axis2:  Point1 "), std::string::npos) << after.out;
}

// A bit the option dialog does not show (bit 0 of GMOD on VOSK) still makes the files differ: it is
// listed by register and bit, as text and as JSON.
TEST_F(CliTest, DiffListsABitNoFieldShows) {
    const std::string golden = GoldenFile("vosk.vogw");
    const std::string changed = EditedGolden("vosk.vogw", "bit0.vogw", {"F10F,0011"});
    const SCliRun text = Cli(GW_VOSK, {"diff", golden, changed});
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_EQ(text.out, "Bit 0 (F10F): 0 | 1\n");

    const SCliRun json = Cli(GW_VOSK, {"--json", "diff", golden, changed});
    EXPECT_EQ(json.status, 1) << json.err;
    EXPECT_EQ(
        nlohmann::json::parse(json.out),
        nlohmann::json::parse(
            R"({"equal":false,"differences":[{"field":"Bit 0","register":"F10F","left":"0","right":"1"}]})"));
}

// A file that cannot be compared ends with the reader's message and status 2, whichever side it is.
TEST_F(CliTest, DiffOfAnUnreadableFileGivesTheReadersMessageAndStatus2) {
    const std::string golden = GoldenFile("vosk.vogw");
    const std::string garbled = PathOf("garbled.vogw");
    WriteWholeFile(garbled, "not a parameter file\r\n");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"diff", PathOf("missing.vogw"), golden}, std::string(MsgText[MSG_CANNOT_OPEN])},
        {{"diff", golden, PathOf("missing.vogw")}, std::string(MsgText[MSG_CANNOT_OPEN])},
        {{"diff", golden, GoldenFile("dravo.dvgw")}, std::string(MsgText[MSG_CANNOT_OPEN])},
        {{"--json", "diff", garbled, golden}, ""},
        {{"diff"}, ""},
    };
    for (const auto& c : cases) {
        const SCliRun run = Cli(GW_VOSK, c.args);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_FALSE(run.err.empty());
        if (c.args.front() != "--json") {
            EXPECT_EQ(run.out, "");
        } else {
            // With --json the failure is the one document on standard output.
            const nlohmann::json error = nlohmann::json::parse(run.out).at("error");
            EXPECT_EQ(error.at("exit"), 2);
            EXPECT_EQ(error.at("message"), TerminalText(MsgText[MSG_NEW_FORMAT]));
        }
        if (!c.message.empty()) {
            EXPECT_NE(run.err.find(Printed(c.message)), std::string::npos) << run.err;
        }
    }
}

TEST_F(CliOnSim, DiffWithTheUnitReadsItWithoutWritingAnything) {
    Serve(SimOf(GW_VOSK));
    const std::string saved = PathOf("unit.vogw");
    ASSERT_EQ(Cli(GW_VOSK, {"read", saved}).status, 0);

    const SCliRun same = Cli(GW_VOSK, {"diff", saved});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, "");

    SetUnitRegister(0xF201, 1);
    const SCliRun differ = Cli(GW_VOSK, {"diff", saved});
    EXPECT_EQ(differ.status, 1) << differ.err;
    EXPECT_EQ(differ.out, "UnitNo. (F200): 0 | 1\n");
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 0u);

    SetFaults([] {
        SSimFaults faults;
        faults.silent = true;
        return faults;
    }());
    const SCliRun failed = Cli(GW_VOSK, {"diff", saved});
    EXPECT_EQ(failed.status, 2);
    EXPECT_EQ(failed.out, "");
    EXPECT_FALSE(failed.err.empty());
}

TEST_F(CliTest, DiffWithTheUnitNeedsAPort) {
    const SCliRun run = Cli(GW_VOSK, {"diff", GoldenFile("vosk.vogw")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no port"), std::string::npos) << run.err;
}

}  // namespace
