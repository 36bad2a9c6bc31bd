#include <gtest/gtest.h>

#include "core/app/MainWindowPrompts.h"
#include "core/app/PortDialogRules.h"
#include "core/app/StatusBarWidth.h"
#include "core/app/texts/MsgText.h"
#include "tests/support/ScriptedHost.h"

namespace {

TEST(CloseQueryTest, AskedOnlyWithUntransmittedChanges) {
    ScriptedHost host;
    EXPECT_TRUE(CloseQueryAllowsExit(SMainFlags{}, host));
    EXPECT_TRUE(host.boxes.empty());

    for (int which = 0; which < 3; ++which) {
        SMainFlags flags;
        flags.specialParamsModified = which == 0;
        flags.unitNoModified = which == 1;
        flags.etherIpModified = which == 2;
        ScriptedHost asked;
        asked.answers = {ID_NO, ID_YES};
        EXPECT_FALSE(CloseQueryAllowsExit(flags, asked)) << which;
        EXPECT_TRUE(CloseQueryAllowsExit(flags, asked)) << which;
        EXPECT_FALSE(CloseQueryAllowsExit(flags, asked)) << which;  // Enter: No is the default
        ASSERT_EQ(asked.boxes.size(), 3u);
        EXPECT_EQ(asked.boxes[0].text, MsgText[42]);
        EXPECT_EQ(asked.boxes[0].style, 0x124u);
    }
}

TEST(TransmitPromptTest, NoRemindsThatChangesNeedTransmission) {
    ScriptedHost host;
    host.answers = {ID_YES, ID_NO};
    EXPECT_TRUE(AskTransmitNow(host));
    EXPECT_FALSE(AskTransmitNow(host));
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{std::string(MsgText[40]), std::string(MsgText[40]),
                                                      std::string(MsgText[41])}));
    EXPECT_EQ(host.boxes[0].style, 0x124u);
    EXPECT_EQ(host.boxes[2].style, 0x40u);
}

TEST(PortDialogTest, BusyLinkShowsNothing) {
    SMainFlags flags;
    flags.commBusy = true;
    flags.portOpen = true;
    SGWCommunicate comm;
    bool shown = false;
    const SPortDialogOutcome outcome = RunPortDialog(flags, comm, [&] { shown = true; });
    EXPECT_FALSE(shown);
    EXPECT_FALSE(outcome.dialogShown);
    EXPECT_FALSE(outcome.closePort);
    EXPECT_TRUE(flags.portOpen);
}

TEST(PortDialogTest, OpenPortClosedOnlyWhenPortOrSpeedChanged) {
    const struct {
        bool portOpen;
        int newPort, newBaud;
        bool closePort;
    } cases[] = {
        {true, 3, 4, false},
        {true, 5, 4, true},
        {true, 3, 2, true},
        {false, 5, 2, false},
    };
    for (const auto& c : cases) {
        SMainFlags flags;
        flags.portOpen = c.portOpen;
        SGWCommunicate comm;
        comm.CurrentPortNum = 3;
        comm.CurrentBaudIndex = 4;
        const SPortDialogOutcome outcome = RunPortDialog(flags, comm, [&] {
            comm.CurrentPortNum = static_cast<std::uint16_t>(c.newPort);
            comm.CurrentBaudIndex = static_cast<std::uint16_t>(c.newBaud);
            comm.LastFolder = "/elsewhere/";  // not a port setting
        });
        EXPECT_TRUE(outcome.dialogShown);
        EXPECT_EQ(outcome.closePort, c.closePort) << c.newPort << " " << c.newBaud;
        EXPECT_EQ(flags.portOpen, c.portOpen && !c.closePort);
    }
}

}  // namespace

// The status bar keeps room for the longest port and speed beside the version: V + 59 W, the window's
// client area 28 more, the bar 24 more, and panel 0 all of the bar but the version and a gap of 10.
TEST(StatusBarWidthTest, RoomForPortAndSpeedBesideTheVersion) {
    const struct {
        int version, w;
        SStatusBarWidths expected;
    } cases[] = {
        {30, 7, {443, 471, 467, 427}},
        {0, 1, {59, 87, 83, 73}},
        {56, 14, {882, 910, 906, 840}},
    };
    for (const auto& c : cases) {
        const SStatusBarWidths widths = StatusBarWidthRule(c.version, c.w);
        EXPECT_EQ(widths.needed, c.expected.needed) << c.version;
        EXPECT_EQ(widths.minClientWidth, c.expected.minClientWidth) << c.version;
        EXPECT_EQ(widths.barWidth, c.expected.barWidth) << c.version;
        EXPECT_EQ(widths.portPanelWidth, c.expected.portPanelWidth) << c.version;
    }
}
