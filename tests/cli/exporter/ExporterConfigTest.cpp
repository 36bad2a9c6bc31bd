// The exporter's configuration file: the shape plants share, and every way a file is refused (with its
// file, line and reason), and where it listens.
#include <gtest/gtest.h>

#include "cli/exporter/ExporterConfigFile.h"
#include "cli/exporter/ExporterListenAddress.h"
#include "tests/cli/CliProcess.h"

namespace {

class ExporterConfig : public ::testing::Test {
protected:
    SExporterConfig Load(const std::string& text) {
        WriteWholeFile(Path(), text);
        return LoadExporterConfig(Path());
    }
    std::string Path() const { return (temp.Path() / "exporter.yaml").string(); }

    CTempFolder temp;
};

}  // namespace

TEST_F(ExporterConfig, SharedShapeIsReadWithItsDefaults) {
    const SExporterConfig config = Load(
        "gateways:\n"
        "  - name: press-1            # becomes the label gateway=\"press-1\"\n"
        "    port: COM3\n"
        "    type: VOSK\n"
        "    unit: 1\n"
        "    baud: 115200\n"
        "    labels: {line: A, hall: \"2\"}\n"
        "    intervals: {alarms: 1m, counters: 500ms500ms, hardware: 1m30s}\n"
        "  - name: welder\n"
        "    port: /dev/serial/by-id/usb-adapter\n"
        "    type: KAVELIS\n"
        "  - name: remote\n"
        "    port: tcp://10.0.0.7:4001\n"
        "    type: vosk-ml3\n");
    ASSERT_EQ(config.error, "");
    ASSERT_EQ(config.gateways.size(), 3u);
    const SGatewayPlan& press = config.gateways[0];
    EXPECT_EQ(press.name, "press-1");
    EXPECT_EQ(press.port, "COM3");
    EXPECT_EQ(press.type, GW_VOSK);
    EXPECT_EQ(press.unitNo, 1);
    EXPECT_EQ(press.baudIndex, 4);
    EXPECT_EQ(press.labels, (SeriesLabels{{"line", "A"}, {"hall", "2"}}));
    EXPECT_EQ(press.intervals.alarms, std::chrono::minutes(1));
    EXPECT_EQ(press.intervals.counters, std::chrono::seconds(1));
    EXPECT_EQ(press.intervals.hardware, std::chrono::seconds(90));
    const SGatewayPlan& welder = config.gateways[1];
    EXPECT_EQ(welder.port, "/dev/serial/by-id/usb-adapter");
    EXPECT_EQ(welder.unitNo, 0);
    EXPECT_FALSE(welder.baudIndex.has_value());
    EXPECT_EQ(welder.intervals.alarms, std::chrono::seconds(10));
    EXPECT_EQ(welder.intervals.counters, std::chrono::seconds(10));
    EXPECT_EQ(welder.intervals.hardware, std::chrono::seconds(30));
    EXPECT_EQ(config.gateways[2].port, "tcp://10.0.0.7:4001");
    EXPECT_EQ(config.gateways[2].type, GW_VOSK_ML3);
}

TEST_F(ExporterConfig, UnusableFileIsRefusedWithLineAndReason) {
    const std::string head = "gateways:\n  - name: a\n    port: COM3\n    type: VOSK\n";
    struct SCase {
        std::string text;
        std::string error;  // after "PATH:"
    };
    const std::vector<SCase> cases{
        {"", " the file must hold a list \"gateways:\""},
        {"gateway:\n  - name: a\n", "1: the file must hold a list \"gateways:\""},
        {"gateways: []\n", "1: gateways: must list at least one gateway"},
        {"gateways:\n  - name: a\n    type: VOSK\n", "2: a gateway needs a port"},
        {"gateways:\n  - port: COM3\n    type: VOSK\n", "2: a gateway needs a name"},
        {head + "    colour: red\n",
         "5: unknown key \"colour\" in a gateway (known: name, port, type, unit, baud, "
         "labels, intervals)"},
        {"gateways:\n  - name: a\n    port: printer\n    type: VOSK\n",
         "3: port: \"printer\" is neither a COM number (COM3), a device path nor a URL"},
        {"gateways:\n  - name: a\n    port: COM0\n    type: VOSK\n",
         "3: port: \"COM0\" is neither a COM number (COM3), a device path nor a URL"},
        {"gateways:\n  - name: a\n    port: COM3\n    type: VOSS\n",
         "4: type: unknown gateway type \"VOSS\" (KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, NUB3 GW or DRAVO)"},
        {head + "    unit: 2\n", "5: unit: takes 0 or 1, not \"2\""},
        {"gateways:\n  - name: a\n    port: COM3\n    type: KAVELIS\n    unit: 0\n",
         "5: unit: KAVELIS has no unit number"},
        {head + "    baud: 4800\n",
         "5: baud: takes 9600, 19200, 38400, 57600, 115200 or 230400, not \"4800\""},
        {head + "    labels: {2nd: x}\n",
         "5: labels: \"2nd\" is no label name (letters, digits and _, not first a digit, not __ first)"},
        {head + "    labels: {gateway: x}\n", "5: labels: \"gateway\" is a label the exporter sets itself"},
        {head + "    labels: [a]\n", "5: labels must be a map such as {line: A}"},
        {head + "    labels:\n      line: A\n      line: B\n", "7: labels: \"line\" is given twice"},
        {head + "    intervals: {alarms: 10}\n",
         "5: intervals: alarms: \"10\" is no duration (such as 10s, 1m30s or 500ms)"},
        {head + "    intervals: {counters: 500ms}\n", "5: intervals: counters: 500ms is shorter than 1s"},
        {head + "    intervals: {hardwere: 1m}\n",
         "5: unknown key \"hardwere\" in intervals (known: alarms, counters, hardware)"},
        {head + "  - name: a\n    port: COM4\n    type: VOSK\n", "5: name: \"a\" is given to two gateways"},
        {head + "  - name: b\n    port: '3'\n    type: VOSK\n",
         "5: gateways a and b answer at the same address on COM3"},
        {head +
             "    baud: 115200\n  - name: b\n    port: COM3\n    type: VOSK\n    unit: 1\n    baud: 9600\n",
         "10: baud: a and b share COM3 at different speeds"},
        {"gateways:\n  - name: [a\n", "3: end of sequence flow not found"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.text);
        const SExporterConfig config = Load(c.text);
        EXPECT_EQ(config.error, Path() + ":" + c.error);
        EXPECT_TRUE(config.gateways.empty());
    }
}

TEST_F(ExporterConfig, MissingFileIsRefused) {
    EXPECT_EQ(LoadExporterConfig(Path()).error, Path() + ": cannot be read");
}

TEST(ExporterPortText, ComNumbersPathsAndUrls) {
    const std::vector<std::pair<std::string, int>> cases{{"COM3", 3},
                                                         {"com12", 12},
                                                         {"7", 7},
                                                         {"COM65535", 65535},
                                                         {"/dev/ttyUSB0", 0},
                                                         {"rfc2217://host:7000", 0},
                                                         {"COM", -1},
                                                         {"COM0", -1},
                                                         {"COMx", -1},
                                                         {"ttyUSB0", -1},
                                                         {"", -1},
                                                         {"COM65536", -1}};
    for (const auto& [text, number] : cases) EXPECT_EQ(ComNumberOfPortText(text), number) << text;
}

TEST(ExporterListen, AddressAndPort) {
    struct SCase {
        std::string text;
        bool ok;
        std::string host;
        int port;
    };
    for (const SCase& c :
         {SCase{"127.0.0.1:9740", true, "127.0.0.1", 9740}, SCase{"0.0.0.0:80", true, "0.0.0.0", 80},
          SCase{"[::1]:9740", true, "::1", 9740}, SCase{"localhost:0", true, "localhost", 0},
          SCase{"9740", false, "", 0}, SCase{":9740", false, "", 0}, SCase{"::1:9740", false, "", 0},
          SCase{"127.0.0.1:", false, "", 0}, SCase{"127.0.0.1:65536", false, "", 0},
          SCase{"127.0.0.1:97x", false, "", 0}, SCase{"[]:9740", false, "", 0}}) {
        SCOPED_TRACE(c.text);
        const auto address = ListenAddressOf(c.text);
        ASSERT_EQ(address.has_value(), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(address->host, c.host);
        EXPECT_EQ(address->port, c.port);
    }
}
