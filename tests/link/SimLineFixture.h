#pragma once
// A link on COM7, which the settings map to a simulated gateway serving a pseudo-terminal.
#include <gtest/gtest.h>

#include <memory>

#include "core/link/CommUnit.h"
#include "sim/SimPtyServer.h"
#include "tests/support/ScriptedHost.h"

inline constexpr int SIM_COM_NUMBER = 7;

class LinkToSim : public ::testing::Test {
protected:
    // Starts the simulator with `config` and opens the link on it at `baudIndex`.
    void StartSim(const SSimConfig& config, int baudIndex = 0) {
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        link.SetPortOverrides({{SIM_COM_NUMBER, sim->DevicePath()}});
        ASSERT_EQ(link.Open(SIM_COM_NUMBER, baudIndex), COMM_OK) << link.OpenFailureReason();
        link.SetResponseTimeout(300);
    }
    void SetFaults(const SSimFaults& faults) {
        sim->WithCore([&](CGwSimCore& core) { core.Faults() = faults; });
    }
    std::vector<std::vector<std::uint8_t>> RequestLog() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); });
    }

    ScriptedHost host;
    CCommUnit link{host};
    std::unique_ptr<CSimPtyServer> sim;
};
