// The master against the simulated gateway over a pseudo-terminal.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/link/Crc16Modbus.h"
#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/LineTiming.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ModbusTransaction.h"
#include "tests/link/SimLineFixture.h"

namespace {

constexpr int SIM_AXES = 6;

class MasterAgainstSim : public LinkToSim {
protected:
    void SetUp() override {
        SSimConfig config;
        config.type = GW_VOSK;
        config.units = {0};
        config.axes = SIM_AXES;
        StartSim(config);
    }
    int Run(const std::string& text) {
        return ModbusTransact(link, host, commBusy, text, reply.data(), replyLength);
    }
    struct SFrameOutcome {
        int result = COMM_FAILED;
        std::size_t length = 0;
        bool operator==(const SFrameOutcome&) const = default;
    };
    // One request for the axis slot count and the frame the link takes for its reply.
    SFrameOutcome ReadSlotCountFrame() {
        std::vector<std::uint8_t> request = {0xD0, 0x03, 0xFA, 0x0E, 0x00, 0x02};
        const std::uint16_t crc = Crc16Modbus(request.data(), request.size());
        request.push_back(static_cast<std::uint8_t>(crc >> 8));
        request.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        if (link.Write(request.data(), request.size()) != COMM_OK) return {COMM_FAILED, 0};
        const int result = link.Receive(reply.data(), replyLength);
        return {result, replyLength};
    }
    // The unit may still be sending the rest of a reply given up on before: clean exchanges until one
    // comes back whole bring both ends back in step.
    void BringLineInStep(int tries) {
        SetFaults({});
        for (int attempt = 0; attempt < tries; ++attempt) {
            if (ReadSlotCountFrame().result == COMM_OK) return;
        }
    }

    bool commBusy = true;
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
};

TEST_F(MasterAgainstSim, ReadsTheAxisSlotCount) {
    ASSERT_EQ(Run("D003FA0E0002"), COMM_OK);
    EXPECT_EQ(replyLength, 9u);
    EXPECT_EQ(reply[2], 4);
    EXPECT_EQ(reply[6], SIM_AXES);
}

TEST_F(MasterAgainstSim, WritesParameterWords) {
    ASSERT_EQ(Run("D010F1020002041234ABCD"), COMM_OK);
    EXPECT_EQ(GetBE16(&reply[2]), 0xF102);
    EXPECT_EQ(GetBE16(&reply[4]), 2);
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.Register(0, 0xF103); }), 0xABCD);
}

struct SFaultCase {
    const char* name;
    SSimFaults faults;
    int expectedResult;
    std::vector<std::string> expectedBoxes;
    std::vector<int> expectedProgress;
};

SSimFaults Fault(void (*set)(SSimFaults&)) {
    SSimFaults faults{};
    set(faults);
    return faults;
}

TEST_F(MasterAgainstSim, FaultsOfTheGateway) {
    const std::vector<SFaultCase> cases = {
        {"answers every second attempt",
         Fault([](SSimFaults& f) { f.answerEveryNth = 2; }),
         COMM_OK,
         {},
         {5}},
        {"reply in chunks",
         Fault([](SSimFaults& f) { f.chunkSize = 3, f.chunkPauseMs = 1; }),
         COMM_OK,
         {},
         {}},
        {"busy", Fault([](SSimFaults& f) { f.exceptionCode = 6; }), COMM_BUSY, {}, {}},
        {"illegal address",
         Fault([](SSimFaults& f) { f.exceptionCode = 2; }),
         COMM_FAILED,
         {"Receive data error (PC)"},
         {}},
        {"wrong slave",
         Fault([](SSimFaults& f) { f.wrongSlave = true; }),
         COMM_FAILED,
         {"Receive data error (PC)"},
         {}},
        {"wrong function",
         Fault([](SSimFaults& f) { f.wrongFunction = true; }),
         COMM_FAILED,
         {"Receive data error (PC)"},
         {}},
        {"corrupted CRC",
         Fault([](SSimFaults& f) { f.corruptCrc = true; }),
         COMM_FAILED,
         {"Receive time-out error (PC)"},
         {5, 5}},
        {"trailing bytes",
         Fault([](SSimFaults& f) {
             f.trailing = {0x00, 0xFF};
         }),
         COMM_FAILED,
         {"Receive time-out error (PC)"},
         {5, 5}},
        {"silent",
         Fault([](SSimFaults& f) { f.silent = true; }),
         COMM_FAILED,
         {"Receive time-out error (PC)"},
         {5, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetFaults(c.faults);
        host.boxes.clear();
        host.progressSteps.clear();
        commBusy = true;
        EXPECT_EQ(Run("D003FA0E0002"), c.expectedResult);
        EXPECT_EQ(host.Texts(), c.expectedBoxes);
        EXPECT_EQ(host.progressSteps, c.expectedProgress);
        EXPECT_EQ(commBusy, c.expectedResult == COMM_OK);
        if (c.expectedResult == COMM_OK) {
            EXPECT_EQ(reply[6], SIM_AXES);
        }
    }
}

// The gateway's reply leaves in two chunks with a pause between them. A pause shorter than the
// inter-byte limit keeps it one frame, however much longer than the end-of-frame silence it is; a longer
// one ends the frame after the first chunk as broken. A loaded machine can wake the link late, which
// only ever turns a broken frame into a whole one, so the broken cases pass when one of a few tries
// comes out as expected.
TEST_F(MasterAgainstSim, PauseInAReplyEndsTheFrameOnlyWhenLongerThanTheInterByteLimit) {
    struct SCase {
        int baudIndex;
        int pauseMs;
        bool oneFrame;
    };
    const int limitMs = static_cast<int>(INTER_BYTE_LIMIT.count());
    const std::vector<SCase> cases = {
        {0, EndOfFrameGapMs(9600) + 6, true},   {0, limitMs - 30, true},  {0, limitMs + 60, false},
        {4, EndOfFrameGapMs(115200) + 6, true}, {4, limitMs + 60, false},
    };
    constexpr std::size_t FIRST_CHUNK = 5;
    constexpr std::size_t WHOLE_REPLY = 9;
    constexpr int TRIES = 5;
    link.SetResponseTimeout(1000);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "baud index " << c.baudIndex << ", pause " << c.pauseMs << " ms");
        BringLineInStep(TRIES);
        ASSERT_EQ(link.ChangeBaud(c.baudIndex), COMM_OK);
        SSimFaults chunked{};
        chunked.chunkSize = FIRST_CHUNK;
        chunked.chunkPauseMs = c.pauseMs;
        SetFaults(chunked);
        const SFrameOutcome expected =
            c.oneFrame ? SFrameOutcome{COMM_OK, WHOLE_REPLY} : SFrameOutcome{COMM_INCOMPLETE, FIRST_CHUNK};
        SFrameOutcome outcome;
        for (int attempt = 0; attempt < (c.oneFrame ? 1 : TRIES) && !(outcome == expected); ++attempt)
            outcome = ReadSlotCountFrame();
        EXPECT_EQ(outcome.result, expected.result);
        EXPECT_EQ(outcome.length, expected.length);
    }
}

TEST_F(MasterAgainstSim, ParameterWriteInAutoModeIsBusy) {
    sim->WithCore([](CGwSimCore& core) { core.SetAuto(0, true); });
    EXPECT_EQ(Run("D010F102000102ABCD"), COMM_BUSY);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_FALSE(commBusy);
}

TEST_F(MasterAgainstSim, SpeedSwitchBringsGatewayAndPcToTheConfiguredSpeed) {
    const TransactFunction transact = [this](std::string_view text, std::uint8_t* buffer,
                                             std::size_t& length) {
        return ModbusTransact(link, host, commBusy, text, buffer, length);
    };
    ASSERT_EQ(SwitchGatewaySpeed(transact, link, 4), COMM_OK);
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.LineBps(); }), 115200);
    EXPECT_EQ(link.Bps(), 115200);
    EXPECT_EQ(RequestLog().back(),
              (std::vector<std::uint8_t>{0x00, 0x45, 0x00, 0x04, 0x00, 0x14, 0x00, 0x05, 0x25, 0x08}));
    ASSERT_EQ(Run("D003FA0E0002"), COMM_OK);
    EXPECT_EQ(reply[6], SIM_AXES);
}

}  // namespace
