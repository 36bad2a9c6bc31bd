#pragma once
// The polling of one port: its own link, opened once and held open between polls, and its units polled
// one after another, each kind of value when its interval is due. A unit that does not answer is marked
// down with the reason and polled again at its next interval; a port whose device has gone (an adapter
// unplugged, a network connection dropped) is opened again at the next poll.
#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "core/fleet/FleetHost.h"
#include "core/fleet/FleetPlan.h"
#include "core/fleet/FleetReadings.h"
#include "core/fleet/LinkStatistics.h"
#include "core/procedures/Session.h"

// Sets a fresh session up for a port as gwcli does for its --port and --baud: the settings file, the
// port (COM number, device path or URL) and the speed.
using PortSessionSetup = std::function<void(CSession& session, const SPortPlan& port)>;

class CPortPoller {
public:
    using Clock = std::chrono::steady_clock;

    CPortPoller(const SPortPlan& port, const std::vector<SGatewayPlan>& gateways, CFleetReadings& readings,
                const PortSessionSetup& setup);
    ~CPortPoller();  // stops the thread
    CPortPoller(const CPortPoller&) = delete;
    CPortPoller& operator=(const CPortPoller&) = delete;

    // Polls every unit whose values are due at `now`, one after another, publishes each unit's
    // readings, and returns when the next values are due.
    Clock::time_point PollDue(Clock::time_point now);

    // Polls on a thread of its own until Stop: each time values are due, at once the first time.
    void Start();
    // Ends the thread after the unit being polled.
    void Stop();

private:
    struct SUnit {
        std::size_t gateway = 0;
        const SGatewayPlan* plan = nullptr;
        SGatewayReadings readings;
        std::array<Clock::time_point, READING_KINDS> due{};
        bool identified = false;  // firmware and network read since the unit last came up
    };

    bool ConnectPort();
    void PollUnit(SUnit& unit, Clock::time_point now);
    void SelectUnit(const SUnit& unit);
    int ReadDueKinds(SUnit& unit, Clock::time_point now);
    void MarkPortMissing(SUnit& unit, Clock::time_point now);
    void Schedule(SUnit& unit, Clock::time_point now);
    void Finish(SUnit& unit, int result, const std::string& reason);
    bool StopRequested();
    void Run();

    CFleetHost host;
    CSession session;
    CLinkTally tally;
    CFleetReadings& readings;
    std::vector<SUnit> units;
    bool speedSwitchDue = true;  // the units may not be at the configured speed
    std::string portFailure;

    std::mutex stopLock;
    std::condition_variable stopSignal;
    bool stopping = false;
    std::thread thread;
};
