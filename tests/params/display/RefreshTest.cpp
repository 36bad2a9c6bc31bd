#include <gtest/gtest.h>

#include <vector>

#include "core/params/image/NetworkTypeTable.h"
#include "tests/params/display/Fixture.h"

namespace {

TEST(RefreshSteps, ProgressStatusBarAndVersions) {
    SDisplayFixture w(GW_VOSK);
    w.host.progress = 50;
    w.program.Comm.CurrentPortNum = 3;
    w.program.Comm.CurrentBaudIndex = 4;
    w.image.ModuleInfo[1] = 0x0203;
    w.image.Word(GVER) = 0x0012;
    w.Refresh();
    EXPECT_EQ(w.host.progress, 0);
    EXPECT_EQ(w.form.StatusBar1[0].text, "Baudrate(bps):115200   Port:COM3");
    EXPECT_TRUE(w.form.lAbccVer.visible && w.form.lTitleAbccVer.visible);
    EXPECT_EQ(w.form.lAbccVer.text, "2.03");
    EXPECT_EQ(w.form.lGver.text, "0012");

    w.image.ModuleInfo[1] = 0;
    w.image.Word(GVER) = 0;
    w.program.Comm.CurrentPortNum = 0;
    w.form.StatusBar1[0].text = "kept";
    w.Refresh();
    EXPECT_FALSE(w.form.lAbccVer.visible || w.form.lTitleAbccVer.visible);
    EXPECT_TRUE(w.form.lGver.text.empty());
    EXPECT_EQ(w.form.StatusBar1[0].text, "kept");
}

TEST(RefreshSteps, BaudIndexOutsideTheTableShowsTheFirstSpeed) {
    SDisplayFixture w(GW_KAVELIS);
    w.program.Comm.CurrentPortNum = 1;
    w.program.Comm.CurrentBaudIndex = 9;
    w.Refresh();
    EXPECT_EQ(w.form.StatusBar1[0].text, "Baudrate(bps):9600   Port:COM1");
}

TEST(RefreshSteps, TpPortSpeedPositions) {
    const std::vector<std::pair<std::uint16_t, int>> cases = {{4, 0},  {5, 1},   {6, 2},   {19, 3},
                                                              {20, 4}, {21, 5},  {0, 0},   {99, 0},
                                                              {7, -1}, {17, -1}, {18, -1}, {256, -1}};
    for (const auto& [code, position] : cases) {
        SDisplayFixture w(GW_VOSK_LC);
        w.image.Word(TBPS) = code;
        w.Refresh();
        EXPECT_EQ(w.form.cbTBPS.index, position) << code;
    }
}

struct SMenuCase {
    std::uint16_t ntyp;
    bool extended;
    bool etherIpShown;
};

TEST(RefreshSteps, EtherIpMenuAndMonitorMenu) {
    const std::vector<SMenuCase> cases = {{NTYP_ETHERNET_IP, false, true},
                                          {NTYP_PROFINET_IO, false, false},
                                          {NTYP_PROFINET_IO, true, true},
                                          {NTYP_DEVICENET, true, false}};
    for (const auto& c : cases) {
        SDisplayFixture w(GW_VOSK, 0, c.extended);
        w.image.Word(NTYP) = c.ntyp;
        w.form.flags.etherIpModified = true;
        w.Refresh();
        EXPECT_EQ(w.form.MenuEtherIp.visible, c.etherIpShown) << c.ntyp;
        EXPECT_EQ(w.form.MenuEtherIp.enabled, c.etherIpShown) << c.ntyp;
        EXPECT_TRUE(w.form.flags.etherIpModified) << "addresses not yet in effect stay marked";
        EXPECT_EQ(w.form.MenuMoniter1.enabled, c.extended);
    }
}

TEST(RefreshSteps, SlotCountComboGreyOnPioAndServoNetworks) {
    for (const auto& [ntyp, grey] : std::vector<std::pair<std::uint16_t, bool>>{
             {NTYP_PIO, true}, {NTYP_MECHATROLINK3, true}, {NTYP_DEVICENET, false}}) {
        SDisplayFixture w(GW_VOSK);
        w.image.Word(NTYP) = ntyp;
        w.Refresh();
        EXPECT_EQ(w.form.cbW1N.grey, grey) << ntyp;
        if (grey) {
            EXPECT_FALSE(w.form.cbW1N.enabled);
        }
    }
}

TEST(RefreshSteps, MirrorFollowsTheAxisWords) {
    SDisplayFixture w(GW_NUB3GW);
    w.Slots({0x0001, 0x0031});
    w.image.Word(W4N) = 2;
    w.image.RecountPending = true;
    w.image.AxisModeMirror.fill(0x1234);
    w.Refresh();
    const std::array<std::uint16_t, 8> expected = {0x0001, 0x0031, 0xFFFF, 0xFFFF,
                                                   0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    EXPECT_EQ(w.image.AxisModeMirror, expected);
}

TEST(RefreshEdgeCases, VoskTevUnitShowsCombosAndDashes) {
    SDisplayFixture w(GW_VOSK);
    w.Slots({0x0030, 0x0030, 0x0030, 0x0030});
    w.image.Word(NTYP) = NTYP_DEVICENET;
    w.image.Word(W4N) = 4;
    w.image.RecountPending = true;
    w.Refresh();
    EXPECT_EQ(w.form.cbW1N.index, 0);
    EXPECT_FALSE(w.form.cbW1N.enabled);
    EXPECT_EQ(w.form.cbB4N.index, 2);
    for (int row = 5; row <= 8; ++row) EXPECT_EQ(w.form.StringGrid1.Cell(6, row), "-");
    EXPECT_EQ(w.form.StringGrid1.Cell(6, 1), "*");
    EXPECT_EQ(w.image.OutBytes, 2);
    EXPECT_EQ(w.form.Label12.text, "18 byte");
}

TEST(RefreshEdgeCases, KavelisFullPairMovesBehindTheGroup) {
    SDisplayFixture w(GW_KAVELIS);
    w.Slots({0x0003, 0x0004});
    w.image.Word(NTYP) = NTYP_DEVICENET;
    w.image.Word(W4N) = 2;
    w.image.Word(W8N) = 1;
    w.image.Word(FINX) = 3;
    w.Refresh();
    std::array<std::uint16_t, 16> expected{};
    expected.fill(AXIS_NO_SLOT);
    expected[0] = expected[1] = AXIS_EMPTY_4W;
    expected[2] = 0x0003;
    expected[3] = 0x0004;
    EXPECT_EQ(w.image.AxisMode, expected);
    EXPECT_EQ(w.form.StringGrid1.Cell(3, 3), "*");
    EXPECT_EQ(w.form.Label12.text, "48 byte");
}

TEST(RefreshDravo, PanelsRedrawnAndResetReportedOnce) {
    SDisplayFixture w(GW_DRAVO);
    int panelRedraws = 0;
    w.hooks.refreshDravoPanels = [&](SMainFormState& form, const ParameterImage&) {
        ++panelRedraws;
        form.PanelReinitPending = false;
    };
    w.hooks.dravoUnitRulesHold = [](const ParameterImage& image) { return image.AxisMode[0] != 0x0042; };
    w.Slots({0x0042, 0x0042});
    w.image.Word(W4N) = 2;
    w.image.RecountPending = true;
    w.Refresh();
    w.Refresh();
    EXPECT_EQ(panelRedraws, 2);
    ASSERT_EQ(w.host.boxes.size(), 1u);
    EXPECT_EQ(w.host.boxes[0].style, MB_ICON_WARNING);
    EXPECT_EQ(w.image.AxisCount, 0);
    EXPECT_EQ(w.image.DravoMode, 1);
    EXPECT_EQ(w.image.AxisMode[0], AXIS_NO_SLOT);
}

TEST(RefreshDravo, AcceptedUnitsKeepTheirWordsAndMode) {
    SDisplayFixture w(GW_DRAVO);
    w.hooks.dravoUnitRulesHold = [](const ParameterImage&) { return true; };
    w.Slots({0x0031, 0x8031, 0x0031, 0x0031, 0x0001});
    w.image.Word(W4N) = 4;
    w.image.Word(NTYP) = NTYP_DEVICENET;
    w.image.RecountPending = true;
    w.Refresh();
    EXPECT_EQ(w.image.DravoMode, 2);
    EXPECT_EQ(w.image.AxisCount, 4);
    EXPECT_EQ(w.image.AxisMode[1], 0x8031);
    EXPECT_EQ(w.image.AxisMode[4], AXIS_NO_SLOT);
    EXPECT_EQ(w.image.OutBytes, 8);
    EXPECT_TRUE(w.host.boxes.empty());
    EXPECT_FALSE(w.image.RecountPending);
}

}  // namespace
