#pragma once
// The exporter's readings in the Prometheus text exposition format (version 0.0.4): one # HELP and one
// # TYPE per metric, then its series for every gateway, each with the label gateway="NAME" and the
// gateway's extra labels. Values read from a unit carry the time they were read (milliseconds since
// the epoch); the state of the polling (gw_up and its reason, the age of the last successful poll, the
// link's statistics) stands for the moment of the scrape.
#include <string>
#include <vector>

#include "core/fleet/FleetPlan.h"
#include "core/fleet/GatewayReadings.h"

inline constexpr const char* METRICS_CONTENT_TYPE = "text/plain; version=0.0.4; charset=utf-8";

// `readings` holds one entry per gateway of `gateways`, in the same order; `now` is the scrape's time.
std::string MetricsExposition(const std::vector<SGatewayPlan>& gateways,
                              const std::vector<SGatewayReadings>& readings, WallClock::time_point now);

// A label value as the exposition format writes it between its quotes: backslash, double quote and
// line feed escaped.
std::string EscapedLabelValue(const std::string& value);
