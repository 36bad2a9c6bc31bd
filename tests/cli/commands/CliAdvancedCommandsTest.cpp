// options, edit --option and driver of the built program: the option rows of the Setting dialog read
// from and written into parameter files, and the DRAVO driver monitor parameters of a simulated unit.
#include <nlohmann/json.hpp>

#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

constexpr std::uint8_t FN_WRITE = 0x10;
constexpr std::uint8_t FN_COIL = 0x05;

nlohmann::json RowLabelled(const nlohmann::json& rows, const std::string& label) {
    for (const auto& row : rows)
        if (row["label"] == label) return row;
    return {};
}

TEST_F(CliTest, OptionsListsTheRowsTheDialogShows) {
    const SCliRun run = Cli(GW_VOSK, {"options", GoldenFile("vosk.vogw"), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = nlohmann::json::parse(run.out)["rows"];
    ASSERT_EQ(rows.size(), 13u) << "four GMOD rows, four of ExtParam1, five of ExtParam2";
    EXPECT_EQ(rows[0], (nlohmann::json{{"page", "GMOD"},
                                       {"label", "Latch in ERR_T/C"},
                                       {"choice", "invalid"},
                                       {"choices", {"invalid", "valid"}},
                                       {"enabled", true}}));
    EXPECT_EQ(RowLabelled(rows, "Internal communication retry count")["choice"], "2");
    EXPECT_EQ(RowLabelled(rows, "unit velocity(Only Full Mode)")["enabled"], false);
    EXPECT_EQ(RowLabelled(rows, "PUSH type(only Full mode)")["choice"], "Type QEL");
    EXPECT_EQ(RowLabelled(rows, "RTC function")["page"], "ExtParam1");

    const SCliRun text = Cli(GW_VOSK, {"options", GoldenFile("vosk.vogw")});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(Occurrences(text.out, "\n"), 13u);
    EXPECT_NE(text.out.find("PUSH type(only Full mode)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("= Type QEL   (Type QEL | Type TEV)"), std::string::npos) << text.out;
}

TEST_F(CliTest, EditChangesTheOptionAndSavesTheFile) {
    const std::string path = EditedGolden("vosk.vogw", "edited.vogw", {});
    const SCliRun run = Cli(GW_VOSK, {"edit", path, "--option", "PUSH type(only Full mode)=Type TEV",
                                      "--option", "BYTE swap=valid"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string saved = ReadWholeFile(path);
    EXPECT_NE(saved.find("F381,0C02\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("F10F,0310\r\n"), std::string::npos) << "the dialog stores a retry count of 0 as 3";

    const SCliRun again = Cli(GW_VOSK, {"options", path, "--json"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(RowLabelled(nlohmann::json::parse(again.out)["rows"], "PUSH type(only Full mode)")["choice"],
              "Type TEV");
}

TEST_F(CliTest, EditRefusesWhatTheDialogDoesNotShow) {
    const struct {
        GwType type;
        const char* golden;
        std::vector<std::string> options;
        const char* named;
    } cases[] = {
        {GW_VOSK,
         "vosk.vogw",
         {"--option", "PUSH typ(only Full mode)=Type TEV"},
         "\"PUSH type(only Full mode)\""},
        {GW_VOSK, "vosk.vogw", {"--option", "PUSH type(only Full mode)=Type TEX"}, "\"Type TEV\""},
        {GW_KAVELIS, "kavelis.pkgw", {"--option", "bit5=ON"}, "no option row \"bit5\""},
        {GW_VOSK, "vosk.vogw", {"--option", "unit velocity(Only Full Mode)=0.1mm/s"}, "disabled"},
        {GW_VOSK, "vosk.vogw", {"--option", "RTC function"}, "LABEL=CHOICE"},
    };
    for (const auto& c : cases) {
        const std::string name = std::string("refused") + std::string(GwUnitDataOf(c.type).extension);
        const std::string path = EditedGolden(c.golden, name, {});
        const std::string before = ReadWholeFile(path);
        std::vector<std::string> args{"edit", path};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const SCliRun run = Cli(c.type, args);
        EXPECT_EQ(run.status, 2) << c.options[1];
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(ReadWholeFile(path), before) << c.options[1];
    }
}

class CliDriverOnSim : public CliOnSim {
protected:
    void SetUp() override { Serve(SimOf(GW_DRAVO)); }
    SCliRun Driver(std::vector<std::string> args) {
        args.insert(args.begin(), {"--extended", "driver"});
        return Cli(GW_DRAVO, args);
    }
};

TEST_F(CliDriverOnSim, ReadsAndPrintsTheParameters) {
    const SCliRun run = Driver({"--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = nlohmann::json::parse(run.out)["rows"];
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[0], (nlohmann::json{{"register", "F800"},
                                       {"symbol", "OMPV"},
                                       {"label", "Motor power overvoltage  threshold value[V]"},
                                       {"raw", 400},
                                       {"editable", true},
                                       {"min", 200},
                                       {"max", 600}}));
    EXPECT_EQ(rows[7]["editable"], false);
    EXPECT_FALSE(rows[7].contains("min")) << "a fixed row has no limits";
    EXPECT_EQ(rows[27]["register"], "F824");
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);

    const SCliRun text = Driver({});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(
        text.out.find("F800 OMPV          400  200-600     Motor power overvoltage  threshold value[V]\n"),
        std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("F80E DHTP           85  fixed"), std::string::npos) << text.out;
}

TEST_F(CliDriverOnSim, SetWritesAllWithRestartAndReadsBack) {
    const SCliRun run = Driver({"--set", "OMPV=450", "--set", "fansw=20", "--restart", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(UnitRegister(0xF801), 450);
    EXPECT_EQ(UnitRegister(0xF818), 20);
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 1u);
    EXPECT_EQ(RequestsWithFunction(FN_COIL), 1u);
    // With --json standard output holds only the document; the boxes and their answers go to standard error.
    EXPECT_NE(run.err.find(Printed(Joined(MsgText[9], MsgText[14])) + "Yes\n"), std::string::npos) << run.err;
    const nlohmann::json first = nlohmann::json::parse(run.out)["rows"][0];
    EXPECT_EQ(first["symbol"], "OMPV");
    EXPECT_EQ(first["raw"], 450);
    EXPECT_FALSE(first["label"].get<std::string>().empty()) << "the grid's Name column beside the symbol";
}

TEST_F(CliDriverOnSim, BadSettingsChangeNothing) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"--set", "OMPV=601"}, 1, Printed("Illegal Data Value(OMPV)\r\nPlease input 200-600")},
        {{"--set", "OMWT=-5"}, 1, Printed("Illegal Data Value(OMWT)\r\nPlease input 0-2550")},
        {{"--set", "OMPX=300"}, 2, "no driver parameter \"OMPX\"; nearest: OMPV"},
        {{"--set", "DHTP=80"}, 2, "DHTP is fixed"},
        {{"--set", "OMPV"}, 2, "NAME=VALUE"},
    };
    for (const auto& c : cases) {
        const std::size_t before = RequestLog().size();
        const SCliRun run = Driver(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[1];
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        // A setting the grid cannot take is refused before the line is touched.
        if (c.status == 2) {
            EXPECT_EQ(RequestLog().size(), before) << c.args[1];
        }
    }
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
    EXPECT_EQ(UnitRegister(0xF801), 400);
}

TEST_F(CliDriverOnSim, AutoModeRefusesTheWrite) {
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    const SCliRun run = Driver({"--set", "OMPV=450"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Occurrences(run.out, Printed(MsgText[43])), 3u) << run.out;
    EXPECT_NE(run.err.find(Printed(MsgText[16])), std::string::npos) << run.err;
    EXPECT_EQ(RequestsWithFunction(FN_WRITE), 0u);
    EXPECT_EQ(UnitRegister(0xF801), 400);
}

// A silent line is already found empty by the unit search; the read failure of a unit that stops
// answering is the procedure's and the dialog's to show (their tests).
TEST_F(CliDriverOnSim, SilentLineFailsWithoutAWrite) {
    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    const SCliRun run = Driver({"--set", "OMPV=450"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nothing GW Unit"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("{"), std::string::npos);
    EXPECT_EQ(UnitRegister(0xF801), 400);
}

TEST_F(CliTest, DriverNeedsDravoAndExtendedMode) {
    const SCliRun vosk = Cli(GW_VOSK, {"--extended", "--port", "/dev/null", "driver"});
    EXPECT_EQ(vosk.status, 2);
    EXPECT_NE(vosk.err.find("driver applies to DRAVO"), std::string::npos) << vosk.err;
    const SCliRun plain = Cli(GW_DRAVO, {"--port", "/dev/null", "driver"});
    EXPECT_EQ(plain.status, 2);
    EXPECT_NE(plain.err.find("only with --extended"), std::string::npos) << plain.err;
}

}  // namespace
