#pragma once
// A tool session talking to a simulated unit over a pseudo-terminal, its port already open, as the
// Monitor menu leaves it for a monitor window.
#include <algorithm>
#include <string_view>

#include "tests/procedures/SessionOnSim.h"

class MonitorOnSim : public SessionOnSim {
protected:
    void StartMonitor(const SSimConfig& config, bool extendedMode = false) {
        Start(config);
        if (extendedMode) session.program.Comm.ToolFlags |= TOOLFLAG_EXTENDED_MODE;
        session.form.MenuMoniter1.enabled = true;
        ASSERT_EQ(session.OpenPortIfClosed(), 0);
    }
    bool Shown(std::string_view text) const {
        return std::any_of(host.boxes.begin(), host.boxes.end(),
                           [&](const ShownBox& b) { return b.text == text; });
    }
    // Requests from `first` on as (function, first register), the register -1 for a request without one
    // (Report Slave ID).
    std::vector<std::pair<int, int>> RequestsSince(std::size_t first) {
        std::vector<std::pair<int, int>> out;
        const auto log = RequestLog();
        for (std::size_t i = first; i < log.size(); ++i) {
            const auto& f = log[i];
            out.emplace_back(f[1], f.size() >= 8 ? (f[2] << 8 | f[3]) : -1);
        }
        return out;
    }
    // The unit answers every request with the exception `code` (0: answers normally again).
    void AnswerWithException(int code) {
        SSimFaults faults;
        faults.exceptionCode = code;
        SetFaults(faults);
    }
    void FallSilent(bool silent = true) {
        SSimFaults faults;
        faults.silent = silent;
        SetFaults(faults);
    }
    // Moves the unit's clock an hour ahead, so that its counters and hardware values stand still at
    // what the test sets during the next hour of real time.
    void FreezeLiveValues() {
        sim->WithCore(
            [](CGwSimCore& core) { core.Advance(CGwSimCore::Clock::now() + std::chrono::hours(1)); });
    }
    // Closes the simulated unit's line while the tool waits for a reply: the pseudo-terminal vanishes
    // under the transaction.
    void CloseLineOnNextPump() {
        host.onPump = [this] {
            if (sim) sim->Stop();
            host.onPump = nullptr;
        };
    }
};
