// The whole operations against a paced simulated gateway, each set against its floor: the waits the
// gateway's procedures prescribe plus, for every exchange, both frames on the wire and the end-of-frame
// silence after the reply (a request that goes unanswered costs the response time-out instead). The
// floor is computed from the frames the link actually exchanged, so retries would count against it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "core/app/StartupRules.h"
#include "core/link/LineTiming.h"
#include "core/params/layout/MainFormLayout.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/Session.h"
#include "core/procedures/WriteParameters.h"
#include "core/service/SearchUnit.h"
#include "sim/SimPtyServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BENCH_COM_NUMBER = 7;
constexpr int BENCH_AXES = 8;
// The prescribed waits, in milliseconds.
constexpr double SPEED_SWITCH_WAITS_MS = 100 + 200 + 300;  // settle, break, after the break
constexpr double BROADCAST_PAUSE_MS = 100;
constexpr double WRITE_BLOCK_PAUSES_MS = 2 * 100;  // before and after the extended words (not KAVELIS)
constexpr double RESTART_WAIT_KAVELIS_MS = 500;
constexpr double RESTART_WAIT_OTHERS_MS = 2500;

enum class Operation { Search, Read, WriteWithRestart };

// Answers every question with Yes, shows nothing, and has no events to pump.
class CYesHost : public HostServices {
public:
    int ShowMessageBox(std::string_view, unsigned style) override {
        return (style & MB_YES_NO) != 0 ? ID_YES : ID_OK;
    }
    void ProcessPendingEvents() override {}
    bool PumpsEvents() const override { return false; }
    void AdvanceProgress(int) override {}
    void SetProgress(int) override {}
};

// The frames the link exchanged, with the bit rate of each, turned into the exchanges' part of the floor.
class CFloorLog : public CLinkFrameObserver {
public:
    void OnLinkFrame(const SLinkFrameEvent& frame) override {
        if (frame.direction == FrameDirection::Request) {
            Sent(frame.bytes, frame.length, frame.bps);
        } else if (frame.result == COMM_OK || frame.result == COMM_CRC_ERROR) {
            Received(frame.length);
        }
    }

    void Sent(const std::uint8_t* frame, std::size_t length, int bps) {
        CloseExchange();
        open = true;
        broadcast = frame[0] == 0;
        requestBytes = length;
        this->bps = bps;
    }
    void Received(std::size_t length) {
        if (!open) return;
        floorMs += Ms(WireTime(requestBytes + length, bps)) + EndOfFrameGapMs(bps);
        open = false;
    }
    // Call once the operation has ended.
    double ExchangesMs(double responseTimeoutMs) {
        timeoutMs = responseTimeoutMs;
        CloseExchange();
        return floorMs;
    }
    int broadcasts = 0;

private:
    static double Ms(std::chrono::microseconds t) { return static_cast<double>(t.count()) / 1000.0; }
    void CloseExchange() {
        if (!open) return;
        if (broadcast) {
            ++broadcasts;
            floorMs += BROADCAST_PAUSE_MS;
        } else {
            floorMs += timeoutMs;
        }
        open = false;
    }
    bool open = false;
    bool broadcast = false;
    std::size_t requestBytes = 0;
    int bps = 9600;
    double timeoutMs = DEFAULT_RESPONSE_TIMEOUT_MS;
    double floorMs = 0;
};

struct SOperationLine {
    SOperationLine(GwType type, int baudIndex, std::vector<int> units) : sim(Config(type, std::move(units))) {
        ok = sim.Start() == 0;
        session.link.SetPortOverrides({{BENCH_COM_NUMBER, sim.DevicePath()}});
        session.program.SelectedGwType = type;
        session.program.Comm.CurrentPortNum = BENCH_COM_NUMBER;
        session.program.Comm.CurrentBaudIndex = baudIndex;
        session.program.Comm.ToolFlags = TOOLFLAG_VALID;
        session.program.GwSlaveAddress = GwSlaveAddressOf(type, 0);
        LayoutMainForm(session.form, session.image, session.program, BENCH_AXES);
        session.link.AddFrameObserver(floor);
    }
    static SSimConfig Config(GwType type, std::vector<int> units) {
        SSimConfig config;
        config.type = type;
        config.units = std::move(units);
        config.axes = BENCH_AXES;
        config.pace = true;
        return config;
    }

    CSimPtyServer sim;
    CYesHost host;
    CSession session{host};
    CFloorLog floor;
    bool ok = false;
};

bool RunSearch(SOperationLine& line) {
    UnitAxisSlotTable slots{};
    CSearchUnit search(line.session.link, line.host, line.session.form.flags, line.session.program.Comm,
                       slots);
    search.Timer1Timer();
    return search.foundUnits.size() == 2;
}

double ProcedureWaitsMs(Operation operation, GwType type, int broadcasts) {
    double waits = broadcasts * SPEED_SWITCH_WAITS_MS;
    if (operation == Operation::WriteWithRestart) {
        if (type != GW_KAVELIS) waits += WRITE_BLOCK_PAUSES_MS;
        waits += type == GW_KAVELIS ? RESTART_WAIT_KAVELIS_MS : RESTART_WAIT_OTHERS_MS;
    }
    return waits;
}

struct SOperationRun {
    bool done = false;
    double ms = 0;
    double floorMs = 0;
};

// One run of the operation on a fresh simulated line.
SOperationRun RunOnce(Operation operation, GwType type, int baudIndex) {
    const std::vector<int> units =
        operation == Operation::Search ? std::vector<int>{0, 1} : std::vector<int>{0};
    SOperationLine line(type, baudIndex, units);
    if (!line.ok) return {};
    if (operation == Operation::WriteWithRestart && ReadParameters(line.session) != COMM_OK) return {};
    line.floor = CFloorLog{};
    SOperationRun run;
    const auto start = Clock::now();
    switch (operation) {
        case Operation::Search:
            run.done = RunSearch(line);
            break;
        case Operation::Read:
            run.done = ReadParameters(line.session) == COMM_OK;
            break;
        case Operation::WriteWithRestart: {
            const SWriteResult result = WriteParameters(line.session);
            run.done = result.transmitted && result.restarted && result.readBack;
            break;
        }
    }
    run.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double exchanges = line.floor.ExchangesMs(line.session.link.GetResponseTimeout());
    run.floorMs = exchanges + ProcedureWaitsMs(operation, type, line.floor.broadcasts);
    return run;
}

// A loaded machine can hold the simulator's thread up in the middle of a reply, which the link rightly
// takes for the end of the frame; such a run is repeated (at most twice) and the repeats are reported.
void WholeOperation(benchmark::State& state) {
    const auto operation = static_cast<Operation>(state.range(0));
    const auto type = static_cast<GwType>(state.range(1));
    const int baudIndex = static_cast<int>(state.range(2));
    constexpr int ATTEMPTS = 3;
    SOperationRun run;
    int attempts = 0;
    for (auto _ : state) {
        for (attempts = 1; attempts <= ATTEMPTS; ++attempts) {
            run = RunOnce(operation, type, baudIndex);
            if (run.done) break;
        }
    }
    if (!run.done) {
        state.SkipWithError("operation failed");
        return;
    }
    state.counters["bps"] = BaudTable[static_cast<std::size_t>(baudIndex)];
    state.counters["ms"] = run.ms;
    state.counters["floor_ms"] = run.floorMs;
    state.counters["ratio"] = run.ms / run.floorMs;
    state.counters["attempts"] = attempts;
}

void AllOperations(benchmark::internal::Benchmark* bench) {
    const std::vector<GwType> searched = {GW_VOSK, GW_DRAVO, GW_VOSK_ML3, GW_VOSK_LC};
    const std::vector<GwType> all = {GW_KAVELIS, GW_VOSK, GW_DRAVO, GW_NUB3GW, GW_VOSK_ML3, GW_VOSK_LC};
    for (int baudIndex : {0, 4}) {
        for (GwType type : searched) bench->Args({static_cast<long>(Operation::Search), type, baudIndex});
        for (GwType type : all) bench->Args({static_cast<long>(Operation::Read), type, baudIndex});
        for (GwType type : all)
            bench->Args({static_cast<long>(Operation::WriteWithRestart), type, baudIndex});
    }
}

}  // namespace

BENCHMARK(WholeOperation)
    ->ArgNames({"op", "type", "baud_index"})
    ->Apply(AllOperations)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
