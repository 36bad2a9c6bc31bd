// gwcli exporter at plant size: 32 simulated gateways on 16 ports (two units per line, paced at
// 115200 bit/s, each line a gwsim process of its own so that this process holds the exporter alone),
// polled every 10 s of simulated time (alarms and counters each round, hardware every third) for an
// hour's worth of rounds, and scraped over HTTP once per round while the ports poll.
// Prints: processor time of the exporter per polling round and per scrape, scrape latency, and the
// resident memory after the first round, a tenth of the rounds and all of them.
//   gw_exporter_bench [ROUNDS [unpaced]]   (default 360 rounds: one hour at 10 s; paced lines)
// Paced lines send each byte from a real-time thread (as a UART would); 16 of them on a small machine
// hold ordinary threads back, the scrapes among them: "unpaced" lines answer at once instead.
#include <httplib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/BenchStatistics.h"
#include "cli/exporter/MetricsHttpServer.h"
#include "core/fleet/MetricsExposition.h"
#include "core/fleet/PortPoller.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int PORTS = 16;
constexpr int FIRST_COM = 101;
constexpr int BAUD_115200 = 4;
constexpr auto ROUND = std::chrono::seconds(10);

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Resident memory of this process now (the gwsim lines run in processes of their own).
double ResidentMiB() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

struct SLine {
    pid_t pid = -1;
    std::string path;
};

SLine StartLine(const std::filesystem::path& folder, int index, bool paced) {
    SLine line;
    line.path = (folder / ("line" + std::to_string(index))).string();
    int out[2];
    if (pipe(out) != 0) return line;
    line.pid = fork();
    if (line.pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        execl(GWSIM_PROGRAM, GWSIM_PROGRAM, "--type", "VOSK", "--units", "0,1", "--link", line.path.c_str(),
              paced ? "--pace" : static_cast<char*>(nullptr), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buffer[256];
    const ssize_t n = read(out[0], buffer, sizeof buffer);  // "ready <path>"
    close(out[0]);
    if (n <= 0) line.pid = -1;
    return line;
}

std::vector<SGatewayPlan> Plant(const std::vector<SLine>& lines) {
    std::vector<SGatewayPlan> gateways;
    for (std::size_t port = 0; port < lines.size(); ++port) {
        for (int unit = 0; unit < 2; ++unit) {
            SGatewayPlan plan;
            plan.name = "gw-" + std::to_string(port) + "-" + std::to_string(unit);
            plan.port = "COM" + std::to_string(FIRST_COM + static_cast<int>(port));
            plan.type = GW_VOSK;
            plan.unitNo = unit;
            plan.baudIndex = BAUD_115200;
            plan.labels = {{"line", std::to_string(port)}};
            gateways.push_back(plan);
        }
    }
    return gateways;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::stoi(argv[1]) : 360;
    const bool paced = !(argc > 2 && std::string(argv[2]) == "unpaced");
    char pattern[] = "/tmp/gw-exporter-bench-XXXXXX";
    const std::filesystem::path folder = mkdtemp(pattern);
    std::vector<SLine> lines;
    for (int i = 0; i < PORTS; ++i) lines.push_back(StartLine(folder, i, paced));

    const std::vector<SGatewayPlan> gateways = Plant(lines);
    CFleetReadings readings(gateways.size());
    std::vector<std::unique_ptr<CPortPoller>> pollers;
    for (const SPortPlan& port : PortsOf(gateways)) {
        const std::size_t index = static_cast<std::size_t>(port.gateways.front() / 2);
        const std::string path = lines[index].path;
        const int com = FIRST_COM + static_cast<int>(index);
        pollers.push_back(
            std::make_unique<CPortPoller>(port, gateways, readings, [&](CSession& s, const SPortPlan&) {
                s.link.SetPortOverrides({{com, path}});
                s.program.Comm.CurrentPortNum = static_cast<std::uint16_t>(com);
                s.program.Comm.CurrentBaudIndex = BAUD_115200;
            }));
    }
    CMetricsHttpServer server(
        [&] { return MetricsExposition(gateways, readings.Snapshot(), WallClock::now()); });
    const int httpPort = server.Bind({"127.0.0.1", 0});
    server.Start();
    httplib::Client client("127.0.0.1", httpPort);

    std::vector<double> roundCpu, roundWall, scrapeLatency;
    std::size_t scrapeBytes = 0;
    double residentFirst = 0, residentTenth = 0;
    const Clock::time_point start = Clock::now();
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point simulated = start + round * ROUND;
        const double cpuBefore = ProcessCpuSeconds();
        const Clock::time_point wallBefore = Clock::now();
        std::vector<std::thread> threads;
        for (auto& poller : pollers)
            threads.emplace_back([&poller, simulated] { poller->PollDue(simulated); });
        // A scrape while the ports poll: it must not wait for them.
        const Clock::time_point scrapeStart = Clock::now();
        const auto response = client.Get("/metrics");
        scrapeLatency.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - scrapeStart).count());
        if (response) scrapeBytes = response->body.size();
        for (auto& thread : threads) thread.join();
        roundWall.push_back(std::chrono::duration<double>(Clock::now() - wallBefore).count());
        roundCpu.push_back(ProcessCpuSeconds() - cpuBefore);
        if (round == 0) residentFirst = ResidentMiB();
        if (round == rounds / 10) residentTenth = ResidentMiB();
    }
    const double residentLast = ResidentMiB();

    // Processor time of a scrape alone, with the ports quiet.
    constexpr int SCRAPES = 1000;
    std::vector<double> quietLatency;
    const double scrapeCpuBefore = ProcessCpuSeconds();
    for (int i = 0; i < SCRAPES; ++i) {
        const Clock::time_point scrapeStart = Clock::now();
        client.Get("/metrics");
        quietLatency.push_back(std::chrono::duration<double, std::milli>(Clock::now() - scrapeStart).count());
    }
    const double scrapeCpu = (ProcessCpuSeconds() - scrapeCpuBefore) / SCRAPES;

    std::size_t up = 0;
    for (const SGatewayReadings& r : readings.Snapshot()) up += r.up;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("exporter: %zu gateways on %d %s ports, %d rounds of 10 s simulated (%zu up at the end)\n",
                gateways.size(), PORTS, paced ? "paced" : "unpaced", rounds, up);
    std::printf("CPU per polling round: median %.2f ms, p99 %.2f ms (all 16 ports; wall median %.0f ms)\n",
                1000 * Percentile(roundCpu, 0.5), 1000 * Percentile(roundCpu, 0.99),
                1000 * Percentile(roundWall, 0.5));
    std::printf("CPU per scrape (%zu bytes, HTTP on loopback included): %.3f ms\n", scrapeBytes,
                1000 * scrapeCpu);
    std::printf("scrape latency while polling: median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                Percentile(scrapeLatency, 0.5), Percentile(scrapeLatency, 0.99),
                Percentile(scrapeLatency, 1.0));
    std::printf("scrape latency with the ports quiet: median %.2f ms, p99 %.2f ms\n",
                Percentile(quietLatency, 0.5), Percentile(quietLatency, 0.99));
    std::printf(
        "resident memory: after round 1 %.2f MiB, round %d %.2f MiB, round %d %.2f MiB; peak %.1f MiB\n",
        residentFirst, rounds / 10 + 1, residentTenth, rounds, residentLast, usage.ru_maxrss / 1024.0);

    server.Stop();
    pollers.clear();
    for (const SLine& line : lines) {
        if (line.pid <= 0) continue;
        kill(line.pid, SIGTERM);
        waitpid(line.pid, nullptr, 0);
    }
    std::filesystem::remove_all(folder);
    return up == gateways.size() ? 0 : 1;
}
