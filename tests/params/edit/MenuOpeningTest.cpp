#include <gtest/gtest.h>

#include <vector>

#include "core/params/edit/MenuOpening.h"
#include "core/params/layout/MainFormLayout.h"
#include "tests/support/ScriptedHost.h"

namespace {

struct SWindow {
    ParameterImage image;
    SMainFormState form;
    SProgramValues program;
    ScriptedHost host;
    std::vector<std::pair<int, int>> opens;
    int openResult = 0;
    SMenuOpeningHooks hooks;

    SWindow(GwType type, bool extended, std::uint16_t gver = 0) {
        program.SelectedGwType = type;
        program.Comm.ToolFlags = TOOLFLAG_VALID | (extended ? TOOLFLAG_EXTENDED_MODE : 0u);
        program.Comm.CurrentPortNum = 4;
        program.Comm.CurrentBaudIndex = 2;
        LayoutMainForm(form, image, program, 0);
        image.Word(GVER) = gver;
        hooks.openPort = [this](int port, int baud) {
            opens.emplace_back(port, baud);
            return openResult;
        };
    }
};

struct SMonitorCase {
    GwType type;
    bool extended;
    std::uint16_t gver;
    bool regVisible;
    bool regEnabled;
    bool errTcEnabled;
    bool alarmVisible;
    bool hardVisible;
    bool rs485Visible;
    bool allIoVisible;
};

TEST(MonitorMenuOpening, ItemsPerTypeModeAndFirmware) {
    // clang-format off
    const std::vector<SMonitorCase> cases = {
        {GW_KAVELIS, false, 8, true, false, false, false, false, false, false},
        {GW_KAVELIS, false, 9, true, true, false, false, false, false, false},
        {GW_KAVELIS, false, 12, true, true, true, false, false, false, false},
        {GW_KAVELIS, true, 12, true, true, true, false, false, true, true},
        {GW_VOSK, false, 0, true, true, true, true, false, false, false},
        {GW_VOSK, true, 0, true, true, true, true, true, true, false},
        {GW_VOSK_ML3, true, 0, false, true, true, true, true, false, false},
        {GW_VOSK_LC, true, 0, true, true, true, true, true, true, false},
        {GW_NUB3GW, true, 0, true, true, true, true, false, true, false},
        {GW_DRAVO, false, 0, true, true, true, true, false, false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SWindow w(c.type, c.extended, c.gver);
        // Without ExtendedMode the extra items are hidden again whatever they showed before.
        if (!c.extended) w.form.MenuAllIO.visible = w.form.MenuRS485SIO1.visible = true;
        OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
        const auto& f = w.form;
        SCOPED_TRACE(testing::Message() << c.type << (c.extended ? " extended" : "") << " gver " << c.gver);
        EXPECT_EQ(f.MenuRegMoniter1.visible, c.regVisible);
        EXPECT_EQ(f.MenuRegMoniter1.enabled, c.regEnabled);
        EXPECT_EQ(f.MenuErrTC_Moniter1.enabled, c.errTcEnabled);
        EXPECT_EQ(f.MenuAlarmlist.visible, c.alarmVisible);
        EXPECT_EQ(f.MenuHardmonitor.visible, c.hardVisible);
        EXPECT_EQ(f.MenuRS485SIO1.visible, c.rs485Visible);
        EXPECT_EQ(f.MenuAllIO.visible, c.allIoVisible);
    }
}

TEST(MonitorMenuOpening, ExtendedModeOpensThePortOnce) {
    SWindow w(GW_VOSK, true);
    OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
    ASSERT_EQ(w.opens.size(), 1u);
    EXPECT_EQ(w.opens[0], std::make_pair(4, 2));
    EXPECT_TRUE(w.form.flags.portOpen);
    EXPECT_FALSE(w.form.flags.commBusy);
    OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
    EXPECT_EQ(w.opens.size(), 1u);
    EXPECT_TRUE(w.host.boxes.empty());
}

TEST(MonitorMenuOpening, PortFailureIsReportedAndTheMenuStillOpens) {
    SWindow w(GW_NUB3GW, true);
    w.openResult = 768;
    OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
    ASSERT_EQ(w.host.boxes.size(), 1u);
    EXPECT_EQ(w.host.boxes[0].text, "Communication port open error");
    EXPECT_EQ(w.host.boxes[0].style, MB_ICON_ERROR);
    EXPECT_FALSE(w.form.flags.portOpen);
    EXPECT_FALSE(w.form.flags.commBusy);
    EXPECT_TRUE(w.form.MenuRS485SIO1.visible);
}

TEST(MonitorMenuOpening, NoPortWhileBusyOrWithoutExtendedMode) {
    SWindow busy(GW_VOSK, true);
    busy.form.flags.commBusy = true;
    OnMonitorMenuOpening(busy.form, busy.image, busy.program, busy.host, busy.hooks);
    EXPECT_TRUE(busy.opens.empty());
    EXPECT_TRUE(busy.form.flags.commBusy);

    SWindow plain(GW_VOSK, false);
    OnMonitorMenuOpening(plain.form, plain.image, plain.program, plain.host, plain.hooks);
    EXPECT_TRUE(plain.opens.empty());
}

TEST(MenuOpening, RejectedAddressStopsTheRules) {
    SWindow w(GW_KAVELIS, true, 20);
    int commits = 0;
    bool reject = true;
    w.hooks.commitAddressField = [&] {
        ++commits;
        return reject;
    };
    w.form.edDADRHasFocus = true;
    OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
    EXPECT_EQ(commits, 1);
    EXPECT_TRUE(w.opens.empty());
    EXPECT_FALSE(w.form.MenuAllIO.visible);

    reject = false;
    OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
    EXPECT_EQ(commits, 2);
    EXPECT_TRUE(w.form.MenuAllIO.visible);

    w.form.edDADRHasFocus = false;
    OnMonitorMenuOpening(w.form, w.image, w.program, w.host, w.hooks);
    EXPECT_EQ(commits, 2);
}

TEST(HelpMenuOpening, PatternItemNeedsATypeOptionBit) {
    for (const auto& [type, enabled] : std::vector<std::pair<GwType, bool>>{{GW_KAVELIS, true},
                                                                            {GW_VOSK, true},
                                                                            {GW_NUB3GW, true},
                                                                            {GW_DRAVO, true},
                                                                            {GW_VOSK_ML3, false},
                                                                            {GW_VOSK_LC, false}}) {
        SWindow w(type, false);
        OnHelpMenuOpening(w.form, w.program, w.hooks);
        EXPECT_EQ(w.form.MenuPIO1.enabled, enabled) << type;
    }
    SWindow rejected(GW_VOSK_LC, false);
    rejected.form.edDADRHasFocus = true;
    rejected.hooks.commitAddressField = [] { return true; };
    OnHelpMenuOpening(rejected.form, rejected.program, rejected.hooks);
    EXPECT_TRUE(rejected.form.MenuPIO1.enabled);
}

}  // namespace
