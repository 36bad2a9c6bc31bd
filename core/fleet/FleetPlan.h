#pragma once
// What the exporter watches: the gateways of a plant, each on its port with its type, unit number, extra
// labels and how often each kind of value is read; and the same gateways grouped by the port they share,
// since the units on one port are polled one after another.
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/app/GwType.h"

// The kinds of value read from a unit, each on its own interval.
enum class EReadingKind { Alarms, Counters, Hardware };
inline constexpr int READING_KINDS = 3;

struct SPollIntervals {
    std::chrono::milliseconds alarms{10000};
    std::chrono::milliseconds counters{10000};
    std::chrono::milliseconds hardware{30000};

    std::chrono::milliseconds Of(EReadingKind kind) const;
};

using SeriesLabels = std::vector<std::pair<std::string, std::string>>;  // name, value; in file order

struct SGatewayPlan {
    std::string name;  // the value of the label gateway="..." on every series of the unit
    std::string port;  // COM number ("COM3" or "3"), device path or URL, as gwcli's --port takes it
    GwType type = GW_NONE;
    int unitNo = 0;                // for the unit-numbered types
    std::optional<int> baudIndex;  // into BaudTable; the settings file's speed otherwise
    SeriesLabels labels;           // extra labels
    SPollIntervals intervals;
};

struct SPortPlan {
    std::string port;
    std::optional<int> baudIndex;
    std::vector<int> gateways;  // indexes into the fleet's gateway list, in file order
};

// The ports in the order the file first names them, each with its gateways.
std::vector<SPortPlan> PortsOf(const std::vector<SGatewayPlan>& gateways);
