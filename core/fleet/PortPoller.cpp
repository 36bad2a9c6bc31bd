#include "core/fleet/PortPoller.h"

#include <algorithm>

#include "core/app/StartupRules.h"
#include "core/app/texts/CommonMsgText.h"
#include "core/fleet/GatewayPoll.h"
#include "core/link/CommResult.h"

namespace {

constexpr std::chrono::hours IDLE_RECHECK{1};
constexpr std::array<EReadingKind, READING_KINDS> KINDS{EReadingKind::Alarms, EReadingKind::Counters,
                                                        EReadingKind::Hardware};

std::size_t KindIndex(EReadingKind kind) {
    return static_cast<std::size_t>(kind);
}

}  // namespace

CPortPoller::CPortPoller(const SPortPlan& port, const std::vector<SGatewayPlan>& gateways,
                         CFleetReadings& store, const PortSessionSetup& setup)
    : session(host), readings(store) {
    setup(session, port);
    session.link.AddFrameObserver(tally);
    for (const int index : port.gateways) {
        SUnit unit;
        unit.gateway = static_cast<std::size_t>(index);
        unit.plan = &gateways[unit.gateway];
        units.push_back(std::move(unit));
    }
}

CPortPoller::~CPortPoller() {
    Stop();
    session.link.RemoveFrameObserver(tally);
}

CPortPoller::Clock::time_point CPortPoller::PollDue(Clock::time_point now) {
    const bool connected = ConnectPort();
    Clock::time_point next = Clock::time_point::max();
    for (SUnit& unit : units) {
        if (StopRequested()) break;
        const bool due = std::any_of(unit.due.begin(), unit.due.end(), [&](auto at) { return at <= now; });
        if (due && connected) PollUnit(unit, now);
        if (due && !connected) MarkPortMissing(unit, now);
        next = std::min(next, *std::min_element(unit.due.begin(), unit.due.end()));
    }
    return next;
}

// Opens the port when it is not open (or its device has gone) and brings the units to the configured
// speed, as every series of exchanges of the desktop tool starts; again after a unit failed, since a
// unit that was switched off comes back at its own speed.
bool CPortPoller::ConnectPort() {
    if (!session.form.flags.portOpen || !session.link.StillConnected()) {
        speedSwitchDue = true;
        if (session.OpenPortIfClosed() != COMM_OK) {
            const std::string& reason = session.link.OpenFailureReason();
            portFailure = reason.empty() ? std::string(CommonMsgText[COMMON_MSG_PORT_OPEN_ERROR]) : reason;
            return false;
        }
    }
    if (!speedSwitchDue) return true;
    host.StartPoll();
    if (session.SwitchSpeed() != COMM_OK) {
        portFailure = host.FirstText();
        return false;
    }
    speedSwitchDue = false;
    return true;
}

void CPortPoller::PollUnit(SUnit& unit, Clock::time_point now) {
    SelectUnit(unit);
    host.StartPoll();
    tally.BookTo(&unit.readings.link);
    int result = COMM_OK;
    if (!unit.identified) {
        result = ReadUnitIdentity(session, unit.readings, WallClock::now());
        unit.identified = result == COMM_OK;
    }
    if (result == COMM_OK) result = ReadDueKinds(unit, now);
    tally.BookTo(nullptr);
    Schedule(unit, now);
    Finish(unit, result, host.FirstText());
}

// The session talks to this unit: its type, its slave address and the firmware it reported.
void CPortPoller::SelectUnit(const SUnit& unit) {
    session.program.SelectedGwType = unit.plan->type;
    session.program.GwSlaveAddress = GwSlaveAddressOf(unit.plan->type, unit.plan->unitNo);
    session.image.Word(GVER) = unit.readings.identity ? unit.readings.identity->value.firmware : 0;
}

int CPortPoller::ReadDueKinds(SUnit& unit, Clock::time_point now) {
    const std::uint16_t firmware = unit.readings.identity->value.firmware;
    for (const EReadingKind kind : KINDS) {
        if (unit.due[KindIndex(kind)] > now || !OffersReading(unit.plan->type, firmware, kind)) continue;
        if (const int result = ReadKind(session, kind, unit.readings, WallClock::now()); result != COMM_OK)
            return result;
    }
    return COMM_OK;
}

void CPortPoller::MarkPortMissing(SUnit& unit, Clock::time_point now) {
    ++unit.readings.link.Exchanges(EExchangeResult::NoDevice);
    Schedule(unit, now);
    Finish(unit, COMM_OPEN_FAILED, portFailure);
}

// Every kind that was due is next due one interval on, whether its read succeeded or not; a kind the
// unit does not offer is never due.
void CPortPoller::Schedule(SUnit& unit, Clock::time_point now) {
    const std::uint16_t firmware = unit.readings.identity ? unit.readings.identity->value.firmware : 0;
    for (const EReadingKind kind : KINDS) {
        Clock::time_point& due = unit.due[KindIndex(kind)];
        if (unit.identified && !OffersReading(unit.plan->type, firmware, kind)) {
            due = Clock::time_point::max();
        } else if (due <= now) {
            due = now + unit.plan->intervals.Of(kind);
        }
    }
}

void CPortPoller::Finish(SUnit& unit, int result, const std::string& reason) {
    SGatewayReadings& latest = unit.readings;
    latest.polled = true;
    latest.up = result == COMM_OK;
    latest.downReason = latest.up ? std::string() : reason;
    if (latest.up) latest.lastSuccess = WallClock::now();
    if (!latest.up) {
        unit.identified = false;  // a unit that comes back may have been replaced or updated
        speedSwitchDue = true;
    }
    readings.Publish(unit.gateway, latest);
}

bool CPortPoller::StopRequested() {
    const std::lock_guard<std::mutex> guard(stopLock);
    return stopping;
}

void CPortPoller::Start() {
    thread = std::thread([this] { Run(); });
}

void CPortPoller::Stop() {
    {
        const std::lock_guard<std::mutex> guard(stopLock);
        stopping = true;
    }
    stopSignal.notify_all();
    if (thread.joinable()) thread.join();
}

void CPortPoller::Run() {
    std::unique_lock<std::mutex> guard(stopLock);
    while (!stopping) {
        guard.unlock();
        // A port whose units offer nothing to read still looks again now and then.
        const Clock::time_point next = std::min(PollDue(Clock::now()), Clock::now() + IDLE_RECHECK);
        guard.lock();
        stopSignal.wait_until(guard, next, [this] { return stopping; });
    }
}
