// The exporter as a plant runs it: gwcli exporter in front of two simulated units on two pseudo-terminals,
// scraped every second by a real Prometheus, which the test asks through its HTTP query API. Then one
// unit's simulator is killed, and only that unit goes down.
#include <gtest/gtest.h>
#include <httplib.h>

#include <iostream>
#include <nlohmann/json.hpp>
#include <thread>

#include "tests/cli/ChildProcess.h"
#include "tests/cli/CliProcess.h"

namespace {

constexpr std::chrono::seconds START_PATIENCE{30};
constexpr std::chrono::seconds QUERY_PATIENCE{90};
constexpr std::chrono::milliseconds QUERY_PAUSE{250};

class ExporterWithPrometheus : public ::testing::Test {
protected:
    void StartUnit(const std::string& name) {
        const std::string link = (temp.Path() / name).string();
        units.push_back(std::make_unique<CChildProcess>(
            std::vector<std::string>{GWSIM_PROGRAM, "--type", "VOSK", "--link", link}));
        ASSERT_TRUE(units.back()->LineWith("ready", START_PATIENCE)) << units.back()->Output();
    }

    void StartExporter() {
        WriteWholeFile(temp.Path() / "exporter.yaml",
                       "gateways:\n"
                       "  - name: press-1\n"
                       "    port: " +
                           (temp.Path() / "COM-A").string() +
                           "\n"
                           "    type: VOSK\n"
                           "    unit: 0\n"
                           "    baud: 115200\n"
                           "    labels: {line: A}\n"
                           "    intervals: {alarms: 1s, counters: 1s, hardware: 1s}\n"
                           "  - name: press-2\n"
                           "    port: " +
                           (temp.Path() / "COM-B").string() +
                           "\n"
                           "    type: VOSK\n"
                           "    baud: 115200\n"
                           "    intervals: {alarms: 1s, counters: 1s, hardware: 1s}\n");
        exporter = std::make_unique<CChildProcess>(
            std::vector<std::string>{GWCLI_PROGRAM, "exporter", "--config",
                                     (temp.Path() / "exporter.yaml").string(), "--listen", "127.0.0.1:0"},
            std::vector<std::string>{"XDG_CONFIG_HOME=" + (temp.Path() / "config").string(),
                                     "GWCLI_RESPONSE_TIMEOUT_MS=300"});
        const auto line = exporter->LineWith("serving http://127.0.0.1:", START_PATIENCE);
        ASSERT_TRUE(line) << exporter->Output();
        exporterPort = std::stoi(line->substr(line->find("127.0.0.1:") + 10));
    }

    void StartPrometheus() {
        prometheusPort = FreeLoopbackPort();
        WriteWholeFile(temp.Path() / "prometheus.yml",
                       "global:\n  scrape_interval: 1s\n  evaluation_interval: 1s\n"
                       "scrape_configs:\n  - job_name: gateways\n    static_configs:\n"
                       "      - targets: ['127.0.0.1:" +
                           std::to_string(exporterPort) + "']\n");
        prometheus = std::make_unique<CChildProcess>(std::vector<std::string>{
            GW_PROMETHEUS, "--config.file=" + (temp.Path() / "prometheus.yml").string(),
            "--storage.tsdb.path=" + (temp.Path() / "tsdb").string(),
            "--web.listen-address=127.0.0.1:" + std::to_string(prometheusPort)});
        ASSERT_TRUE(prometheus->LineWith("Server is ready to receive web requests", START_PATIENCE))
            << prometheus->Output();
    }

    // The value of an instant query that yields one series, or nothing while it yields none.
    std::optional<double> Query(const std::string& promql) {
        httplib::Client client("127.0.0.1", prometheusPort);
        const auto response =
            client.Get("/api/v1/query", httplib::Params{{"query", promql}}, httplib::Headers{});
        if (!response || response->status != 200) return std::nullopt;
        const auto json = nlohmann::json::parse(response->body);
        const auto& result = json["data"]["result"];
        if (result.size() != 1) return std::nullopt;
        return std::stod(result[0]["value"][1].get<std::string>());
    }

    // Asks again until the query yields `wanted` (within QUERY_PATIENCE); shows the query and its value.
    bool Eventually(const std::string& promql, const std::function<bool(double)>& wanted) {
        const auto until = std::chrono::steady_clock::now() + QUERY_PATIENCE;
        std::optional<double> value;
        while (std::chrono::steady_clock::now() < until) {
            value = Query(promql);
            if (value && wanted(*value)) {
                std::cout << "PromQL " << promql << " = " << *value << "\n";
                return true;
            }
            std::this_thread::sleep_for(QUERY_PAUSE);
        }
        std::cout << "PromQL " << promql << " = " << (value ? std::to_string(*value) : "(no series)") << "\n";
        return false;
    }
    static std::function<bool(double)> Is(double expected) {
        return [expected](double v) { return v == expected; };
    }

    CTempFolder temp;
    std::vector<std::unique_ptr<CChildProcess>> units;
    std::unique_ptr<CChildProcess> exporter;
    std::unique_ptr<CChildProcess> prometheus;
    int exporterPort = 0;
    int prometheusPort = 0;
};

}  // namespace

TEST_F(ExporterWithPrometheus, PrometheusSeesBothUnitsAndTheOneThatIsKilledGoDown) {
    StartUnit("COM-A");
    StartUnit("COM-B");
    StartExporter();
    StartPrometheus();

    for (const std::string gateway : {"press-1", "press-2"}) {
        const std::string unit = "{gateway=\"" + gateway + "\"";
        EXPECT_TRUE(Eventually("gw_up" + unit + "}", Is(1)));
        for (const std::string counter : {"ERR_T", "ERR_C", "EMG"})
            EXPECT_TRUE(Eventually("gw_counter_total" + unit + ",counter=\"" + counter + "\"}",
                                   [](double v) { return v >= 0; }));
        EXPECT_TRUE(
            Eventually("gw_alarm_newest_code" + unit + "}", Is(0xFFF)));  // the simulator's power-up alarm
        EXPECT_TRUE(Eventually("gw_alarm_records" + unit + "}", Is(6)));
        EXPECT_TRUE(Eventually("gw_supply_voltage_volts" + unit + ",supply=\"motor\"}",
                               [](double v) { return v > 20 && v < 30; }));
    }
    EXPECT_TRUE(Eventually("gw_info{gateway=\"press-1\",line=\"A\",type=\"VOSK\",unit=\"0\"}", Is(1)));
    EXPECT_TRUE(Eventually("sum(gw_link_transactions_total{result=\"ok\"})", [](double v) { return v > 0; }));

    EXPECT_EQ(units[1]->Terminate(), 0);
    EXPECT_TRUE(Eventually("gw_up{gateway=\"press-2\"}", Is(0)));
    EXPECT_TRUE(Eventually("count(gw_down_info{gateway=\"press-2\"})", Is(1)));
    EXPECT_TRUE(Eventually("gw_up{gateway=\"press-1\"}", Is(1)));
    EXPECT_TRUE(Eventually("count(gw_up)", Is(2)));  // still one gw_up series per gateway

    EXPECT_EQ(exporter->Terminate(), 0) << exporter->Output();
}
