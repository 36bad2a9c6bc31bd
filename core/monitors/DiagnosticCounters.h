#pragma once
// The diagnostic counters window's behaviour: every 500 ms it reads the gateway's scan time and error
// counters and shows them in a two-column list; each "Clear" button asks for its counter to be reset
// to zero, which the next tick does before its read. Which rows and buttons exist depends on the
// gateway type, its firmware version and ExtendedMode.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/ControlState.h"
#include "core/monitors/MonitorWindow.h"
#include "core/procedures/Session.h"

inline constexpr int DIAGNOSTIC_TIMER_MS = 500;
inline constexpr std::uint16_t DIAGNOSTIC_FIRST_REGISTER = 0xF187;  // scan time, then the counters
inline constexpr std::uint16_t KAVELIS_GVER_COUNTER_RESET = 14;     // older KAVELIS firmware: 3 rows

// The counters a "Clear" button resets, in the order a tick serves them.
enum class ECounter { ERR_T, ERR_C, EMG, RTET };
inline constexpr int COUNTER_KINDS = 4;

// The counter named on gwcli's command line ("ERR_T", "ERR_C", "EMG", "RTET"), or false.
bool CounterOfName(std::string_view name, ECounter& counter);
// The name of a counter, as gwcli's command line gives it.
std::string_view CounterName(ECounter counter);
// The counter a row of `StringGrid1` shows: rows from 1 on, in the order of ECounter.
inline ECounter CounterOfRow(int row) {
    return static_cast<ECounter>(row - 1);
}

class CDiagnosticCounters {
public:
    explicit CDiagnosticCounters(CSession& session);

    // `Timer1`: serves the requested resets, then reads and shows the counters. 0, or the failure
    // code of the read, after which the monitor has ended (see `poll.closeRequested`).
    int Timer1Timer();
    // A "Clear" button: only asks; the next tick writes the zero before it reads.
    void ResetClick(ECounter counter);
    // The button of a counter (`bResetERRT`, `bResetERRC`, `bResetEMG`, `bResetRTET`).
    TextState& ResetButton(ECounter counter);

    int RegisterCount() const { return registerCount; }

    std::string Caption;
    GridState StringGrid1;  // column 0 the labels, column 1 the values; one row per register
    TextState bResetERRT, bResetERRC, bResetEMG, bResetRTET;
    std::array<bool, COUNTER_KINDS> resetRequested{};
    std::vector<std::uint16_t> words;  // the block last read, one word per row
    // `busy` covers the reset writes and the read: ticks arriving meanwhile return at once.
    SMonitorPoll poll{false, DIAGNOSTIC_TIMER_MS, false};

private:
    void ServeResetRequests();
    int ReadCounters();
    void ShowWords();

    CSession& session;
    int registerCount;
};
