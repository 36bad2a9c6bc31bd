// The readings as Prometheus reads them: names, labels, values in base units, the time of each reading,
// and the format's rules (one HELP and TYPE per metric, its series together).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "core/fleet/MetricsExposition.h"

namespace {

const WallClock::time_point READ_AT{std::chrono::milliseconds(1700000000123)};
const WallClock::time_point NOW = READ_AT + std::chrono::milliseconds(2500);

SGatewayPlan Plan(std::string name, GwType type, SeriesLabels labels = {}) {
    SGatewayPlan plan;
    plan.name = std::move(name);
    plan.port = "COM3";
    plan.type = type;
    plan.labels = std::move(labels);
    return plan;
}

// A unit whose every kind of value was read once.
SGatewayReadings FullyRead() {
    SGatewayReadings r;
    r.polled = r.up = true;
    r.lastSuccess = READ_AT;
    r.identity = SStamped<SUnitIdentity>{{0x0020, 0x0085}, READ_AT};
    r.alarms = SStamped<SAlarmSummary>{{6, 0x0FFF, 3725}, READ_AT};
    r.counters = SStamped<SCounterReading>{{15, {3, 2, 7}}, READ_AT};
    const std::array<std::uint16_t, HARDWARE_VALUES> words{241, 240, 59, 58, 66, 123, 35, 36, 37, 65535};
    for (std::size_t i = 0; i < words.size(); ++i) r.hardware[i] = SStamped<std::uint16_t>{words[i], READ_AT};
    r.link.Exchanges(EExchangeResult::Ok) = 12;
    r.link.Exchanges(EExchangeResult::Timeout) = 2;
    r.link.AddResponse(0.004);
    r.link.AddResponse(0.03);
    return r;
}

SGatewayReadings Down(std::string reason) {
    SGatewayReadings r;
    r.polled = true;
    r.downReason = std::move(reason);
    r.link.Exchanges(EExchangeResult::NoDevice) = 3;
    return r;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    const auto lines = LinesOf(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string MetricName(const std::string& line) {
    return line.substr(0, line.find_first_of("{ "));
}

}  // namespace

TEST(MetricsExposition, ValuesInBaseUnitsWithTheTimeTheyWereRead) {
    const std::string text =
        MetricsExposition({Plan("press-1", GW_VOSK, {{"line", "A"}})}, {FullyRead()}, NOW);
    const std::string at = " 1700000000123";
    const std::string unit = "{gateway=\"press-1\",line=\"A\"";
    for (const std::string& line : {
             "gw_up" + unit + "} 1",
             "gw_last_success_age_seconds" + unit + "} 2.5",
             "gw_info" + unit + ",type=\"VOSK\",firmware=\"0020\",network=\"EtherNet/IP\",unit=\"0\"} 1",
             "gw_alarm_records" + unit + "} 6" + at,
             "gw_alarm_newest_code" + unit + "} 4095" + at,
             "gw_alarm_newest_elapsed_seconds" + unit + "} 3725" + at,
             "gw_scan_time_seconds" + unit + "} 0.0015" + at,
             "gw_counter_total" + unit + ",counter=\"ERR_T\"} 3" + at,
             "gw_counter_total" + unit + ",counter=\"ERR_C\"} 2" + at,
             "gw_counter_total" + unit + ",counter=\"EMG\"} 7" + at,
             "gw_supply_voltage_volts" + unit + ",supply=\"motor\"} 24.1" + at,
             "gw_supply_voltage_volts" + unit + ",supply=\"control\"} 24" + at,
             "gw_supply_voltage_volts" + unit + ",supply=\"battery\"} 6.6" + at,
             "gw_fan_speed_hertz" + unit + "} 20.5" + at,
             "gw_driver_board_temperature_celsius" + unit + ",board=\"0\"} 35" + at,
             "gw_driver_board_temperature_celsius" + unit + ",board=\"3\"} 65535" + at,
             "gw_link_transactions_total" + unit + ",result=\"ok\"} 12",
             "gw_link_transactions_total" + unit + ",result=\"timeout\"} 2",
             "gw_link_transactions_total" + unit + ",result=\"no_device\"} 0",
             "gw_link_response_seconds_bucket" + unit + ",le=\"0.002\"} 0",
             "gw_link_response_seconds_bucket" + unit + ",le=\"0.005\"} 1",
             "gw_link_response_seconds_bucket" + unit + ",le=\"0.05\"} 2",
             "gw_link_response_seconds_bucket" + unit + ",le=\"+Inf\"} 2",
             "gw_link_response_seconds_sum" + unit + "} 0.034",
             "gw_link_response_seconds_count" + unit + "} 2",
         }) {
        EXPECT_TRUE(HasLine(text, line)) << line << "\nin:\n" << text;
    }
    // No RTET without ExtendedMode, no calendar time for an elapsed one, no reason while up.
    EXPECT_EQ(text.find("counter=\"RTET\""), std::string::npos);
    EXPECT_EQ(text.find("gw_alarm_newest_timestamp_seconds{"), std::string::npos);
    EXPECT_EQ(text.find("gw_down_info{"), std::string::npos);
}

TEST(MetricsExposition, DownUnitKeepsOneUpSeriesAndGivesItsReasonApart) {
    SGatewayReadings wasUp = FullyRead();
    wasUp.up = false;
    wasUp.downReason = "Receive time-out error (PC)";
    const std::string text =
        MetricsExposition({Plan("a", GW_VOSK), Plan("b", GW_KAVELIS), Plan("c", GW_DRAVO)},
                          {wasUp, Down("No such device: /dev/ttyUSB4"), SGatewayReadings{}}, NOW);
    EXPECT_TRUE(HasLine(text, "gw_up{gateway=\"a\"} 0"));
    EXPECT_TRUE(HasLine(text, "gw_up{gateway=\"b\"} 0"));
    EXPECT_TRUE(HasLine(text, "gw_up{gateway=\"c\"} 0"));
    EXPECT_TRUE(HasLine(text, "gw_down_info{gateway=\"a\",reason=\"Receive time-out error (PC)\"} 1"));
    EXPECT_TRUE(HasLine(text, "gw_down_info{gateway=\"b\",reason=\"No such device: /dev/ttyUSB4\"} 1"));
    EXPECT_TRUE(HasLine(text, "gw_link_transactions_total{gateway=\"b\",result=\"no_device\"} 3"));
    // The last readings of a unit that went down stay with the time they were read.
    EXPECT_TRUE(HasLine(text, "gw_counter_total{gateway=\"a\",counter=\"EMG\"} 7 1700000000123"));
    // Never polled yet: no reason; never read: no readings, no age.
    EXPECT_EQ(text.find("gw_down_info{gateway=\"c\""), std::string::npos);
    EXPECT_EQ(text.find("gw_last_success_age_seconds{gateway=\"b\""), std::string::npos);
    EXPECT_EQ(text.find("gw_info{gateway=\"b\""), std::string::npos);
}

TEST(MetricsExposition, CalendarAlarmTimeIsSecondsSinceTheEpoch) {
    SGatewayReadings r = FullyRead();
    r.alarms->value.newestTime = 315619200;  // 2010-01-01 00:00:00 on the unit's clock
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const std::string text = MetricsExposition({Plan("a", GW_VOSK)}, {r}, NOW);
    EXPECT_TRUE(HasLine(text, "gw_alarm_newest_timestamp_seconds{gateway=\"a\"} 1262304000 1700000000123"));
    EXPECT_EQ(text.find("gw_alarm_newest_elapsed_seconds{"), std::string::npos);
}

TEST(MetricsExposition, EveryMetricHasOneHeaderAndItsSeriesTogether) {
    const std::string text =
        MetricsExposition({Plan("a", GW_VOSK), Plan("b", GW_NUB3GW)}, {FullyRead(), Down("x")}, NOW);
    std::set<std::string> seen;
    std::string family;
    for (const std::string& line : LinesOf(text)) {
        if (line.rfind("# HELP ", 0) == 0) {
            family = MetricName(line.substr(7));
            EXPECT_TRUE(seen.insert(family).second) << "second HELP for " << family;
            continue;
        }
        if (line.rfind("# TYPE ", 0) == 0) {
            EXPECT_EQ(MetricName(line.substr(7)), family);
            continue;
        }
        const std::string name = MetricName(line);
        const bool ofFamily = name == family || name == family + "_bucket" || name == family + "_sum" ||
                              name == family + "_count";
        EXPECT_TRUE(ofFamily) << line << " stands under " << family;
    }
    EXPECT_EQ(seen.size(), 15u);
}

TEST(MetricsExposition, LabelValuesAreEscaped) {
    const std::map<std::string, std::string> cases{
        {"plain", "plain"}, {"a\"b", "a\\\"b"}, {"c:\\d", "c:\\\\d"}, {"two\nlines", "two\\nlines"}};
    for (const auto& [value, escaped] : cases) EXPECT_EQ(EscapedLabelValue(value), escaped) << value;
    const std::string text =
        MetricsExposition({Plan("hall \"2\"", GW_VOSK, {{"site", "x\\y"}})}, {Down("a\nb")}, NOW);
    EXPECT_TRUE(HasLine(text, "gw_up{gateway=\"hall \\\"2\\\"\",site=\"x\\\\y\"} 0"));
    EXPECT_TRUE(HasLine(text, "gw_down_info{gateway=\"hall \\\"2\\\"\",site=\"x\\\\y\",reason=\"a\\nb\"} 1"));
}

#ifdef GW_PROMTOOL
// promtool's lint finds nothing but the one name the dashboards are promised: gw_counter_total, whose
// name holds a type's word (promtool refuses it whatever the family's type).
TEST(MetricsExposition, PromtoolFindsOnlyThePromisedCounterName) {
    SGatewayReadings calendar = FullyRead();
    calendar.alarms->value.newestTime = 800000000;
    const std::string text =
        MetricsExposition({Plan("a", GW_VOSK, {{"line", "A"}}), Plan("b", GW_VOSK), Plan("c", GW_DRAVO)},
                          {FullyRead(), calendar, Down("gone")}, NOW);
    const auto file =
        std::filesystem::temp_directory_path() / ("gw-metrics-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(file) << text;
    const std::string command = std::string(GW_PROMTOOL) + " check metrics < " + file.string() + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    ::pclose(pipe);
    std::filesystem::remove(file);
    EXPECT_EQ(output, "gw_counter_total metric name should not include type 'counter'\n");
}
#endif
