#include "cli/exporter/ExporterConfigFile.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

#include "cli/console/CliTypeName.h"
#include "cli/session/PortSettingWords.h"
#include "core/app/StartupRules.h"

namespace {

constexpr std::chrono::milliseconds SHORTEST_INTERVAL{1000};
constexpr std::array<std::string_view, 7> GATEWAY_KEYS{"name", "port",   "type",     "unit",
                                                       "baud", "labels", "intervals"};
constexpr std::array<std::string_view, 3> INTERVAL_KEYS{"alarms", "counters", "hardware"};
// Labels the exporter writes itself; an extra label of the same name would clash with them.
constexpr std::array<std::string_view, 11> OWN_LABELS{
    "gateway", "reason", "type", "firmware", "network", "unit", "counter", "supply", "board", "result", "le"};

// A refusal: where in the file, and why.
struct SRefusal {
    YAML::Mark mark;
    std::string reason;
};

[[noreturn]] void Refuse(const YAML::Node& node, std::string reason) {
    throw SRefusal{node.Mark(), std::move(reason)};
}

std::string ScalarOf(const YAML::Node& node, const std::string& what) {
    if (!node.IsScalar()) Refuse(node, what + " must be a single value");
    return node.Scalar();
}

void CheckKeys(const YAML::Node& map, std::span<const std::string_view> known, const std::string& where) {
    for (const auto& entry : map) {
        const std::string key = ScalarOf(entry.first, "a key");
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            std::string list;
            for (const std::string_view k : known) list += (list.empty() ? "" : ", ") + std::string(k);
            Refuse(entry.first, "unknown key \"" + key + "\" in " + where + " (known: " + list + ")");
        }
    }
}

bool IsLabelName(const std::string& name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])) || name.rfind("__", 0) == 0)
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// "10s", "500ms", "1m30s", "1h": one or more numbers each with its unit.
std::optional<std::chrono::milliseconds> DurationOf(const std::string& text) {
    std::chrono::milliseconds total{0};
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t digits = text.find_first_not_of("0123456789", at);
        if (digits == at || digits == std::string::npos) return std::nullopt;
        const long long number = std::stoll(text.substr(at, digits - at));
        const std::size_t unitEnd = text.find_first_of("0123456789", digits);
        const std::string unit = text.substr(digits, unitEnd - digits);
        if (unit == "ms")
            total += std::chrono::milliseconds(number);
        else if (unit == "s")
            total += std::chrono::seconds(number);
        else if (unit == "m")
            total += std::chrono::minutes(number);
        else if (unit == "h")
            total += std::chrono::hours(number);
        else
            return std::nullopt;
        at = unitEnd == std::string::npos ? text.size() : unitEnd;
    }
    if (text.empty()) return std::nullopt;
    return total;
}

std::chrono::milliseconds IntervalOf(const YAML::Node& node, const std::string& kind) {
    const std::string text = ScalarOf(node, "intervals: " + kind);
    const auto duration = DurationOf(text);
    if (!duration)
        Refuse(node,
               "intervals: " + kind + ": \"" + text + "\" is no duration (such as 10s, 1m30s or 500ms)");
    if (*duration < SHORTEST_INTERVAL)
        Refuse(node, "intervals: " + kind + ": " + text + " is shorter than 1s");
    return *duration;
}

void ReadIntervals(const YAML::Node& node, SPollIntervals& intervals) {
    if (!node.IsMap())
        Refuse(node, "intervals must be a map such as {alarms: 10s, counters: 10s, hardware: 30s}");
    CheckKeys(node, INTERVAL_KEYS, "intervals");
    if (node["alarms"]) intervals.alarms = IntervalOf(node["alarms"], "alarms");
    if (node["counters"]) intervals.counters = IntervalOf(node["counters"], "counters");
    if (node["hardware"]) intervals.hardware = IntervalOf(node["hardware"], "hardware");
}

void ReadLabels(const YAML::Node& node, SeriesLabels& labels) {
    if (!node.IsMap()) Refuse(node, "labels must be a map such as {line: A}");
    for (const auto& entry : node) {
        const std::string name = ScalarOf(entry.first, "a label name");
        if (!IsLabelName(name))
            Refuse(entry.first,
                   "labels: \"" + name +
                       "\" is no label name (letters, digits and _, not first a digit, not __ first)");
        if (std::find(OWN_LABELS.begin(), OWN_LABELS.end(), name) != OWN_LABELS.end())
            Refuse(entry.first, "labels: \"" + name + "\" is a label the exporter sets itself");
        if (std::any_of(labels.begin(), labels.end(), [&](const auto& label) { return label.first == name; }))
            Refuse(entry.first, "labels: \"" + name + "\" is given twice");
        labels.emplace_back(name, ScalarOf(entry.second, "labels: " + name));
    }
}

std::string PortOf(const YAML::Node& node) {
    const std::string text = ScalarOf(node, "port");
    if (ComNumberOfPortText(text) < 0)
        Refuse(node, "port: \"" + text + "\" is neither a COM number (COM3), a device path nor a URL");
    const int number = ComNumberOfPortText(text);
    return number > 0 ? "COM" + std::to_string(number) : text;
}

int UnitOf(const YAML::Node& node, GwType type) {
    if ((type & GW_UNIT_NUMBERED_MASK) == 0)
        Refuse(node, "unit: " + std::string(GwUnitDataOf(type).name) + " has no unit number");
    const auto unit = UnitNumber(ScalarOf(node, "unit"));
    if (!unit) Refuse(node, "unit: takes 0 or 1, not \"" + node.Scalar() + "\"");
    return *unit;
}

int BaudIndexOf(const YAML::Node& node) {
    if (const auto index = OfferedBaudIndex(ScalarOf(node, "baud"))) return *index;
    Refuse(node, "baud: takes " + std::string(OFFERED_SPEEDS_TEXT) + ", not \"" + node.Scalar() + "\"");
}

const YAML::Node Required(const YAML::Node& map, const char* key) {
    const YAML::Node node = map[key];
    if (!node) Refuse(map, std::string("a gateway needs a ") + key);
    return node;
}

SGatewayPlan GatewayOf(const YAML::Node& node) {
    if (!node.IsMap()) Refuse(node, "each gateway must be a map with name, port and type");
    CheckKeys(node, GATEWAY_KEYS, "a gateway");
    SGatewayPlan plan;
    plan.name = ScalarOf(Required(node, "name"), "name");
    if (plan.name.empty()) Refuse(node["name"], "name: must not be empty");
    plan.port = PortOf(Required(node, "port"));
    const YAML::Node typeNode = Required(node, "type");
    const auto type = GwTypeOfName(ScalarOf(typeNode, "type"));
    if (!type)
        Refuse(typeNode, "type: unknown gateway type \"" + typeNode.Scalar() +
                             "\" (KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, NUB3 GW or DRAVO)");
    plan.type = *type;
    if (node["unit"]) plan.unitNo = UnitOf(node["unit"], plan.type);
    if (node["baud"]) plan.baudIndex = BaudIndexOf(node["baud"]);
    if (node["labels"]) ReadLabels(node["labels"], plan.labels);
    if (node["intervals"]) ReadIntervals(node["intervals"], plan.intervals);
    return plan;
}

// The gateways together: names unique, one unit per slave address on a port, one speed per port.
void CheckAgainstEarlier(const YAML::Node& node, const SGatewayPlan& plan,
                         const std::vector<SGatewayPlan>& earlier) {
    for (const SGatewayPlan& other : earlier) {
        if (other.name == plan.name)
            Refuse(node["name"], "name: \"" + plan.name + "\" is given to two gateways");
        if (other.port != plan.port) continue;
        if (GwSlaveAddressOf(other.type, other.unitNo) == GwSlaveAddressOf(plan.type, plan.unitNo))
            Refuse(node, "gateways " + other.name + " and " + plan.name + " answer at the same address on " +
                             plan.port);
        if (other.baudIndex && plan.baudIndex && other.baudIndex != plan.baudIndex)
            Refuse(node["baud"], "baud: " + other.name + " and " + plan.name + " share " + plan.port +
                                     " at different speeds");
    }
}

std::vector<SGatewayPlan> GatewaysOf(const YAML::Node& root) {
    if (!root.IsMap() || !root["gateways"]) Refuse(root, "the file must hold a list \"gateways:\"");
    const std::array<std::string_view, 1> rootKeys{"gateways"};
    CheckKeys(root, rootKeys, "the file");
    const YAML::Node list = root["gateways"];
    if (!list.IsSequence() || list.size() == 0) Refuse(list, "gateways: must list at least one gateway");
    std::vector<SGatewayPlan> gateways;
    for (const YAML::Node& node : list) {
        SGatewayPlan plan = GatewayOf(node);
        CheckAgainstEarlier(node, plan, gateways);
        gateways.push_back(std::move(plan));
    }
    return gateways;
}

std::string Located(const std::string& path, const YAML::Mark& mark, const std::string& reason) {
    if (mark.is_null()) return path + ": " + reason;
    return path + ":" + std::to_string(mark.line + 1) + ": " + reason;
}

}  // namespace

int ComNumberOfPortText(const std::string& text) {
    std::string digits = text;
    if (text.size() > 3 && (text.compare(0, 3, "COM") == 0 || text.compare(0, 3, "com") == 0))
        digits = text.substr(3);
    if (const auto number = WholeNumber(digits))
        return IsComNumber(*number) ? *number : -1;
    return text.find('/') != std::string::npos ? 0 : -1;
}

SExporterConfig LoadExporterConfig(const std::string& path) {
    SExporterConfig config;
    try {
        config.gateways = GatewaysOf(YAML::LoadFile(path));
    } catch (const SRefusal& refusal) {
        config.error = Located(path, refusal.mark, refusal.reason);
    } catch (const YAML::BadFile&) {
        config.error = path + ": cannot be read";
    } catch (const YAML::Exception& e) {
        config.error = Located(path, e.mark, e.msg);
    }
    return config;
}
