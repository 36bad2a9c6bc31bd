#pragma once
// A link to a simulated VOSK unit 0 on a pseudo-terminal (paced unless asked otherwise), switched to the
// speed the bench asks for, as the benchmarks of single transactions use it.
#include <string_view>

#include "core/app/SilentHost.h"
#include "core/link/CommUnit.h"
#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusTransaction.h"
#include "sim/SimPtyServer.h"

inline constexpr int BENCH_COM_NUMBER = 7;

struct SPacedLine {
    explicit SPacedLine(int baudIndex, bool pace = true) : sim(Config(pace)) {
        ok = sim.Start() == 0;
        link.SetPortOverrides({{BENCH_COM_NUMBER, sim.DevicePath()}});
        ok = ok && link.Open(BENCH_COM_NUMBER, 0) == COMM_OK;
        const TransactFunction transact = [this](std::string_view text, std::uint8_t* reply,
                                                 std::size_t& length) {
            return ModbusTransact(link, host, busy, text, reply, length);
        };
        ok = ok && SwitchGatewaySpeed(transact, link, baudIndex) == COMM_OK;
    }
    static SSimConfig Config(bool pace = true) {
        SSimConfig config;
        config.type = GW_VOSK;
        config.units = {0};
        config.pace = pace;
        return config;
    }

    CSimPtyServer sim;
    CSilentHost host;
    CCommUnit link{host};
    bool busy = true;
    bool ok = false;
};
