// The Connection Check dialog's search against the simulated gateway over a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "core/service/SearchUnit.h"
#include "tests/link/SimLineFixture.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Frame = std::vector<std::uint8_t>;

constexpr int CONFIGURED_BAUD_INDEX = 4;  // 115200 bit/s

class SearchUnitAgainstSim : public LinkToSim {
protected:
    void StartLine(std::vector<int> units, int axes = 8) {
        SSimConfig config;
        config.type = GW_VOSK;
        config.units = std::move(units);
        config.axes = axes;
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        link.SetPortOverrides({{SIM_COM_NUMBER, sim->DevicePath()}});
        link.SetResponseTimeout(300);
    }
    static bool IsRequest(const Frame& frame, std::uint8_t address, std::uint8_t function) {
        return frame.size() >= 2 && frame[0] == address && frame[1] == function;
    }

    SMainFlags mainFlags;
    SGWCommunicate comm{SIM_COM_NUMBER, CONFIGURED_BAUD_INDEX, 0, ""};
    UnitAxisSlotTable unitAxisSlots{};
    CSearchUnit form{link, host, mainFlags, comm, unitAxisSlots};
};

TEST_F(SearchUnitAgainstSim, ControlsBeforeTheSearch) {
    EXPECT_EQ(form.Caption, "Connection Check");
    EXPECT_EQ(form.Label1.text, "Connecting...\r\n");
    EXPECT_EQ(form.Label2.text, "UnitNo.");
    EXPECT_EQ(form.Label3.text, "0");
    EXPECT_FALSE(form.cbUnitNoSel.enabled);
    EXPECT_TRUE(form.cbUnitNoSel.grey);
    EXPECT_FALSE(form.Button1.enabled);
    EXPECT_EQ(form.Button1.text, "OK");
    EXPECT_TRUE(form.timer1Enabled);
    EXPECT_EQ(CSearchUnit::Label1Texts()[2], "Nothing GW Unit\r\n");
}

TEST_F(SearchUnitAgainstSim, OnlyUnitOneAnswers) {
    StartLine({1}, 6);
    std::vector<std::string> unitsShown;
    form.onChanged = [&] { unitsShown.push_back(form.Label3.text); };
    form.Timer1Timer();
    EXPECT_FALSE(form.timer1Enabled);
    EXPECT_TRUE(mainFlags.portOpen);
    EXPECT_TRUE(link.IsOpen()) << "the port stays open for the main window";
    EXPECT_EQ(link.Bps(), 115200);
    EXPECT_EQ(form.cbUnitNoSel.items, std::vector<std::string>{"1"});
    EXPECT_EQ(form.cbUnitNoSel.index, 0);
    EXPECT_TRUE(form.cbUnitNoSel.enabled);
    EXPECT_FALSE(form.cbUnitNoSel.grey);
    EXPECT_EQ(form.Label1.text, "Select GW Unit.\r\n");
    EXPECT_FALSE(form.Label2.visible);
    EXPECT_FALSE(form.Label3.visible);
    EXPECT_TRUE(form.Button1.enabled);
    EXPECT_TRUE(form.button1Focused);
    EXPECT_EQ(unitsShown.front(), "0");
    EXPECT_EQ(unitsShown[1], "1");
    EXPECT_TRUE(host.boxes.empty()) << "a silent unit shows nothing";
    EXPECT_EQ(unitAxisSlots[1], 6);

    const SSearchUnitResult result = form.Button1Click();
    EXPECT_TRUE(result.unitFound);
    EXPECT_EQ(result.unitNo, 1);
    EXPECT_EQ(result.SlaveAddress(), 0xD1);
    EXPECT_EQ(result.axisRowCount, 6);

    const auto log = RequestLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(Frame(log[0].begin(), log[0].end() - 2),
              (Frame{0x00, 0x45, 0x00, 0x04, 0x00, 0x14, 0x00, 0x05}));
    EXPECT_TRUE(IsRequest(log[1], 0xD0, 0x11));
    EXPECT_TRUE(IsRequest(log[2], 0xD1, 0x11));
    EXPECT_EQ(Frame(log[3].begin(), log[3].end() - 2), (Frame{0xD1, 0x03, 0xFA, 0x0E, 0x00, 0x02}));
}

TEST_F(SearchUnitAgainstSim, BothUnitsAnswerAndTheUserPicksOne) {
    StartLine({0, 1}, 4);
    form.Timer1Timer();
    EXPECT_EQ(form.cbUnitNoSel.items, (std::vector<std::string>{"0", "1"}));
    EXPECT_EQ(form.cbUnitNoSel.index, 0);
    EXPECT_EQ(form.Button1Click().SlaveAddress(), 0xD0);
    form.cbUnitNoSel.index = 1;
    const SSearchUnitResult result = form.Button1Click();
    EXPECT_EQ(result.unitNo, 1);
    EXPECT_EQ(result.SlaveAddress(), 0xD1);
    EXPECT_EQ(result.axisRowCount, 4);
    EXPECT_EQ(unitAxisSlots, (UnitAxisSlotTable{4, 4}));
}

// No unit answers: each address costs one full response time-out, and nothing is shown.
TEST_F(SearchUnitAgainstSim, NoUnitAnswers) {
    StartLine({0, 1});
    link.SetResponseTimeout(DEFAULT_RESPONSE_TIMEOUT_MS);
    SSimFaults silent{};
    silent.silent = true;
    SetFaults(silent);
    const auto start = Clock::now();
    form.Timer1Timer();
    EXPECT_GE(Clock::now() - start, milliseconds(2 * DEFAULT_RESPONSE_TIMEOUT_MS));
    EXPECT_EQ(form.Label1.text, "Nothing GW Unit\r\n");
    EXPECT_FALSE(form.cbUnitNoSel.enabled);
    EXPECT_TRUE(form.cbUnitNoSel.items.empty());
    EXPECT_TRUE(form.Button1.enabled);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(mainFlags.portOpen);
    const SSearchUnitResult result = form.Button1Click();
    EXPECT_FALSE(result.unitFound);
    EXPECT_EQ(result.SlaveAddress(), 0xD0);
    EXPECT_EQ(result.axisRowCount, 0);
    EXPECT_EQ(RequestLog().size(), 3u) << "one attempt per unit after the broadcast";
}

TEST_F(SearchUnitAgainstSim, UnitAnsweringTheProbeButNotTheSlotReadIsListed) {
    StartLine({0});
    unitAxisSlots = {5, 0};
    // Once the probe has been answered, the unit falls silent.
    host.onPump = [this] {
        const auto log = RequestLog();
        if (!log.empty() && IsRequest(log.back(), 0xD0, 0x11)) {
            SSimFaults silent{};
            silent.silent = true;
            SetFaults(silent);
        }
    };
    form.Timer1Timer();
    EXPECT_EQ(form.cbUnitNoSel.items, std::vector<std::string>{"0"});
    EXPECT_EQ(unitAxisSlots[0], 5) << "a failed read keeps the old count";
    EXPECT_EQ(form.Button1Click().axisRowCount, 5);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SearchUnitAgainstSim, GarbledRepliesAreReportedAndCountAsNoAnswer) {
    StartLine({0, 1});
    SSimFaults wrongSlave{};
    wrongSlave.wrongSlave = true;
    SetFaults(wrongSlave);
    form.Timer1Timer();
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{"Receive data error (PC)", "Receive data error (PC)"}));
    EXPECT_EQ(form.Label1.text, "Nothing GW Unit\r\n");
    EXPECT_FALSE(form.Button1Click().unitFound);
}

// A slot count reply with a valid CRC that does not carry the two registers asked for: its bytes are
// never taken for a slot count, the reply is reported, and the unit is not offered.
TEST_F(SearchUnitAgainstSim, MalformedSlotCountReplyCountsAsNoUnit) {
    const std::function<void(SSimFaults&)> faults[] = {
        [](SSimFaults& f) { f.dropRegisters = 1; },
        [](SSimFaults& f) { f.wrongByteCount = true; },
        [](SSimFaults& f) {
            f.dropRegisters = 1;
            f.wrongByteCount = true;
        },
    };
    for (const auto& set : faults) {
        host.boxes.clear();
        form.foundUnits.clear();
        form.timer1Enabled = true;
        unitAxisSlots = {3, 0};
        link.Close();
        mainFlags.portOpen = false;
        StartLine({0}, 8);
        SSimFaults fault{};
        set(fault);
        SetFaults(fault);
        form.Timer1Timer();
        EXPECT_EQ(host.Texts(), std::vector<std::string>{"Receive data error (PC)"});
        EXPECT_EQ(unitAxisSlots[0], 3);
        EXPECT_TRUE(form.cbUnitNoSel.items.empty());
        EXPECT_EQ(form.Label1.text, "Nothing GW Unit\r\n");
        EXPECT_FALSE(form.Button1Click().unitFound);
        EXPECT_EQ(form.Button1Click().axisRowCount, 0);
    }
}

TEST_F(SearchUnitAgainstSim, PortThatCannotBeOpenedEndsTheSearchEmpty) {
    link.SetPortOverrides({{SIM_COM_NUMBER, "/dev/no-such-gateway-port"}});
    form.Timer1Timer();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Communication port open error");
    EXPECT_EQ(host.boxes[0].style, MB_ICON_ERROR);
    EXPECT_FALSE(mainFlags.portOpen);
    EXPECT_EQ(form.Label1.text, "Nothing GW Unit\r\n");
    EXPECT_FALSE(form.Label2.visible);
    EXPECT_FALSE(form.Label3.enabled);
    EXPECT_TRUE(form.Button1.enabled);
    EXPECT_FALSE(form.cbUnitNoSel.enabled);
}

TEST_F(SearchUnitAgainstSim, BroadcastThatCannotBeSentEndsTheSearchSilently) {
    StartLine({0});
    ASSERT_EQ(link.Open(SIM_COM_NUMBER, 0), COMM_OK);
    mainFlags.portOpen = true;
    sim->Stop();  // the line goes away under the open port
    form.Timer1Timer();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(form.Label1.text, "Nothing GW Unit\r\n");
    EXPECT_TRUE(form.Button1.enabled);
    EXPECT_TRUE(form.cbUnitNoSel.items.empty());
}

}  // namespace
