// One transaction against the paced simulated gateway, set against the time the wire itself needs,
// against the libmodbus master on the same line, and the processor time the master takes while it
// waits for a reply.
#include <benchmark/benchmark.h>
#include <modbus.h>
#include <time.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/app/SilentHost.h"
#include "core/link/CommUnit.h"
#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/LineTiming.h"
#include "core/link/ModbusTransaction.h"
#include "sim/SimPtyServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BENCH_COM_NUMBER = 7;
constexpr int SLAVE = 0xD0;
constexpr int READ_REGISTER = 0xF100;
constexpr int READ_COUNT = 16;
constexpr int WRITE_REGISTER = 0xF102;
constexpr int WRITE_COUNT = 9;


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

double WireLimitMs(const SExchangeShape& shape, int bps) {
    const auto wire = WireTime(shape.requestBytes + shape.replyBytes, bps);
    return static_cast<double>(wire.count()) / 1000.0 + EndOfFrameGapMs(bps);
}

// The wire limit plus the silence after which the simulated gateway takes a request as complete: the
// least any master can take on this line.
double LineLimitMs(const SExchangeShape& shape, int bps) {
    return WireLimitMs(shape, bps) + EndOfFrameGapMs(bps) + CSimPtyServer::FRAME_GAP_MARGIN_MS;
}

// A paced simulated VOSK unit 0 whose line has been switched to `baudIndex`.
struct SPacedLine {
    explicit SPacedLine(int baudIndex) : sim(Config()) {
        ok = sim.Start() == 0;
        link.SetPortOverrides({{BENCH_COM_NUMBER, sim.DevicePath()}});
        ok = ok && link.Open(BENCH_COM_NUMBER, 0) == COMM_OK;
        const TransactFunction transact = [this](std::string_view text, std::uint8_t* reply,
                                                 std::size_t& length) {
            return ModbusTransact(link, host, busy, text, reply, length);
        };
        ok = ok && SwitchGatewaySpeed(transact, link, baudIndex) == COMM_OK;
    }
    static SSimConfig Config() {
        SSimConfig config;
        config.type = GW_VOSK;
        config.units = {0};
        config.pace = true;
        return config;
    }

    CSimPtyServer sim;
    CSilentHost host;
    CCommUnit link{host};
    bool busy = true;
    bool ok = false;
};

// The libmodbus master doing the same exchange on the same line; -1 when it failed.
double LibmodbusMsPerExchange(const std::string& device, int bps, Exchange exchange, int repetitions) {
    modbus_t* context = modbus_new_rtu(device.c_str(), bps, 'N', 8, 1);
    if (context == nullptr) return -1;
    modbus_set_slave(context, SLAVE);
    if (modbus_connect(context) != 0) {
        modbus_free(context);
        return -1;
    }
    std::array<std::uint16_t, READ_COUNT> registers{};
    for (int i = 0; i < WRITE_COUNT; ++i)
        registers[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i);
    const auto start = Clock::now();
    int done = 0;
    for (int i = 0; i < repetitions; ++i) {
        const int result =
            exchange == Exchange::Read16
                ? modbus_read_registers(context, READ_REGISTER, READ_COUNT, registers.data())
                : modbus_write_registers(context, WRITE_REGISTER, WRITE_COUNT, registers.data());
        if (result > 0) ++done;
    }
    const double elapsedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    modbus_close(context);
    modbus_free(context);
    return done == repetitions ? elapsedMs / repetitions : -1;
}

void TransactionAgainstWire(benchmark::State& state) {
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
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const int result =
            ModbusTransact(line->link, line->host, line->busy, shape.requestText, reply.data(), replyLength);
        totalMs += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (result != COMM_OK) {
            state.SkipWithError("transaction failed");
            return;
        }
    }
    const double oursMs = totalMs / static_cast<double>(state.iterations());
    const double wireMs = WireLimitMs(shape, bps);
    line->link.Close();
    const double peerMs = LibmodbusMsPerExchange(line->sim.DevicePath(), bps, exchange, 20);
    state.counters["bps"] = bps;
    state.counters["ms"] = oursMs;
    state.counters["wire_ms"] = wireMs;
    state.counters["wire_ratio"] = oursMs / wireMs;
    state.counters["line_ratio"] = oursMs / LineLimitMs(shape, bps);
    state.counters["libmodbus_ms"] = peerMs;
    state.counters["libmodbus_wire_ratio"] = peerMs > 0 ? peerMs / wireMs : -1;
    state.counters["peer_ratio"] = peerMs > 0 ? oursMs / peerMs : -1;
}

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
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

BENCHMARK(TransactionAgainstWire)
    ->ArgNames({"baud_index", "write9"})
    ->ArgsProduct({{0, 4, 5}, {static_cast<long>(Exchange::Read16), static_cast<long>(Exchange::Write9)}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0);
BENCHMARK(CpuWhileWaiting)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

BENCHMARK_MAIN();
