#include "core/fleet/Fleet.h"

#include "core/fleet/MetricsExposition.h"

CFleet::CFleet(std::vector<SGatewayPlan> plans, const PortSessionSetup& setup)
    : gateways(std::move(plans)), readings(gateways.size()) {
    for (const SPortPlan& port : PortsOf(gateways))
        pollers.push_back(std::make_unique<CPortPoller>(port, gateways, readings, setup));
}

CFleet::~CFleet() {
    Stop();
}

void CFleet::Start() {
    for (auto& poller : pollers) poller->Start();
}

void CFleet::Stop() {
    for (auto& poller : pollers) poller->Stop();
}

std::string CFleet::MetricsText() const {
    return MetricsExposition(gateways, readings.Snapshot(), WallClock::now());
}
