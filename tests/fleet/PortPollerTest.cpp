// The polling of one port against simulated units on a pseudo-terminal: what is read when, what a unit
// that stops answering or a port that vanishes looks like, and the way back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/app/texts/CommonMsgText.h"
#include "core/fleet/PortPoller.h"
#include "sim/SimPtyServer.h"
#include "sim/SimRegisterMap.h"

namespace {

constexpr int SIM_COM = 7;
constexpr int BAUD_115200 = 4;
constexpr std::uint32_t SHORT_TIMEOUT_MS = 300;
using Clock = CPortPoller::Clock;
using std::chrono::seconds;

SGatewayPlan Gateway(std::string name, GwType type, int unitNo = 0) {
    SGatewayPlan plan;
    plan.name = std::move(name);
    plan.port = "COM7";
    plan.type = type;
    plan.unitNo = unitNo;
    return plan;
}

SSimConfig SimOf(GwType type, std::vector<int> units = {0}) {
    SSimConfig config;
    config.type = type;
    config.units = std::move(units);
    return config;
}

class PortPollerOnSim : public ::testing::Test {
protected:
    PortPollerOnSim() {
        char pattern[] = "/tmp/gw-fleet-XXXXXX";
        folder = ::mkdtemp(pattern);
    }
    ~PortPollerOnSim() override {
        poller.reset();
        sim.reset();
        std::filesystem::remove_all(folder);
    }

    // A simulated line behind COM7's device path, which stays the same when the line is served anew.
    void Serve(const SSimConfig& config) {
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(LinePath()), 0);
        // Counters and hardware values stand still at what the test sets.
        sim->WithCore(
            [](CGwSimCore& core) { core.Advance(CGwSimCore::Clock::now() + std::chrono::hours(1)); });
    }
    std::string LinePath() const { return (folder / "COM7").string(); }

    void Watch(std::vector<SGatewayPlan> plans, std::uint32_t toolFlags = TOOLFLAG_VALID) {
        gateways = std::move(plans);
        store = std::make_unique<CFleetReadings>(gateways.size());
        const std::string line = LinePath();
        poller = std::make_unique<CPortPoller>(PortsOf(gateways).front(), gateways, *store,
                                               [line, toolFlags](CSession& session, const SPortPlan&) {
                                                   session.link.SetPortOverrides({{SIM_COM, line}});
                                                   session.link.SetResponseTimeout(SHORT_TIMEOUT_MS);
                                                   session.program.Comm.CurrentPortNum = SIM_COM;
                                                   session.program.Comm.CurrentBaudIndex = BAUD_115200;
                                                   session.program.Comm.ToolFlags = toolFlags;
                                               });
    }
    SGatewayReadings Readings(std::size_t gateway) const { return store->Snapshot()[gateway]; }

    void SetUnitRegister(std::uint16_t address, std::uint16_t value, int unit = 0) {
        sim->WithCore([&](CGwSimCore& core) { core.SetRegister(unit, address, value); });
    }
    void SetFaults(const SSimFaults& faults) {
        sim->WithCore([&](CGwSimCore& core) { core.Faults() = faults; });
    }
    // Read requests (03h) for `first` since the log's entry `since`.
    std::size_t ReadsOf(std::uint16_t first, std::size_t since = 0) {
        const auto log = sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); });
        std::size_t count = 0;
        for (std::size_t i = since; i < log.size(); ++i)
            count += log[i].size() >= 4 && log[i][1] == 0x03 && (log[i][2] << 8 | log[i][3]) == first;
        return count;
    }
    std::size_t LogSize() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog().size(); });
    }

    std::filesystem::path folder;
    std::unique_ptr<CSimPtyServer> sim;
    std::vector<SGatewayPlan> gateways;
    std::unique_ptr<CFleetReadings> store;
    std::unique_ptr<CPortPoller> poller;
};

}  // namespace

TEST_F(PortPollerOnSim, TwoUnitsOnOnePortAreReadAsTheyHoldTheirValues) {
    Serve(SimOf(GW_VOSK, {0, 1}));
    SetUnitRegister(SIM_REG_COUNTERS, 11, 0);
    SetUnitRegister(SIM_REG_COUNTERS + 2, 13, 0);
    SetUnitRegister(SIM_REG_COUNTERS, 21, 1);
    SetUnitRegister(SIM_REG_HARDWARE, 241, 1);
    SetUnitRegister(SIM_REG_HARDWARE + 9, 65535, 1);
    Watch({Gateway("press-1", GW_VOSK, 0), Gateway("press-2", GW_VOSK, 1)});

    const Clock::time_point start = Clock::now();
    EXPECT_EQ(poller->PollDue(start), start + seconds(10));  // alarms and counters next, hardware later

    const SGatewayReadings first = Readings(0), second = Readings(1);
    ASSERT_TRUE(first.up) << first.downReason;
    ASSERT_TRUE(second.up) << second.downReason;
    EXPECT_EQ(first.counters->value.counters.size(), 3u);  // ERR_T, ERR_C, EMG: no RTET without ExtendedMode
    EXPECT_EQ(first.counters->value.counters[0], 11);
    EXPECT_EQ(first.counters->value.counters[2], 13);
    EXPECT_EQ(second.counters->value.counters[0], 21);
    EXPECT_EQ(second.hardware[0]->value, 241);
    EXPECT_EQ(second.hardware[9]->value, 65535);
    EXPECT_EQ(first.alarms->value.records, 6);
    EXPECT_EQ(first.alarms->value.newestCode, 0x0FFFu);
    EXPECT_EQ(first.identity->value.firmware,
              sim->WithCore([](CGwSimCore& c) { return c.Register(0, 0xF101); }));
    EXPECT_EQ(first.link.Exchanges(EExchangeResult::Ok),
              8u);  // identity, slave ID, 4 alarm blocks, counters, hardware
    EXPECT_EQ(first.link.Exchanges(EExchangeResult::Timeout), 0u);
    EXPECT_TRUE(first.lastSuccess.has_value());
}

// As the window shows them: RTET only in the settings file's ExtendedMode.
TEST_F(PortPollerOnSim, ExtendedModeAddsTheRtetCounter) {
    Serve(SimOf(GW_VOSK));
    SetUnitRegister(SIM_REG_COUNTERS + 3, 9);
    Watch({Gateway("press-1", GW_VOSK)}, TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE);
    poller->PollDue(Clock::now());
    const SGatewayReadings r = Readings(0);
    ASSERT_TRUE(r.up) << r.downReason;
    ASSERT_EQ(r.counters->value.counters.size(), 4u);
    EXPECT_EQ(r.counters->value.counters[3], 9);
}

TEST_F(PortPollerOnSim, EachKindIsReadWhenItsIntervalIsDue) {
    Serve(SimOf(GW_VOSK));
    SGatewayPlan plan = Gateway("press-1", GW_VOSK);
    plan.intervals = {seconds(20), seconds(10), seconds(30)};
    Watch({plan});
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(poller->PollDue(start), start + seconds(10));
    const std::size_t afterFirst = LogSize();
    EXPECT_EQ(poller->PollDue(start + seconds(10)), start + seconds(20));
    EXPECT_EQ(ReadsOf(0xF187, afterFirst), 1u);
    EXPECT_EQ(ReadsOf(0xF400, afterFirst), 0u);
    EXPECT_EQ(ReadsOf(0xF900, afterFirst), 0u);
    const std::size_t afterSecond = LogSize();
    EXPECT_EQ(poller->PollDue(start + seconds(20)), start + seconds(30));
    EXPECT_EQ(ReadsOf(0xF187, afterSecond), 1u);
    EXPECT_EQ(ReadsOf(0xF400, afterSecond), 1u);
    EXPECT_EQ(ReadsOf(0xF900, afterSecond), 0u);
    EXPECT_EQ(ReadsOf(0xF101, afterFirst), 0u);  // the unit's identity is read once while it stays up
    EXPECT_EQ(ReadsOf(0xF100, afterFirst), 0u);
}

// Which monitors a unit offers follows the type and, for KAVELIS, its firmware, as in the Monitor menu.
TEST_F(PortPollerOnSim, KindsReadFollowTheTypeAndFirmware) {
    struct SCase {
        GwType type;
        std::uint16_t firmware;
        bool alarms, counters, hardware;
    };
    for (const SCase& c :
         {SCase{GW_VOSK_LC, 0x20, true, true, true}, SCase{GW_DRAVO, 0x20, true, true, false},
          SCase{GW_NUB3GW, 0x20, true, true, false}, SCase{GW_KAVELIS, 12, false, true, false},
          SCase{GW_KAVELIS, 11, false, false, false}}) {
        SCOPED_TRACE(GwUnitDataOf(c.type).name);
        poller.reset();
        Serve(SimOf(c.type));
        SetUnitRegister(0xF101, c.firmware);
        Watch({Gateway("unit", c.type)});
        poller->PollDue(Clock::now());
        const SGatewayReadings r = Readings(0);
        ASSERT_TRUE(r.up) << r.downReason;
        EXPECT_EQ(r.alarms.has_value(), c.alarms);
        EXPECT_EQ(r.counters.has_value(), c.counters);
        EXPECT_EQ(r.hardware[5].has_value(), c.hardware);
        EXPECT_EQ(ReadsOf(0xF900) > 0, c.hardware);
    }
}

TEST_F(PortPollerOnSim, UnitThatStopsAnsweringIsDownWithTheReasonAndComesBack) {
    Serve(SimOf(GW_VOSK));
    Watch({Gateway("press-1", GW_VOSK)});
    const Clock::time_point start = Clock::now();
    poller->PollDue(start);
    ASSERT_TRUE(Readings(0).up);
    const SGatewayReadings before = Readings(0);

    SSimFaults silent;
    silent.silent = true;
    SetFaults(silent);
    poller->PollDue(start + seconds(10));
    SGatewayReadings down = Readings(0);
    EXPECT_FALSE(down.up);
    EXPECT_EQ(down.downReason, "Receive time-out error (PC)");
    EXPECT_EQ(down.link.Exchanges(EExchangeResult::Timeout), 2u);  // the request and its retry
    EXPECT_EQ(down.lastSuccess, before.lastSuccess);
    ASSERT_TRUE(down.counters.has_value());  // the last readings stay, with the time they were read
    EXPECT_EQ(down.counters->readAt, before.counters->readAt);

    SetFaults({});
    poller->PollDue(start + seconds(20));
    EXPECT_TRUE(Readings(0).up);
    EXPECT_EQ(Readings(0).downReason, "");
}

TEST_F(PortPollerOnSim, RefusedRequestIsAnExceptionAndABadReply) {
    Serve(SimOf(GW_VOSK));
    SSimFaults refusing;
    refusing.exceptionCode = 2;
    SetFaults(refusing);
    Watch({Gateway("press-1", GW_VOSK)});
    poller->PollDue(Clock::now());
    const SGatewayReadings r = Readings(0);
    EXPECT_FALSE(r.up);
    EXPECT_EQ(r.downReason, CommonMsgText[58]);  // "Receive data error (PC)"
    EXPECT_EQ(r.link.Exchanges(EExchangeResult::Exception), 1u);
}

TEST_F(PortPollerOnSim, VanishedPortIsOpenedAgainWhenItReturns) {
    Serve(SimOf(GW_VOSK));
    Watch({Gateway("press-1", GW_VOSK)});
    const Clock::time_point start = Clock::now();
    poller->PollDue(start);
    ASSERT_TRUE(Readings(0).up);

    sim.reset();  // the adapter is unplugged: its device is gone
    poller->PollDue(start + seconds(10));
    poller->PollDue(start + seconds(20));
    const SGatewayReadings gone = Readings(0);
    EXPECT_FALSE(gone.up);
    EXPECT_GE(gone.link.Exchanges(EExchangeResult::NoDevice), 1u);
    EXPECT_NE(gone.downReason.find(LinePath()), std::string::npos) << gone.downReason;

    Serve(SimOf(GW_VOSK));  // plugged in again, at the same path
    SetUnitRegister(SIM_REG_COUNTERS, 5);
    poller->PollDue(start + seconds(30));
    const SGatewayReadings back = Readings(0);
    ASSERT_TRUE(back.up) << back.downReason;
    EXPECT_EQ(back.counters->value.counters[0], 5);
}

TEST_F(PortPollerOnSim, VoltageOfZeroKeepsTheVoltageReadBefore) {
    Serve(SimOf(GW_VOSK));
    SetUnitRegister(SIM_REG_HARDWARE, 241);
    SetUnitRegister(SIM_REG_HARDWARE + 6, 40);
    SGatewayPlan plan = Gateway("press-1", GW_VOSK);
    plan.intervals.hardware = seconds(10);
    Watch({plan});
    const Clock::time_point start = Clock::now();
    poller->PollDue(start);
    const auto firstRead = Readings(0).hardware[0]->readAt;
    SetUnitRegister(SIM_REG_HARDWARE, 0);
    SetUnitRegister(SIM_REG_HARDWARE + 6, 0);
    poller->PollDue(start + seconds(10));
    const SGatewayReadings r = Readings(0);
    EXPECT_EQ(r.hardware[0]->value, 241);  // a voltage of 0 is no reading
    EXPECT_EQ(r.hardware[0]->readAt, firstRead);
    EXPECT_EQ(r.hardware[6]->value, 0);  // a temperature of 0 is one
}

TEST_F(PortPollerOnSim, ThreadPollsUntilStopped) {
    Serve(SimOf(GW_VOSK));
    Watch({Gateway("press-1", GW_VOSK)});
    poller->Start();
    while (!Readings(0).polled) std::this_thread::yield();
    poller->Stop();
    EXPECT_TRUE(Readings(0).up);
}
