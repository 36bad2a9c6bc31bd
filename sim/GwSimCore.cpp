#include "sim/GwSimCore.h"

#include <algorithm>

#include "core/link/ModbusBytes.h"
#include "sim/SimFrame.h"
#include "sim/SimRegisterMap.h"
#include "sim/SimSpeedCodes.h"
#include "sim/SimUnitProfile.h"

namespace {

constexpr std::uint8_t BROADCAST = 0x00;

constexpr std::uint8_t FN_READ_HOLDING = 0x03;
constexpr std::uint8_t FN_WRITE_COIL = 0x05;
constexpr std::uint8_t FN_WRITE_REGISTER = 0x06;
constexpr std::uint8_t FN_WRITE_COILS = 0x0F;
constexpr std::uint8_t FN_WRITE_MULTIPLE = 0x10;
constexpr std::uint8_t FN_REPORT_SLAVE_ID = 0x11;
constexpr std::uint8_t FN_VENDOR = 0x45;

constexpr std::uint8_t EX_ILLEGAL_FUNCTION = 0x01;
constexpr std::uint8_t EX_ILLEGAL_ADDRESS = 0x02;
constexpr std::uint8_t EX_ILLEGAL_VALUE = 0x03;
constexpr std::uint8_t EX_BUSY = 0x06;

constexpr std::uint8_t SUB_SPEED = 0x04;
constexpr std::uint8_t SUB_CLEAR_ALARMS = 0x0F;
constexpr std::uint8_t SUB_SET_CLOCK = 0x18;

constexpr std::uint8_t STATUS_DONE = 0x00;
constexpr std::uint8_t STATUS_BAD_TIME = 0x11;
constexpr std::uint8_t STATUS_NOT_MANU = 0x2E;

constexpr std::uint8_t RUN_ON = 0xFF;
constexpr std::uint8_t RUN_OFF = 0x00;

constexpr int MAX_READ_COUNT = 125;
constexpr int MAX_WRITE_COUNT = 123;

constexpr std::size_t SHAPE_B_LENGTH = 8;  // slave, function, register, count or value, CRC
constexpr std::size_t SHAPE_A_LENGTH = 4;  // slave, function, CRC
constexpr std::size_t VENDOR_LENGTH = 10;  // slave, 45h, 00h, sub-function, 4 argument bytes, CRC

std::uint8_t Byte(std::uint16_t value, int shift) {
    return static_cast<std::uint8_t>((value >> shift) & 0xFF);
}

bool IsAuto(const CSimRegisterBank& bank) {
    return (bank.Get(SIM_REG_GSTS) & SIM_GSTS_MANU) == 0;
}

}  // namespace

CGwSimCore::CGwSimCore(const SSimConfig& config) : config_(config) {
    const bool fixedAddress = (config.type & GW_UNIT_NUMBERED_MASK) == 0;
    for (int number : config.units) {
        SUnit& unit = units_.emplace_back();
        unit.number = number;
        unit.address = SlaveAddressOf(config.type, number);
        BuildUnitRegisters(unit.bank, config, number);
        AdvanceLiveRegisters(unit.bank, unit.live, 0, 0);
        if (fixedAddress) break;  // one unit per line: its address does not depend on a number
    }
}

std::vector<std::uint8_t> CGwSimCore::Handle(const std::vector<std::uint8_t>& request,
                                             Clock::time_point now) {
    requestLog_.push_back(request);
    requestTimes_.push_back(now);
    if (requestLog_.size() > REQUEST_LOG_LIMIT) {
        requestLog_.pop_front();
        requestTimes_.pop_front();
    }
    Advance(now);
    if (!HasValidCrc(request) || faults_.silent) return {};
    if (request[0] == BROADCAST) {
        for (SUnit& unit : units_) {
            if (!IsSilent(unit, now)) Execute(unit, request, now);
        }
        return {};
    }
    SUnit* unit = UnitAt(request[0], now);
    if (unit == nullptr || !TakesThisAttempt()) return {};
    Frame reply =
        faults_.exceptionCode != 0
            ? ExceptionReply(request[0], request[1], static_cast<std::uint8_t>(faults_.exceptionCode))
            : Execute(*unit, request, now);
    ApplyReplyFaults(reply);
    return reply;
}

void CGwSimCore::Advance(Clock::time_point now) {
    if (!origin_) origin_ = now;
    const long long toMs = std::chrono::duration_cast<std::chrono::milliseconds>(now - *origin_).count();
    if (toMs <= elapsedMs_) return;
    for (SUnit& unit : units_) AdvanceLiveRegisters(unit.bank, unit.live, elapsedMs_, toMs);
    elapsedMs_ = toMs;
}

std::uint16_t CGwSimCore::Register(int unit, std::uint16_t address) const {
    const SUnit* found = FindUnit(unit);
    return found != nullptr ? found->bank.Get(address) : 0;
}

void CGwSimCore::SetRegister(int unit, std::uint16_t address, std::uint16_t value) {
    SUnit* found = FindUnit(unit);
    if (found == nullptr) return;
    if (found->bank.Access(address) == 0) found->bank.Map(address, 1, REG_READ);
    found->bank.Set(address, value);
}

void CGwSimCore::SetAuto(int unit, bool on) {
    SUnit* found = FindUnit(unit);
    if (found == nullptr) return;
    const std::uint16_t status = found->bank.Get(SIM_REG_GSTS);
    found->bank.Set(SIM_REG_GSTS, on ? static_cast<std::uint16_t>(status & ~SIM_GSTS_MANU)
                                     : static_cast<std::uint16_t>(status | SIM_GSTS_MANU));
}

SSimFaults& CGwSimCore::Faults() {
    return faults_;
}

int CGwSimCore::LineBps() const {
    return lineBps_;
}

std::vector<std::vector<std::uint8_t>> CGwSimCore::RequestLog() const {
    return {requestLog_.begin(), requestLog_.end()};
}

std::vector<CGwSimCore::Clock::time_point> CGwSimCore::RequestTimes() const {
    return {requestTimes_.begin(), requestTimes_.end()};
}

std::vector<int> CGwSimCore::Units() const {
    std::vector<int> numbers;
    for (const SUnit& unit : units_) numbers.push_back(unit.number);
    return numbers;
}

std::vector<std::uint16_t> CGwSimCore::RegisterAddresses(int unit) const {
    std::vector<std::uint16_t> addresses;
    const SUnit* found = FindUnit(unit);
    if (found == nullptr) return addresses;
    for (int address = 0; address <= 0xFFFF; ++address) {
        if (found->bank.Access(static_cast<std::uint16_t>(address)) != 0) {
            addresses.push_back(static_cast<std::uint16_t>(address));
        }
    }
    return addresses;
}

std::uint8_t CGwSimCore::SlaveAddress(int unit) const {
    const SUnit* found = FindUnit(unit);
    return found != nullptr ? found->address : 0;
}

void CGwSimCore::SetClocks(std::uint32_t seconds) {
    for (SUnit& unit : units_) {
        if (unit.bank.Access(SIM_REG_CLOCK) != 0) SetUnitClock(unit.bank, unit.live, seconds);
    }
}

void CGwSimCore::ApplyStoredUnitNumbers() {
    for (SUnit& unit : units_) unit.address = AddressFromUnitNumber(unit);
}

CGwSimCore::SUnit* CGwSimCore::FindUnit(int unit) {
    auto it = std::find_if(units_.begin(), units_.end(), [unit](const SUnit& u) { return u.number == unit; });
    return it != units_.end() ? &*it : nullptr;
}

const CGwSimCore::SUnit* CGwSimCore::FindUnit(int unit) const {
    auto it = std::find_if(units_.begin(), units_.end(), [unit](const SUnit& u) { return u.number == unit; });
    return it != units_.end() ? &*it : nullptr;
}

CGwSimCore::SUnit* CGwSimCore::UnitAt(std::uint8_t address, Clock::time_point now) {
    for (SUnit& unit : units_) {
        if (unit.address == address) return IsSilent(unit, now) ? nullptr : &unit;
    }
    return nullptr;
}

bool CGwSimCore::IsSilent(const SUnit& unit, Clock::time_point now) const {
    return unit.silentUntil && now < *unit.silentUntil;
}

bool CGwSimCore::TakesThisAttempt() {
    if (faults_.answerEveryNth <= 1) return true;
    ++attempts_;
    return attempts_ % faults_.answerEveryNth == 0;
}

std::uint8_t CGwSimCore::AddressFromUnitNumber(const SUnit& unit) const {
    if ((config_.type & GW_UNIT_NUMBERED_MASK) == 0) return unit.address;
    return static_cast<std::uint8_t>(0xD0 + (unit.bank.Get(SIM_REG_UNIT_NO) & 0xFF));
}

void CGwSimCore::ApplyReplyFaults(Frame& reply) {
    if (reply.size() < 4) return;
    ApplyWriteFaults(reply);
    if (faults_.wrongSlave) reply[0] ^= 0x01;
    if (faults_.wrongFunction) reply[1] ^= 0x01;
    const bool reshapeRead =
        reply[1] == FN_READ_HOLDING && (faults_.wrongByteCount || faults_.dropRegisters > 0);
    if (reshapeRead) ReshapeReadReply(reply);
    if (faults_.wrongSlave || faults_.wrongFunction || reshapeRead) RefreshCrc(reply);
    if (faults_.corruptCrc) reply.back() = static_cast<std::uint8_t>(~reply.back());
    reply.insert(reply.end(), faults_.trailing.begin(), faults_.trailing.end());
}

namespace {
bool IsMultipleWrite(std::uint8_t function) {
    return function == FN_WRITE_COILS || function == FN_WRITE_MULTIPLE;
}
bool IsWrite(std::uint8_t function) {
    return function == FN_WRITE_COIL || function == FN_WRITE_REGISTER || IsMultipleWrite(function);
}
bool DueNow(int every, int count) {
    return every > 0 && count % every == 0;
}
}  // namespace

// A write the unit obeyed whose reply the faults spoil: cut to five bytes, or naming another quantity.
void CGwSimCore::ApplyWriteFaults(Frame& reply) {
    if (!IsWrite(reply[1])) return;  // an exception or a read
    ++writesAnswered_;
    if (DueNow(faults_.writeCountEvery, writesAnswered_) && IsMultipleWrite(reply[1]) && reply.size() >= 8) {
        reply[5] = static_cast<std::uint8_t>(reply[5] ^ 0x01);
        RefreshCrc(reply);
    }
    if (DueNow(faults_.writeShortEvery, writesAnswered_)) {
        reply.resize(3);
        AppendCrc(reply);
    }
}

bool CGwSimCore::LineEchoesThisWrite(const std::vector<std::uint8_t>& request) {
    if (faults_.writeEchoEvery == 0 || request.size() < 2 || !IsMultipleWrite(request[1])) return false;
    return DueNow(faults_.writeEchoEvery, ++multipleWritesHeard_);
}

// Drops registers from the end of a read reply and makes its byte count lie, as the faults ask; the
// caller recomputes the CRC so the frame still passes the line checks.
void CGwSimCore::ReshapeReadReply(Frame& reply) const {
    constexpr std::size_t header = 3;
    constexpr std::size_t crc = 2;
    const std::size_t dataBytes = reply.size() - header - crc;
    const std::size_t dropBytes = std::min(dataBytes, 2 * static_cast<std::size_t>(faults_.dropRegisters));
    reply.erase(reply.end() - static_cast<std::ptrdiff_t>(crc + dropBytes), reply.end() - crc);
    reply[2] = static_cast<std::uint8_t>(dataBytes - dropBytes + (faults_.wrongByteCount ? 2 : 0));
}

CGwSimCore::Frame CGwSimCore::Execute(SUnit& unit, const Frame& request, Clock::time_point now) {
    switch (request[1]) {
        case FN_READ_HOLDING:
            return ReadHoldingRegisters(unit, request);
        case FN_WRITE_COIL:
            return WriteSingleCoil(unit, request, now);
        case FN_WRITE_MULTIPLE:
            return WriteMultipleRegisters(unit, request);
        case FN_REPORT_SLAVE_ID:
            return ReportSlaveId(unit, request);
        case FN_VENDOR:
            return VendorCommand(unit, request);
        default:
            return ExceptionReply(request[0], request[1], EX_ILLEGAL_FUNCTION);
    }
}

CGwSimCore::Frame CGwSimCore::ReadHoldingRegisters(SUnit& unit, const Frame& request) {
    if (request.size() != SHAPE_B_LENGTH) return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    const std::uint16_t first = GetBE16(&request[2]);
    const int count = GetBE16(&request[4]);
    if (count < 1 || count > MAX_READ_COUNT) return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    if (!unit.bank.RangeHas(first, count, REG_READ)) {
        return ExceptionReply(request[0], request[1], EX_ILLEGAL_ADDRESS);
    }
    Frame reply{request[0], request[1], static_cast<std::uint8_t>(2 * count)};
    for (int i = 0; i < count; ++i) {
        const std::uint16_t value = unit.bank.Get(static_cast<std::uint16_t>(first + i));
        reply.push_back(Byte(value, 8));
        reply.push_back(Byte(value, 0));
    }
    AppendCrc(reply);
    return reply;
}

CGwSimCore::Frame CGwSimCore::WriteSingleCoil(SUnit& unit, const Frame& request, Clock::time_point now) {
    if (request.size() != SHAPE_B_LENGTH) return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    const std::uint16_t coil = GetBE16(&request[2]);
    const std::uint16_t value = GetBE16(&request[4]);
    if (coil != SIM_COIL_RESTART) return ExceptionReply(request[0], request[1], EX_ILLEGAL_ADDRESS);
    if (value != SIM_COIL_ON && value != SIM_COIL_OFF) {
        return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    }
    if (value == SIM_COIL_ON) {
        // The unit restarts: it is gone for a moment and comes back at the address of its unit number.
        unit.silentUntil = now + RestartSilenceOf(config_.type);
        unit.address = AddressFromUnitNumber(unit);
    }
    Frame reply(request.begin(), request.end() - 2);
    AppendCrc(reply);
    return reply;
}

CGwSimCore::Frame CGwSimCore::WriteMultipleRegisters(SUnit& unit, const Frame& request) {
    if (request.size() < 9) return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    const std::uint16_t first = GetBE16(&request[2]);
    const int count = GetBE16(&request[4]);
    const std::size_t byteCount = request[6];
    if (count < 1 || count > MAX_WRITE_COUNT || byteCount != 2 * static_cast<std::size_t>(count) ||
        request.size() != 9 + byteCount) {
        return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    }
    if (!unit.bank.RangeHas(first, count, REG_WRITE)) {
        return ExceptionReply(request[0], request[1], EX_ILLEGAL_ADDRESS);
    }
    if (IsAuto(unit.bank) && unit.bank.RangeTouches(first, count, REG_PARAMETER)) {
        return ExceptionReply(request[0], request[1], EX_BUSY);
    }
    for (int i = 0; i < count; ++i) {
        unit.bank.Set(static_cast<std::uint16_t>(first + i), GetBE16(&request[7 + 2 * i]));
    }
    Frame reply(request.begin(), request.begin() + 6);
    AppendCrc(reply);
    return reply;
}

CGwSimCore::Frame CGwSimCore::ReportSlaveId(SUnit& unit, const Frame& request) {
    if (request.size() != SHAPE_A_LENGTH) return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    const std::uint16_t version = unit.bank.Get(SIM_REG_GVER);
    Frame reply{request[0],
                request[1],
                6,
                SlaveIdByteOf(config_.type),
                IsAuto(unit.bank) ? RUN_ON : RUN_OFF,
                Byte(version, 8),
                Byte(version, 0),
                Byte(unit.bank.Get(SIM_REG_AXIS_SLOTS), 0),
                static_cast<std::uint8_t>(unit.number)};
    AppendCrc(reply);
    return reply;
}

CGwSimCore::Frame CGwSimCore::VendorCommand(SUnit& unit, const Frame& request) {
    if (request.size() != VENDOR_LENGTH || request[2] != 0x00) {
        return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
    }
    const std::uint8_t subFunction = request[3];
    std::uint8_t status = STATUS_DONE;
    if (subFunction == SUB_SPEED) {
        const int bps = SimBpsOfSpeedCode(GetBE16(&request[4]));
        if (bps == 0) return ExceptionReply(request[0], request[1], EX_ILLEGAL_VALUE);
        lineBps_ = bps;
    } else if (subFunction == SUB_CLEAR_ALARMS && unit.bank.Access(SIM_REG_ALARM_HISTORY) != 0) {
        ClearAlarmHistory(unit);
    } else if (subFunction == SUB_SET_CLOCK && unit.bank.Access(SIM_REG_CLOCK) != 0) {
        status = SetClock(unit, GetBE32(&request[4]));
    } else {
        return ExceptionReply(request[0], request[1], EX_ILLEGAL_FUNCTION);
    }
    Frame reply{request[0], request[1], status, subFunction};
    AppendCrc(reply);
    return reply;
}

std::uint8_t CGwSimCore::SetClock(SUnit& unit, std::uint32_t seconds) {
    if (IsAuto(unit.bank)) return STATUS_NOT_MANU;
    if (seconds > SIM_CLOCK_MAX) return STATUS_BAD_TIME;
    SetUnitClock(unit.bank, unit.live, seconds);
    return STATUS_DONE;
}

void CGwSimCore::ClearAlarmHistory(SUnit& unit) {
    for (int n = 0; n < SIM_ALARM_RECORDS; ++n) {
        const auto first = static_cast<std::uint16_t>(SIM_REG_ALARM_HISTORY + n * SIM_ALARM_RECORD_WORDS);
        for (int i = 0; i < SIM_ALARM_RECORD_WORDS; ++i)
            unit.bank.Set(static_cast<std::uint16_t>(first + i), 0);
        unit.bank.Set(static_cast<std::uint16_t>(first + 1), 0xFFFF);
    }
}
