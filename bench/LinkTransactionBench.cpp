// One transaction against the paced simulated gateway, set against its floor (both frames on the wire
// plus the end-of-frame silence after the reply), beside the libmodbus master on the same line, with
// the processor time each master takes per transaction; and the processor time of a master waiting out
// a silent gateway.
#include <benchmark/benchmark.h>
#include <modbus.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchCpuTime.h"
#include "bench/BenchStatistics.h"
#include "bench/PacedSimLine.h"
#include "core/link/CommUnit.h"
#include "core/link/LineTiming.h"
#include "core/link/ModbusTransaction.h"
#include "sim/SimPtyServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int SLAVE = 0xD0;
constexpr int READ_REGISTER = 0xF100;
constexpr int READ_COUNT = 16;
constexpr int WRITE_REGISTER = 0xF102;
constexpr int WRITE_COUNT = 9;
constexpr int TRANSACTIONS = 300;

enum class Exchange { Read16, Write9 };

struct SExchangeShape {
    std::string requestText;
    std::size_t requestBytes;  // CRC included
    std::size_t replyBytes;
};

SExchangeShape ShapeOf(Exchange exchange) {
    std::array<char, 64> text{};
    if (exchange == Exchange::Read16) {
        std::snprintf(text.data(), text.size(), "%02X%02X%04X%04X", SLAVE, 0x03, READ_REGISTER, READ_COUNT);
        return {text.data(), 8, 5 + 2 * READ_COUNT};
    }
    std::snprintf(text.data(), text.size(), "%02X%02X%04X%04X%02X", SLAVE, 0x10, WRITE_REGISTER, WRITE_COUNT,
                  2 * WRITE_COUNT);
    std::string request = text.data();
    for (int i = 0; i < WRITE_COUNT; ++i) {
        std::snprintf(text.data(), text.size(), "%04X", 0x0100 + i);
        request += text.data();
    }
    return {request, 9 + 2 * WRITE_COUNT, 8};
}

// The least a master can take: both frames on the wire and the silence that ends the reply.
double FloorMs(const SExchangeShape& shape, int bps) {
    const auto wire = WireTime(shape.requestBytes + shape.replyBytes, bps);
    return static_cast<double>(wire.count()) / 1000.0 + EndOfFrameGapMs(bps);
}

struct SPerTransaction {
    double ms = -1;  // median wall time
    double meanMs = -1;
    double cpuUs = -1;  // mean processor time
};

// The median stays put when a loaded machine holds up the odd transaction; the mean shows those too.
SPerTransaction Summarise(std::vector<double> wallMs, double cpuSeconds) {
    if (wallMs.empty()) return {};
    double total = 0;
    for (double ms : wallMs) total += ms;
    const double count = static_cast<double>(wallMs.size());
    return {Median(std::move(wallMs)), total / count, cpuSeconds * 1e6 / count};
}

// The libmodbus master doing the same exchange on the same line.
SPerTransaction Libmodbus(const std::string& device, int bps, Exchange exchange) {
    modbus_t* context = modbus_new_rtu(device.c_str(), bps, 'N', 8, 1);
    if (context == nullptr) return {};
    modbus_set_slave(context, SLAVE);
    if (modbus_connect(context) != 0) {
        modbus_free(context);
        return {};
    }
    std::array<std::uint16_t, READ_COUNT> registers{};
    for (int i = 0; i < WRITE_COUNT; ++i)
        registers[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i);
    std::vector<double> wallMs;
    const double cpuStart = ThreadCpuSeconds();
    for (int i = 0; i < TRANSACTIONS; ++i) {
        const auto start = Clock::now();
        const int result =
            exchange == Exchange::Read16
                ? modbus_read_registers(context, READ_REGISTER, READ_COUNT, registers.data())
                : modbus_write_registers(context, WRITE_REGISTER, WRITE_COUNT, registers.data());
        wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (result <= 0) {
            // libmodbus does not take a late reply for the next one: give the line a moment.
            modbus_flush(context);
        }
    }
    const double cpuSeconds = ThreadCpuSeconds() - cpuStart;
    modbus_close(context);
    modbus_free(context);
    return Summarise(std::move(wallMs), cpuSeconds);
}

void TransactionAgainstFloor(benchmark::State& state) {
    const int baudIndex = static_cast<int>(state.range(0));
    const Exchange exchange = static_cast<Exchange>(state.range(1));
    const int bps = BaudTable[static_cast<std::size_t>(baudIndex)];
    const SExchangeShape shape = ShapeOf(exchange);
    auto line = std::make_unique<SPacedLine>(baudIndex);
    if (!line->ok) {
        state.SkipWithError("simulated line not ready");
        return;
    }
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
    std::vector<double> wallMs;
    double cpuSeconds = 0;
    int failed = 0;
    for (auto _ : state) {
        const double cpuStart = ThreadCpuSeconds();
        const auto start = Clock::now();
        line->busy = true;
        const int result =
            ModbusTransact(line->link, line->host, line->busy, shape.requestText, reply.data(), replyLength);
        wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpuSeconds += ThreadCpuSeconds() - cpuStart;
        // A simulator thread that a loaded machine holds up in the middle of a reply makes a pause that
        // ends the frame early; such transactions count, in time and here.
        if (result != COMM_OK) ++failed;
    }
    const SPerTransaction ours = Summarise(std::move(wallMs), cpuSeconds);
    const double floorMs = FloorMs(shape, bps);
    line->link.Close();
    const SPerTransaction peer = Libmodbus(line->sim.DevicePath(), bps, exchange);
    state.counters["bps"] = bps;
    state.counters["ms"] = ours.ms;
    state.counters["mean_ms"] = ours.meanMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = ours.ms / floorMs;
    state.counters["cpu_us"] = ours.cpuUs;
    state.counters["failed"] = failed;
    state.counters["libmodbus_ms"] = peer.ms;
    state.counters["libmodbus_ratio"] = peer.ms / floorMs;
    state.counters["libmodbus_cpu_us"] = peer.cpuUs;
    state.counters["cpu_vs_libmodbus"] = ours.cpuUs / peer.cpuUs;
    // libmodbus ends a reply by its expected length, without the silence: what this master takes beyond
    // libmodbus plus the silence is its own cost, whatever the load adds to both.
    state.counters["excess_over_libmodbus_ms"] = ours.ms - peer.ms - EndOfFrameGapMs(bps);
}

// The master waiting out a silent gateway: processor time of the waiting thread per wall time.
void CpuWhileWaiting(benchmark::State& state) {
    SPacedLine line(4);
    if (!line.ok) {
        state.SkipWithError("simulated line not ready");
        return;
    }
    line.sim.WithCore([](CGwSimCore& core) { core.Faults().silent = true; });
    line.link.SetResponseTimeout(static_cast<std::uint32_t>(state.range(0)));
    const SExchangeShape shape = ShapeOf(Exchange::Read16);
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = ThreadCpuSeconds();
        const auto wallStart = Clock::now();
        const int result =
            ModbusTransact(line.link, line.host, line.busy, shape.requestText, reply.data(), replyLength);
        wall += std::chrono::duration<double>(Clock::now() - wallStart).count();
        cpu += ThreadCpuSeconds() - cpuStart;
        benchmark::DoNotOptimize(result);
    }
    state.counters["cpu_percent"] = 100.0 * cpu / wall;
}

}  // namespace

BENCHMARK(TransactionAgainstFloor)
    ->ArgNames({"baud_index", "write9"})
    ->ArgsProduct({{0, 1, 4, 5}, {static_cast<long>(Exchange::Read16), static_cast<long>(Exchange::Write9)}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(TRANSACTIONS);
BENCHMARK(CpuWhileWaiting)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

BENCHMARK_MAIN();
