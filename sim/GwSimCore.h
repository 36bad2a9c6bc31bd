#pragma once
// The simulated gateway line as a pure function of its requests: one request frame in, the reply frame
// out. No I/O, no threads; the time is passed in, so tests can run simulated time at will.
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "sim/SimConfig.h"
#include "sim/SimFaults.h"
#include "sim/SimLiveValues.h"
#include "sim/SimRegisterBank.h"

class CGwSimCore {
public:
    using Clock = std::chrono::steady_clock;

    // How many request frames RequestLog() keeps (the most recent ones).
    static constexpr std::size_t REQUEST_LOG_LIMIT = 65536;

    explicit CGwSimCore(const SSimConfig& config);

    // One request frame (CRC included) in; the reply frame (CRC included) out, empty when silent.
    std::vector<std::uint8_t> Handle(const std::vector<std::uint8_t>& request, Clock::time_point now);
    // Moves the clock, counters, hardware values and I/O areas to `now` without a request.
    void Advance(Clock::time_point now);

    // `unit` is a unit number as configured in SSimConfig::units (the unit keeps it as its identity
    // when a restart gives it another address). Unknown units read as 0 and ignore writes.
    std::uint16_t Register(int unit, std::uint16_t address) const;
    // Stores a value; an address the unit does not have becomes a read-only register.
    void SetRegister(int unit, std::uint16_t address, std::uint16_t value);
    void SetAuto(int unit, bool on);
    SSimFaults& Faults();
    // The line's write-echo fault: whether this 0Fh/10h request comes back from the line instead of
    // reaching the unit (counts the requests it concerns).
    bool LineEchoesThisWrite(const std::vector<std::uint8_t>& request);
    int LineBps() const;  // the serial speed the unit is set to (45h/04h broadcast)
    std::vector<std::vector<std::uint8_t>> RequestLog() const;  // every request frame received, in order
    std::vector<Clock::time_point> RequestTimes() const;        // when each of those arrived

    const SSimConfig& Config() const { return config_; }
    std::vector<int> Units() const;
    // The registers a unit has, in ascending order.
    std::vector<std::uint16_t> RegisterAddresses(int unit) const;
    // The slave address a unit answers at (after a restart: the address of its new unit number).
    std::uint8_t SlaveAddress(int unit) const;
    // Sets the clock of every unit that keeps one (seconds since 2000-01-01 00:00:00).
    void SetClocks(std::uint32_t seconds);
    // Takes each unit's address from its unit number register, as at power-up.
    void ApplyStoredUnitNumbers();

private:
    struct SUnit {
        int number = 0;
        std::uint8_t address = 0;
        CSimRegisterBank bank;
        SSimLiveState live;
        std::optional<Clock::time_point> silentUntil;
    };
    using Frame = std::vector<std::uint8_t>;

    SUnit* FindUnit(int unit);
    const SUnit* FindUnit(int unit) const;
    SUnit* UnitAt(std::uint8_t address, Clock::time_point now);
    bool IsSilent(const SUnit& unit, Clock::time_point now) const;
    bool TakesThisAttempt();
    std::uint8_t AddressFromUnitNumber(const SUnit& unit) const;
    void ApplyReplyFaults(Frame& reply);
    void ApplyWriteFaults(Frame& reply);
    void ReshapeReadReply(Frame& reply) const;

    Frame Execute(SUnit& unit, const Frame& request, Clock::time_point now);
    Frame ReadHoldingRegisters(SUnit& unit, const Frame& request);
    Frame WriteSingleCoil(SUnit& unit, const Frame& request, Clock::time_point now);
    Frame WriteMultipleRegisters(SUnit& unit, const Frame& request);
    Frame ReportSlaveId(SUnit& unit, const Frame& request);
    Frame VendorCommand(SUnit& unit, const Frame& request);
    std::uint8_t SetClock(SUnit& unit, std::uint32_t seconds);
    void ClearAlarmHistory(SUnit& unit);

    SSimConfig config_;
    std::vector<SUnit> units_;
    SSimFaults faults_;
    int lineBps_ = 9600;
    int attempts_ = 0;
    int writesAnswered_ = 0;     // writes the unit obeyed and answered, for the write faults
    int multipleWritesHeard_ = 0;  // 0Fh/10h requests on the line, for the write-echo fault
    std::optional<Clock::time_point> origin_;
    long long elapsedMs_ = 0;
    std::deque<Frame> requestLog_;
    std::deque<Clock::time_point> requestTimes_;
};
