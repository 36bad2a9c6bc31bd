#include <algorithm>
#include <chrono>

#include "core/app/MainWindowPrompts.h"
#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/ToolQuestionText.h"
#include "core/link/CommResult.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/WriteFailureMessages.h"
#include "core/procedures/WriteParameters.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

constexpr int RESTART_DECLINED = ID_NO;

int CountBoxes(const ScriptedHost& host, std::string_view text) {
    return static_cast<int>(
        std::count_if(host.boxes.begin(), host.boxes.end(), [&](const ShownBox& b) { return b.text == text; }));
}

class WriteOnSim : public SessionOnSim {
protected:
    // Reads the unit so that the window holds a complete, consistent parameter set.
    void StartAndRead(const SSimConfig& config) {
        Start(config);
        host.answers = {ID_YES};
        ASSERT_EQ(ReadParameters(session), COMM_OK);
        host.boxes.clear();
        host.progressSteps.clear();
    }
    // Changes the image, then lets the window show it, as an edit would.
    void Show() { session.Refresh(); }
    // The write's code; the whole result stays in `last`.
    int Write(std::deque<int> answers) {
        host.answers = std::move(answers);
        last = WriteParameters(session);
        return last.code;
    }
    SWriteResult last;
    std::uint32_t UnitLong(std::uint16_t first) {
        return std::uint32_t{UnitRegister(first)} << 16 | UnitRegister(static_cast<std::uint16_t>(first + 1));
    }
    std::size_t WritesSince(std::size_t first) {
        const auto exchanges = ExchangesSince(first);
        return static_cast<std::size_t>(
            std::count_if(exchanges.begin(), exchanges.end(), [](const auto& e) { return e.first == 0x10; }));
    }
};

class WriteEveryType : public WriteOnSim, public ::testing::WithParamInterface<GwType> {};

// The unit ends up holding exactly the image's blocks in their documented places.
TEST_P(WriteEveryType, UnitHoldsTheWrittenBlocks) {
    const GwType type = GetParam();
    StartAndRead(SimOf(type));
    session.image.Word(TBPS) = 5;
    session.image.Word(GMOD) = static_cast<std::uint16_t>(session.image.Word(GMOD) ^ 0x0001);
    session.image.ExtParam1 = 0x00A5;
    session.image.TopAxisNo = 2;
    session.image.NetAddress = {0xC0A8010Au, 0xFFFF0000u, 0xC0A80101u};
    Show();
    ASSERT_EQ(Write({ID_YES, RESTART_DECLINED}), 0);
    EXPECT_TRUE(last.transmitted);
    EXPECT_FALSE(last.restarted);

    const auto& w = session.image.GwConfigBlock;
    for (int i = NTYP; i <= W8N; ++i) {
        if (i == DADR) continue;
        EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(0xF100 + i)), w[i]) << i;
    }
    EXPECT_EQ(UnitRegister(0xF10E), 5);
    EXPECT_EQ(UnitRegister(0xF10F), w[GMOD]);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(0xF110 + i)), session.image.AxisMode[i]) << i;
    }
    if (type == GW_KAVELIS) {
        EXPECT_EQ(UnitLong(0xF120), 0xC0A8010Au);
        EXPECT_EQ(UnitLong(0xF124), 0xC0A80101u);
    } else {
        EXPECT_EQ(UnitRegister(0xF380), 0x00A5);
        EXPECT_EQ(UnitLong(0xF200), session.image.UnitNo);
        EXPECT_EQ(UnitLong(0xF202), 2u);
        EXPECT_EQ(UnitLong(0xF204), 0xC0A8010Au);
        EXPECT_EQ(UnitLong(0xF206), 0xFFFF0000u);
        EXPECT_EQ(UnitLong(0xF208), 0xC0A80101u);
        EXPECT_EQ(UnitLong(0xF20A), session.image.MDRP);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(0xF280 + i)), session.image.AxisMode[i]) << i;
        }
    }
    EXPECT_EQ(CountBoxes(host, MsgText[9]), 1);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_EQ(host.progress, 0);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, WriteEveryType,
                         ::testing::Values(GW_KAVELIS, GW_VOSK, GW_DRAVO, GW_NUB3GW, GW_VOSK_ML3, GW_VOSK_LC));

TEST_F(WriteOnSim, StationAddressGoesOutAsBcdOnlyForCcLink) {
    const struct {
        std::uint16_t ntyp;
        int listIndex;  // cbDADR item of station 25
        std::uint16_t sent;
    } cases[] = {{0xFF90, 24, 0x0025}, {0x0025, 25, 0x0019}};
    for (const auto& c : cases) {
        StartAndRead(SimOf(GW_VOSK));
        SetUnitRegister(0xF103, c.ntyp);
        session.image.Word(NTYP) = c.ntyp;
        Show();
        session.form.cbDADR.index = c.listIndex;
        ASSERT_EQ(Write({ID_YES, RESTART_DECLINED}), 0) << std::hex << c.ntyp;
        EXPECT_EQ(UnitRegister(0xF107), c.sent) << std::hex << c.ntyp;
        EXPECT_EQ(session.image.Word(DADR), 25);
    }
}

TEST_F(WriteOnSim, AutoModeGivesThreeRemindersThenTheUnitRefusesTheFirstWrite) {
    StartAndRead(SimOf(GW_VOSK));
    const std::uint16_t before = UnitRegister(0xF10F);
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    session.image.Word(GMOD) = static_cast<std::uint16_t>(before ^ 0x0001);
    EXPECT_EQ(Write({ID_YES}), WRITE_UNIT_IN_AUTO_MODE);
    EXPECT_EQ(CountBoxes(host, MsgText[43]), 3);
    EXPECT_EQ(CountBoxes(host, MsgText[16]), 1);
    EXPECT_EQ(UnitRegister(0xF10F), before);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
}

TEST_F(WriteOnSim, RestartWithANewUnitNumberMovesTheToolToTheNewAddress) {
    StartAndRead(SimOf(GW_VOSK));
    bool pioShown = false;
    session.showPioPattern = [&] { pioShown = true; };
    session.image.UnitNo = 1;
    session.form.flags.unitNoModified = true;  // the unit number dialog has asked already
    // Restart: yes; the read-back asks its own question: yes.
    ASSERT_EQ(Write({ID_YES, ID_YES}), 0);
    EXPECT_TRUE(last.restarted);
    EXPECT_TRUE(last.readBack);
    EXPECT_EQ(session.program.GwSlaveAddress, 0xD1);
    EXPECT_EQ(CountBoxes(host, MsgText[2]), 1) << "the read-back at the new address succeeded";
    EXPECT_EQ(session.image.UnitNo, 1);
    EXPECT_TRUE(pioShown);
    EXPECT_FALSE(session.form.flags.unitNoModified);
    EXPECT_TRUE(session.form.MenuUnitNo.visible);
}

// A set whose unit number's address another unit already answers at: the question comes before anything
// is written, No writes nothing, Yes writes. Without a unit at that address nothing is asked.
TEST_F(WriteOnSim, UnitAlreadyAtTheNewAddressIsAskedAboutBeforeAnythingIsWritten) {
    SSimConfig twoUnits = SimOf(GW_VOSK);
    twoUnits.units = {0, 1};
    StartAndRead(twoUnits);
    session.image.UnitNo = 1;
    session.form.flags.unitNoModified = true;  // the unit number dialog has asked already
    const std::size_t before = RequestLog().size();
    ASSERT_EQ(Write({ID_NO}), 0);
    EXPECT_FALSE(last.transmitted);
    ASSERT_EQ(CountBoxes(host, ToolQuestionText::UNIT_ADDRESS_TAKEN), 1);
    const auto question = std::find_if(host.boxes.begin(), host.boxes.end(), [](const ShownBox& b) {
        return b.text == ToolQuestionText::UNIT_ADDRESS_TAKEN;
    });
    EXPECT_EQ(question->style, MB_YES_NO | MB_ICON_WARNING | MB_SECOND_DEFAULT);
    EXPECT_EQ(question->detail, "The parameters give the unit the unit number 1, and unit 1 (D1h) already answers.");
    EXPECT_EQ(WritesSince(before), 0u);
    EXPECT_EQ(UnitRegister(0xF200 + 1), 0) << "unit 0 keeps its unit number";
    EXPECT_EQ(session.program.GwSlaveAddress, 0xD0);

    host.boxes.clear();
    ASSERT_EQ(Write({ID_YES, RESTART_DECLINED}), 0);
    EXPECT_TRUE(last.transmitted);
    EXPECT_EQ(CountBoxes(host, ToolQuestionText::UNIT_ADDRESS_TAKEN), 1);
    EXPECT_EQ(UnitRegister(0xF200 + 1), 1);

    StartAndRead(SimOf(GW_VOSK));
    session.image.UnitNo = 1;
    session.form.flags.unitNoModified = true;
    ASSERT_EQ(Write({RESTART_DECLINED}), 0);
    EXPECT_TRUE(last.transmitted);
    EXPECT_EQ(CountBoxes(host, ToolQuestionText::UNIT_ADDRESS_TAKEN), 0) << "nobody answers at D1h";
}

// A read and a completed write clear the mark of unsaved edits; a declined write keeps it.
TEST_F(WriteOnSim, ReadAndWriteClearTheUnsavedEditsMark) {
    Start(SimOf(GW_VOSK));
    session.form.setModified = true;
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    EXPECT_FALSE(session.form.setModified) << "read";
    session.form.setModified = true;
    ASSERT_EQ(Write({ID_NO}), 0);
    EXPECT_TRUE(session.form.setModified) << "a declined write";
    ASSERT_EQ(Write({ID_YES, RESTART_DECLINED}), 0);
    ASSERT_TRUE(last.transmitted);
    EXPECT_FALSE(session.form.setModified) << "write";
}

// After the restart coil the tool leaves the unit alone for 500 ms (KAVELIS) or 2500 ms (the others)
// before the read-back starts; its speed switch adds 600 ms (100 ms, the 200 ms break, 300 ms) before
// the first request the unit sees. The bounds sit halfway between the two waits.
TEST_F(WriteOnSim, RestartWaitBeforeTheReadBackFollowsTheType) {
    using std::chrono::milliseconds;
    const struct {
        GwType type;
        milliseconds atLeast;
        milliseconds below;
    } cases[] = {{GW_KAVELIS, milliseconds(1100), milliseconds(2100)},
                 {GW_VOSK, milliseconds(3100), milliseconds(60000)}};
    for (const auto& c : cases) {
        StartAndRead(SimOf(c.type));
        const std::size_t before = RequestLog().size();
        // Write: yes; restart: yes; the read-back's question: yes.
        ASSERT_EQ(Write({ID_YES, ID_YES, ID_YES}), 0) << c.type;
        ASSERT_TRUE(last.restarted) << c.type;
        const auto log = RequestLog();
        const auto times = sim->WithCore([](CGwSimCore& core) { return core.RequestTimes(); });
        std::size_t coil = before;
        while (coil < log.size() && log[coil][1] != 0x05) ++coil;
        ASSERT_LT(coil + 1, log.size()) << c.type;
        const auto pause = std::chrono::duration_cast<milliseconds>(times[coil + 1] - times[coil]);
        EXPECT_GE(pause, c.atLeast) << c.type;
        EXPECT_LT(pause, c.below) << c.type;
    }
}

TEST_F(WriteOnSim, OptionBitHidesThePioPatternReminder) {
    StartAndRead(SimOf(GW_VOSK));
    session.program.Comm.ToolFlags |= *TypeOptionBit(GW_VOSK);
    bool pioShown = false;
    session.showPioPattern = [&] { pioShown = true; };
    ASSERT_EQ(Write({ID_YES, ID_YES, ID_YES}), 0);
    EXPECT_FALSE(pioShown);
}

TEST_F(WriteOnSim, DeclinedConfirmationWritesNothing) {
    StartAndRead(SimOf(GW_VOSK));
    const std::size_t before = RequestLog().size();
    EXPECT_EQ(Write({ID_NO}), 0);
    EXPECT_FALSE(last.transmitted);
    EXPECT_EQ(RequestLog().size(), before);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_FALSE(session.form.flags.commBusy);
}

// The unit stops answering after the second of its six register blocks: the user learns that it now
// holds a mixed set, with the transmission's own abort message.
TEST_F(WriteOnSim, WriteCutOffMidWaySaysTheUnitHoldsAMixedSet) {
    StartAndRead(SimOf(GW_VOSK));
    const std::size_t before = RequestLog().size();
    host.onPump = [&] {
        if (WritesSince(before) == 2) {
            SSimFaults silent{};
            silent.silent = true;
            SetFaults(silent);
        }
    };
    EXPECT_EQ(Write({ID_YES}), 0);
    host.onPump = nullptr;
    EXPECT_FALSE(last.transmitted);
    EXPECT_TRUE(last.mixedSet);
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, MsgText[76]);
    EXPECT_EQ(host.boxes.back().style & MB_ICON_MASK, MB_ICON_WARNING);
    EXPECT_EQ(host.boxes.back().detail,
              "2 of 6 register blocks reached the unit: it may now hold a mixed set of old and new "
              "parameters.\nWrite the parameters again before the unit is restarted.");

    // A write that fails before its first block leaves the unit's set whole, and says nothing of it.
    host.boxes.clear();
    EXPECT_EQ(Write({ID_YES}), 0);
    EXPECT_FALSE(last.mixedSet);
    EXPECT_EQ(CountBoxes(host, MsgText[76]), 0);
}

// EtherNet/IP addresses written without the restart are not in effect yet: the close question keeps
// asking about them until the unit was restarted, whatever the display refreshes in between.
TEST_F(WriteOnSim, DeclinedRestartKeepsTheAddressesMarkedUntilTheUnitIsRestarted) {
    StartAndRead(SimOf(GW_VOSK));
    session.image.NetAddress = {0xC0A8010Au, 0xFFFFFF00u, 0xC0A80101u};
    session.form.flags.etherIpModified = true;
    EXPECT_EQ(Write({RESTART_DECLINED}), 0);
    EXPECT_TRUE(last.transmitted);
    EXPECT_TRUE(session.form.flags.etherIpModified);
    Show();
    EXPECT_TRUE(session.form.flags.etherIpModified);
    EXPECT_TRUE(UntransmittedChanges(session.form.flags));

    EXPECT_EQ(Write({ID_YES, ID_YES}), 0);
    EXPECT_TRUE(last.restarted);
    EXPECT_FALSE(session.form.flags.etherIpModified);
}

TEST_F(WriteOnSim, FailuresAtEachStepLeaveTheToolUsable) {
    StartAndRead(SimOf(GW_VOSK));
    SSimFaults silent{};
    silent.silent = true;
    SetFaults(silent);
    EXPECT_EQ(Write({ID_YES}), 0);
    EXPECT_FALSE(last.transmitted);
    EXPECT_EQ(CountBoxes(host, CommonMsgText[51]), 1);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);

    SSimFaults garbled{};
    garbled.wrongFunction = true;
    SetFaults(garbled);
    EXPECT_EQ(Write({ID_YES}), 0);
    EXPECT_EQ(CountBoxes(host, CommonMsgText[58]), 1);
    EXPECT_FALSE(session.form.flags.commBusy);

    SetFaults(SSimFaults{});
    session.form.flags.commBusy = true;  // a read is running
    EXPECT_EQ(Write({ID_YES}), 0);
    EXPECT_TRUE(session.form.flags.commBusy);
    session.form.flags.commBusy = false;

    session.link.Close();
    session.form.flags.portOpen = false;
    session.link.SetPortOverrides({{SESSION_SIM_COM, "/nonexistent/tty"}});
    EXPECT_EQ(Write({ID_YES}), WRITE_PORT_OPEN_FAILED);
    EXPECT_EQ(CountBoxes(host, CommonMsgText[50]), 1);
    EXPECT_EQ(host.boxes.back().detail, "Device: /nonexistent/tty\nNo such device");
    EXPECT_TRUE(session.windowEnabled);
}

TEST_F(WriteOnSim, InvalidImageIsRefusedBeforeTheUnitIsTouched) {
    StartAndRead(SimOf(GW_VOSK));
    session.image.UnitNo = 7;
    const std::size_t before = RequestLog().size();
    EXPECT_EQ(Write({ID_YES}), 32777);
    EXPECT_EQ(CountBoxes(host, "An illegal unit number was specified.\r\nTransmission is aborted."), 1);
    EXPECT_EQ(RequestLog().size(), before);
}

// KAVELIS firmware checks: the unit's version decides what may be sent.
class KavelisFirmware : public WriteOnSim {
protected:
    void SetUp() override {
        StartAndRead(SimOf(GW_KAVELIS));
        // A 2W arrangement with a Sol1 axis in slot 0.
        session.image.AxisMode.fill(AXIS_NO_SLOT);
        session.image.AxisMode[0] = 0x0011;
        session.image.AxisMode[1] = 0x0010;
        session.image.Word(W4N) = 2;
        session.image.Word(W8N) = 0;
        Show();
    }
};

TEST_F(KavelisFirmware, SolenoidModesNeedVersion12And2WModesVersion11) {
    const struct {
        std::uint16_t unitVersion;
        int code;
    } cases[] = {{11, WRITE_KAVELIS_NO_SOLENOID}, {10, WRITE_KAVELIS_NO_2W_RSV}};
    for (const auto& c : cases) {
        SetUnitRegister(0xF101, c.unitVersion);
        const std::size_t before = RequestLog().size();
        EXPECT_EQ(Write({ID_YES}), c.code) << c.unitVersion;
        EXPECT_EQ(WritesSince(before), 0u) << c.unitVersion;
    }
}

TEST_F(KavelisFirmware, RetryCountIsTakenBackOrRefusedOnOlderUnits) {
    session.image.AxisMode[0] = 0x0010;  // Point2 only: no solenoid check
    Show();
    const struct {
        std::uint16_t unitVersion;
        std::uint16_t imageVersion;
        std::uint16_t retryBits;
        int code;
        std::uint16_t sentBits;
    } cases[] = {
        {13, 0x15, 0x0100, 0, 0x0000},
        {13, 0x15, 0x0200, WRITE_KAVELIS_NO_RETRY_COUNT, 0xFFFF},
        {14, 0, 0x0000, 0, 0x0100},
    };
    for (const auto& c : cases) {
        SetUnitRegister(0xF101, c.unitVersion);
        SetUnitRegister(0xF10F, 0x0700);
        session.image.Word(GVER) = c.imageVersion;
        session.image.Word(GMOD) = c.retryBits;
        EXPECT_EQ(Write({ID_YES, RESTART_DECLINED}), c.code) << c.unitVersion;
        if (c.code == 0) EXPECT_EQ(UnitRegister(0xF10F) & 0x0700, c.sentBits) << c.unitVersion;
        else EXPECT_EQ(UnitRegister(0xF10F), 0x0700) << c.unitVersion;
    }
}

// The unit velocity bit needs version 12; the SERVO-ON/OFF bits need 12 and warn where the meaning of
// the latch bit differs between the image's and the unit's firmware. With the velocity bit set on a
// unit of 12 or later, the SERVO bits are not looked at.
TEST_F(KavelisFirmware, ModeBitsNeedVersion12AndWarnAboutTheLatchMeaning) {
    session.image.AxisMode[0] = 0x0010;  // Point2 only: no solenoid check
    Show();
    const struct {
        std::uint16_t gmod;
        std::uint16_t unitVersion;
        std::uint16_t imageVersion;
        int code;
        int warning;  // MsgText index, or 0
    } cases[] = {
        {0x0010, 11, 0x15, WRITE_KAVELIS_NO_UNIT_VELOCITY, 0},
        {0x0014, 12, 0, 0, 0},
        {0x0004, 11, 0x15, WRITE_KAVELIS_NO_SERVO_SWITCH, 0},
        {0x0008, 11, 0x15, WRITE_KAVELIS_NO_SERVO_SWITCH, 0},
        {0x0008, 13, 0, 0, 44},
        {0x0004, 14, 12, 0, 46},
        {0x0008, 14, 13, 0, 46},
        {0x0004, 13, 12, 0, 0},
        {0x0004, 14, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SetUnitRegister(0xF101, c.unitVersion);
        session.image.Word(GVER) = c.imageVersion;
        session.image.Word(GMOD) = c.gmod;
        host.boxes.clear();
        const std::size_t before = RequestLog().size();
        EXPECT_EQ(Write({ID_YES, RESTART_DECLINED}), c.code) << std::hex << c.gmod << " v" << c.unitVersion;
        EXPECT_EQ(WritesSince(before) > 0, c.code == 0) << std::hex << c.gmod << " v" << c.unitVersion;
        EXPECT_EQ(CountBoxes(host, MsgText[44]), c.warning == 44 ? 1 : 0) << std::hex << c.gmod;
        EXPECT_EQ(CountBoxes(host, MsgText[46]), c.warning == 46 ? 1 : 0) << std::hex << c.gmod;
        if (c.code != 0) {
            EXPECT_EQ(CountBoxes(host, MsgText[c.code == WRITE_KAVELIS_NO_UNIT_VELOCITY ? 31 : 37]), 1);
        }
    }
}

// A reserved axis outside the 2W arrangement still needs version 11.
TEST_F(KavelisFirmware, ReservedAxisNeedsVersion11) {
    session.image.AxisMode.fill(AXIS_NO_SLOT);
    session.image.AxisMode[0] = 0x8001;
    session.image.AxisMode[1] = 0x0001;
    session.image.Word(W4N) = 2;
    session.image.Word(W8N) = 0;
    session.image.Word(FINX) = 1;
    session.image.Word(GMOD) = 0;
    Show();
    ASSERT_EQ(session.image.AxisMode[0], 0x8001);
    const struct {
        std::uint16_t unitVersion;
        int code;
    } cases[] = {{10, WRITE_KAVELIS_NO_2W_RSV}, {11, 0}};
    for (const auto& c : cases) {
        SetUnitRegister(0xF101, c.unitVersion);
        host.boxes.clear();
        const std::size_t before = RequestLog().size();
        EXPECT_EQ(Write({ID_YES, RESTART_DECLINED}), c.code) << c.unitVersion;
        EXPECT_EQ(WritesSince(before) > 0, c.code == 0) << c.unitVersion;
        EXPECT_EQ(CountBoxes(host, MsgText[26]), c.code == 0 ? 0 : 1) << c.unitVersion;
    }
    EXPECT_EQ(UnitRegister(0xF110), 0x8001);
}

TEST_F(WriteOnSim, CcLinkCodesCountAsTheSameNetwork) {
    // The unit's code against the image's: the preparation turns a quadruple image into FF91h.
    const struct {
        std::uint16_t unitCode;
        std::uint16_t dszi;
    } cases[] = {{0xFF90, 0x0080}, {0x0090, 0x0080}, {0x0090, 0x0020}, {0xFF91, 0x0020}};
    for (const auto& c : cases) {
        StartAndRead(SimOf(GW_VOSK));
        SetUnitRegister(0xF103, c.unitCode);
        session.image.Word(NTYP) = 0xFF90;
        session.image.Word(DSZI) = c.dszi;
        Show();
        EXPECT_EQ(Write({ID_YES, RESTART_DECLINED}), 0) << std::hex << c.unitCode;
        EXPECT_TRUE(last.transmitted) << std::hex << c.unitCode;
        EXPECT_EQ(CountBoxes(host, MsgText[27]), 0) << std::hex << c.unitCode;
        EXPECT_EQ(CountBoxes(host, MsgText[24]), 0) << std::hex << c.unitCode;
    }
}

TEST_F(WriteOnSim, DifferentNetworkIsRefusedOrAskedInExtendedMode) {
    StartAndRead(SimOf(GW_VOSK));
    SetUnitRegister(0xF103, 0x0005);
    EXPECT_EQ(Write({ID_YES}), 0);
    EXPECT_EQ(CountBoxes(host, MsgText[27]), 1);
    EXPECT_EQ(UnitRegister(0xF103), 0x0005);

    session.program.Comm.ToolFlags |= TOOLFLAG_EXTENDED_MODE;
    EXPECT_EQ(Write({ID_YES, ID_YES, RESTART_DECLINED}), 0);
    EXPECT_EQ(CountBoxes(host, MsgText[24]), 1);
    EXPECT_EQ(UnitRegister(0xF103), session.image.Word(NTYP));
}

}  // namespace
