#include "cli/session/MonitorWatch.h"

#include <chrono>
#include <thread>

#include "cli/console/InterruptFlag.h"

namespace {

constexpr auto WAIT_STEP = std::chrono::milliseconds(10);

}  // namespace

EReadingsEnd RunMonitorReadings(std::optional<int> watchMs, std::optional<int> count,
                                const std::function<bool()>& reading) {
    const CInterruptFlag flag;
    const int readings = count.value_or(watchMs ? 0 : 1);  // 0: until Ctrl-C
    auto next = std::chrono::steady_clock::now();
    for (int done = 0; readings == 0 || done < readings; ++done) {
        if (flag.Raised()) return EReadingsEnd::Interrupted;
        if (!reading()) return flag.Raised() ? EReadingsEnd::Interrupted : EReadingsEnd::Failed;
        if (!watchMs) continue;
        next += std::chrono::milliseconds(*watchMs);
        while (std::chrono::steady_clock::now() < next && !flag.Raised())
            std::this_thread::sleep_for(WAIT_STEP);
    }
    return flag.Raised() ? EReadingsEnd::Interrupted : EReadingsEnd::Done;
}
