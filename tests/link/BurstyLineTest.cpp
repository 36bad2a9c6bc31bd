// The master against the simulated gateway over a pseudo-terminal on lines as they really are: replies
// handed over in a USB adapter's bursts, a pause in the middle of each reply, and a paced unit while
// every processor of the machine is busy. The simulator runs at normal priority: the link, not the
// simulator, has to cope.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusBytes.h"
#include "core/link/ModbusTransaction.h"
#include "tests/link/SimLineFixture.h"
#include "tests/support/BurstyLineFaults.h"
#include "tests/support/BusyMachine.h"

namespace {

constexpr int READS_PER_LINE = 20;

struct SLine {
    const char* what;
    int baudIndex;
    SSimFaults faults;
    bool pace;
    bool busyMachine;
};

class BurstyLine : public LinkToSim {
protected:
    void Start(bool pace) {
        SSimConfig config;
        config.type = GW_VOSK;
        config.units = {0};
        config.pace = pace;
        StartSim(config);
        link.SetResponseTimeout(1000);
    }
    // The speed switch as the tool runs it, on a clean line.
    void SwitchTo(int baudIndex) {
        const TransactFunction transact = [this](std::string_view text, std::uint8_t* buffer,
                                                 std::size_t& length) {
            return ModbusTransact(link, host, commBusy, text, buffer, length);
        };
        commBusy = true;
        ASSERT_EQ(SwitchGatewaySpeed(transact, link, baudIndex), COMM_OK);
    }
    // Reads `count` registers from `first` as the tool does; true when every value is the unit's own.
    bool ReadMatches(std::uint16_t first, std::uint16_t count) {
        char text[16];
        std::snprintf(text, sizeof text, "D003%04X%04X", first, count);
        commBusy = true;
        if (ModbusTransact(link, host, commBusy, text, reply.data(), replyLength) != COMM_OK) return false;
        if (replyLength != 5u + 2u * count) return false;
        for (std::uint16_t i = 0; i < count; ++i) {
            const std::uint16_t unit =
                sim->WithCore([&](CGwSimCore& core) { return core.Register(0, first + i); });
            if (GetBE16(&reply[3 + 2 * i]) != unit) return false;
        }
        return true;
    }

    bool commBusy = true;
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
};

// Every read completes with the unit's own values: a 16-register parameter block and 72 registers of
// the alarm history, on each line.
TEST_F(BurstyLine, EveryReplyIsTakenWhole) {
    const SLine lines[] = {
        {"USB latency 16 ms, 9600 bit/s", 0, UsbLatencyFault(16), false, false},
        {"USB latency 16 ms, 19200 bit/s", 1, UsbLatencyFault(16), false, false},
        {"USB latency 32 ms, 9600 bit/s", 0, UsbLatencyFault(32), false, false},
        {"20 ms pause mid-reply, 9600 bit/s", 0, MidReplyPauseFault(20), false, false},
        {"20 ms pause mid-reply, 115200 bit/s", 4, MidReplyPauseFault(20), false, false},
        {"paced unit, busy machine, 115200 bit/s", 4, {}, true, true},
        {"paced unit, busy machine, 9600 bit/s", 0, {}, true, true},
    };
    for (const SLine& line : lines) {
        SCOPED_TRACE(line.what);
        sim.reset();
        if (link.IsOpen()) link.Close();
        Start(line.pace);
        SwitchTo(line.baudIndex);
        SetFaults(line.faults);
        std::optional<CBusyMachine> busy;
        if (line.busyMachine) busy.emplace();
        int whole = 0;
        for (int i = 0; i < READS_PER_LINE; ++i)
            whole += ReadMatches(i % 2 == 0 ? 0xF100 : 0xF400, i % 2 == 0 ? 16 : 72);
        EXPECT_EQ(whole, READS_PER_LINE);
        EXPECT_TRUE(host.boxes.empty()) << host.Texts().front();
        host.boxes.clear();
    }
}

}  // namespace
