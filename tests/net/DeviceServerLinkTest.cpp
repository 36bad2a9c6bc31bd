// The link through Debian's ser2net in front of the simulated gateway: exchanges over raw TCP and RFC
// 2217, bytes FFh in both directions, the speed switch on each kind of port, and the faults of the
// network (a refused port, a name that does not resolve, a raw port asked for RFC 2217, a server that
// goes away during a read or whose port another client holds).
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ModbusTransaction.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/link/SpeedCodes.h"
#include "sim/SimLineFaults.h"
#include "tests/net/DeviceServerFixture.h"

namespace {

constexpr int BAUD_9600 = 0;
constexpr int BAUD_19200 = 1;
constexpr int BAUD_38400 = 2;
constexpr std::uint32_t TIMEOUT_MS = 1000;
constexpr std::uint16_t FIRST_PARAMETER = 0xF100;
constexpr std::array<EServerPort, 2> BOTH_KINDS = {EServerPort::Raw, EServerPort::Rfc2217};

SSimConfig VoskUnit0() {
    SSimConfig config;
    config.type = GW_VOSK;
    config.units = {0};
    return config;
}

const char* KindName(EServerPort kind) {
    return kind == EServerPort::Raw ? "tcp://" : "rfc2217://";
}

class DeviceServerLink : public DeviceServerTest {
protected:
    int Open(const std::string& portName, int baudIndex = BAUD_9600) {
        CCommUnit& l = LinkTo(portName);
        const int result = l.Open(NET_COM_NUMBER, baudIndex);
        l.SetResponseTimeout(TIMEOUT_MS);
        return result;
    }
    int Transact(const std::string& text) {
        bool busy = true;
        return ModbusTransact(*link, host, busy, text, reply.data(), replyLength);
    }
    int SwitchSpeed(int baudIndex) {
        const TransactFunction transact = [this](std::string_view text, std::uint8_t* buffer,
                                                 std::size_t& length) {
            bool busy = true;
            return ModbusTransact(*link, host, busy, text, buffer, length);
        };
        return SwitchGatewaySpeed(transact, *link, baudIndex);
    }
    std::uint16_t ReplyWord(std::size_t index) const {
        return static_cast<std::uint16_t>(reply[3 + 2 * index] << 8 | reply[4 + 2 * index]);
    }
    void SetRegister(std::uint16_t address, std::uint16_t value) {
        sim->WithCore([&](CGwSimCore& core) { core.SetRegister(0, address, value); });
    }
    std::uint16_t Register(std::uint16_t address) {
        return sim->WithCore([&](CGwSimCore& core) { return core.Register(0, address); });
    }
    // The speed the server has set its serial line (the simulator's pseudo-terminal) to.
    int ServerLineSpeed() {
        const int fd = ::open(sim->DevicePath().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        const int bps = TerminalBps(fd);
        ::close(fd);
        return bps;
    }
    std::size_t RequestCount() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog().size(); });
    }
    // The speed codes of the speed broadcasts the unit heard after its first `from` requests.
    std::vector<int> BroadcastSpeedCodes(std::size_t from) {
        std::vector<int> codes;
        const auto log = sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); });
        for (std::size_t i = from; i < log.size(); ++i) {
            const auto& frame = log[i];
            if (frame.size() >= 6 && frame[0] == 0 && frame[1] == 0x45 && frame[3] == 0x04)
                codes.push_back(frame[4] << 8 | frame[5]);
        }
        return codes;
    }
    std::string LastDetail() const { return host.boxes.empty() ? std::string() : host.boxes.back().detail; }

    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t replyLength = 0;
};

// Words with FFh bytes go through the Telnet layer escaped and come back whole, both ways.
TEST_F(DeviceServerLink, ReadsAndWritesRegistersHoldingFFhOverBothKinds) {
    Serve(VoskUnit0());
    const std::array<std::uint16_t, 16> words = {0xFFFF, 0xFF00, 0x00FF, 0xFFFE, 0x0000, 0x1234, 0xFFFF, 0xFF0D,
                                                 0x0DFF, 0xFF0A, 0xFFFF, 0x00FF, 0xFF00, 0xFFFF, 0xAAFF, 0xFF55};
    for (const EServerPort kind : BOTH_KINDS) {
        SCOPED_TRACE(KindName(kind));
        for (std::size_t i = 0; i < words.size(); ++i)
            SetRegister(static_cast<std::uint16_t>(FIRST_PARAMETER + i), words[i]);
        ASSERT_EQ(Open(UrlOf(kind)), COMM_OK) << link->OpenFailureReason();
        ASSERT_EQ(SwitchSpeed(BAUD_9600), COMM_OK);
        ASSERT_EQ(Transact("D003F1000010"), COMM_OK);
        ASSERT_EQ(replyLength, 3u + 32u + 2u);
        for (std::size_t i = 0; i < words.size(); ++i) EXPECT_EQ(ReplyWord(i), words[i]) << "word " << i;

        ASSERT_EQ(Transact("D010F102000306FFFFFF0000FF"), COMM_OK);
        EXPECT_EQ(Register(0xF102), 0xFFFF);
        EXPECT_EQ(Register(0xF103), 0xFF00);
        EXPECT_EQ(Register(0xF104), 0x00FF);
        EXPECT_EQ(link->Close(), COMM_OK);
    }
    EXPECT_TRUE(host.boxes.empty());
}

// RFC 2217 sets the server's line to each speed of the switch; raw TCP leaves the server's line at its
// own speed, and the unit is told to stay at exactly that speed.
TEST_F(DeviceServerLink, SpeedSwitchSetsTheServersLineOnlyOverRfc2217) {
    Serve(VoskUnit0(), 9600);
    struct SCase {
        EServerPort kind;
        int baudIndex;
        int lineSpeedAfter;
        int broadcastCode;
    };
    const SCase cases[] = {
        {EServerPort::Rfc2217, BAUD_38400, 38400, SpeedCodeOf(38400)},
        {EServerPort::Raw, BAUD_9600, 9600, SpeedCodeOf(9600)},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(KindName(c.kind));
        const std::size_t before = RequestCount();
        ASSERT_EQ(Open(UrlOf(c.kind), c.baudIndex), COMM_OK) << link->OpenFailureReason();
        EXPECT_EQ(link->ControlsLineSpeed(), c.kind == EServerPort::Rfc2217);
        ASSERT_EQ(SwitchSpeed(c.baudIndex), COMM_OK);
        EXPECT_EQ(ServerLineSpeed(), c.lineSpeedAfter);
        EXPECT_EQ(BroadcastSpeedCodes(before), std::vector<int>{c.broadcastCode});
        EXPECT_EQ(Transact("D003F1000001"), COMM_OK);
        link->Close();
    }
}

// A unit that stays at 38400 bit/s (the simulator's unit-speed fault) is reached over RFC 2217 only when
// the configured speed, which the server's line is set to, is 38400.
TEST_F(DeviceServerLink, UnitAtAFixedSpeedAnswersOnlyWhenTheServersLineMatches) {
    Serve(VoskUnit0());
    SSimFaults faults;
    faults.unitBps = 38400;
    SetFaults(faults);
    for (const auto& [baudIndex, answers] : {std::pair{BAUD_38400, true}, std::pair{BAUD_19200, false}}) {
        SCOPED_TRACE(baudIndex);
        host.boxes.clear();
        ASSERT_EQ(Open(server->Rfc2217Url(), baudIndex), COMM_OK) << link->OpenFailureReason();
        // Long enough for the server's line to follow the speed change on a loaded machine.
        link->SetResponseTimeout(1000);
        SwitchSpeed(baudIndex);
        EXPECT_EQ(Transact("D003F1000001") == COMM_OK, answers);
        link->Close();
    }
}

TEST_F(DeviceServerLink, OpenFailuresNameTheServerAndTheReason) {
    Serve(VoskUnit0());
    const std::string refused = "tcp://127.0.0.1:" + std::to_string(FreeLoopbackPort());
    struct SCase {
        std::string portName;
        std::string names;
        std::string reason;
    };
    const SCase cases[] = {
        {refused, refused.substr(6), "connection refused"},
        {"rfc2217://no-such-host.invalid:4001", "no-such-host.invalid", "does not resolve"},
        {"rfc2217://127.0.0.1:" + std::to_string(server->RawPort()), "127.0.0.1:" + std::to_string(server->RawPort()),
         "does not answer RFC 2217"},
        {"tcp://[::1", "tcp://[::1", "no tcp://HOST:PORT address"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.portName);
        EXPECT_EQ(Open(c.portName), COMM_OPEN_FAILED);
        EXPECT_FALSE(link->IsOpen());
        const std::string detail = DiagnosePortOpenFailure(*link);
        EXPECT_NE(detail.find(c.names), std::string::npos) << detail;
        EXPECT_NE(detail.find(c.reason), std::string::npos) << detail;
    }
}

// ser2net stopped while the unit is about to answer: the read fails with the host, the port and the
// reason, the link closes, and once the server is back the next open and read work.
TEST_F(DeviceServerLink, ServerStoppedDuringAReadClosesTheLinkUntilItIsBack) {
    constexpr int LATE_REPLY_MARGIN_MS = 300;
    Serve(VoskUnit0());
    for (const EServerPort kind : BOTH_KINDS) {
        SCOPED_TRACE(KindName(kind));
        host.boxes.clear();
        ASSERT_EQ(Open(UrlOf(kind)), COMM_OK) << link->OpenFailureReason();
        ASSERT_EQ(Transact("D003F1000010"), COMM_OK);
        SSimFaults slow;
        slow.delayMs = 500;
        SetFaults(slow);
        const std::size_t before = RequestCount();
        std::atomic<bool> readOver = false;
        std::thread stopper([&] {
            while (RequestCount() == before && !readOver) std::this_thread::yield();
            server->Stop();
        });
        const int lostBefore = linksLost;
        EXPECT_EQ(Transact("D003F1000010"), COMM_FAILED);
        readOver = true;
        stopper.join();
        // The unit still answers the read it was slow with; that late reply must have left before the
        // server is back, or the server would hand it to the next connection as the start of a reply.
        std::this_thread::sleep_for(std::chrono::milliseconds(slow.delayMs + LATE_REPLY_MARGIN_MS));
        EXPECT_FALSE(link->IsOpen());
        EXPECT_EQ(linksLost, lostBefore + 1);
        ASSERT_EQ(host.boxes.size(), 1u);
        const std::string peer = UrlOf(kind).substr(UrlOf(kind).find("//") + 2);
        EXPECT_NE(LastDetail().find(peer), std::string::npos) << LastDetail();
        EXPECT_NE(LastDetail().find("closed the connection"), std::string::npos) << LastDetail();

        SetFaults({});
        ASSERT_TRUE(server->Start());
        ASSERT_EQ(link->Open(NET_COM_NUMBER, BAUD_9600), COMM_OK) << link->OpenFailureReason();
        EXPECT_EQ(Transact("D003F1000010"), COMM_OK) << LastDetail();
        link->Close();
    }
}

// ser2net gives its port to one client: a second one is told so and turned away.
TEST_F(DeviceServerLink, PortHeldByAnotherClientIsReportedAsSuch) {
    Serve(VoskUnit0());
    for (const EServerPort kind : BOTH_KINDS) {
        SCOPED_TRACE(KindName(kind));
        host.boxes.clear();
        CCommUnit holder(host);
        holder.SetPortOverrides({{NET_COM_NUMBER, UrlOf(kind)}});
        ASSERT_EQ(holder.Open(NET_COM_NUMBER, BAUD_9600), COMM_OK);
        const int opened = Open(UrlOf(kind));
        const bool failed = opened != COMM_OK || Transact("D003F1000001") != COMM_OK;
        EXPECT_TRUE(failed);
        const std::string said = opened != COMM_OK ? link->OpenFailureReason() : LastDetail();
        EXPECT_NE(said.find("another client"), std::string::npos) << said;
        EXPECT_FALSE(link->IsOpen());
    }
}

}  // namespace
