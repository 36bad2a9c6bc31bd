// The serial port checks what its driver tells it: line settings that cannot be read or are refused, a
// speed the adapter does not take, a close that reports an error, and line errors that belong to the
// idle line or a break rather than to the reply. A pseudo-terminal plays the device; the calls double
// passes every call to it but for the one the test makes fail or lie.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/texts/DetailText.h"
#include "core/link/CommUnit.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/link/TermiosPort.h"
#include "tests/link/PtyPeer.h"

namespace {

constexpr int COM = 12;
constexpr int BAUD_9600 = 0;
constexpr int BAUD_230400 = 5;
constexpr int BAUD_460800 = 6;

class CFaultyCalls : public CTermiosCalls {
public:
    // Tcgetattr: the call numbers (1 for the first) that fail with `getError`.
    std::vector<int> failingGets;
    int getError = EIO;
    // Tcsetattr fails with this error (0: it does not).
    int setError = 0;
    // A driver that takes the settings but not this speed: it sets `keptSpeed` in its place and
    // reports success.
    std::optional<speed_t> untakenSpeed;
    speed_t keptSpeed = B230400;
    // Close closes the descriptor and then reports this error (0: success).
    int closeError = 0;
    // TIOCGICOUNT answers from these counters when `countsErrors`; a break moves them as the receiver
    // of a two-wire line sees its own break (a break and a framing error).
    bool countsErrors = false;
    serial_icounter_struct counts{};

    int gets = 0;
    std::vector<int> closed;

    int Tcgetattr(int fd, termios& settings) override {
        ++gets;
        for (const int call : failingGets) {
            if (call == gets) {
                errno = getError;
                return -1;
            }
        }
        return CTermiosCalls::Tcgetattr(fd, settings);
    }
    int Tcsetattr(int fd, const termios& settings) override {
        if (setError != 0) {
            errno = setError;
            return -1;
        }
        termios taken = settings;
        if (untakenSpeed && ::cfgetospeed(&settings) == *untakenSpeed) {
            ::cfsetispeed(&taken, keptSpeed);
            ::cfsetospeed(&taken, keptSpeed);
        }
        return CTermiosCalls::Tcsetattr(fd, taken);
    }
    int Ioctl(int fd, unsigned long request, void* argument) override {
        if (countsErrors && request == TIOCGICOUNT) {
            *static_cast<serial_icounter_struct*>(argument) = counts;
            return 0;
        }
        if (countsErrors && request == TIOCSBRK) {
            ++counts.brk;
            ++counts.frame;
        }
        return CTermiosCalls::Ioctl(fd, request, argument);
    }
    int Close(int fd) override {
        closed.push_back(fd);
        const int result = CTermiosCalls::Close(fd);
        if (closeError == 0) return result;
        errno = closeError;
        return -1;
    }
};

// The speed the pseudo-terminal is set to, read on a descriptor of its own.
int LineBps(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios settings{};
    const bool read = fd >= 0 && ::tcgetattr(fd, &settings) == 0;
    if (fd >= 0) ::close(fd);
    if (!read) return -1;
    switch (::cfgetospeed(&settings)) {
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        case B230400:
            return 230400;
        case B460800:
            return 460800;
        default:
            return 0;
    }
}

std::string Text(std::string_view text) {
    return std::string(text);
}

class TermiosPortChecks : public ::testing::Test {
protected:
    CPtyPeer peer;
    std::shared_ptr<CFaultyCalls> calls = std::make_shared<CFaultyCalls>();
    CTermiosPort port{calls};
};

// A real pseudo-terminal takes every speed the tool offers, and each is read back as set.
TEST_F(TermiosPortChecks, RealPseudoTerminalRunsAtEverySpeed) {
    CTermiosPort real;
    ASSERT_EQ(real.Open(peer.DevicePath(), 9600), 0) << real.FailureReason();
    for (const int bps : BaudTable) {
        EXPECT_EQ(real.SetSpeed(bps), 0) << bps << ": " << real.FailureReason();
        EXPECT_EQ(LineBps(peer.DevicePath()), bps);
    }
    EXPECT_EQ(real.SetSpeed(12345), -1);
    EXPECT_EQ(real.FailureReason(), "The adapter cannot run at 12345 bps");
    EXPECT_EQ(LineBps(peer.DevicePath()), 460800) << "a speed that cannot be set leaves the line as it was";
    EXPECT_EQ(real.Close(), 0);
    EXPECT_FALSE(real.IsOpen());
}

// An open whose line settings fail is refused with the reason, and lets go of the device: the next
// open of it succeeds.
TEST_F(TermiosPortChecks, OpenRefusesLineSettingsTheDriverDidNotConfirm) {
    struct SCase {
        const char* name;
        std::vector<int> failingGets;
        int setError;
        bool untaken;
        std::string reason;
    };
    const std::vector<SCase> cases = {
        {"settings cannot be read",
         {1},
         0,
         false,
         Text(DetailText::LINE_SETTINGS_NOT_REPORTED) + "Input/output error"},
        {"settings refused",
         {},
         EINVAL,
         false,
         "The driver refused the line settings (460800 bps, 8N1): Invalid argument"},
        {"speed read back differs",
         {},
         0,
         true,
         "The adapter cannot run at 460800 bps (its driver set 230400 bps)"},
        {"settings cannot be read back",
         {2},
         0,
         false,
         Text(DetailText::LINE_SETTINGS_NOT_REPORTED) + "Input/output error"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto faulty = std::make_shared<CFaultyCalls>();
        faulty->failingGets = c.failingGets;
        faulty->setError = c.setError;
        if (c.untaken) faulty->untakenSpeed = B460800;
        CTermiosPort failing(faulty);
        EXPECT_EQ(failing.Open(peer.DevicePath(), 460800), -1);
        EXPECT_EQ(failing.FailureReason(), c.reason);
        EXPECT_FALSE(failing.IsOpen());
        EXPECT_EQ(faulty->closed.size(), 1u) << "the descriptor is closed once";

        CTermiosPort next;
        EXPECT_EQ(next.Open(peer.DevicePath(), 9600), 0) << "not held: " << next.FailureReason();
    }
}

// The user sees the device and the speed its adapter cannot run at below the open error.
TEST_F(TermiosPortChecks, LinkNamesTheAdapterAndTheSpeedItCannotRunAt) {
    calls->untakenSpeed = B460800;
    CCommUnit link(std::make_unique<CTermiosPort>(calls), {});
    link.SetPortOverrides({{COM, peer.DevicePath()}});
    ASSERT_EQ(link.Open(COM, BAUD_460800), COMM_OPEN_FAILED);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(DiagnosePortOpenFailure(link),
              "Device: " + peer.DevicePath() +
                  "\nThe adapter cannot run at 460800 bps (its driver set 230400 bps)");
    EXPECT_EQ(link.Open(COM, BAUD_230400), COMM_OK) << link.OpenFailureReason();
}

// A speed change the driver does not confirm fails with the reason and leaves the line at its old speed,
// and the link keeps the speed it had.
TEST_F(TermiosPortChecks, SpeedChangeTheDriverDidNotConfirmKeepsTheOldSpeed) {
    struct SCase {
        const char* name;
        int failingGet;  // counted from the first call of the speed change
        int setError;
        bool untaken;
        std::string reason;
    };
    const std::vector<SCase> cases = {
        {"settings cannot be read", 1, 0, false,
         Text(DetailText::LINE_SETTINGS_NOT_REPORTED) + "Input/output error"},
        {"settings refused", 0, EINVAL, false,
         "The driver refused the line settings (460800 bps, 8N1): Invalid argument"},
        {"speed read back differs", 0, 0, true,
         "The adapter cannot run at 460800 bps (its driver set 230400 bps)"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto faulty = std::make_shared<CFaultyCalls>();
        CCommUnit link(std::make_unique<CTermiosPort>(faulty), {});
        link.SetPortOverrides({{COM, peer.DevicePath()}});
        ASSERT_EQ(link.Open(COM, BAUD_9600), COMM_OK) << link.OpenFailureReason();
        if (c.failingGet > 0) faulty->failingGets = {faulty->gets + c.failingGet};
        faulty->setError = c.setError;
        if (c.untaken) faulty->untakenSpeed = B460800;

        EXPECT_EQ(link.ChangeBaud(BAUD_460800), COMM_FAILED);
        EXPECT_EQ(link.BaudIndex(), BAUD_9600);
        EXPECT_EQ(LineBps(peer.DevicePath()), 9600);
        EXPECT_TRUE(link.IsOpen()) << "the port stays usable at its old speed";
    }
    // Through the port itself, the reason.
    ASSERT_EQ(port.Open(peer.DevicePath(), 9600), 0) << port.FailureReason();
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        calls->failingGets =
            c.failingGet > 0 ? std::vector<int>{calls->gets + c.failingGet} : std::vector<int>{};
        calls->setError = c.setError;
        calls->untakenSpeed = c.untaken ? std::optional<speed_t>(B460800) : std::nullopt;
        EXPECT_EQ(port.SetSpeed(460800), -1);
        EXPECT_EQ(port.FailureReason(), c.reason);
        EXPECT_EQ(LineBps(peer.DevicePath()), 9600);
    }
}

// Linux lets go of the descriptor whatever close reports: the port forgets it, never closes it a second
// time (it could be another file's by then), and opens again.
TEST_F(TermiosPortChecks, CloseForgetsTheDescriptorWhateverCloseReported) {
    struct SCase {
        int error;
        int result;
        std::string reason;
    };
    const std::vector<SCase> cases = {
        {0, 0, ""},
        {EINTR, 0, ""},
        {EIO, -1, Text(DetailText::CLOSED_WITH_ERROR) + "Input/output error"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.error);
        auto faulty = std::make_shared<CFaultyCalls>();
        {
            CTermiosPort closing(faulty);
            ASSERT_EQ(closing.Open(peer.DevicePath(), 9600), 0) << closing.FailureReason();
            faulty->closeError = c.error;
            EXPECT_EQ(closing.Close(), c.result);
            EXPECT_FALSE(closing.IsOpen());
            if (c.result != 0) {
                EXPECT_EQ(closing.FailureReason(), c.reason);
            }
            EXPECT_EQ(closing.Close(), -1) << "nothing is left to close";
            faulty->closeError = 0;
            ASSERT_EQ(closing.Open(peer.DevicePath(), 9600), 0) << closing.FailureReason();
        }
        EXPECT_EQ(faulty->closed.size(), 2u) << "each descriptor closed once, the second by the destructor";
    }
    // The link reports the close's error and is closed all the same.
    calls->closeError = EIO;
    CCommUnit link(std::make_unique<CTermiosPort>(calls), {});
    link.SetPortOverrides({{COM, peer.DevicePath()}});
    ASSERT_EQ(link.Open(COM, BAUD_9600), COMM_OK) << link.OpenFailureReason();
    EXPECT_EQ(link.Close(), COMM_CLOSE_REFUSED);
    EXPECT_FALSE(link.IsOpen());
    calls->closeError = 0;
    EXPECT_EQ(link.Open(COM, BAUD_9600), COMM_OK) << link.OpenFailureReason();
}

// The driver's error counters count from right before each request: errors of the idle line or of the
// speed switch's break are not the reply's, errors after the request are.
TEST_F(TermiosPortChecks, LineErrorsCountFromRightBeforeTheRequest) {
    const Bytes request = WithCrc({0xD0, 0x03, 0xF1, 0x00, 0x00, 0x01});
    const Bytes reply = WithCrc({0xD0, 0x03, 0x02, 0x12, 0x34});
    calls->countsErrors = true;
    CCommUnit link(std::make_unique<CTermiosPort>(calls), {});
    link.SetPortOverrides({{COM, peer.DevicePath()}});
    ASSERT_EQ(link.Open(COM, BAUD_9600), COMM_OK) << link.OpenFailureReason();
    link.SetResponseTimeout(300);
    peer.Serve({{{reply, 0}}, {{reply, 0}}, {{reply, 0}}});
    std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
    std::size_t length = 0;

    // Noise on the idle line.
    ++calls->counts.frame;
    ++calls->counts.overrun;
    ++calls->counts.parity;
    ASSERT_EQ(link.Write(request.data(), request.size()), COMM_OK);
    EXPECT_EQ(link.Receive(buffer.data(), length), COMM_OK);
    EXPECT_EQ(length, reply.size());

    // The speed switch's break, then the next request at the new speed.
    link.SendBreak(2);
    ASSERT_EQ(link.ChangeBaud(BAUD_9600), COMM_OK);
    ASSERT_EQ(link.Write(request.data(), request.size()), COMM_OK);
    EXPECT_EQ(link.Receive(buffer.data(), length), COMM_OK);

    // A framing error while the reply comes in is the reply's.
    ASSERT_EQ(link.Write(request.data(), request.size()), COMM_OK);
    ++calls->counts.frame;
    EXPECT_EQ(link.Receive(buffer.data(), length), COMM_FRAMING);
    peer.Finish();
}

}  // namespace
