#include <gtest/gtest.h>

#include "core/app/texts/CommonMsgText.h"
#include "core/monitors/AxisMonitor.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

class AxisMonitorOnSim : public SessionOnSim {
protected:
    // A KAVELIS unit whose mode words and sizes the test sets.
    void OpenWith(std::initializer_list<std::uint16_t> modes, std::uint16_t w4n, std::uint16_t w8n) {
        Start(SimOf(GW_KAVELIS));
        ASSERT_EQ(session.OpenPortIfClosed(), 0);
        session.form.MenuMoniter1.enabled = true;
        int slot = 0;
        for (std::uint16_t mode : modes) SetUnitRegister(static_cast<std::uint16_t>(0xF110 + slot++), mode);
        for (; slot < 16; ++slot) SetUnitRegister(static_cast<std::uint16_t>(0xF110 + slot), 0x3FFF);
        SetUnitRegister(0xF109, static_cast<std::uint16_t>(modes.size() == 0 ? 0 : modes.size() - 1));
        SetUnitRegister(0xF10A, w4n);
        SetUnitRegister(0xF10B, w8n);
        ASSERT_EQ(CreateAxisMonitorForm(session, form), 0);
        logStart = RequestLog().size();
    }
    // Puts words into both areas from +08 on (the master's for good; the gateway's until its next scan).
    void SetAxisWords(std::uint16_t area, std::initializer_list<std::uint16_t> words) {
        std::uint16_t reg = static_cast<std::uint16_t>(area + 8);
        for (std::uint16_t w : words) SetUnitRegister(reg++, w);
    }
    std::vector<std::pair<int, int>> Reads() {
        std::vector<std::pair<int, int>> out;
        const auto log = RequestLog();
        for (std::size_t i = logStart; i < log.size(); ++i)
            out.emplace_back(log[i][2] << 8 | log[i][3], log[i][5]);
        logStart = log.size();
        return out;
    }
    SAxisMonitorFormState form;
    std::size_t logStart = 0;
};

TEST_F(AxisMonitorOnSim, FullLayoutFromTheUnitsModeWords) {
    OpenWith({0x0001, 0x0000, 0x0001, 0x0003, 0x0004, 0x8003, 0x8004}, 3, 2);
    EXPECT_EQ(form.caption, "I/O monitor");
    EXPECT_FALSE(form.twoWordLayout);
    EXPECT_EQ(form.totalWords, 28);
    EXPECT_EQ(form.StringGrid1.colCount, 8);
    EXPECT_EQ(form.StringGrid1.rowCount, 7);
    EXPECT_EQ(form.fixedRows, 2);
    EXPECT_EQ(form.StringGrid1.Cell(0, 1), "Axis");
    EXPECT_EQ(form.StringGrid1.Cell(1, 1), "mode");
    EXPECT_EQ(form.StringGrid1.Cell(0, 2), "0");
    EXPECT_EQ(form.StringGrid1.Cell(1, 6), "*Full");
    EXPECT_TRUE(form.RadioButton1.checked);
    EXPECT_EQ(form.StringGrid1.Cell(5, 0), "Target Pos.");
    EXPECT_EQ(form.StringGrid1.Cell(4, 1), "Velocity");
    EXPECT_EQ(form.poll.timerInterval, 500);

    AxisDirectionClick(form, true);
    EXPECT_EQ(form.StringGrid1.Cell(5, 0), "Location");
    EXPECT_EQ(form.StringGrid1.Cell(5, 1), "-");
    EXPECT_EQ(form.StringGrid1.Cell(6, 1), "Alarm code");
    AxisDirectionClick(form, false);
    EXPECT_EQ(form.StringGrid1.Cell(7, 1), "Status");
}

TEST_F(AxisMonitorOnSim, PollDecodesEachAxisByItsMode) {
    OpenWith({0x0001, 0x0003, 0x0004}, 1, 1);
    // Axis 0: 4 words; axis 1: 8 words.
    SetAxisWords(0xF600, {0xFFFF, 0xFFFF, 0x00A5, 0x0008, 0x86A0, 0x0001, 0x0005, 0x0000, 0x8000, 0x8000,
                          0x0007, 0x0003});
    AxisMonitorTick(session, form);
    const auto reads = Reads();
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0], std::make_pair(0xF608, 12));
    const GridState& g = form.StringGrid1;
    EXPECT_EQ(g.Cell(2, 2), "-");
    EXPECT_EQ(g.Cell(5, 2), "-1");
    EXPECT_EQ(g.Cell(6, 2), "165") << "master to gateway: the number stays decimal";
    EXPECT_EQ(g.Cell(7, 2), "0000 0000 0000 1000");
    EXPECT_EQ(g.Cell(2, 3), "100000");
    EXPECT_EQ(g.Cell(3, 3), "5");
    EXPECT_EQ(g.Cell(4, 3), "-32768");
    EXPECT_EQ(g.Cell(5, 3), "32768");
    EXPECT_EQ(g.Cell(6, 3), "7");
    EXPECT_EQ(g.Cell(7, 3), "0000 0000 0000 0011");
}

// Mode words the sizes do not count (a 2-word axis among Full-layout axes, which the parameter checks
// never let a file or the tool write) still get their row, below the header rows: an empty slot between
// them gets none, and every axis whose words are read shows them in its own row.
TEST_F(AxisMonitorOnSim, TwoWordAxisInTheFullLayoutAndAnEmptySlotBetweenAxes) {
    OpenWith({0x0001, 0x3FFF, 0x0011, 0x0003, 0x0004}, 1, 1);
    EXPECT_FALSE(form.twoWordLayout);
    EXPECT_EQ(form.totalWords, 4 + 2 + 8);
    const GridState& g = form.StringGrid1;
    ASSERT_EQ(g.rowCount, 5) << "two header rows and three axes, though W4N + W8N counts two";
    const std::vector<std::string> axisColumn{g.Cell(0, 2), g.Cell(0, 3), g.Cell(0, 4)};
    const std::vector<std::string> modeColumn{g.Cell(1, 2), g.Cell(1, 3), g.Cell(1, 4)};
    EXPECT_EQ(axisColumn, (std::vector<std::string>{"0", "1", "2"}));
    EXPECT_EQ(modeColumn, (std::vector<std::string>{"Point1", "Sol1", "Full"}));

    SetAxisWords(0xF600, {10, 0, 3, 0x0001, 77, 0x8000, 5, 0, 6, 0, 7, 8, 9, 0x0004});
    AxisMonitorTick(session, form);
    EXPECT_EQ(Reads(), (std::vector<std::pair<int, int>>{{0xF608, 14}}));
    EXPECT_EQ(g.Cell(5, 2), "10");
    EXPECT_EQ(g.Cell(7, 2), "0000 0000 0000 0001");
    const std::vector<std::string> twoWordRow{g.Cell(2, 3), g.Cell(3, 3), g.Cell(4, 3), g.Cell(7, 3)};
    EXPECT_EQ(twoWordRow, (std::vector<std::string>{"77", "1000 0000 0000 0000", "", ""}))
        << "the 2-word axis in its own row, the columns it has no words for left empty";
    EXPECT_EQ(g.Cell(2, 1), "Target Pos.") << "the header row above stays as it was";
    EXPECT_EQ(g.Cell(2, 4), "5");
    EXPECT_EQ(g.Cell(3, 4), "6");
    EXPECT_EQ(g.Cell(7, 4), "0000 0000 0000 0100") << "the Full axis reads its words after the 2-word axis";
}

TEST_F(AxisMonitorOnSim, TwoWordLayout) {
    OpenWith({0x0011, 0x0011, 0x0011, 0x0011}, 4, 0);
    EXPECT_TRUE(form.twoWordLayout);
    EXPECT_EQ(form.totalWords, 8);
    EXPECT_EQ(form.StringGrid1.colCount, 4);
    EXPECT_EQ(form.StringGrid1.rowCount, 5);
    EXPECT_EQ(form.StringGrid1.Cell(0, 0), "Axis");
    EXPECT_EQ(form.StringGrid1.Cell(2, 0), "Pos. No.");
    EXPECT_EQ(form.StringGrid1.Cell(3, 0), "Status");
    EXPECT_EQ(form.StringGrid1.Cell(1, 4), "Sol1");
    SetAxisWords(0xF600, {3, 0x0001, 4, 0x0002, 5, 0x0003, 0xFFFF, 0x8000});
    AxisMonitorTick(session, form);
    EXPECT_EQ(Reads(), (std::vector<std::pair<int, int>>{{0xF608, 8}}));
    EXPECT_EQ(form.StringGrid1.Cell(2, 1), "3");
    EXPECT_EQ(form.StringGrid1.Cell(3, 2), "0000 0000 0000 0010");
    EXPECT_EQ(form.StringGrid1.Cell(2, 4), "65535");
    EXPECT_EQ(form.StringGrid1.Cell(3, 4), "1000 0000 0000 0000");
}

TEST_F(AxisMonitorOnSim, NoAxesSendNoRead) {
    OpenWith({}, 0, 0);
    SetUnitRegister(0xF110, 0x3FFF);
    ASSERT_EQ(CreateAxisMonitorForm(session, form), 0);
    logStart = RequestLog().size();
    EXPECT_EQ(form.totalWords, 0);
    EXPECT_EQ(form.StringGrid1.rowCount, 3) << "header rows and one empty row";
    EXPECT_EQ(form.StringGrid1.Cell(0, 2), "");
    AxisMonitorTick(session, form);
    EXPECT_TRUE(Reads().empty()) << "a read of no registers is never sent";
    EXPECT_FALSE(form.poll.closeRequested);
}

TEST_F(AxisMonitorOnSim, AFailedPollClosesTheWindowAndDisablesTheMonitorMenu) {
    OpenWith({0x0001}, 1, 0);
    session.link.SetResponseTimeout(200);
    SSimFaults faults;
    faults.silent = true;
    SetFaults(faults);
    AxisMonitorTick(session, form);
    EXPECT_TRUE(form.poll.closeRequested);
    EXPECT_EQ(form.poll.timerInterval, 0);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
}

TEST_F(AxisMonitorOnSim, AFailedReadAtCreationShowsTheBoxAndOpensNothing) {
    Start(SimOf(GW_KAVELIS));
    ASSERT_EQ(session.OpenPortIfClosed(), 0);
    session.link.SetResponseTimeout(200);
    SSimFaults faults;
    faults.silent = true;
    SetFaults(faults);
    EXPECT_NE(CreateAxisMonitorForm(session, form), 0);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, CommonMsgText[55]);
}

TEST_F(AxisMonitorOnSim, TheSimulatedUnitAnswersEveryAxisByItsMode) {
    Start(SimOf(GW_KAVELIS));
    ASSERT_EQ(session.OpenPortIfClosed(), 0);
    ASSERT_EQ(CreateAxisMonitorForm(session, form), 0);
    EXPECT_EQ(form.totalWords, 6 * 4 + 8);
    AxisMonitorTick(session, form);
    EXPECT_EQ(form.StringGrid1.Cell(5, 2), "10000") << "the master's target of axis 0";
    EXPECT_EQ(form.StringGrid1.Cell(5, 3), "-12500");
    AxisDirectionClick(form, true);
    AxisMonitorTick(session, form);
    EXPECT_EQ(Reads().back(), std::make_pair(0xF708, 32));
    EXPECT_EQ(form.StringGrid1.Cell(6, 2), "1") << "the gateway answers the position number";
    EXPECT_EQ(form.StringGrid1.Cell(6, 3), "02") << "status bit 3 set: hexadecimal";
    EXPECT_EQ(form.StringGrid1.Cell(7, 3).at(15), '1') << "bit 3 of the status";
    EXPECT_FALSE(form.StringGrid1.Cell(7, 8).empty()) << "the Full axis has a status";
    EXPECT_EQ(form.StringGrid1.Cell(3, 8), "126") << "the Full axis's motor current takes two words";
}

}  // namespace
