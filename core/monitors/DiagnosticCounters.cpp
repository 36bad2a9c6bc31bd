#include "core/monitors/DiagnosticCounters.h"

#include <array>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/monitors/MonitorValueText.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr int UI_CAPTION = 96;
constexpr int UI_CLEAR = 155;
constexpr int MSG_CLEAR_FAILED = 32;
// Row labels: older KAVELIS firmware and every other unit.
constexpr std::array<int, 3> UI_OLD_LABELS{93, 94, 95};
constexpr std::array<int, 5> UI_LABELS{93, 151, 158, 154, 159};
constexpr std::array<std::string_view, COUNTER_KINDS> COUNTER_NAMES{"ERR_T", "ERR_C", "EMG", "RTET"};
constexpr int SCAN_TIME_ROW = 0;
constexpr int OLD_REGISTER_COUNT = 3;
constexpr int REGISTER_COUNT = 4;
constexpr int EXTENDED_REGISTER_COUNT = 5;

int RegisterCountOf(const SProgramValues& program, const ParameterImage& image) {
    if (program.SelectedGwType == GW_KAVELIS && image.Word(GVER) < KAVELIS_GVER_COUNTER_RESET) {
        return OLD_REGISTER_COUNT;
    }
    return program.ExtendedMode() ? EXTENDED_REGISTER_COUNT : REGISTER_COUNT;
}

std::uint16_t CounterRegister(ECounter counter) {
    return static_cast<std::uint16_t>(DIAGNOSTIC_FIRST_REGISTER + 1 + static_cast<int>(counter));
}

}  // namespace

bool CounterOfName(std::string_view name, ECounter& counter) {
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        if (COUNTER_NAMES[static_cast<std::size_t>(i)] == name) {
            counter = static_cast<ECounter>(i);
            return true;
        }
    }
    return false;
}

std::string_view CounterName(ECounter counter) {
    return COUNTER_NAMES[static_cast<std::size_t>(counter)];
}

CDiagnosticCounters::CDiagnosticCounters(CSession& s)
    : session(s), registerCount(RegisterCountOf(s.program, s.image)) {
    Caption = UiText[UI_CAPTION];
    StringGrid1.Resize(2, registerCount);
    const bool oldLabels = registerCount == OLD_REGISTER_COUNT;
    for (int row = 0; row < registerCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        StringGrid1.Cell(0, row) = UiText[oldLabels ? UI_OLD_LABELS[r] : UI_LABELS[r]];
        StringGrid1.colours[r][0] = CellColour::Grey;
    }
    StringGrid1.Cell(1, SCAN_TIME_ROW) = "0";
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        TextState& button = ResetButton(static_cast<ECounter>(i));
        button.text = UiText[UI_CLEAR];
        // A button exists for every counter row the window shows.
        button.visible = button.enabled = !oldLabels && i + 1 < registerCount;
    }
}

TextState& CDiagnosticCounters::ResetButton(ECounter counter) {
    switch (counter) {
        case ECounter::ERR_T:
            return bResetERRT;
        case ECounter::ERR_C:
            return bResetERRC;
        case ECounter::EMG:
            return bResetEMG;
        case ECounter::RTET:
            break;
    }
    return bResetRTET;
}

void CDiagnosticCounters::ResetClick(ECounter counter) {
    if (ResetButton(counter).visible) resetRequested[static_cast<std::size_t>(counter)] = true;
}

int CDiagnosticCounters::Timer1Timer() {
    if (poll.busy || poll.timerInterval == 0) return COMM_OK;
    int result = COMM_OK;
    {
        // Covers the reset writes as well as the read: a tick arriving while either waits for its
        // reply must not start a second exchange.
        const CMonitorBusy busy(poll);
        ServeResetRequests();
        result = ReadCounters();
    }
    if (result != COMM_OK) {
        EndMonitorAfterFailedPoll(session, poll);
        return result;
    }
    ShowWords();
    return COMM_OK;
}

void CDiagnosticCounters::ServeResetRequests() {
    for (int i = 0; i < COUNTER_KINDS; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!resetRequested[index]) continue;
        const std::uint16_t zero = 0;
        const auto counter = static_cast<ECounter>(i);
        if (SendWrite(session, WriteWordsText(session.program.GwSlaveAddress, CounterRegister(counter),
                                              {&zero, 1})) != COMM_OK) {
            session.host.ShowMessageBox(MsgText[MSG_CLEAR_FAILED], MB_ICON_ERROR);
        }
        resetRequested[index] = false;
    }
}

int CDiagnosticCounters::ReadCounters() {
    return ReadHoldingRegisters(session, DIAGNOSTIC_FIRST_REGISTER, static_cast<std::uint16_t>(registerCount),
                                words);
}

void CDiagnosticCounters::ShowWords() {
    for (int row = 0; row < registerCount; ++row) {
        const std::uint16_t word = words[static_cast<std::size_t>(row)];
        StringGrid1.Cell(1, row) = row == SCAN_TIME_ROW ? TenthsText(word) : ScaledDecimalText(word);
    }
}
