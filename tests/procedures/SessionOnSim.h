#pragma once
// A tool session whose COM7 is a simulated gateway on a pseudo-terminal, laid out for the sim's type.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/app/StartupRules.h"
#include "core/params/layout/MainFormLayout.h"
#include "core/procedures/Session.h"
#include "sim/SimPtyServer.h"
#include "tests/support/ScriptedHost.h"

inline constexpr int SESSION_SIM_COM = 7;

// One unit (number 0) of `type` with `axes` axis slots.
inline SSimConfig SimOf(GwType type, int axes = 8) {
    SSimConfig config;
    config.type = type;
    config.axes = axes;
    return config;
}

class SessionOnSim : public ::testing::Test {
protected:
    // Serves a fresh simulated unit; a port still open on an earlier one is closed first.
    void Start(const SSimConfig& config, int unitNumber = 0) {
        session.link.Close();
        session.form.flags.portOpen = false;
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        session.link.SetPortOverrides({{SESSION_SIM_COM, sim->DevicePath()}});
        session.link.SetResponseTimeout(400);
        session.program.SelectedGwType = config.type;
        session.program.Comm.CurrentPortNum = SESSION_SIM_COM;
        session.program.Comm.CurrentBaudIndex = 4;  // 115200 bit/s after the speed switch
        session.program.Comm.ToolFlags = TOOLFLAG_VALID;
        session.program.GwSlaveAddress = GwSlaveAddressOf(config.type, unitNumber);
        LayoutMainForm(session.form, session.image, session.program, config.axes);
    }
    std::uint16_t UnitRegister(std::uint16_t address, int unit = 0) {
        return sim->WithCore([&](CGwSimCore& core) { return core.Register(unit, address); });
    }
    void SetUnitRegister(std::uint16_t address, std::uint16_t value, int unit = 0) {
        sim->WithCore([&](CGwSimCore& core) { core.SetRegister(unit, address, value); });
    }
    void SetFaults(const SSimFaults& faults) {
        sim->WithCore([&](CGwSimCore& core) { core.Faults() = faults; });
    }
    std::vector<std::vector<std::uint8_t>> RequestLog() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); });
    }
    // Requests after the speed switch broadcast, as (function, first register).
    std::vector<std::pair<int, int>> ExchangesSince(std::size_t first) {
        std::vector<std::pair<int, int>> out;
        const auto log = RequestLog();
        for (std::size_t i = first; i < log.size(); ++i) {
            const auto& f = log[i];
            const int reg = f.size() >= 4 ? (f[2] << 8 | f[3]) : -1;
            out.emplace_back(f[1], reg);
        }
        return out;
    }

    ScriptedHost host;
    CSession session{host};
    std::unique_ptr<CSimPtyServer> sim;
};
