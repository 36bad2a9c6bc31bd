// What the link's frame observers cost a transaction: a 16-register read against the paced simulated
// gateway, with no observer and with the traffic monitor window's observer (recording, decoding and
// keeping every frame), in alternating rounds on one line so that both see the same load. Reports the
// median wall time and the mean processor time of each, and their ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "bench/BenchCpuTime.h"
#include "bench/BenchStatistics.h"
#include "bench/PacedSimLine.h"
#include "core/traffic/TrafficMonitor.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* READ_16 = "D003F1000010";
constexpr int ROUNDS = 12;
constexpr int PER_ROUND = 50;

struct SSamples {
    std::vector<double> wallMs;
    double cpuSeconds = 0;

    double MedianMs() const { return Median(wallMs); }
    double CpuUs() const { return cpuSeconds * 1e6 / static_cast<double>(wallMs.size()); }
};

int RunRound(SPacedLine& line, SSamples& samples) {
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
    int failed = 0;
    for (int i = 0; i < PER_ROUND; ++i) {
        const double cpuStart = ThreadCpuSeconds();
        const auto start = Clock::now();
        line.busy = true;
        if (ModbusTransact(line.link, line.host, line.busy, READ_16, reply.data(), replyLength) != COMM_OK)
            ++failed;
        samples.wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        samples.cpuSeconds += ThreadCpuSeconds() - cpuStart;
    }
    return failed;
}

void ObserverCost(benchmark::State& state) {
    const int baudIndex = static_cast<int>(state.range(0));
    SPacedLine line(baudIndex);
    if (!line.ok) {
        state.SkipWithError("simulated line not ready");
        return;
    }
    CTrafficMonitor window;
    SSamples bare;
    SSamples observed;
    int failed = 0;
    for (auto _ : state) {
        for (int round = 0; round < ROUNDS; ++round) {
            failed += RunRound(line, bare);
            line.link.AddFrameObserver(window.Recorder());
            failed += RunRound(line, observed);
            line.link.RemoveFrameObserver(window.Recorder());
        }
    }
    state.counters["bps"] = BaudTable[static_cast<std::size_t>(baudIndex)];
    state.counters["transactions_each"] = static_cast<double>(bare.wallMs.size());
    state.counters["none_ms"] = bare.MedianMs();
    state.counters["window_ms"] = observed.MedianMs();
    state.counters["window_vs_none"] = observed.MedianMs() / bare.MedianMs();
    state.counters["none_cpu_us"] = bare.CpuUs();
    state.counters["window_cpu_us"] = observed.CpuUs();
    state.counters["frames_kept"] = static_cast<double>(window.KeptCount());
    state.counters["failed"] = failed;
}

}  // namespace

BENCHMARK(ObserverCost)
    ->ArgName("baud_index")
    ->Arg(0)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
