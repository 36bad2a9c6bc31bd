// gwcli doctor against the simulated gateway: the steps as text, the verdict, the JSON document and the
// exit status.
#include <nlohmann/json.hpp>

#include "core/diagnosis/ConnectionVerdict.h"
#include "tests/cli/CliTestSupport.h"

namespace {

using nlohmann::json;

class CliDoctor : public CliOnSim {};

TEST_F(CliDoctor, AnsweringUnitPrintsStepsAndExitsZero) {
    Serve(SimOf(GW_VOSK));
    const SCliRun run = Cli(GW_VOSK, {"doctor"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GE(lines.size(), 8u) << run.out;
    EXPECT_EQ(lines[0], "device: ok");
    EXPECT_EQ(lines[1], "  COM7 = " + sim->DevicePath() + " (mapped in [Ports])");
    EXPECT_NE(run.out.find("\nopen: ok\n  opened at 115200 bps\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nline: ok\n  Report Slave ID to D0h: valid reply"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nverdict: ok\n" + std::string(VerdictFix(EConnectionVerdict::Ok)) + "\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(RequestsWithFunction(0x11), 2u);
    EXPECT_EQ(RequestLog().size(), 2u);  // no speed switch, no write
}

TEST_F(CliDoctor, JsonNamesVerdictStepsAndFixAndFailureExitsOne) {
    Serve(SimOf(GW_KAVELIS));
    SSimFaults faults;
    faults.echo = true;
    SetFaults(faults);
    const SCliRun run = Cli(GW_KAVELIS, {"doctor", "--json"});
    EXPECT_EQ(run.status, 1) << run.err;
    const json document = json::parse(run.out);
    EXPECT_EQ(document["verdict"], "echo");
    EXPECT_EQ(document["fix"], std::string(VerdictFix(EConnectionVerdict::Echo)));
    ASSERT_EQ(document["steps"].size(), 3u);
    EXPECT_EQ(document["steps"][2]["step"], "line");
    EXPECT_EQ(document["steps"][2]["result"], "failed");
    EXPECT_EQ(document["steps"][2]["detail"],
              "Report Slave ID to 3Fh: the request came back unchanged (echo)");
    // The keys in the documented order: verdict, steps, fix.
    EXPECT_EQ(run.out.rfind("{\"verdict\":\"echo\",\"steps\":[{\"step\":\"device\"", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("],\"fix\":\""), std::string::npos) << run.out;
}

TEST_F(CliDoctor, MissingDeviceIsNamedWithoutTouchingAnything) {
    WriteSettingsFile(ConfigHome(), CLI_SIM_COM, CLI_SIM_BAUD_INDEX, PathOf("ttyUSB4"));
    const SCliRun run = Cli(GW_VOSK, {"doctor"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "device: failed\n  COM7 = " + PathOf("ttyUSB4") + " (mapped in [Ports])\n  " +
                           PathOf("ttyUSB4") + ": no such device\nverdict: no-device\n" +
                           std::string(VerdictFix(EConnectionVerdict::NoDevice)) + "\n");
}

// A device given as --port is no mapping of the settings file, and the program at the other end of the
// pseudo-terminal (the simulated unit, which keeps the device open too) holds no port.
TEST_F(CliDoctor, DeviceGivenAsPortIsNotCalledMappedNorItsOtherEndAHolder) {
    Serve(SimOf(GW_VOSK));
    WriteSettingsFile(ConfigHome(), 3, CLI_SIM_BAUD_INDEX, "");
    const SCliRun run = Cli(GW_VOSK, {"--port", sim->DevicePath(), "doctor"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("mapped in [Ports]"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" = " + sim->DevicePath() + "\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("also open in"), std::string::npos) << run.out;
}

}  // namespace
