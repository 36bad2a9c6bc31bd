#pragma once
// The gateways of a plant watched together: one polling thread per port (the units on one port one
// after another, the ports in parallel) and the last readings of every unit, from which a scrape is
// answered at once.
#include <memory>
#include <string>
#include <vector>

#include "core/fleet/FleetReadings.h"
#include "core/fleet/PortPoller.h"

class CFleet {
public:
    CFleet(std::vector<SGatewayPlan> gateways, const PortSessionSetup& setup);
    ~CFleet();
    CFleet(const CFleet&) = delete;
    CFleet& operator=(const CFleet&) = delete;

    void Start();
    void Stop();

    // The last readings in the Prometheus text exposition format.
    std::string MetricsText() const;

private:
    std::vector<SGatewayPlan> gateways;
    CFleetReadings readings;
    std::vector<std::unique_ptr<CPortPoller>> pollers;
};
