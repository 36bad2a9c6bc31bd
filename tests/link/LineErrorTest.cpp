// Line errors and failing status queries, from a port whose driver reports what the test says.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>

#include "core/link/CommUnit.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A port that is always open, has nothing to read, and reports the errors and failures it is given.
class CScriptedDriverPort : public CSerialPort {
public:
    SLineErrors errors;
    bool queryFails = false;
    bool readFails = false;
    std::size_t waiting = 0;
    int queries = 0;

    int Open(const std::string&, int) override { return 0; }
    const std::string& FailureReason() const override { return reason; }
    int Close() override { return 0; }
    bool IsOpen() const override { return true; }
    int SetSpeed(int) override { return 0; }
    void SetBreak(bool) override {}
    long Write(const std::uint8_t*, std::size_t length) override { return static_cast<long>(length); }
    int QueryStatus(SLineErrors& reported, std::size_t& bytesWaiting) override {
        ++queries;
        reported = errors;
        bytesWaiting = waiting;
        return queryFails ? -1 : 0;
    }
    long Read(std::uint8_t*, std::size_t) override { return readFails ? -1 : 0; }
    void WaitReadable(std::chrono::milliseconds) override {}
    void WaitWritable(std::chrono::milliseconds) override {}
    void Flush(FlushQueue) override {}

private:
    std::string reason;
};

struct SLink {
    SLink() {
        auto owned = std::make_unique<CScriptedDriverPort>();
        port = owned.get();
        link = std::make_unique<CCommUnit>(std::move(owned), [] {});
        link->SetResponseTimeout(50);
    }
    int Receive() {
        std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
        std::size_t length = 0;
        return link->Receive(buffer.data(), length);
    }
    CScriptedDriverPort* port;
    std::unique_ptr<CCommUnit> link;
};

TEST(LineErrors, AbortTheReceiveInOrderOfPrecedence) {
    struct SCase {
        SLineErrors errors;
        int expected;
    };
    const std::vector<SCase> cases = {
        {{true, true, true, true}, COMM_FRAMING},
        {{false, true, true, true}, COMM_OVERRUN},
        {{false, false, true, true}, COMM_RX_OVERFLOW},
        {{false, false, false, true}, COMM_LINE_ERROR},
    };
    for (const auto& c : cases) {
        SLink line;
        line.port->errors = c.errors;
        EXPECT_EQ(line.Receive(), c.expected);
        EXPECT_EQ(line.port->queries, 1) << "the first report ends the receive";
    }
}

TEST(LineErrors, ReadThatFailsOutrightIsALineError) {
    SLink line;
    line.port->waiting = 3;
    line.port->readFails = true;
    EXPECT_EQ(line.Receive(), COMM_LINE_ERROR);
}

TEST(LineErrors, FailingStatusQueryIsRetriedUntilTheTimeOut) {
    SLink line;
    line.port->queryFails = true;
    const auto start = Clock::now();
    EXPECT_EQ(line.Receive(), COMM_TIMEOUT);
    EXPECT_GE(Clock::now() - start, milliseconds(50));
    EXPECT_GT(line.port->queries, 1);
}

}  // namespace
