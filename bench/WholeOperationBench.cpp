// Whole operations as one gwcli run does them, against a paced simulated gateway: the unit search for
// unit 0 (where the type numbers its units) and then the operation in the same session, keeping the speed
// the search established. Each is set against its floor, the same conversation done once: one speed
// switch (its waits and the broadcast's pause), every frame the run exchanged on the wire with the
// end-of-frame silence after each reply (a request left unanswered costs the response time-out), and the
// procedure's own waits. Repeated switches or probes show as a ratio above 1.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "core/app/StartupRules.h"
#include "core/app/texts/MsgText.h"
#include "core/link/LineTiming.h"
#include "core/params/layout/MainFormLayout.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/Session.h"
#include "core/procedures/WriteParameters.h"
#include "core/monitors/AlarmList.h"
#include "core/monitors/DiagnosticCounters.h"
#include "core/monitors/HardwareMonitor.h"
#include "core/service/SearchUnit.h"
#include "sim/SimPtyServer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int BENCH_COM_NUMBER = 7;
constexpr int BENCH_AXES = 8;
constexpr std::size_t MSG_RESTART_QUESTION = 14;
// The prescribed waits, in milliseconds.
constexpr double SPEED_SWITCH_WAITS_MS = 100 + 200 + 300;  // settle, break, after the break
constexpr double BROADCAST_PAUSE_MS = 100;
constexpr double WRITE_BLOCK_PAUSES_MS = 2 * 100;  // before and after the extended words (not KAVELIS)

enum class Operation { Search, Read, Write, Counters, Alarms, Hardware };

// Answers every question with Yes (the restart question as told), shows nothing, and has no events to
// pump.
class CYesHost : public HostServices {
public:
    int ShowMessageBox(std::string_view text, unsigned style) override {
        if ((style & MB_YES_NO) == 0) return ID_OK;
        return text == MsgText[MSG_RESTART_QUESTION] ? restartAnswer : ID_YES;
    }
    int restartAnswer = ID_YES;
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
    SOperationLine(GwType type, int baudIndex, std::vector<int> units, bool oneSwitch)
        : sim(Config(type, std::move(units))) {
        session.oneSpeedSwitchPerRun = oneSwitch;
        session.program.Comm.ToolFlags = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;
        ok = sim.Start() == 0;
        session.link.SetPortOverrides({{BENCH_COM_NUMBER, sim.DevicePath()}});
        session.program.SelectedGwType = type;
        session.program.Comm.CurrentPortNum = BENCH_COM_NUMBER;
        session.program.Comm.CurrentBaudIndex = baudIndex;
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

// gwcli's unit search for unit 0, which leaves the unit at the configured speed for the operation.
bool SearchUnitZero(SOperationLine& line) {
    CSession& session = line.session;
    if ((session.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0) return true;
    CSearchUnit search(session.link, line.host, session.form.flags, session.program.Comm, session.unitAxisSlots);
    search.ProbeOneUnit(0);
    if (search.foundUnits.empty()) return false;
    session.speedEstablished = true;
    session.searchedSlaveIdReply = search.slaveIdReplies[0];
    return true;
}

// The link set-up a monitor command makes before its first reading.
bool ConnectAtSpeed(CSession& session) {
    return session.OpenPortIfClosed() == COMM_OK && session.SwitchSpeed() == COMM_OK;
}

bool RunOperation(Operation operation, SOperationLine& line) {
    CSession& s = line.session;
    if (!SearchUnitZero(line)) return false;
    switch (operation) {
        case Operation::Search:
            return true;
        case Operation::Read:
            return ReadParameters(s) == COMM_OK;
        case Operation::Write:
            return WriteParameters(s).transmitted;
        case Operation::Counters:
            return ConnectAtSpeed(s) && CDiagnosticCounters(s).Timer1Timer() == 0;
        case Operation::Alarms:
            return ConnectAtSpeed(s) && CAlarmList(s).ReadList() == 0;
        case Operation::Hardware:
            return ConnectAtSpeed(s) && CHardwareMonitor(s).Timer1Timer() == 0;
    }
    return false;
}

struct SOperationRun {
    bool done = false;
    double ms = 0;
    double floorMs = 0;
    int switches = 0;
};

// One run of the operation on a fresh simulated line; a write writes the set read beforehand (the No of
// the restart question ends it).
SOperationRun RunOnce(Operation operation, GwType type, int baudIndex, bool oneSwitch) {
    SOperationLine line(type, baudIndex, {0}, oneSwitch);
    if (!line.ok) return {};
    if (operation == Operation::Write) {
        if (!SearchUnitZero(line) || ReadParameters(line.session) != COMM_OK) return {};
        line.session.speedEstablished = false;  // a new run
        line.session.form.flags.portOpen = false;
        line.session.link.Close();
    }
    line.floor = CFloorLog{};
    line.host.restartAnswer = ID_NO;
    SOperationRun run;
    const auto start = Clock::now();
    run.done = RunOperation(operation, line);
    run.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double exchanges = line.floor.ExchangesMs(line.session.link.GetResponseTimeout());
    run.switches = line.floor.broadcasts;
    // The floor switches the speed once: the broadcasts' pauses are in the exchanges already.
    run.floorMs = exchanges - (line.floor.broadcasts - 1) * BROADCAST_PAUSE_MS + SPEED_SWITCH_WAITS_MS +
                  (operation == Operation::Write && type != GW_KAVELIS ? WRITE_BLOCK_PAUSES_MS : 0);
    return run;
}

// A loaded machine can hold the simulator's thread up in the middle of a reply, which the link rightly
// takes for the end of the frame; such a run is repeated (at most twice) and the repeats are reported.
void WholeOperation(benchmark::State& state) {
    const auto operation = static_cast<Operation>(state.range(0));
    const auto type = static_cast<GwType>(state.range(1));
    const int baudIndex = static_cast<int>(state.range(2));
    // 1: one speed switch per run, as gwcli runs; 0: a switch and a Report Slave ID per series, as the
    // desktop window (and gwcli before) does.
    const bool oneSwitch = state.range(3) != 0;
    constexpr int ATTEMPTS = 3;
    SOperationRun run;
    int attempts = 0;
    for (auto _ : state) {
        for (attempts = 1; attempts <= ATTEMPTS; ++attempts) {
            run = RunOnce(operation, type, baudIndex, oneSwitch);
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
    state.counters["switches"] = run.switches;
    state.counters["attempts"] = attempts;
}

void AllOperations(benchmark::internal::Benchmark* bench) {
    for (long oneSwitch : {0, 1}) {
        for (int baudIndex : {0, 4}) {
            bench->Args({static_cast<long>(Operation::Search), GW_VOSK, baudIndex, oneSwitch});
            for (GwType type : {GW_KAVELIS, GW_VOSK, GW_DRAVO}) {
                bench->Args({static_cast<long>(Operation::Read), type, baudIndex, oneSwitch});
                bench->Args({static_cast<long>(Operation::Write), type, baudIndex, oneSwitch});
            }
            for (Operation monitor : {Operation::Counters, Operation::Alarms, Operation::Hardware})
                bench->Args({static_cast<long>(monitor), GW_VOSK, baudIndex, oneSwitch});
        }
    }
}

}  // namespace

BENCHMARK(WholeOperation)
    ->ArgNames({"op", "type", "baud_index", "one_switch"})
    ->Apply(AllOperations)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

BENCHMARK_MAIN();
