#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/params/layout/MainFormLayout.h"

namespace {

struct SLaidOut {
    ParameterImage image;
    SMainFormState form;
    SProgramValues program;
    SLaidOut(GwType type, int unitAxes = 0, bool extended = false) {
        program.SelectedGwType = type;
        program.Comm.ToolFlags = TOOLFLAG_VALID | (extended ? TOOLFLAG_EXTENDED_MODE : 0u);
        LayoutMainForm(form, image, program, unitAxes);
    }
};

const std::vector<GwType> allTypes = {GW_KAVELIS, GW_VOSK, GW_DRAVO, GW_NUB3GW, GW_VOSK_ML3, GW_VOSK_LC};

std::vector<std::string> MenuCaptions(const SMainFormState& form) {
    std::vector<std::string> captions;
    for (const auto& entry : MainMenuOrder) captions.push_back((form.*entry.item).caption);
    return captions;
}

TEST(LayoutMenus, CaptionsInMenuOrder) {
    // clang-format off
    const std::vector<std::string> expected = {
        "&File", "&New file", "&Open...", "&Save", "Compare with &unit...", "Compare with &file...", "E&xit",
        "&Setting", "&Specialty Parameter", "Port &Config", "TimeSetting(&T)", "Unit No.(&U)",
        "EtherNet/IP Setting(&I)", "Driver Monitor Parameter Setting(&D)", "Check co&nnection...", "&Monitor",
        "&I/O data", "&All axis I/O", "&Diagnostic Information", "&RS485SIO TEST", "AlarmList(&L)",
        "Hardware Monitor(&H)", "Traffic Monitor", "&Help", "corresponding PIO &Pattern"};
    for (const GwType type : allTypes) {
        SLaidOut w(type);
        auto want = expected;
        if (type == GW_VOSK) want.back() = "corresponding Operation &Pattern";
        EXPECT_EQ(MenuCaptions(w.form), want) << type;
    }
}

TEST(LayoutMenus, MenuTreeOrder) {
    std::vector<std::string> topLevel;
    for (const auto& entry : MainMenuOrder)
        if (entry.parent.empty()) topLevel.emplace_back(entry.name);
    EXPECT_EQ(topLevel, (std::vector<std::string>{"MenuFile1", "MenuSet1", "MenuMoniter1", "MenuHelp1"}));
    // Every item stands under the top-level item before it, and only the groups of newer items that
    // stand apart from the documented ones have a line above them.
    std::string_view parent;
    std::vector<std::string> separated;
    for (const auto& entry : MainMenuOrder) {
        if (entry.parent.empty()) {
            parent = entry.name;
            EXPECT_FALSE(entry.separatorBefore) << entry.name;
            continue;
        }
        EXPECT_EQ(entry.parent, parent) << entry.name;
        if (entry.separatorBefore) separated.emplace_back(entry.name);
    }
    EXPECT_EQ(separated, (std::vector<std::string>{"MenuCompareUnit", "MenuExit1", "MenuTrafficMonitor"}));
}

struct SMenuStateCase {
    GwType type;
    bool extended;
    bool alarmAndTimeVisible;
    bool drvObsrvVisible;
    bool helpVisible;
};

TEST(LayoutMenus, InitialStatesPerType) {
    const std::vector<SMenuStateCase> cases = {
        {GW_KAVELIS, false, false, false, true}, {GW_KAVELIS, true, false, false, true},
        {GW_VOSK, false, true, false, true},     {GW_DRAVO, false, true, false, true},
        {GW_DRAVO, true, true, true, true},      {GW_NUB3GW, true, true, false, true},
        {GW_VOSK_ML3, true, true, false, false}, {GW_VOSK_LC, false, true, false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SLaidOut w(c.type, 0, c.extended);
        const auto& f = w.form;
        SCOPED_TRACE(testing::Message() << c.type << (c.extended ? " extended" : ""));
        EXPECT_EQ(f.MenuAlarmlist.visible, c.alarmAndTimeVisible);
        EXPECT_EQ(f.MenuTimeSetting.visible, c.alarmAndTimeVisible);
        EXPECT_EQ(f.MenuDrvObsrv.visible, c.drvObsrvVisible);
        EXPECT_EQ(f.MenuHelp1.visible, c.helpVisible);
        EXPECT_EQ(f.MenuHelp1.enabled, c.helpVisible);
        for (const MenuItemState* disabled :
             {&f.MenuSpecial1, &f.MenuTimeSetting, &f.MenuUnitNo, &f.MenuEtherIp, &f.MenuDrvObsrv,
              &f.MenuAlarmlist, &f.MenuHardmonitor, &f.MenuMoniter1})
            EXPECT_FALSE(disabled->enabled);
        for (const MenuItemState* hidden :
             {&f.MenuUnitNo, &f.MenuEtherIp, &f.MenuAllIO, &f.MenuRS485SIO1, &f.MenuHardmonitor})
            EXPECT_FALSE(hidden->visible);
        EXPECT_TRUE(f.MenuFile1.enabled && f.MenuRegMoniter1.visible);
    }
}

TEST(LayoutTexts, FixedCaptionsAndCombos) {
    SLaidOut w(GW_VOSK);
    const auto& f = w.form;
    EXPECT_EQ(f.caption, "Parameter Configuration Tool for Orvane GateWay Unit");
    EXPECT_EQ(f.Button1.text, "Port Config");
    EXPECT_EQ(f.Button2.text, "Read");
    EXPECT_EQ(f.Button3.text, "Write");
    EXPECT_EQ(f.lDSZ.text, "Date Size");
    EXPECT_EQ(f.lTBPS.text, "TP Port Baud Rate");
    EXPECT_EQ(f.lblStatAXSFT.text, "Node Address consecutive auto fill: ON");
    EXPECT_EQ(f.lTitleAbccVer.text, "ModuleVer. :");
    EXPECT_EQ(f.Label6.text, "-");
    EXPECT_TRUE(f.Label8.text.empty());
    EXPECT_EQ(f.cbDSZ.items, (std::vector<std::string>{"32byte", "48byte"}));
    EXPECT_EQ(f.cbDSZ.index, 0);
    EXPECT_FALSE(f.cbDSZ.visible);
    EXPECT_EQ(f.cbTBPS.items, (std::vector<std::string>{"9600bps", "19200bps", "38400bps", "57600bps",
                                                        "115200bps", "230400bps"}));
    EXPECT_EQ(f.cbFINX.items.size(), 16u);
    EXPECT_EQ(f.cbFINX.items.back(), "15");
    EXPECT_FALSE(f.cbFINX.visible);
    EXPECT_EQ(f.cbNTYP.items.size(), 12u);
    EXPECT_EQ(SLaidOut(GW_KAVELIS).form.cbNTYP.items.size(), 6u);
}

TEST(LayoutTexts, InfoBoxIsMeasuredOnEveryTextTheRefreshShows) {
    const auto texts = InfoBoxSampleTexts();
    for (const std::string expected :
         {"Out", "Extend Cyclic setting", "Number of 4W modules(Out)", "888 byte", "Ver.2 mode", "octuple",
          "8 nibble", "8 station", "Data size over.", "Remote net"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
}

TEST(LayoutTexts, NetworkFieldAndTpPortByMode) {
    SLaidOut plain(GW_VOSK_LC);
    EXPECT_FALSE(plain.form.cbNTYP.visible);
    EXPECT_TRUE(plain.form.pnlNTYP.visible);
    EXPECT_TRUE(plain.form.cbTBPS.visible);
    SLaidOut extended(GW_VOSK, 0, true);
    EXPECT_TRUE(extended.form.cbNTYP.visible);
    EXPECT_TRUE(extended.form.cbNTYP.enabled);
    EXPECT_FALSE(extended.form.pnlNTYP.visible);
    EXPECT_FALSE(extended.form.cbTBPS.visible);
}

struct SAreaCase {
    GwType type;
    int unitAxes;
    bool ioArea;
    bool servoArea;
    int slotCount;
    std::vector<std::string> titles;    // grid row 0
    std::vector<std::string> w1nItems;  // cbW1N and cbB4N, or ComboBox1 of the servo area
};

TEST(LayoutAxisArea, PerType) {
    // clang-format off
    const std::vector<SAreaCase> cases = {
        {GW_KAVELIS, 0, true, false, 16, {"Axis", "Simple", "Point1", "Full", "Point2", "Sol1", "Sol2"}, {}},
        {GW_VOSK, 0, true, false, 8, {"Axis", "Simple", "Point1", "Full", "Point2", "Point3", "TEV I/O"},
         {"0", "2", "4", "6", "8"}},
        {GW_VOSK, 6, true, false, 6, {"Axis", "Simple", "Point1", "Full", "Point2", "Point3", "TEV I/O"},
         {"0", "2", "4", "6"}},
        {GW_VOSK, 4, true, false, 4, {"Axis", "Simple", "Point1", "Full", "Point2", "Point3", "TEV I/O"},
         {"0", "2", "4"}},
        {GW_NUB3GW, 0, true, false, 4, {"Axis", "Simple", "Point1", "Full", "Point2", "Point3", "RemoteI/O"},
         {"0", "1", "2", "3", "4"}},
        {GW_VOSK_ML3, 6, false, true, 6, {"Axis", "ML-IIIServo"}, {"0", "2", "4", "6"}},
        {GW_VOSK_ML3, 4, false, true, 4, {"Axis", "ML-IIIServo"}, {"0", "2", "4"}},
        {GW_VOSK_ML3, 0, false, true, 8, {"Axis", "ML-IIIServo"}, {"0", "2", "4", "6", "8"}},
        {GW_DRAVO, 0, false, false, 6, {}, {}},
        {GW_VOSK_LC, 4, false, false, 0, {}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SLaidOut w(c.type, c.unitAxes);
        const auto& f = w.form;
        SCOPED_TRACE(testing::Message() << c.type << " axes " << c.unitAxes);
        EXPECT_EQ(w.image.SlotCount, c.slotCount);
        EXPECT_EQ(f.pnlAxisCtrlIO.visible, c.ioArea);
        EXPECT_EQ(f.pnlAxisCtrlSrv.visible, c.servoArea);
        const GridState& grid = c.servoArea ? f.StringGrid2 : f.StringGrid1;
        if (!c.titles.empty()) {
            ASSERT_EQ(grid.colCount, static_cast<int>(c.titles.size()));
            EXPECT_EQ(grid.rowCount, c.slotCount + 1);
            EXPECT_EQ(grid.cells[0], c.titles);
            EXPECT_EQ(grid.Cell(0, 1), "0");
            EXPECT_EQ(grid.Cell(0, c.slotCount), std::to_string(c.slotCount - 1));
        }
        if (c.ioArea && c.type != GW_KAVELIS) {
            EXPECT_EQ(f.cbW1N.items, c.w1nItems);
            EXPECT_EQ(f.cbB4N.items, c.w1nItems);
            EXPECT_TRUE(f.cbW1N.visible && f.cbB4N.visible);
            EXPECT_FALSE(f.cbW4N.visible || f.cbW8N.visible || f.cbW2N.visible);
            EXPECT_FALSE(f.Panel2.visible || f.Panel3.visible || f.Panel11.visible || f.Panel15.visible);
        }
        if (c.type == GW_KAVELIS) {
            EXPECT_TRUE(f.cbW4N.visible && f.cbW8N.visible && f.cbW2N.visible);
            EXPECT_FALSE(f.cbW1N.visible || f.cbB4N.visible || f.pnlStrSize1W.visible);
        }
        if (c.servoArea) {
            EXPECT_EQ(f.ComboBox1.items, c.w1nItems);
        }
        EXPECT_EQ(f.rbFull_Pos.visible, c.type == GW_DRAVO);
    }
}

TEST(LayoutAxisArea, DravoDriveUnits) {
    SLaidOut w(GW_DRAVO);
    ASSERT_EQ(w.form.DriveUnits.size(), 3u);
    const auto& unit1 = w.form.DriveUnits[1];
    EXPECT_EQ(unit1.gbDriveUnit.text, "Drive Unit1(Axis2,Axis3)");
    ASSERT_EQ(unit1.chkRsvAxis.size(), 2u);
    EXPECT_EQ(unit1.chkRsvAxis[1].text, "Axis3 Rsv");
    EXPECT_FALSE(unit1.chkRsvAxis[0].enabled || unit1.chkRsvAxis[0].checked);
    EXPECT_EQ(unit1.rsvHint, "Prease check, when you reserve this axis");
    EXPECT_EQ(unit1.cbAxisCtrl.items, (std::vector<std::string>{"Undefined"}));
    EXPECT_EQ(unit1.cbAxisCtrl.index, 0);
    EXPECT_FALSE(unit1.cbAxisCtrl.enabled);
    EXPECT_EQ(w.form.rbFull_Pos.text, "Direct,Positioner");
    EXPECT_TRUE(w.form.rbFull_Pos.checked);
    EXPECT_FALSE(w.form.rbRemIO.checked);
    EXPECT_EQ(w.image.DravoMode, 1);
    EXPECT_TRUE(w.form.PanelReinitPending);

    SLaidOut odd(GW_DRAVO, 5);
    ASSERT_EQ(odd.form.DriveUnits.size(), 3u);
    EXPECT_EQ(odd.form.DriveUnits[2].gbDriveUnit.text, "Drive Unit2(Axis4)");
    EXPECT_EQ(odd.form.DriveUnits[2].chkRsvAxis.size(), 1u);
}

TEST(LayoutAxisArea, ColumnGroups) {
    const auto kav = ColumnGroupsOf(GW_KAVELIS);
    ASSERT_EQ(kav.size(), 4u);
    EXPECT_EQ(kav[3].name, "pnlStrSize2W");
    EXPECT_EQ(kav[3].firstColumn, 4);
    EXPECT_EQ(kav[3].lastColumn, 6);
    const auto vosk = ColumnGroupsOf(GW_VOSK);
    ASSERT_EQ(vosk.size(), 6u);
    SLaidOut w(GW_VOSK);
    EXPECT_EQ((w.form.*vosk[5].panel).text, "nibble");
    EXPECT_TRUE(ColumnGroupsOf(GW_DRAVO).empty());
}

}  // namespace
