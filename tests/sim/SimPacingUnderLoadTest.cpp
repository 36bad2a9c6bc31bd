// A paced reply must reach the master as one frame even while the machine is busy: the tool ends a
// frame at the first silence of the end-of-frame gap, so a pause of the pacing thread inside a reply
// turns one good reply into two broken ones.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "core/link/LineTiming.h"
#include "sim/SimPacingPriority.h"
#include "sim/SimPtyServer.h"
#include "tests/sim/SimCoreFixture.h"

namespace {

using Clock = std::chrono::steady_clock;

// Threads that keep every processor busy for as long as they live.
class CBusyMachine {
public:
    CBusyMachine() {
        const unsigned count = 2 * std::max(1u, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < count; ++i)
            spinners_.emplace_back([this] {
                while (!stop_) spin_.fetch_add(1, std::memory_order_relaxed);
            });
    }
    ~CBusyMachine() {
        stop_ = true;
        for (std::thread& spinner : spinners_) spinner.join();
    }
    CBusyMachine(const CBusyMachine&) = delete;
    CBusyMachine& operator=(const CBusyMachine&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::atomic<unsigned long> spin_{0};
    std::vector<std::thread> spinners_;
};

// Reads one frame as the tool does: whatever has come in, until the line has been silent for the
// end-of-frame gap after the last byte read.
SimBytes ReceiveFrameAsTheTool(int fd, int bps) {
    const auto gap = std::chrono::milliseconds(EndOfFrameGapMs(bps));
    SimBytes frame;
    auto lastByte = Clock::now() + std::chrono::seconds(2);  // the first byte may take its time
    while (true) {
        std::uint8_t buffer[512];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            frame.insert(frame.end(), buffer, buffer + got);
            lastByte = Clock::now();
        }
        const auto left = lastByte + gap - Clock::now();
        if (left <= Clock::duration::zero()) {
            // Judged after the clock was read: what came meanwhile still belongs to the frame.
            const ssize_t late = ::read(fd, buffer, sizeof buffer);
            if (late <= 0) return frame;
            frame.insert(frame.end(), buffer, buffer + late);
            lastByte = Clock::now();
            continue;
        }
        pollfd wait{fd, POLLIN, 0};
        ::poll(&wait, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
    }
}

bool RealTimePriorityAllowed() {
    bool allowed = false;
    std::thread probe([&allowed] { allowed = RaisePacingThreadPriority(); });
    probe.join();
    return allowed;
}

TEST(SimPacingUnderLoadTest, LongPacedRepliesStayWholeWhileEveryProcessorIsBusy) {
    if (!RealTimePriorityAllowed()) GTEST_SKIP() << "this user may not raise a thread's priority";
    SSimConfig config = CSimLine::ConfigOf(GW_VOSK);
    config.pace = true;
    CSimPtyServer server(config);
    ASSERT_EQ(server.Start(), 0);
    const int bps = server.WithCore([](CGwSimCore& core) { return core.LineBps(); });
    const int fd = ::open(server.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);

    const CBusyMachine busy;
    int torn = 0;
    constexpr int TRANSACTIONS = 30;
    for (int i = 0; i < TRANSACTIONS; ++i) {
        const SimBytes request = Frame("D003F6000048");  // the whole master-to-gateway area
        ASSERT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
        if (ReceiveFrameAsTheTool(fd, bps).size() != 3u + 144u + 2u) ++torn;
        std::this_thread::sleep_for(std::chrono::milliseconds(EndOfFrameGapMs(bps)));
    }
    ::close(fd);
    EXPECT_EQ(torn, 0) << "of " << TRANSACTIONS << " replies";
}

}  // namespace
