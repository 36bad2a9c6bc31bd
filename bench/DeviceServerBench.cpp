// A 16-register read over each kind of port: the simulated gateway's pseudo-terminal directly, and
// Debian's ser2net on loopback in front of it as raw TCP and as RFC 2217. Median and 99th percentile of
// the wall time per transaction, against the paced unit at 115200 bit/s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchStatistics.h"
#include "bench/PacedSimLine.h"
#include "tests/net/DeviceServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BAUD_115200 = 4;
constexpr int LINE_SPEED = 115200;
constexpr int TRANSACTIONS = 300;
constexpr const char* READ_16 = "D003F1000010";

enum class EPortUnderTest { LocalPty, RawTcp, Rfc2217 };

// The paced simulated unit, with ser2net in front of it, for one run.
struct SLines {
    SLines() : sim(SPacedLine::Config()) {
        char pattern[] = "/tmp/gw-bench-net-XXXXXX";
        folder = ::mkdtemp(pattern);
        ok = sim.Start() == 0;
        server = std::make_unique<CDeviceServer>(sim.DevicePath(), folder, LINE_SPEED);
        ok = ok && server->Start();
    }
    ~SLines() {
        server.reset();
        std::filesystem::remove_all(folder);
    }
    std::string PortName(EPortUnderTest kind) const {
        switch (kind) {
            case EPortUnderTest::RawTcp:
                return server->RawUrl();
            case EPortUnderTest::Rfc2217:
                return server->Rfc2217Url();
            case EPortUnderTest::LocalPty:
                break;
        }
        return sim.DevicePath();
    }

    std::filesystem::path folder;
    CSimPtyServer sim;
    std::unique_ptr<CDeviceServer> server;
    bool ok = false;
};

void Read16OverPort(benchmark::State& state) {
    const auto kind = static_cast<EPortUnderTest>(state.range(0));
    SLines lines;
    CSilentHost host;
    CCommUnit link(host);
    bool busy = true;
    link.SetPortOverrides({{BENCH_COM_NUMBER, lines.PortName(kind)}});
    const TransactFunction transact = [&](std::string_view text, std::uint8_t* reply, std::size_t& length) {
        return ModbusTransact(link, host, busy, text, reply, length);
    };
    if (!lines.ok || link.Open(BENCH_COM_NUMBER, BAUD_115200) != COMM_OK ||
        SwitchGatewaySpeed(transact, link, BAUD_115200) != COMM_OK) {
        state.SkipWithError("line not ready");
        return;
    }
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
    std::vector<double> wallMs;
    int failed = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        busy = true;
        if (ModbusTransact(link, host, busy, READ_16, reply.data(), replyLength) != COMM_OK) ++failed;
        wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    state.counters["median_ms"] = Percentile(wallMs, 0.5);
    state.counters["p99_ms"] = Percentile(wallMs, 0.99);
    state.counters["failed"] = failed;
}

}  // namespace

BENCHMARK(Read16OverPort)
    ->ArgName("pty0_tcp1_rfc2217_2")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(TRANSACTIONS);

BENCHMARK_MAIN();
