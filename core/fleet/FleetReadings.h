#pragma once
// The last readings of every gateway, shared between the ports' polling threads, which publish a
// unit's readings after each poll, and the scrapes, which take a copy at once (a slow line never holds
// up a scrape).
#include <mutex>
#include <vector>

#include "core/fleet/GatewayReadings.h"

class CFleetReadings {
public:
    explicit CFleetReadings(std::size_t gateways) : readings(gateways) {}

    void Publish(std::size_t gateway, const SGatewayReadings& latest);
    std::vector<SGatewayReadings> Snapshot() const;

private:
    mutable std::mutex lock;
    std::vector<SGatewayReadings> readings;
};
