#include <gtest/gtest.h>

#include "core/app/MainWindowPrompts.h"
#include "core/app/PortDialogRules.h"
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
