#include <gtest/gtest.h>

#include "core/app/MonitorMenuRules.h"
#include "core/app/texts/CommonMsgText.h"
#include "tests/support/ScriptedHost.h"

namespace {

struct SMenu {
    MenuItemState reg, sio, allIo, errTc, alarm, hard;
    SMonitorMenuItems Items() { return {reg, sio, allIo, errTc, alarm, hard}; }
    std::vector<bool> Visible() const {
        return {reg.visible, sio.visible, allIo.visible, errTc.visible, alarm.visible, hard.visible};
    }
};

// Visibility starting from a menu whose items are all hidden except those the rule leaves alone.
TEST(MonitorMenuRulesTest, VisibilityPerTypeAndMode) {
    const struct {
        GwType type;
        bool extended;
        std::vector<bool> visible;  // reg, sio, allIo, errTc, alarm, hard
    } cases[] = {
        {GW_KAVELIS, false, {true, false, false, false, false, false}},
        {GW_KAVELIS, true, {true, true, true, false, false, false}},
        {GW_VOSK, true, {true, true, false, false, false, true}},
        {GW_VOSK_ML3, true, {false, false, false, false, false, true}},
        {GW_VOSK_LC, false, {true, false, false, false, false, false}},
        {GW_DRAVO, true, {true, true, false, false, false, false}},
        {GW_NUB3GW, true, {true, true, false, false, false, false}},
    };
    for (const auto& c : cases) {
        SMenu menu;
        for (MenuItemState* item :
             {&menu.reg, &menu.sio, &menu.allIo, &menu.errTc, &menu.alarm, &menu.hard}) {
            item->visible = false;
        }
        ApplyMonitorMenuOpeningRule(menu.Items(), c.type, c.extended, 20);
        EXPECT_EQ(menu.Visible(), c.visible) << c.type << " extended " << c.extended;
    }
}

TEST(MonitorMenuRulesTest, KavelisHidesAlarmListAndHardwareMonitor) {
    SMenu menu;
    ApplyMonitorMenuOpeningRule(menu.Items(), GW_KAVELIS, true, 20);
    EXPECT_FALSE(menu.alarm.visible);
    EXPECT_FALSE(menu.hard.visible);
    SMenu dravo;
    ApplyMonitorMenuOpeningRule(dravo.Items(), GW_DRAVO, false, 0);
    EXPECT_TRUE(dravo.alarm.visible);
    EXPECT_TRUE(dravo.hard.visible);
}

TEST(MonitorMenuRulesTest, KavelisFirmwareGatesMonitors) {
    const struct {
        GwType type;
        unsigned gver;
        bool regEnabled, errTcEnabled;
    } cases[] = {
        {GW_KAVELIS, 8, false, false}, {GW_KAVELIS, 9, true, false}, {GW_KAVELIS, 11, true, false},
        {GW_KAVELIS, 12, true, true},  {GW_VOSK, 0, true, true},
    };
    for (const auto& c : cases) {
        SMenu menu;
        ApplyMonitorMenuOpeningRule(menu.Items(), c.type, false, c.gver);
        EXPECT_EQ(menu.reg.enabled, c.regEnabled) << c.type << " GVER " << c.gver;
        EXPECT_EQ(menu.errTc.enabled, c.errTcEnabled) << c.type << " GVER " << c.gver;
    }
}

TEST(MonitorMenuRulesTest, PortOpenedOnceAndFailureReported) {
    ScriptedHost host;
    SMainFlags flags;
    int opens = 0;
    int result = 768;
    const auto open = [&] {
        ++opens;
        return result;
    };
    OpenPortForMonitorMenu(flags, open, host);
    EXPECT_FALSE(flags.portOpen);
    EXPECT_FALSE(flags.commBusy);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, CommonMsgText[50]);
    EXPECT_EQ(host.boxes[0].style, 0x10u);

    result = 0;
    OpenPortForMonitorMenu(flags, open, host);
    EXPECT_TRUE(flags.portOpen);
    OpenPortForMonitorMenu(flags, open, host);  // already open: not opened again
    EXPECT_EQ(opens, 2);

    flags.portOpen = false;
    flags.commBusy = true;
    OpenPortForMonitorMenu(flags, open, host);
    EXPECT_EQ(opens, 2);
    EXPECT_TRUE(flags.commBusy);
    EXPECT_EQ(host.boxes.size(), 1u);
}

}  // namespace
