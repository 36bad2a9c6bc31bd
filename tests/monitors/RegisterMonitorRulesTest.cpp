#include <gtest/gtest.h>

#include "core/app/texts/UiText.h"
#include "core/monitors/RegisterMonitor.h"
#include "tests/support/ScriptedHost.h"

namespace {

class RegisterMonitorRules : public ::testing::Test {
protected:
    void Create(bool testMode, GwType type = GW_VOSK) {
        session.program.SelectedGwType = type;
        session.form.flags.rs485SioMode = testMode;
        CreateRegMoniterForm(form, session);
        for (int k = 0; k < REG_AREA_WORDS; ++k) {
            form.readImage600[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(0x6000 + k);
            form.readImage700[static_cast<std::size_t>(k)] = static_cast<std::uint16_t>(0x7000 + k);
        }
        RefreshRegisterGrids(form);
    }
    ScriptedHost host;
    CSession session{host};
    SRegMoniterFormState form;
};

TEST_F(RegisterMonitorRules, CreationInMonitorMode) {
    Create(false, GW_KAVELIS);
    EXPECT_EQ(form.caption, "Register Monitor");
    EXPECT_EQ(form.pPLCToZUNA.text, "Master -> Gateway");
    EXPECT_EQ(form.pZUNAToPLC.text, "Gateway -> Master");
    EXPECT_TRUE(form.lF600h.visible);
    EXPECT_FALSE(form.rbRead.visible || form.rbWrite.visible || form.WriteButton.visible);
    EXPECT_FALSE(form.rbRead.enabled || form.rbWrite.enabled);
    EXPECT_EQ(form.cbCycle.Selected(), "500ms");
    EXPECT_EQ(form.poll.timerInterval, 500);
    EXPECT_EQ(form.cbHEXorBIN.Selected(), "HEX");
    EXPECT_EQ(form.StringGrid1.rowCount, 17);
    EXPECT_EQ(form.StringGrid1.Cell(0, 0), "Address");
    EXPECT_EQ(form.StringGrid1.Cell(1, 0), "Data");
    EXPECT_EQ(form.StringGrid1.Cell(0, 1), "+00");
    EXPECT_EQ(form.StringGrid1.Cell(0, 16), "+0F");
    EXPECT_FALSE(StartRegisterEdit(form)) << "no editing in monitor mode";
    EXPECT_FALSE(GridKey(form, ERegArea::Master, EGridKey::Enter));
    EXPECT_FALSE(form.edSetRegister.visible);
}

TEST_F(RegisterMonitorRules, CreationInTestMode) {
    Create(true);
    EXPECT_FALSE(form.lF600h.visible) << "area labels for KAVELIS only";
    EXPECT_TRUE(form.rbRead.visible && form.rbRead.enabled && form.rbRead.checked);
    EXPECT_TRUE(form.rbWrite.visible && !form.rbWrite.checked);
    EXPECT_TRUE(form.WriteButton.visible);
    EXPECT_FALSE(form.WriteButton.enabled);
    EXPECT_FALSE(StartRegisterEdit(form)) << "Read chosen: nothing opens";
}

TEST_F(RegisterMonitorRules, ScrollingKeepsWithinTheAreaAndSyncsWhenAsked) {
    Create(false);
    ScrollBarChange(form, ERegArea::Master, 99);
    EXPECT_EQ(form.ScrollBar1.position, 56);
    EXPECT_EQ(form.StringGrid1.Cell(0, 1), "+38");
    EXPECT_EQ(form.StringGrid1.Cell(0, 16), "+47");
    EXPECT_EQ(form.StringGrid1.Cell(1, 16), "6047");
    EXPECT_EQ(form.ScrollBar2.position, 0) << "without SYNC Scroll the other stays";
    ScrollBarChange(form, ERegArea::Master, -3);
    EXPECT_EQ(form.ScrollBar1.position, 0);

    chkSyncScrollClick(form, true);
    ScrollBarChange(form, ERegArea::Gateway, 20);
    EXPECT_EQ(form.ScrollBar1.position, 20);
    EXPECT_EQ(form.StringGrid1.Cell(0, 1), "+14");
    EXPECT_EQ(form.StringGrid2.Cell(1, 1), "7014");
}

struct SEdgeCase {
    EGridKey key;
    int row;
    int startPosition;
    int position;     // after the key
    int selectedRow;  // after the key
};

TEST_F(RegisterMonitorRules, KeysScrollAtTheEdgeRowsAndMoveTheSelectionElsewhere) {
    const SEdgeCase cases[] = {
        {EGridKey::Down, 16, 10, 11, 16},     {EGridKey::Down, 5, 10, 10, 6},
        {EGridKey::Up, 1, 10, 9, 1},          {EGridKey::Up, 7, 10, 10, 6},
        {EGridKey::PageDown, 16, 10, 26, 16}, {EGridKey::PageUp, 1, 10, 0, 1},
        {EGridKey::PageUp, 1, 30, 14, 1},     {EGridKey::PageDown, 16, 50, 56, 16},
        {EGridKey::Down, 16, 56, 56, 16},
    };
    Create(false);
    for (const SEdgeCase& c : cases) {
        ScrollBarChange(form, ERegArea::Gateway, c.startPosition);
        GridSelectRow(form, ERegArea::Gateway, c.row);
        GridKey(form, ERegArea::Gateway, c.key);
        EXPECT_EQ(form.ScrollBar2.position, c.position) << static_cast<int>(c.key) << " row " << c.row;
        EXPECT_EQ(form.selectedRow[1], c.selectedRow) << static_cast<int>(c.key) << " row " << c.row;
    }
}

TEST_F(RegisterMonitorRules, WheelScrollsOnlyAtTheEdgeRows) {
    Create(false);
    GridSelectRow(form, ERegArea::Master, 16);
    GridMouseWheel(form, ERegArea::Master, true);
    EXPECT_EQ(form.ScrollBar1.position, 1);
    GridMouseWheel(form, ERegArea::Master, false);
    EXPECT_EQ(form.ScrollBar1.position, 1);
    EXPECT_EQ(form.selectedRow[0], 15);
    GridSelectRow(form, ERegArea::Master, 1);
    GridMouseWheel(form, ERegArea::Master, false);
    EXPECT_EQ(form.ScrollBar1.position, 0);
}

TEST_F(RegisterMonitorRules, CycleAndView) {
    Create(false);
    for (int i = 0; i < 5; ++i) {
        cbCycleChange(form, i);
        EXPECT_EQ(form.poll.timerInterval, (i + 1) * 100);
    }
    cbHEXorBINChange(form, 1);
    EXPECT_TRUE(form.binaryView);
    EXPECT_EQ(form.StringGrid2.Cell(1, 1), "7000") << "cell texts change at the next tick";
    cbHEXorBINChange(form, 0);
    EXPECT_FALSE(form.binaryView);
}

TEST_F(RegisterMonitorRules, Rs485NodeAddressInTheSioTest) {
    session.program.GwSlaveAddress = 0xD0;
    session.image.Word(NTYP) = 0xF485;
    session.image.Word(DADR) = 0x0021;
    Create(false);
    EXPECT_EQ(RegMoniterSlave(session, form), 0xD0) << "monitor mode keeps the gateway's address";
    Create(true);
    EXPECT_EQ(RegMoniterSlave(session, form), 0x21);
    session.image.Word(NTYP) = 0x0085;
    EXPECT_EQ(RegMoniterSlave(session, form), 0xD0);
}

}  // namespace
