// Processor time of the register monitor while it polls every 100 ms against the paced simulated
// gateway at 115200 bit/s, as a share of one core: the window's core tick on this thread, and
// `gwcli registers --watch 100` as a child process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/app/SilentHost.h"
#include "core/link/BaudTable.h"
#include "core/monitors/RegisterMonitor.h"
#include "sim/SimPtyServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BENCH_COM_NUMBER = 7;
constexpr auto POLL_CYCLE = std::chrono::milliseconds(100);

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

SSimConfig PacedVosk() {
    SSimConfig config;
    config.type = GW_VOSK;
    config.pace = true;
    return config;
}

// Polls for `state.range(0)` ticks at 100 ms, the way the window's timer does, at the speed of
// `BaudTable[state.range(1)]` (115200 bit/s is the goal's; 19200 beside it).
void RegisterMonitorPolling(benchmark::State& state) {
    CSimPtyServer sim(PacedVosk());
    CSilentHost host;
    CSession session(host);
    session.program.SelectedGwType = GW_VOSK;
    session.program.GwSlaveAddress = 0xD0;
    session.program.Comm.CurrentPortNum = BENCH_COM_NUMBER;
    session.program.Comm.CurrentBaudIndex = static_cast<std::uint16_t>(state.range(1));
    const bool started = sim.Start() == 0;
    session.link.SetPortOverrides({{BENCH_COM_NUMBER, sim.DevicePath()}});
    if (!started || session.OpenPortIfClosed() != 0 || session.SwitchSpeed() != 0) {
        state.SkipWithError("no paced line");
        return;
    }
    SRegMoniterFormState form;
    CreateRegMoniterForm(form, session);
    cbCycleChange(form, 0);
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const auto wallStart = Clock::now();
        const double cpuStart = ThreadCpuSeconds();
        auto next = wallStart;
        for (int tick = 0; tick < state.range(0); ++tick) {
            next += POLL_CYCLE;
            RegMoniterTick(session, form);
            if (form.poll.closeRequested) {
                state.SkipWithError("a poll failed");
                return;
            }
            std::this_thread::sleep_until(next);
        }
        cpu += ThreadCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(Clock::now() - wallStart).count();
    }
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    state.counters["goal_percent"] = 2.0;
}

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs gwcli with its output thrown away and its settings in a fresh folder; its exit status.
int RunGwcli(const std::vector<std::string>& args) {
    const std::filesystem::path config = std::filesystem::temp_directory_path() / "gw-monitor-bench";
    std::filesystem::create_directories(config);
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        if (std::freopen("/dev/null", "w", stdout) == nullptr) _exit(126);
        std::vector<char*> argv{const_cast<char*>(GWCLI_PROGRAM)};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// `gwcli registers --watch 100` for `state.range(0)` readings; each reading moves the window over both
// whole areas (ten reads), the parameter read before the first is included.
void GwcliRegistersWatch(benchmark::State& state) {
    CSimPtyServer sim(PacedVosk());
    if (sim.Start() != 0) {
        state.SkipWithError("no simulated gateway");
        return;
    }
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const auto wallStart = Clock::now();
        const double cpuStart = ChildrenCpuSeconds();
        const int status =
            RunGwcli({"--type", "VOSK", "--port", sim.DevicePath(), "--baud",
                      std::to_string(BaudTable[static_cast<std::size_t>(state.range(1))]), "registers",
                      "--watch", "100", "--count", std::to_string(state.range(0))});
        cpu += ChildrenCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(Clock::now() - wallStart).count();
        if (status != 0) {
            state.SkipWithError("gwcli failed");
            return;
        }
    }
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    state.counters["goal_percent"] = 2.0;
}

}  // namespace

BENCHMARK(GwcliRegistersWatch)
    ->Args({50, 4})
    ->Args({50, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);
BENCHMARK(RegisterMonitorPolling)
    ->Args({50, 4})
    ->Args({50, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

BENCHMARK_MAIN();
