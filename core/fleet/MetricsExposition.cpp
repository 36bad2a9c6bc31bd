#include "core/fleet/MetricsExposition.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <functional>

#include "core/app/texts/UiText.h"
#include "core/monitors/AlarmRecordText.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/image/ParameterImage.h"
#include "core/service/GatewayTime.h"

namespace {

// Words per base unit; dividing keeps 237 tenths of a volt at 23.7 where a product would not.
constexpr double SCAN_TIME_WORDS_PER_SECOND = 10000.0;  // the word counts tenths of a millisecond
constexpr double VOLTAGE_WORDS_PER_VOLT = 10.0;
constexpr double FAN_WORDS_PER_HERTZ = 6.0;  // the word counts tens of revolutions per minute
constexpr std::array<const char*, 4> COUNTER_NAMES{"ERR_T", "ERR_C", "EMG", "RTET"};
constexpr std::array<const char*, EXCHANGE_RESULTS> EXCHANGE_RESULT_NAMES{
    "ok", "timeout", "crc", "line_error", "exception", "no_device"};
// The hardware monitor's rows: five supplies, the fan, four driver boards.
constexpr std::array<const char*, 5> SUPPLY_NAMES{"motor", "control", "encoder_a", "encoder_b", "battery"};
constexpr std::size_t FAN_ROW = 5;
constexpr std::size_t FIRST_BOARD_ROW = 6;

std::string NumberText(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

std::string TimestampText(WallClock::time_point at) {
    return std::to_string(
        std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count());
}

// An alarm's calendar occurrence time, counted by the unit's clock, which the tool sets from the PC's
// local time: the same moment in seconds since the Unix epoch.
double UnixSecondsOfGatewayTime(std::uint32_t seconds) {
    const SGatewayDateTime t = CalendarDateTimeOf(seconds);
    std::tm local{};
    local.tm_year = t.year - 1900;
    local.tm_mon = t.month - 1;
    local.tm_mday = t.day;
    local.tm_hour = t.hour;
    local.tm_min = t.minute;
    local.tm_sec = t.second;
    local.tm_isdst = -1;
    return static_cast<double>(std::mktime(&local));
}

std::string NetworkName(std::uint16_t code) {
    const std::uint16_t listed = IsCcLink(code) ? NTYP_CCLINK_V1 : code;
    for (const SNetworkType& entry : NetworkTypeTable) {
        if (entry.code == listed) return std::string(UiText[static_cast<std::size_t>(entry.textIndex)]);
    }
    char text[8];
    std::snprintf(text, sizeof text, "%04X", unsigned{code});
    return text;
}

std::string FirmwareText(std::uint16_t firmware) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", unsigned{firmware});
    return text;
}

struct SGatewayView {
    const SGatewayPlan& plan;
    const SGatewayReadings& readings;
    std::string labels;  // gateway="NAME" and the extra labels, comma-separated
};

class CExposition {
public:
    CExposition(const std::vector<SGatewayView>& gateways, WallClock::time_point now)
        : gateways(gateways), now(now) {}

    // Writes the family's header, then `series` for every gateway.
    void Family(const char* name, const char* type, const char* help,
                const std::function<void(const SGatewayView&)>& series) {
        text += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n";
        for (const SGatewayView& gateway : gateways) series(gateway);
    }

    // One sample; `extra` are further labels ("counter=\"EMG\""), `at` the time of the reading.
    void Sample(const std::string& name, const SGatewayView& gateway, const std::string& extra, double value,
                std::optional<WallClock::time_point> at = {}) {
        text += name + "{" + gateway.labels + (extra.empty() ? "" : "," + extra) + "} " + NumberText(value);
        if (at) text += " " + TimestampText(*at);
        text += "\n";
    }

    WallClock::time_point Now() const { return now; }
    std::string Text() && { return std::move(text); }

private:
    const std::vector<SGatewayView>& gateways;
    WallClock::time_point now;
    std::string text;
};

std::string Label(const char* name, const std::string& value) {
    return std::string(name) + "=\"" + EscapedLabelValue(value) + "\"";
}

std::string GatewayLabels(const SGatewayPlan& plan) {
    std::string labels = Label("gateway", plan.name);
    for (const auto& [name, value] : plan.labels) labels += "," + Label(name.c_str(), value);
    return labels;
}

void WritePollState(CExposition& out) {
    out.Family("gw_up", "gauge", "1 while the last poll of the unit succeeded, 0 otherwise.",
               [&](const SGatewayView& g) { out.Sample("gw_up", g, "", g.readings.up ? 1 : 0); });
    out.Family("gw_down_info", "gauge", "Why the last poll of the unit failed; present while gw_up is 0.",
               [&](const SGatewayView& g) {
                   if (g.readings.polled && !g.readings.up)
                       out.Sample("gw_down_info", g, Label("reason", g.readings.downReason), 1);
               });
    out.Family("gw_last_success_age_seconds", "gauge", "Time since the last successful poll of the unit.",
               [&](const SGatewayView& g) {
                   if (!g.readings.lastSuccess) return;
                   const std::chrono::duration<double> age = out.Now() - *g.readings.lastSuccess;
                   out.Sample("gw_last_success_age_seconds", g, "", age.count());
               });
    out.Family("gw_info", "gauge",
               "The unit: gateway type, firmware version (GVER), fieldbus network and unit number.",
               [&](const SGatewayView& g) {
                   if (!g.readings.identity) return;
                   const SUnitIdentity& id = g.readings.identity->value;
                   std::string labels = Label("type", std::string(GwUnitDataOf(g.plan.type).name)) + "," +
                                        Label("firmware", FirmwareText(id.firmware)) + "," +
                                        Label("network", NetworkName(id.network));
                   if ((g.plan.type & GW_UNIT_NUMBERED_MASK) != 0)
                       labels += "," + Label("unit", std::to_string(g.plan.unitNo));
                   out.Sample("gw_info", g, labels, 1);
               });
}

void WriteAlarms(CExposition& out) {
    out.Family("gw_alarm_records", "gauge", "Records held in the unit's alarm history (64 at most).",
               [&](const SGatewayView& g) {
                   if (const auto& a = g.readings.alarms)
                       out.Sample("gw_alarm_records", g, "", a->value.records, a->readAt);
               });
    out.Family("gw_alarm_newest_code", "gauge",
               "Alarm code of the newest record of the history, 0 when empty.", [&](const SGatewayView& g) {
                   if (const auto& a = g.readings.alarms)
                       out.Sample("gw_alarm_newest_code", g, "", a->value.newestCode, a->readAt);
               });
    out.Family("gw_alarm_newest_timestamp_seconds", "gauge",
               "When the newest alarm occurred, for a unit whose clock is set (seconds since the epoch).",
               [&](const SGatewayView& g) {
                   const auto& a = g.readings.alarms;
                   if (!a || a->value.newestCode == 0 || a->value.newestTime < ALARM_CALENDAR_FROM) return;
                   out.Sample("gw_alarm_newest_timestamp_seconds", g, "",
                              UnixSecondsOfGatewayTime(a->value.newestTime), a->readAt);
               });
    out.Family("gw_alarm_newest_elapsed_seconds", "gauge",
               "When the newest alarm occurred, for a unit without clock (seconds since its power-up).",
               [&](const SGatewayView& g) {
                   const auto& a = g.readings.alarms;
                   if (!a || a->value.newestCode == 0 || a->value.newestTime >= ALARM_CALENDAR_FROM) return;
                   out.Sample("gw_alarm_newest_elapsed_seconds", g, "", a->value.newestTime, a->readAt);
               });
}

void WriteCounters(CExposition& out) {
    out.Family("gw_scan_time_seconds", "gauge", "Cycle time of the unit's scan.", [&](const SGatewayView& g) {
        if (const auto& c = g.readings.counters)
            out.Sample("gw_scan_time_seconds", g, "", c->value.scanTime / SCAN_TIME_WORDS_PER_SECOND,
                       c->readAt);
    });
    // The name is promised to dashboards and alerting rules as it stands. promtool's lint refuses the word
    // "counter" in any metric's name, whatever its type, so this family keeps its true type and that one
    // remark.
    out.Family("gw_counter_total", "counter",
               "The unit's diagnostic counters (ERR_T, ERR_C, EMG, and RTET in ExtendedMode); "
               "a Clear in the tool resets them.",
               [&](const SGatewayView& g) {
                   const auto& c = g.readings.counters;
                   if (!c) return;
                   for (std::size_t i = 0; i < c->value.counters.size() && i < COUNTER_NAMES.size(); ++i)
                       out.Sample("gw_counter_total", g, Label("counter", COUNTER_NAMES[i]),
                                  c->value.counters[i], c->readAt);
               });
}

void WriteHardware(CExposition& out) {
    out.Family("gw_supply_voltage_volts", "gauge", "Supply voltages of the unit's power and drive hardware.",
               [&](const SGatewayView& g) {
                   for (std::size_t i = 0; i < SUPPLY_NAMES.size(); ++i) {
                       if (const auto& v = g.readings.hardware[i])
                           out.Sample("gw_supply_voltage_volts", g, Label("supply", SUPPLY_NAMES[i]),
                                      v->value / VOLTAGE_WORDS_PER_VOLT, v->readAt);
                   }
               });
    out.Family("gw_fan_speed_hertz", "gauge", "Speed of the unit's fan (revolutions per second).",
               [&](const SGatewayView& g) {
                   if (const auto& v = g.readings.hardware[FAN_ROW])
                       out.Sample("gw_fan_speed_hertz", g, "", v->value / FAN_WORDS_PER_HERTZ, v->readAt);
               });
    out.Family("gw_driver_board_temperature_celsius", "gauge", "Temperatures of the unit's driver boards.",
               [&](const SGatewayView& g) {
                   for (std::size_t i = FIRST_BOARD_ROW; i < HARDWARE_VALUES; ++i) {
                       if (const auto& v = g.readings.hardware[i])
                           out.Sample("gw_driver_board_temperature_celsius", g,
                                      Label("board", std::to_string(i - FIRST_BOARD_ROW)), v->value,
                                      v->readAt);
                   }
               });
}

void WriteLink(CExposition& out) {
    out.Family("gw_link_transactions_total", "counter",
               "Request and reply exchanges with the unit by their outcome; a retry counts as an exchange.",
               [&](const SGatewayView& g) {
                   for (std::size_t i = 0; i < EXCHANGE_RESULTS; ++i)
                       out.Sample("gw_link_transactions_total", g, Label("result", EXCHANGE_RESULT_NAMES[i]),
                                  static_cast<double>(g.readings.link.exchanges[i]));
               });
    out.Family(
        "gw_link_response_seconds", "histogram",
        "Time from the end of a request to the start of the unit's reply.", [&](const SGatewayView& g) {
            const SLinkStatistics& link = g.readings.link;
            for (std::size_t i = 0; i < RESPONSE_BUCKETS.size(); ++i)
                out.Sample("gw_link_response_seconds_bucket", g, Label("le", NumberText(RESPONSE_BUCKETS[i])),
                           static_cast<double>(link.responseBuckets[i]));
            out.Sample("gw_link_response_seconds_bucket", g, Label("le", "+Inf"),
                       static_cast<double>(link.responseCount));
            out.Sample("gw_link_response_seconds_sum", g, "", link.responseSeconds);
            out.Sample("gw_link_response_seconds_count", g, "", static_cast<double>(link.responseCount));
        });
}

}  // namespace

std::string EscapedLabelValue(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '\n') {
            escaped += "\\n";
            continue;
        }
        if (c == '\\' || c == '"') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string MetricsExposition(const std::vector<SGatewayPlan>& gateways,
                              const std::vector<SGatewayReadings>& readings, WallClock::time_point now) {
    std::vector<SGatewayView> views;
    for (std::size_t i = 0; i < gateways.size(); ++i)
        views.push_back({gateways[i], readings[i], GatewayLabels(gateways[i])});
    CExposition out(views, now);
    WritePollState(out);
    WriteAlarms(out);
    WriteCounters(out);
    WriteHardware(out);
    WriteLink(out);
    return std::move(out).Text();
}
