// A read that fails says why below the tool's own message, from what the failed exchanges got back,
// and with --json prints one error document with the same exit status.
#include <nlohmann/json.hpp>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/ExchangeCauseText.h"
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

using nlohmann::json;
namespace Text = ExchangeCauseText;

const std::string NOTHING_GW_UNIT = "Nothing GW Unit";

struct SFaultCase {
    const char* name;
    void (*fault)(SSimFaults&);
    std::string message;                // the first error printed
    std::vector<std::string> causes;    // lines of standard error after it, each "gwcli: " + this
    std::string verdict;
};

class CliFailureCauses : public CliOnSim {
protected:
    void ExpectExplained(const SFaultCase& c) {
        SCOPED_TRACE(c.name);
        const SCliRun text = Cli(GW_VOSK, {"read", PathOf("unit.vogw")});
        EXPECT_EQ(text.status, 1);
        EXPECT_EQ(text.err.substr(0, c.message.size() + 1), c.message + "\n") << text.err;
        for (const std::string& cause : c.causes)
            EXPECT_NE(text.err.find("gwcli: " + cause + "\n"), std::string::npos) << cause << "\n" << text.err;

        const SCliRun doc = Cli(GW_VOSK, {"--json", "read", PathOf("unit.vogw")});
        EXPECT_EQ(doc.status, 1);
        const json parsed = json::parse(doc.out);
        const json& error = parsed.at("error");
        EXPECT_EQ(error.at("message"), c.message);
        EXPECT_EQ(error.at("exit"), 1);
        EXPECT_EQ(error.value("verdict", ""), c.verdict);
        const auto details = error.at("details").get<std::vector<std::string>>();
        for (const std::string& cause : c.causes)
            EXPECT_NE(std::find(details.begin(), details.end(), cause), details.end()) << cause << "\n" << doc.out;
        EXPECT_FALSE(std::filesystem::exists(PathOf("unit.vogw")));
    }
};

TEST_F(CliFailureCauses, EachFaultOfTheLineIsNamedWithItsFix) {
    const SFaultCase cases[] = {
        {"busy", [](SSimFaults& f) { f.exceptionCode = 6; }, NOTHING_GW_UNIT,
         {"Report Slave ID to D0h at 115200 bps: exception 06h (slave device busy: the unit is in AUTO mode)",
          std::string(Text::FIX_BUSY)},
         "exception"},
        {"echo", [](SSimFaults& f) { f.echo = true; }, NOTHING_GW_UNIT,
         {"Report Slave ID to D0h at 115200 bps: the request came back unchanged (echo)",
          std::string(Text::FIX_ECHO)},
         "echo"},
        {"other address", [](SSimFaults& f) { f.wrongSlave = true; }, std::string(CommonMsgText[58]),
         {"Report Slave ID to D0h at 115200 bps: a reply from address D1h",
          "Fix: if unit 1 is the unit meant, choose it (gwcli --unit 1); otherwise make sure no second device "
          "on the line answers in its place"},
         "wrong-address"},
        {"silent", [](SSimFaults& f) { f.silent = true; }, NOTHING_GW_UNIT,
         {"Report Slave ID to D0h at 115200 bps: no reply", "Report Slave ID to D1h at 115200 bps: no reply",
          std::string(Text::FIX_NO_REPLY)},
         "no-reply"},
        {"unit at 19200", [](SSimFaults& f) { f.unitBps = 19200; }, NOTHING_GW_UNIT,
         {"Report Slave ID to D0h at 115200 bps: no reply", "The unit answers at 19200 bps",
          "Fix: choose 19200 bps in Setting > Port Config (gwcli --baud 19200)"},
         "other-speed"},
        // Broken bytes are what a unit at another speed sounds like: the quick listen finds it there.
        {"replies at 19200", [](SSimFaults& f) { f.replyBps = 19200; }, NOTHING_GW_UNIT,
         {"The unit answers at 19200 bps", "Fix: choose 19200 bps in Setting > Port Config (gwcli --baud 19200)"},
         "other-speed"},
        {"reply breaks off", [](SSimFaults& f) { f.midReplyPauseMs = 150; }, NOTHING_GW_UNIT,
         {"Report Slave ID to D0h at 115200 bps: the reply broke off after 6 of 11 bytes (no byte for over "
          "100 ms)",
          std::string(Text::FIX_INCOMPLETE)},
         "incomplete"},
    };
    for (const SFaultCase& c : cases) {
        Serve(SimOf(GW_VOSK));
        SSimFaults faults;
        c.fault(faults);
        SetFaults(faults);
        ExpectExplained(c);
    }
}

TEST_F(CliFailureCauses, AMissingDeviceNamesThePath) {
    WriteSettingsFile(ConfigHome(), CLI_SIM_COM, CLI_SIM_BAUD_INDEX, PathOf("no-adapter"));
    ExpectExplained({"missing device", nullptr, std::string(CommonMsgText[50]),
                     {"Device: " + PathOf("no-adapter"), "No such device"}, ""});
}

// The speed found at another speed really is the remedy: the read goes through with it.
TEST_F(CliFailureCauses, TheNamedSpeedMakesTheReadWork) {
    Serve(SimOf(GW_VOSK));
    SSimFaults faults;
    faults.unitBps = 19200;
    SetFaults(faults);
    const SCliRun run = Cli(GW_VOSK, {"--baud", "19200", "read", PathOf("unit.vogw")});
    EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
