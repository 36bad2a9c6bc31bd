#include "cli/WatchLoop.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
    interrupted = true;
}

// Ctrl-C and termination only set the flag while the loop runs; the old handlers come back after.
class CInterruptCatcher {
public:
    CInterruptCatcher() {
        interrupted = false;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt_);
        sigaction(SIGTERM, &action, &oldTerm_);
    }
    ~CInterruptCatcher() {
        sigaction(SIGINT, &oldInt_, nullptr);
        sigaction(SIGTERM, &oldTerm_, nullptr);
    }
    CInterruptCatcher(const CInterruptCatcher&) = delete;
    CInterruptCatcher& operator=(const CInterruptCatcher&) = delete;

private:
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

// Waits until `deadline` in short steps, so that Ctrl-C ends the wait at once.
void SleepUntil(std::chrono::steady_clock::time_point deadline) {
    constexpr auto step = std::chrono::milliseconds(10);
    while (!interrupted && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(step, deadline - std::chrono::steady_clock::now()));
    }
}

}  // namespace

bool RunWatch(const SWatch& watch, const std::function<bool()>& reading) {
    if (!watch.intervalMs) return reading();
    const CInterruptCatcher catcher;
    const auto interval = std::chrono::milliseconds(*watch.intervalMs);
    auto next = std::chrono::steady_clock::now();
    for (int taken = 0; !watch.count || taken < *watch.count; ++taken) {
        if (interrupted) return true;
        if (!reading()) return false;
        next += interval;
        SleepUntil(next);
    }
    return true;
}
