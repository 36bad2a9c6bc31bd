#include "bench/BenchStatistics.h"
// Reads of 16 registers on lines as they really are, this tool's master beside the libmodbus master on
// the very same line: a USB adapter's 16 ms bursts, a 20 ms pause in the middle of each reply, and a
// paced unit while every processor is busy. Counts the reads that completed with the unit's own values
// and the median time per read.
#include <benchmark/benchmark.h>
#include <modbus.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <vector>

#include "bench/BenchStatistics.h"
#include "bench/PacedSimLine.h"
#include "core/link/ModbusBytes.h"
#include "tests/support/BusyMachine.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int SLAVE = 0xD0;
constexpr int FIRST_REGISTER = 0xF100;
constexpr int COUNT = 16;
constexpr int READS = 60;
constexpr std::uint32_t RESPONSE_TIMEOUT_MS = 1000;

enum class LineKind { UsbLatency16, Pause20, PacedBusy };

struct SResult {
    int completed = 0;
    double medianMs = 0;
};

std::array<std::uint16_t, COUNT> UnitRegisters(CSimPtyServer& sim) {
    std::array<std::uint16_t, COUNT> values{};
    sim.WithCore([&values](CGwSimCore& core) {
        for (int i = 0; i < COUNT; ++i)
            values[static_cast<std::size_t>(i)] =
                core.Register(0, static_cast<std::uint16_t>(FIRST_REGISTER + i));
    });
    return values;
}

SResult OurMaster(SPacedLine& line, const std::array<std::uint16_t, COUNT>& expected) {
    line.link.SetResponseTimeout(RESPONSE_TIMEOUT_MS);
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    std::vector<double> ms;
    SResult result;
    for (int i = 0; i < READS; ++i) {
        line.busy = true;
        const auto start = Clock::now();
        const int status =
            ModbusTransact(line.link, line.host, line.busy, "D003F1000010", reply.data(), length);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        bool right = status == COMM_OK && length == 5 + 2 * COUNT;
        for (int r = 0; right && r < COUNT; ++r)
            right =
                GetBE16(&reply[static_cast<std::size_t>(3 + 2 * r)]) == expected[static_cast<std::size_t>(r)];
        result.completed += right ? 1 : 0;
    }
    result.medianMs = Median(std::move(ms));
    return result;
}

SResult LibmodbusMaster(const std::string& device, int bps,
                        const std::array<std::uint16_t, COUNT>& expected) {
    SResult result;
    modbus_t* context = modbus_new_rtu(device.c_str(), bps, 'N', 8, 1);
    if (context == nullptr) return result;
    modbus_set_slave(context, SLAVE);
    modbus_set_response_timeout(context, RESPONSE_TIMEOUT_MS / 1000, (RESPONSE_TIMEOUT_MS % 1000) * 1000);
    if (modbus_connect(context) != 0) {
        modbus_free(context);
        return result;
    }
    std::vector<double> ms;
    for (int i = 0; i < READS; ++i) {
        std::array<std::uint16_t, COUNT> registers{};
        const auto start = Clock::now();
        const int got = modbus_read_registers(context, FIRST_REGISTER, COUNT, registers.data());
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (got == COUNT && registers == expected) {
            ++result.completed;
        } else {
            modbus_flush(context);
        }
    }
    modbus_close(context);
    modbus_free(context);
    result.medianMs = Median(std::move(ms));
    return result;
}

void BurstyLine(benchmark::State& state) {
    const auto kind = static_cast<LineKind>(state.range(0));
    const int baudIndex = static_cast<int>(state.range(1));
    SPacedLine line(baudIndex, kind == LineKind::PacedBusy);
    if (!line.ok) {
        state.SkipWithError("simulated line not ready");
        return;
    }
    line.sim.WithCore([kind](CGwSimCore& core) {
        core.Faults().usbLatencyMs = kind == LineKind::UsbLatency16 ? 16 : 0;
        core.Faults().midReplyPauseMs = kind == LineKind::Pause20 ? 20 : 0;
    });
    const auto expected = UnitRegisters(line.sim);
    std::optional<CBusyMachine> busy;
    if (kind == LineKind::PacedBusy) busy.emplace();
    SResult ours;
    SResult peer;
    for (auto _ : state) {
        ours = OurMaster(line, expected);
        line.link.Close();
        peer = LibmodbusMaster(line.sim.DevicePath(), line.link.Bps(), expected);
    }
    state.counters["bps"] = line.link.Bps();
    state.counters["completed"] = ours.completed;
    state.counters["median_ms"] = ours.medianMs;
    state.counters["libmodbus_completed"] = peer.completed;
    state.counters["libmodbus_median_ms"] = peer.medianMs;
    state.counters["of"] = READS;
}

}  // namespace

BENCHMARK(BurstyLine)
    ->ArgNames({"line", "baud_index"})
    ->Args({static_cast<long>(LineKind::UsbLatency16), 0})
    ->Args({static_cast<long>(LineKind::UsbLatency16), 1})
    ->Args({static_cast<long>(LineKind::Pause20), 0})
    ->Args({static_cast<long>(LineKind::Pause20), 4})
    ->Args({static_cast<long>(LineKind::PacedBusy), 4})
    ->Args({static_cast<long>(LineKind::PacedBusy), 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
