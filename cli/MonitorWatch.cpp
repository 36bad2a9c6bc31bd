#include "cli/MonitorWatch.h"

#include <chrono>
#include <csignal>
#include <thread>

namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

// Ctrl-C sets a flag while the readings run; the previous handler comes back afterwards.
class CInterruptFlag {
public:
    CInterruptFlag() {
        interrupted = 0;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previousInt_);
        sigaction(SIGTERM, &action, &previousTerm_);
    }
    ~CInterruptFlag() {
        sigaction(SIGINT, &previousInt_, nullptr);
        sigaction(SIGTERM, &previousTerm_, nullptr);
    }
    CInterruptFlag(const CInterruptFlag&) = delete;
    CInterruptFlag& operator=(const CInterruptFlag&) = delete;
    bool Raised() const { return interrupted != 0; }

private:
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
};

constexpr auto WAIT_STEP = std::chrono::milliseconds(10);

}  // namespace

bool RunMonitorReadings(std::optional<int> watchMs, std::optional<int> count,
                        const std::function<bool()>& reading) {
    const CInterruptFlag flag;
    const int readings = count.value_or(watchMs ? 0 : 1);  // 0: until Ctrl-C
    auto next = std::chrono::steady_clock::now();
    for (int done = 0; readings == 0 || done < readings; ++done) {
        if (flag.Raised()) return true;
        if (!reading()) return flag.Raised();
        if (!watchMs) continue;
        next += std::chrono::milliseconds(*watchMs);
        while (std::chrono::steady_clock::now() < next && !flag.Raised())
            std::this_thread::sleep_for(WAIT_STEP);
    }
    return true;
}
