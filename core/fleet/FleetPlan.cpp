#include "core/fleet/FleetPlan.h"

#include <algorithm>

std::chrono::milliseconds SPollIntervals::Of(EReadingKind kind) const {
    switch (kind) {
        case EReadingKind::Alarms:
            return alarms;
        case EReadingKind::Counters:
            return counters;
        case EReadingKind::Hardware:
            break;
    }
    return hardware;
}

std::vector<SPortPlan> PortsOf(const std::vector<SGatewayPlan>& gateways) {
    std::vector<SPortPlan> ports;
    for (std::size_t i = 0; i < gateways.size(); ++i) {
        const SGatewayPlan& gateway = gateways[i];
        auto port = std::find_if(ports.begin(), ports.end(),
                                 [&](const SPortPlan& p) { return p.port == gateway.port; });
        if (port == ports.end())
            port = ports.insert(ports.end(), SPortPlan{gateway.port, gateway.baudIndex, {}});
        if (!port->baudIndex) port->baudIndex = gateway.baudIndex;
        port->gateways.push_back(static_cast<int>(i));
    }
    return ports;
}
