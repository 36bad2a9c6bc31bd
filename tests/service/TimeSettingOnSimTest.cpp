#include <gtest/gtest.h>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "core/service/TimeSetting.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

constexpr std::int64_t FEB_29_2012_AT_10 = 383824800;  // 2012-02-29 10:00:00

class TimeSettingOnSim : public SessionOnSim {
protected:
    // The dialog as the window creates it: texts, lists and the link set-up.
    CTimeSetting& Open(std::int64_t pcSeconds) {
        dialog.emplace(session, pcSeconds);
        dialog->SetUpLink();
        host.boxes.clear();
        return *dialog;
    }
    std::uint32_t UnitClock() { return std::uint32_t{UnitRegister(0xF172)} << 16 | UnitRegister(0xF173); }
    // The seconds of the last set-clock request the unit received, or -1.
    std::int64_t LastSentSeconds() {
        const auto log = RequestLog();
        for (auto it = log.rbegin(); it != log.rend(); ++it) {
            const auto& f = *it;
            if (f.size() == 10 && f[1] == 0x45 && f[3] == 0x18) return std::int64_t{GetBE32(&f[4])};
        }
        return -1;
    }
    static std::uint32_t GetBE32(const std::uint8_t* p) {
        return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
    }
    void ExpectButtonsUsable() {
        EXPECT_TRUE(dialog->bConfirm.enabled);
        EXPECT_TRUE(dialog->bTransmission.enabled);
        EXPECT_FALSE(session.form.flags.commBusy);
    }

    std::optional<CTimeSetting> dialog;
};

TEST_F(TimeSettingOnSim, CreationOpensThePortAndBringsTheUnitToTheConfiguredSpeed) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(FEB_29_2012_AT_10);
    EXPECT_TRUE(session.form.flags.portOpen);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.LineBps(); }), 115200);
    EXPECT_TRUE(d.rbSynqPC.checked);
    EXPECT_FALSE(d.cbYear.enabled);
    EXPECT_TRUE(d.cbYear.grey);
    EXPECT_EQ(d.Panel1.text, "2012-02-29 10:00:00");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(TimeSettingOnSim, CreationSkipsTheSet_upWhileAnotherExchangeRuns) {
    Start(SimOf(GW_VOSK));
    session.form.flags.commBusy = true;
    CTimeSetting d(session, 0);
    d.SetUpLink();
    EXPECT_FALSE(session.form.flags.portOpen);
    EXPECT_TRUE(RequestLog().empty());
}

TEST_F(TimeSettingOnSim, PortThatCannotBeOpenedIsReportedAndTheDialogStaysUsable) {
    Start(SimOf(GW_VOSK));
    session.link.SetPortOverrides({{SESSION_SIM_COM, "/nonexistent/gw-port"}});
    CTimeSetting d(session, 0);
    d.SetUpLink();
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(CommonMsgText[50])});
    EXPECT_EQ(host.boxes[0].detail, "Device: /nonexistent/gw-port\nNo such device");
    EXPECT_FALSE(session.form.flags.portOpen);
    EXPECT_FALSE(session.form.flags.commBusy);
}

TEST_F(TimeSettingOnSim, ManualTimeIsSetAndConfirmReadsItBack) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(FEB_29_2012_AT_10 + 3600 + 120 + 3);
    d.rbManualSettingClick();
    EXPECT_TRUE(d.panel1Grey);
    EXPECT_TRUE(d.cbYear.enabled);
    EXPECT_EQ(d.cbYear.Selected(), "2012");
    EXPECT_EQ(d.cbMonth.Selected(), "2");
    EXPECT_EQ(d.cbDay.Selected(), "29");
    EXPECT_EQ(d.cbHour.Selected(), "11");
    EXPECT_EQ(d.cbMinute.Selected(), "2");
    EXPECT_EQ(d.cbSecond.Selected(), "3");
    d.ListChange(d.cbYear, 0);  // 2010
    d.ListChange(d.cbMonth, 0);
    d.ListChange(d.cbDay, 0);
    d.ListChange(d.cbHour, 0);
    d.ListChange(d.cbMinute, 0);
    d.ListChange(d.cbSecond, 0);

    d.bTransmissionClick();
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(MsgText[50])});
    EXPECT_EQ(LastSentSeconds(), 315619200);
    EXPECT_GE(UnitClock(), 315619200u);
    EXPECT_LE(UnitClock(), 315619200u + 30) << "the unit's clock runs on from the value sent";
    ExpectButtonsUsable();

    host.boxes.clear();
    d.bConfirmClick();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text.substr(0, 10), "2010-01-01") << "the clock as set, running on";
    EXPECT_EQ(host.boxes[0].style & MB_ICON_MASK, MB_ICON_INFORMATION);
    ExpectButtonsUsable();
}

TEST_F(TimeSettingOnSim, PcTimeSendsTheRunningCountNotAFreshReading) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(FEB_29_2012_AT_10);
    for (int tick = 0; tick < 600; ++tick) d.Timer1Timer();
    EXPECT_EQ(d.Panel1.text, "2012-02-29 10:10:00");
    d.bTransmissionClick();
    EXPECT_EQ(LastSentSeconds(), FEB_29_2012_AT_10 + 600);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(MsgText[50])});

    // Back from Manual to PC-Time: the lists lock again and the running count is sent.
    d.rbManualSettingClick();
    d.rbSynqPCClick();
    EXPECT_FALSE(d.cbDay.enabled);
    EXPECT_FALSE(d.panel1Grey);
    d.Timer1Timer();
    d.bTransmissionClick();
    EXPECT_EQ(LastSentSeconds(), FEB_29_2012_AT_10 + 601);
}

struct SRefusedManual {
    const char* name;
    int year, month, day;
    int msg;
};

TEST_F(TimeSettingOnSim, ManualDatesTheCalendarDoesNotHaveAreRefusedBeforeSending) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(FEB_29_2012_AT_10);
    d.rbManualSettingClick();
    const SRefusedManual cases[] = {{"2013-02-29", 2013, 2, 29, 49}, {"2013-04-31", 2013, 4, 31, 49}};
    const std::size_t requestsBefore = RequestLog().size();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.boxes.clear();
        d.ListChange(d.cbYear, c.year - 2010);
        d.ListChange(d.cbMonth, c.month - 1);
        d.ListChange(d.cbDay, c.day - 1);
        d.bTransmissionClick();
        EXPECT_EQ(host.Texts(), std::vector<std::string>{"Day Error   \r\n"});
        EXPECT_EQ(host.boxes[0].style & MB_ICON_MASK, MB_ICON_ERROR);
        ExpectButtonsUsable();
    }
    EXPECT_EQ(RequestLog().size(), requestsBefore) << "nothing was sent";
}

// A PC clock before 2010 has no entry in the year list: the list shows none, and Write sends nothing
// rather than a value from an empty list.
TEST_F(TimeSettingOnSim, PcYearOutsideTheListLeavesTheYearEmptyAndWriteRefuses) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(5 * 365 * 86400);  // 2004-12-31
    d.rbManualSettingClick();
    EXPECT_EQ(d.cbYear.index, -1);
    EXPECT_EQ(d.cbMonth.Selected(), "12");
    const std::size_t requestsBefore = RequestLog().size();
    d.bTransmissionClick();
    EXPECT_EQ(host.Texts(), std::vector<std::string>{std::string(MsgText[48])});
    EXPECT_EQ(RequestLog().size(), requestsBefore);
    ExpectButtonsUsable();
}

TEST_F(TimeSettingOnSim, UnitAnswersAreShownByTheirStatus) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(FEB_29_2012_AT_10);

    // AUTO mode: the MANU warning, and the unit's clock keeps its own time.
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    const std::uint32_t before = UnitClock();
    d.bTransmissionClick();
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"Limitation TimeSetting\r\nConfirm MANU mode."});
    EXPECT_EQ(host.boxes[0].style & MB_ICON_MASK, MB_ICON_WARNING);
    EXPECT_LE(UnitClock() - before, 30u);
    EXPECT_GT(std::int64_t{UnitClock()}, FEB_29_2012_AT_10 + 86400) << "the clock was not set";
    ExpectButtonsUsable();

    // A count beyond 2099 in MANU mode: the unit refuses the value.
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, false); });
    host.boxes.clear();
    d.pcSeconds = GATEWAY_TIME_MAX + std::int64_t{1};
    d.bTransmissionClick();
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"TimeData Error"});
    ExpectButtonsUsable();
}

TEST_F(TimeSettingOnSim, SilentUnitGivesTheFailureMessagesAndLeavesTheDialogUsable) {
    Start(SimOf(GW_VOSK));
    CTimeSetting& d = Open(FEB_29_2012_AT_10);
    SSimFaults faults;
    faults.silent = true;
    SetFaults(faults);

    d.bTransmissionClick();
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, MsgText[51]);
    ExpectButtonsUsable();

    host.boxes.clear();
    d.bConfirmClick();
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, MsgText[52]);
    ExpectButtonsUsable();
}

}  // namespace
