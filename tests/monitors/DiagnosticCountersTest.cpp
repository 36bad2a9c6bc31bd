#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/monitors/DiagnosticCounters.h"
#include "tests/monitors/MonitorOnSim.h"

namespace {

class DiagnosticCountersOnSim : public MonitorOnSim {
protected:
    std::vector<std::string> Column(const CDiagnosticCounters& monitor, int col) {
        std::vector<std::string> texts;
        for (int row = 0; row < monitor.StringGrid1.rowCount; ++row)
            texts.push_back(monitor.StringGrid1.Cell(col, row));
        return texts;
    }
    std::vector<bool> ButtonsShown(CDiagnosticCounters& monitor) {
        std::vector<bool> shown;
        for (ECounter c : {ECounter::ERR_T, ECounter::ERR_C, ECounter::EMG, ECounter::RTET}) {
            const TextState& b = monitor.ResetButton(c);
            EXPECT_EQ(b.visible, b.enabled);
            EXPECT_EQ(b.text, UiText[155]);
            shown.push_back(b.visible);
        }
        return shown;
    }
};

// Rows, labels, buttons and the read's register count follow the type, its firmware and ExtendedMode.
TEST_F(DiagnosticCountersOnSim, VariantsByTypeFirmwareAndExtendedMode) {
    const std::vector<std::string> oldLabels{"scan time[msec]", "Retry after ERR_T", "Number of ERR_C"};
    const std::vector<std::string> labels{"scan time[msec]", "ERR_T counter", "ERR_C counter", "EMG counter",
                                          "ERR_T counter"};
    const struct {
        GwType type;
        std::uint16_t gver;
        bool extended;
        int count;
        std::vector<bool> buttons;
    } cases[] = {
        {GW_KAVELIS, 13, false, 3, {false, false, false, false}},
        {GW_KAVELIS, 13, true, 3, {false, false, false, false}},
        {GW_KAVELIS, 14, false, 4, {true, true, true, false}},
        {GW_KAVELIS, 14, true, 5, {true, true, true, true}},
        {GW_VOSK, 0, false, 4, {true, true, true, false}},
        {GW_VOSK, 0, true, 5, {true, true, true, true}},
        {GW_DRAVO, 0, false, 4, {true, true, true, false}},
        {GW_NUB3GW, 0, true, 5, {true, true, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " GVER " << c.gver << " extended " << c.extended);
        StartMonitor(SimOf(c.type), c.extended);
        session.image.Word(GVER) = c.gver;
        CDiagnosticCounters monitor(session);
        EXPECT_EQ(monitor.Caption, "Diagnostic Information");
        EXPECT_EQ(monitor.StringGrid1.rowCount, c.count);
        const auto& expectedLabels = c.count == 3 ? oldLabels : labels;
        EXPECT_EQ(Column(monitor, 0),
                  std::vector<std::string>(expectedLabels.begin(), expectedLabels.begin() + c.count));
        EXPECT_EQ(monitor.StringGrid1.Cell(1, 0), "0");  // until the first read
        EXPECT_EQ(ButtonsShown(monitor), c.buttons);

        const std::size_t before = RequestLog().size();
        ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
        const auto log = RequestLog();
        ASSERT_EQ(log.size(), before + 1);
        EXPECT_EQ(std::vector<std::uint8_t>(log[before].begin(), log[before].end() - 2),
                  (std::vector<std::uint8_t>{session.program.GwSlaveAddress, 0x03, 0xF1, 0x87, 0x00,
                                             static_cast<std::uint8_t>(c.count)}));
    }
}

TEST_F(DiagnosticCountersOnSim, TickShowsScanTimeInTenthsAndCountersInDecimal) {
    StartMonitor(SimOf(GW_VOSK), true);
    CDiagnosticCounters monitor(session);
    const struct {
        std::uint16_t scan;
        const char* scanText;
        std::uint16_t counter;
        const char* counterText;
    } cases[] = {
        {15, "1.5", 0, "0"}, {120, "12", 7, "7"}, {0, "0", 65535, "65535"}, {65535, "6553.5", 1, "1"}};
    for (const auto& c : cases) {
        FreezeLiveValues();
        SetUnitRegister(0xF187, c.scan);
        for (int i = 0; i < 4; ++i) SetUnitRegister(static_cast<std::uint16_t>(0xF188 + i), c.counter);
        ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
        EXPECT_EQ(monitor.StringGrid1.Cell(1, 0), c.scanText);
        for (int row = 1; row < 5; ++row) EXPECT_EQ(monitor.StringGrid1.Cell(1, row), c.counterText) << row;
        EXPECT_EQ(monitor.words[0], c.scan);
    }
}

// Clear for ERR_T and then for EMG before a tick: that tick resets both, ERR_T first, then reads.
TEST_F(DiagnosticCountersOnSim, ClearsAreServedByTheNextTickBeforeItsRead) {
    StartMonitor(SimOf(GW_VOSK));
    CDiagnosticCounters monitor(session);
    FreezeLiveValues();
    SetUnitRegister(0xF188, 500);
    SetUnitRegister(0xF189, 600);
    SetUnitRegister(0xF18A, 700);
    monitor.ResetClick(ECounter::ERR_T);
    monitor.ResetClick(ECounter::EMG);
    EXPECT_EQ(RequestLog().size(), 0u) << "a click only asks";
    monitor.ResetClick(ECounter::RTET);  // hidden without ExtendedMode: ignored

    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(RequestsSince(0),
              (std::vector<std::pair<int, int>>{{0x10, 0xF188}, {0x10, 0xF18A}, {0x03, 0xF187}}));
    EXPECT_EQ(monitor.StringGrid1.Cell(1, 1), "0");
    EXPECT_EQ(monitor.StringGrid1.Cell(1, 2), "600");
    EXPECT_EQ(monitor.StringGrid1.Cell(1, 3), "0");
    EXPECT_EQ(monitor.resetRequested, (std::array<bool, 4>{}));

    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(RequestsSince(3), (std::vector<std::pair<int, int>>{{0x03, 0xF187}})) << "served once";
}

TEST_F(DiagnosticCountersOnSim, FailedResetShowsItsBoxAndTheMonitorGoesOn) {
    StartMonitor(SimOf(GW_VOSK), true);
    CDiagnosticCounters monitor(session);
    monitor.ResetClick(ECounter::RTET);
    AnswerWithException(4);
    host.onPump = [&] {
        if (!RequestLog().empty() && RequestLog().back()[1] == 0x10) FallSilent(false);
    };
    // The exception answers the write; the read after it is answered normally.
    const int result = monitor.Timer1Timer();
    EXPECT_TRUE(Shown(MsgText[32]));
    EXPECT_EQ(host.boxes.back().style & MB_ICON_MASK, MB_ICON_ERROR);
    EXPECT_EQ(result, COMM_OK);
    EXPECT_FALSE(monitor.poll.closeRequested);
    EXPECT_FALSE(monitor.resetRequested[3]);
}

// Ticks that arrive while a reset write or the read waits for its reply start nothing.
TEST_F(DiagnosticCountersOnSim, BusyCoversTheResetWritesAndTheRead) {
    StartMonitor(SimOf(GW_VOSK));
    CDiagnosticCounters monitor(session);
    monitor.ResetClick(ECounter::ERR_C);
    int nestedTicks = 0;
    host.onPump = [&] {
        EXPECT_TRUE(monitor.poll.busy);
        ++nestedTicks;
        monitor.Timer1Timer();
    };
    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    host.onPump = nullptr;
    EXPECT_GT(nestedTicks, 0);
    EXPECT_EQ(RequestsSince(0), (std::vector<std::pair<int, int>>{{0x10, 0xF189}, {0x03, 0xF187}}));
    EXPECT_FALSE(monitor.poll.busy);
}

TEST_F(DiagnosticCountersOnSim, FailedReadEndsTheMonitorAndDisablesTheMonitorMenu) {
    for (const bool closeTheLine : {false, true}) {
        SCOPED_TRACE(closeTheLine ? "line closed mid-poll" : "unit silent");
        host.boxes.clear();
        StartMonitor(SimOf(GW_NUB3GW));
        CDiagnosticCounters monitor(session);
        ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
        if (closeTheLine) {
            CloseLineOnNextPump();
        } else {
            FallSilent();
        }
        EXPECT_NE(monitor.Timer1Timer(), COMM_OK);
        EXPECT_TRUE(monitor.poll.closeRequested);
        EXPECT_EQ(monitor.poll.timerInterval, 0);
        EXPECT_FALSE(session.form.MenuMoniter1.enabled);
        EXPECT_FALSE(monitor.poll.busy);
        EXPECT_FALSE(host.boxes.empty()) << "the transaction tells why";
        const std::size_t boxes = host.boxes.size();
        EXPECT_EQ(monitor.Timer1Timer(), COMM_OK) << "a stopped monitor does not poll";
        EXPECT_EQ(host.boxes.size(), boxes);
    }
}

TEST(CounterNames, NamesOfTheResettableCounters) {
    const struct {
        const char* name;
        bool known;
        ECounter counter;
    } cases[] = {{"ERR_T", true, ECounter::ERR_T},
                 {"ERR_C", true, ECounter::ERR_C},
                 {"EMG", true, ECounter::EMG},
                 {"RTET", true, ECounter::RTET},
                 {"err_t", false, {}},
                 {"", false, {}},
                 {"ALL", false, {}}};
    for (const auto& c : cases) {
        ECounter counter{};
        EXPECT_EQ(CounterOfName(c.name, counter), c.known) << c.name;
        if (c.known) {
            EXPECT_EQ(counter, c.counter) << c.name;
        }
    }
}

}  // namespace
