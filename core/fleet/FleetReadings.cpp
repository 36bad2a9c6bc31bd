#include "core/fleet/FleetReadings.h"

void CFleetReadings::Publish(std::size_t gateway, const SGatewayReadings& latest) {
    const std::lock_guard<std::mutex> guard(lock);
    readings[gateway] = latest;
}

std::vector<SGatewayReadings> CFleetReadings::Snapshot() const {
    const std::lock_guard<std::mutex> guard(lock);
    return readings;
}
