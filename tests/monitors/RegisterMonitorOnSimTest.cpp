#include <gtest/gtest.h>

#include <chrono>

#include "core/app/texts/MsgText.h"
#include "core/monitors/RegisterMonitor.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

struct SExchange {
    int slave, function, reg, count;
};

class RegisterMonitorOnSim : public SessionOnSim {
protected:
    void Open(GwType type, bool testMode) {
        Start(SimOf(type));
        ASSERT_EQ(session.OpenPortIfClosed(), 0);
        session.form.MenuMoniter1.enabled = true;
        session.form.flags.rs485SioMode = testMode;
        CreateRegMoniterForm(form, session);
        logStart = RequestLog().size();
    }
    std::vector<SExchange> Exchanges() {
        std::vector<SExchange> out;
        const auto log = RequestLog();
        for (std::size_t i = logStart; i < log.size(); ++i) {
            const auto& f = log[i];
            out.push_back({f[0], f[1], f[2] << 8 | f[3], f[4] << 8 | f[5]});
        }
        logStart = log.size();
        return out;
    }
    // A read of `count` registers from `reg`.
    static void ExpectRead(const SExchange& e, int reg, int count) {
        EXPECT_EQ(e.function, 3);
        EXPECT_EQ(e.reg, reg);
        EXPECT_EQ(e.count, count);
    }
    // The master's area holds 6000h + k, so that every register tells where it came from.
    void FillMasterArea() {
        for (int k = 0; k < REG_AREA_WORDS; ++k)
            SetUnitRegister(static_cast<std::uint16_t>(REG_MASTER_AREA + k), static_cast<std::uint16_t>(0x6000 + k));
    }
    SRegMoniterFormState form;
    std::size_t logStart = 0;
};

TEST_F(RegisterMonitorOnSim, TickReadsTheVisibleWindowsOfBothAreas) {
    Open(GW_VOSK, false);
    SetUnitRegister(0xF640, 0x1234);
    SetUnitRegister(0xF647, 0xFFFF);
    ScrollBarChange(form, ERegArea::Master, 56);
    ScrollBarChange(form, ERegArea::Gateway, 0x10);
    RegMoniterTick(session, form);

    const auto exchanges = Exchanges();
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[0].slave, 0xD0);
    EXPECT_EQ(exchanges[0].function, 3);
    EXPECT_EQ(exchanges[0].reg, 0xF638);
    EXPECT_EQ(exchanges[0].count, 16);
    EXPECT_EQ(exchanges[1].reg, 0xF710);
    EXPECT_EQ(exchanges[1].count, 16);
    EXPECT_EQ(form.StringGrid1.Cell(0, 9), "+40");
    EXPECT_EQ(form.StringGrid1.Cell(1, 9), "1234");
    EXPECT_EQ(form.StringGrid1.Cell(1, 16), "FFFF");
    EXPECT_EQ(form.StringGrid2.Cell(0, 2), "+11");
    EXPECT_EQ(form.StringGrid2.Cell(1, 2), "1111") << "the gateway answers the master's word";
    EXPECT_EQ(form.readImage600[0x40], 0x1234);
    EXPECT_EQ(form.readImage600[0x00], 0) << "only the visible registers are read";
    EXPECT_FALSE(form.poll.busy);
    EXPECT_FALSE(form.poll.closeRequested);
    EXPECT_TRUE(host.boxes.empty());

    cbHEXorBINChange(form, 1);
    RegMoniterTick(session, form);
    EXPECT_EQ(form.StringGrid1.Cell(1, 9), "0001 0010 0011 0100");
}

// Write starts from the whole area as the unit holds it: registers never scrolled into view go out with
// the unit's own values, not as 0000.
TEST_F(RegisterMonitorOnSim, WriteStartsFromTheWholeAreaAsTheUnitHoldsIt) {
    Open(GW_VOSK, true);
    FillMasterArea();
    RegMoniterTick(session, form);
    Exchanges();
    rbWriteClick(session, form);
    const auto load = Exchanges();
    ASSERT_EQ(load.size(), 1u);
    ExpectRead(load[0], 0xF600, 72);
    EXPECT_EQ(form.writeImage600[0x40], 0x6040) << "a register never in view";
    EXPECT_EQ(form.readImage600[0x47], 0x6047);
    EXPECT_TRUE(form.WriteButton.enabled);

    ASSERT_TRUE(StartRegisterEdit(form));
    ASSERT_TRUE(edSetRegisterEnter(form, "BEEF"));
    rbWriteClick(session, form);
    EXPECT_TRUE(Exchanges().empty()) << "a click on the chosen button reads nothing";
    EXPECT_EQ(form.writeImage600[0], 0xBEEF) << "and keeps the unsent edit";
    rbReadClick(form);
    rbReadClick(form);
    EXPECT_FALSE(form.rbWrite.checked);

    rbWriteClick(session, form);
    WriteButtonClick(form);
    RegMoniterTick(session, form);
    for (int k = 0; k < REG_AREA_WORDS; ++k)
        EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(0xF600 + k)), 0x6000 + k) << k;
}

// Write chosen while a tick's exchange runs: the next tick reads the area before anything else, and
// until then neither editing nor the Write button is offered.
TEST_F(RegisterMonitorOnSim, WriteChosenDuringATickIsLoadedByTheNextTick) {
    Open(GW_VOSK, true);
    FillMasterArea();
    bool clicked = false;
    host.onPump = [&] {
        if (clicked) return;
        clicked = true;
        rbWriteClick(session, form);
    };
    RegMoniterTick(session, form);
    host.onPump = nullptr;
    ASSERT_TRUE(clicked);
    EXPECT_EQ(Exchanges().size(), 2u) << "the click read nothing during the tick";
    EXPECT_TRUE(form.masterAreaLoadPending);
    EXPECT_FALSE(form.WriteButton.enabled);
    EXPECT_FALSE(StartRegisterEdit(form));

    RegMoniterTick(session, form);
    const auto exchanges = Exchanges();
    ASSERT_EQ(exchanges.size(), 2u);
    ExpectRead(exchanges[0], 0xF600, 72);
    ExpectRead(exchanges[1], 0xF700, 16);
    EXPECT_EQ(form.writeImage600[0x30], 0x6030);
    EXPECT_TRUE(form.WriteButton.enabled);
    EXPECT_TRUE(StartRegisterEdit(form));
}

TEST_F(RegisterMonitorOnSim, AFailedReadOfTheAreaForWritingEndsTheMonitor) {
    Open(GW_VOSK, true);
    SSimFaults faults;
    faults.silent = true;
    SetFaults(faults);
    rbWriteClick(session, form);
    EXPECT_TRUE(form.poll.closeRequested);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_FALSE(form.poll.busy);
    EXPECT_FALSE(form.WriteButton.enabled);
}

TEST_F(RegisterMonitorOnSim, HexEditStoresIntoTheWriteImage) {
    Open(GW_VOSK, true);
    FillMasterArea();
    rbWriteClick(session, form);
    EXPECT_TRUE(form.WriteButton.enabled);
    ScrollBarChange(form, ERegArea::Master, 8);
    GridSelectRow(form, ERegArea::Master, 3);
    ASSERT_TRUE(GridKey(form, ERegArea::Master, EGridKey::Enter));
    EXPECT_TRUE(form.edSetRegister.visible);
    EXPECT_EQ(form.edSetRegister.text, "600A");
    EXPECT_EQ(form.editIndex, 10);
    EXPECT_FALSE(form.WriteButton.enabled) << "no write while a field is open";

    EXPECT_FALSE(edSetRegisterEnter(form, "")) << "an empty field stores nothing and stays open";
    EXPECT_TRUE(form.edSetRegister.visible);
    EXPECT_TRUE(edSetRegisterEnter(form, "BEEF"));
    EXPECT_EQ(form.writeImage600[10], 0xBEEF);
    EXPECT_EQ(form.readImage600[10], 0x600A);
    EXPECT_EQ(form.StringGrid1.Cell(1, 3), "BEEF");
    EXPECT_FALSE(form.edSetRegister.visible);
    EXPECT_TRUE(form.WriteButton.enabled);

    rbReadClick(form);
    EXPECT_FALSE(form.WriteButton.enabled);
    RefreshRegisterGrids(form);
    EXPECT_EQ(form.StringGrid1.Cell(1, 3), "600A") << "Read shows the polled values again";
}

TEST_F(RegisterMonitorOnSim, BinEditOpensWithTheCellTextAndStoresTheWord) {
    Open(GW_VOSK, true);
    FillMasterArea();
    rbWriteClick(session, form);
    cbHEXorBINChange(form, 1);
    RefreshRegisterGrids(form);
    GridSelectRow(form, ERegArea::Master, 1);
    ASSERT_TRUE(StartRegisterEdit(form));
    EXPECT_TRUE(form.edBinSetRegister.visible);
    EXPECT_FALSE(form.edSetRegister.visible);
    EXPECT_EQ(form.binEditor.text, "0110 0000 0000 0000");
    EXPECT_EQ(form.binEditor.caret, 0);
    for (int i = 0; i < 3; ++i) BinEditorKey(form.binEditor, EBinEditorKey::Zero, false);
    edBinSetRegisterEnter(form);
    EXPECT_EQ(form.writeImage600[0], 0x0000);
    EXPECT_EQ(form.StringGrid1.Cell(1, 1), "0000 0000 0000 0000");
    EXPECT_FALSE(form.edBinSetRegister.visible);
}

TEST_F(RegisterMonitorOnSim, TheWriteIsServedByTheNextTickAfterItsReads) {
    Open(GW_VOSK, true);
    RegMoniterTick(session, form);
    rbWriteClick(session, form);
    GridSelectRow(form, ERegArea::Master, 2);
    ASSERT_TRUE(StartRegisterEdit(form));
    ASSERT_TRUE(edSetRegisterEnter(form, "ABCD"));
    Exchanges();
    WriteButtonClick(form);
    EXPECT_TRUE(Exchanges().empty()) << "the button only asks for the write";

    RegMoniterTick(session, form);
    const auto exchanges = Exchanges();
    ASSERT_EQ(exchanges.size(), 2u) << "write mode does not read the master's area";
    EXPECT_EQ(exchanges[0].function, 3);
    EXPECT_EQ(exchanges[0].reg, 0xF700);
    EXPECT_EQ(exchanges[1].function, 0x10);
    EXPECT_EQ(exchanges[1].reg, 0xF600);
    EXPECT_EQ(exchanges[1].count, 72);
    EXPECT_FALSE(form.writeRequested);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, MsgText[9]);
    EXPECT_EQ(UnitRegister(0xF601), 0xABCD);
    for (int k = 0; k < REG_AREA_WORDS; ++k) {
        EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(0xF600 + k)),
                  form.writeImage600[static_cast<std::size_t>(k)])
            << "all 72 registers go out, the ones not visible as last read";
    }
    EXPECT_EQ(UnitRegister(0xF602), 0x0202) << "a visible register the user left alone";
    EXPECT_EQ(form.StringGrid1.Cell(1, 2), "ABCD");
}

TEST_F(RegisterMonitorOnSim, AFailedWriteKeepsTheWindowAndTheUsersValues) {
    Open(GW_VOSK, true);
    RegMoniterTick(session, form);
    rbWriteClick(session, form);
    form.writeImage600[3] = 0x5555;
    WriteButtonClick(form);
    SSimFaults faults;
    faults.exceptionCode = 0x04;
    const std::size_t before = RequestLog().size();
    host.onPump = [&] {
        // The read passes; the write meets the fault.
        if (RequestLog().size() == before + 1) SetFaults(faults);
    };
    RegMoniterTick(session, form);
    host.onPump = nullptr;
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text, MsgText[11]);
    EXPECT_EQ(host.boxes.back().style & MB_ICON_MASK, MB_ICON_ERROR);
    EXPECT_FALSE(form.poll.closeRequested);
    EXPECT_EQ(form.writeImage600[3], 0x5555);
    EXPECT_TRUE(session.form.MenuMoniter1.enabled);
}

TEST_F(RegisterMonitorOnSim, AFailedReadClosesTheWindowAndDisablesTheMonitorMenu) {
    Open(GW_VOSK, true);
    rbWriteClick(session, form);
    WriteButtonClick(form);
    SSimFaults faults;
    faults.silent = true;
    SetFaults(faults);
    RegMoniterTick(session, form);
    EXPECT_TRUE(form.poll.closeRequested);
    EXPECT_EQ(form.poll.timerInterval, 0);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_FALSE(form.poll.busy);
    for (const SExchange& e : Exchanges()) EXPECT_NE(e.function, 0x10) << "no write after a failed read";

    RegMoniterTick(session, form);
    EXPECT_TRUE(Exchanges().empty()) << "a closing window polls no more";
}

TEST_F(RegisterMonitorOnSim, PollingPausesWhileAScrollBarIsOperated) {
    Open(GW_KAVELIS, false);
    ScrollOperation(form, false);
    RegMoniterTick(session, form);
    EXPECT_TRUE(Exchanges().empty());
    ScrollBarChange(form, ERegArea::Master, 30);
    EXPECT_EQ(form.StringGrid1.Cell(0, 1), "+1E") << "the grid follows the thumb over the image";
    ScrollOperation(form, true);
    RegMoniterTick(session, form);
    const auto exchanges = Exchanges();
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[0].slave, 0x3F);
    EXPECT_EQ(exchanges[0].reg, 0xF61E);
}

TEST_F(RegisterMonitorOnSim, TicksArrivingDuringAnExchangeDoNothing) {
    Open(GW_VOSK, false);
    int nested = 0;
    host.onPump = [&] {
        ++nested;
        RegMoniterTick(session, form);
    };
    RegMoniterTick(session, form);
    host.onPump = nullptr;
    EXPECT_GT(nested, 0);
    EXPECT_EQ(Exchanges().size(), 2u);
}

TEST_F(RegisterMonitorOnSim, TheSioTestTalksToTheRs485NodeAddress) {
    Open(GW_VOSK, true);
    session.link.SetResponseTimeout(200);
    session.image.Word(NTYP) = 0xF485;
    session.image.Word(DADR) = 0x05;
    RegMoniterTick(session, form);
    const auto exchanges = Exchanges();
    ASSERT_FALSE(exchanges.empty());
    EXPECT_EQ(exchanges[0].slave, 0x05);
    EXPECT_TRUE(form.poll.closeRequested) << "the simulated unit has no RS485 node to answer";
}

TEST_F(RegisterMonitorOnSim, ALinkThatDisappearsMidPollClosesTheMonitorWithinTheTimeout) {
    Open(GW_VOSK, false);
    session.link.SetResponseTimeout(3000);
    host.onPump = [&] {
        if (sim) sim.reset();  // the pseudo-terminal goes away under the tool
    };
    const auto started = std::chrono::steady_clock::now();
    RegMoniterTick(session, form);
    const auto took = std::chrono::steady_clock::now() - started;
    host.onPump = nullptr;
    EXPECT_TRUE(form.poll.closeRequested);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_FALSE(host.boxes.empty()) << "the transaction tells the user";
    EXPECT_LT(took, std::chrono::milliseconds(3000 + 2000));
}

}  // namespace
