#include "core/procedures/ReadParameters.h"

#include <algorithm>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

bool Asked(const ScriptedHost& host, std::string_view text) {
    return std::any_of(host.boxes.begin(), host.boxes.end(), [&](const ShownBox& b) { return b.text == text; });
}

bool Requested(const std::vector<std::pair<int, int>>& exchanges, int function, int reg) {
    return std::find(exchanges.begin(), exchanges.end(), std::make_pair(function, reg)) != exchanges.end();
}

class ReadParametersOnSim : public SessionOnSim, public ::testing::WithParamInterface<GwType> {};

// Every type: the unit's registers end up in the image, the window is unlocked and `commBusy` clear.
TEST_P(ReadParametersOnSim, PutsTheUnitsRegistersIntoTheImage) {
    Start(SimOf(GetParam()));
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);

    for (int i = 0; i < 16; ++i) {
        if (i == DADR) continue;  // may be converted (CC-Link) or normalised
        EXPECT_EQ(session.image.GwConfigBlock[i], UnitRegister(static_cast<std::uint16_t>(0xF100 + i))) << i;
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(session.image.AxisMode[i], UnitRegister(static_cast<std::uint16_t>(0xF110 + i))) << i;
    }
    if (GetParam() != GW_KAVELIS) {
        EXPECT_EQ(session.image.UnitNo, UnitRegister(0xF201));
        EXPECT_EQ(session.image.TopAxisNo, UnitRegister(0xF203));
        EXPECT_EQ(session.image.NetAddress[0], std::uint32_t{UnitRegister(0xF204)} << 16 | UnitRegister(0xF205));
        EXPECT_EQ(session.image.MDRP, std::uint32_t{UnitRegister(0xF20A)} << 16 | UnitRegister(0xF20B));
        EXPECT_EQ(session.image.ExtParam2, UnitRegister(0xF381));
        EXPECT_EQ(session.image.ModuleInfo[1], UnitRegister(0xF181));
        EXPECT_NE(session.image.SlaveIdWord, 0u);
    }
    EXPECT_TRUE(Asked(host, MsgText[2]));
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.form.flags.portOpen);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_TRUE(session.form.MenuMoniter1.enabled);
    EXPECT_TRUE(session.form.MenuSpecial1.enabled);
    EXPECT_EQ(host.progress, 0);
    EXPECT_EQ(session.form.caption, UiText[0]);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ReadParametersOnSim,
                         ::testing::Values(GW_KAVELIS, GW_VOSK, GW_DRAVO, GW_NUB3GW, GW_VOSK_ML3, GW_VOSK_LC));

class ReadParametersCases : public SessionOnSim {};

TEST_F(ReadParametersCases, ProgressAdvancesBy5_30_30_50AndReturnsToZero) {
    Start(SimOf(GW_VOSK));
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    EXPECT_EQ(host.progressSteps, (std::vector<int>{5, 30, 30, 50}));
    EXPECT_EQ(host.progress, 0);
}

TEST_F(ReadParametersCases, CcLinkStationAddressIsConvertedFromBcd) {
    Start(SimOf(GW_VOSK));
    SetUnitRegister(0xF103, 0xFF90);
    SetUnitRegister(0xF107, 0x0012);
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    EXPECT_EQ(session.image.Word(DADR), 12);
}

TEST_F(ReadParametersCases, KavelisVersionDecidesTheOptionalBlocks) {
    Start(SimOf(GW_KAVELIS));
    const struct {
        std::uint16_t gver;
        bool addressBlock;
        bool moduleInfo;
    } cases[] = {{19, true, true}, {18, false, true}, {7, false, false}};
    for (const auto& c : cases) {
        SetUnitRegister(0xF101, c.gver);
        const std::size_t before = RequestLog().size();
        host.answers = {ID_YES};
        ASSERT_EQ(ReadParameters(session), COMM_OK) << c.gver;
        const auto exchanges = ExchangesSince(before);
        EXPECT_EQ(Requested(exchanges, 0x03, 0xF120), c.addressBlock) << c.gver;
        EXPECT_EQ(Requested(exchanges, 0x03, 0xF180), c.moduleInfo) << c.gver;
    }
}

TEST_F(ReadParametersCases, ProfinetIoReadsExactlyOneBlockMore) {
    Start(SimOf(GW_NUB3GW));
    std::size_t before = RequestLog().size();
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    const std::size_t plain = RequestLog().size() - before;

    SetUnitRegister(0xF103, 0x0084);
    before = RequestLog().size();
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    const auto exchanges = ExchangesSince(before);
    EXPECT_EQ(exchanges.size(), plain + 1);
    EXPECT_TRUE(Requested(exchanges, 0x03, 0xFA00));
    EXPECT_EQ(session.image.ProfinetInfo[0],
              std::uint32_t{UnitRegister(0xFA00)} << 16 | UnitRegister(0xFA01));
}

TEST_F(ReadParametersCases, DeclinedConfirmationChangesNothingAndKeepsThePortOpen) {
    Start(SimOf(GW_VOSK));
    session.image.Word(NTYP) = 0x1234;
    host.answers = {ID_NO};
    EXPECT_NE(ReadParameters(session), COMM_OK);
    EXPECT_EQ(session.image.Word(NTYP), 0x1234);
    EXPECT_TRUE(session.form.flags.portOpen);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_TRUE(RequestLog().empty());
}

TEST_F(ReadParametersCases, SilentUnitShowsTheTimeoutAndLeavesTheToolUsable) {
    Start(SimOf(GW_VOSK));
    SSimFaults faults{};
    faults.silent = true;
    SetFaults(faults);
    host.answers = {ID_YES};
    EXPECT_EQ(ReadParameters(session), COMM_FAILED);
    EXPECT_TRUE(Asked(host, CommonMsgText[51]));
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_EQ(host.progress, 0);
}

// A unit in AUTO mode that refuses even the read (exception 06h) is said so: the read does not end as
// if nothing had happened.
TEST_F(ReadParametersCases, UnitAnsweringBusyShowsTheReadFailureWithTheCause) {
    Start(SimOf(GW_VOSK));
    SSimFaults faults{};
    faults.exceptionCode = 0x06;
    SetFaults(faults);
    host.answers = {ID_YES};
    EXPECT_EQ(ReadParameters(session), COMM_BUSY);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[1].text, MsgText[54]);
    EXPECT_NE(host.boxes[1].detail.find("exception 06h"), std::string::npos) << host.boxes[1].detail;
    EXPECT_NE(host.boxes[1].detail.find("MANU"), std::string::npos) << host.boxes[1].detail;
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
}

TEST_F(ReadParametersCases, GarbledReplyShowsReceiveDataErrorAndKeepsWhatArrived) {
    Start(SimOf(GW_VOSK));
    host.answers = {ID_YES};
    host.onPump = [this] {
        // Once the configuration block is in, the unit starts answering for another slave.
        if (session.image.Word(NTYP) != 0) {
            SSimFaults faults{};
            faults.wrongSlave = true;
            SetFaults(faults);
        }
    };
    EXPECT_EQ(ReadParameters(session), COMM_FAILED);
    EXPECT_TRUE(Asked(host, CommonMsgText[58]));
    EXPECT_EQ(session.image.Word(NTYP), UnitRegister(0xF103));
    EXPECT_FALSE(session.image.RecountPending);
    EXPECT_FALSE(session.form.flags.commBusy);
}

// A read reply with a valid CRC whose byte count or register count does not fit the request is
// refused: the block keeps its old contents instead of taking the CRC or missing bytes as values.
TEST_F(ReadParametersCases, ReplyThatDoesNotFitTheRequestIsRefusedAndChangesNoBlock) {
    const struct {
        bool wrongByteCount;
        int dropRegisters;
    } cases[] = {{true, 0}, {false, 1}, {false, 15}, {true, 1}};
    for (const auto& c : cases) {
        host.boxes.clear();
        Start(SimOf(GW_VOSK));
        session.image.GwConfigBlock.fill(0x5A5A);
        SSimFaults fault{};
        fault.wrongByteCount = c.wrongByteCount;
        fault.dropRegisters = c.dropRegisters;
        SetFaults(fault);
        host.answers = {ID_YES};
        EXPECT_EQ(ReadParameters(session), COMM_FAILED) << c.dropRegisters;
        EXPECT_TRUE(Asked(host, CommonMsgText[58])) << c.dropRegisters;
        EXPECT_EQ(session.image.Word(NTYP), 0x5A5A) << c.dropRegisters;
        EXPECT_EQ(session.image.Word(W8N), 0x5A5A) << c.dropRegisters;
        EXPECT_FALSE(session.image.RecountPending);
        EXPECT_FALSE(session.form.flags.commBusy);
        EXPECT_TRUE(session.windowEnabled);
    }
}

TEST_F(ReadParametersCases, PortThatCannotBeOpenedShowsThePortError) {
    Start(SimOf(GW_VOSK));
    session.link.SetPortOverrides({{SESSION_SIM_COM, "/nonexistent/tty"}});
    EXPECT_EQ(ReadParameters(session), COMM_OPEN_FAILED);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, CommonMsgText[50]);
    EXPECT_EQ(host.boxes[0].detail, "Device: /nonexistent/tty\nNo such device");
    EXPECT_FALSE(session.form.flags.portOpen);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
}

TEST_F(ReadParametersCases, AnotherExchangeRunningRefusesAndLeavesCommBusySet) {
    Start(SimOf(GW_VOSK));
    session.form.flags.commBusy = true;
    EXPECT_EQ(ReadParameters(session), READ_REFUSED_BUSY);
    EXPECT_TRUE(session.form.flags.commBusy);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(session.windowEnabled);
}

}  // namespace
