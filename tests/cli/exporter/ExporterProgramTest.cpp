// gwcli exporter as a program: a configuration it cannot use stops it before the line is touched, its
// command line takes no single-unit options, it serves until SIGTERM, and the shipped examples hold.
#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include "cli/exporter/ExporterConfigFile.h"
#include "sim/SimPtyServer.h"
#include "tests/cli/ChildProcess.h"
#include "tests/cli/CliProcess.h"

namespace {

class ExporterProgram : public ::testing::Test {
protected:
    void Serve() {
        SSimConfig config;
        config.units = {0, 1};
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(LinePath()), 0);
    }
    std::string LinePath() const { return (temp.Path() / "line").string(); }
    std::string ConfigPath() const { return (temp.Path() / "exporter.yaml").string(); }
    std::string Gateway(const std::string& name, int unit) const {
        return "  - name: " + name + "\n    port: " + LinePath() +
               "\n    type: VOSK\n    unit: " + std::to_string(unit) + "\n    baud: 115200\n";
    }
    std::size_t RequestsSeen() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog().size(); });
    }

    CTempFolder temp;
    std::unique_ptr<CSimPtyServer> sim;
};

}  // namespace

TEST_F(ExporterProgram, UnusableConfigurationStopsItBeforeAnyPoll) {
    Serve();
    WriteWholeFile(ConfigPath(),
                   "gateways:\n" + Gateway("a", 0) + Gateway("b", 1) + "    intervals: {hardware: 5}\n");
    const SCliRun run = RunGwCliProgram({"exporter", "--config", ConfigPath()}, temp.Path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "gwcli: exporter: " + ConfigPath() +
                           ":12: intervals: hardware: \"5\" is no duration (such as 10s, 1m30s or 500ms)\n");
    EXPECT_EQ(RequestsSeen(), 0u);
}

TEST_F(ExporterProgram, CommandLineTakesOnlyItsOwnOptions) {
    WriteWholeFile(ConfigPath(), "gateways:\n" + Gateway("a", 0));
    struct SCase {
        std::vector<std::string> args;
        std::string firstLine;
    };
    for (const SCase& c :
         {SCase{{"exporter"}, "gwcli: exporter needs a --config"},
          SCase{{"--type", "VOSK", "exporter", "--config", ConfigPath()},
                "gwcli: exporter takes its gateways, types, ports, speeds and units from --config"},
          SCase{{"exporter", "--config", ConfigPath(), "--port", "/dev/ttyUSB0"},
                "gwcli: exporter takes its gateways, types, ports, speeds and units from --config"},
          SCase{{"exporter", "--config", ConfigPath(), "--listen", "9740"},
                "gwcli: --listen takes ADDR:PORT such as 127.0.0.1:9740 or [::1]:9740, not \"9740\""},
          SCase{{"exporter", "--config", ConfigPath(), "--json"},
                "gwcli: exporter serves its readings over HTTP; --json does not apply"}}) {
        const SCliRun run = RunGwCliProgram(c.args, temp.Path());
        EXPECT_EQ(run.status, 2) << c.firstLine;
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLine);
    }
}

TEST_F(ExporterProgram, ServesTheUnitsUntilSigterm) {
    Serve();
    WriteWholeFile(ConfigPath(), "gateways:\n" + Gateway("press-1", 0) + Gateway("press-2", 1));
    CChildProcess exporter({GWCLI_PROGRAM, "exporter", "--config", ConfigPath(), "--listen", "127.0.0.1:0"},
                           {"XDG_CONFIG_HOME=" + temp.Path().string(), "GWCLI_RESPONSE_TIMEOUT_MS=300"});
    const auto line =
        exporter.LineWith("gwcli: exporter: serving http://127.0.0.1:", std::chrono::seconds(30));
    ASSERT_TRUE(line) << exporter.Output();
    EXPECT_NE(line->find("/metrics for 2 gateways"), std::string::npos) << *line;
    httplib::Client client("127.0.0.1", std::stoi(line->substr(line->find("127.0.0.1:") + 10)));
    std::string body;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (body.find("gw_up{gateway=\"press-2\"} 1") == std::string::npos &&
           std::chrono::steady_clock::now() < until) {
        if (const auto response = client.Get("/metrics")) body = response->body;
        std::this_thread::yield();
    }
    EXPECT_NE(body.find("gw_up{gateway=\"press-1\"} 1"), std::string::npos) << body;
    EXPECT_NE(body.find("gw_up{gateway=\"press-2\"} 1"), std::string::npos) << body;
    EXPECT_EQ(exporter.Terminate(), 0) << exporter.Output();
}

TEST(ExporterExamples, ShippedConfigurationAndRulesHold) {
    const std::string folder = std::string(GW_SOURCE_DIR) + "/packaging/exporter/";
    const SExporterConfig config = LoadExporterConfig(folder + "exporter.yaml");
    EXPECT_EQ(config.error, "");
    EXPECT_EQ(config.gateways.size(), 3u);
#ifdef GW_PROMTOOL
    EXPECT_EQ(
        std::system(
            (std::string(GW_PROMTOOL) + " check rules " + folder + "gateway-alerts.yml >/dev/null").c_str()),
        0);
    EXPECT_EQ(
        std::system(
            (std::string(GW_PROMTOOL) + " check config " + folder + "prometheus.yml >/dev/null").c_str()),
        0);
#endif
}
