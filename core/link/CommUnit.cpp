#include "core/link/CommUnit.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "core/app/ComPortMapping.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/LineTiming.h"
#include "core/link/TermiosPort.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds POLL_STEP{1};
constexpr std::size_t SHORTEST_FRAME = 5;  // address, function, one data byte and the CRC

}  // namespace

CCommUnit::CCommUnit(std::function<void()> processPendingEvents)
    : CCommUnit(std::make_unique<CTermiosPort>(), std::move(processPendingEvents)) {}

CCommUnit::CCommUnit(HostServices& host) : CCommUnit([&host] { host.ProcessPendingEvents(); }) {}

CCommUnit::CCommUnit(std::unique_ptr<CSerialPort> port, std::function<void()> processPendingEvents)
    : port(std::move(port)), processPendingEvents(std::move(processPendingEvents)) {}

CCommUnit::~CCommUnit() {
    if (IsOpen()) Close();
}

void CCommUnit::SetPortOverrides(std::map<int, std::string> overrides) {
    portOverrides = std::move(overrides);
}

int CCommUnit::Open(int portNum, int baudIndex) {
    devicePath = ComPortDevicePath(portNum, portOverrides);
    if (devicePath.empty()) {
        openFailureReason = "COM" + std::to_string(portNum) + " names no serial device";
        return COMM_OPEN_FAILED;
    }
    if (!IsValidBaudIndex(baudIndex)) {
        openFailureReason = "Unknown baud rate index " + std::to_string(baudIndex);
        return COMM_OPEN_FAILED;
    }
    if (port->Open(devicePath, BaudTable[static_cast<std::size_t>(baudIndex)]) != 0) {
        openFailureReason = port->FailureReason();
        return COMM_OPEN_FAILED;
    }
    openFailureReason.clear();
    this->portNum = portNum;
    this->baudIndex = baudIndex;
    return COMM_OK;
}

const std::string& CCommUnit::OpenFailureReason() const {
    return openFailureReason;
}

int CCommUnit::Close() {
    if (!port->IsOpen()) return COMM_FAILED;
    return port->Close() == 0 ? COMM_OK : COMM_CLOSE_REFUSED;
}

bool CCommUnit::IsOpen() const {
    return port->IsOpen();
}

int CCommUnit::ChangeBaud(int baudIndex) {
    if (!IsValidBaudIndex(baudIndex)) return COMM_FAILED;
    if (port->SetSpeed(BaudTable[static_cast<std::size_t>(baudIndex)]) != 0) return COMM_FAILED;
    port->Flush(FlushQueue::Both);
    previousBaudIndex = this->baudIndex;
    this->baudIndex = baudIndex;
    return COMM_OK;
}

void CCommUnit::SendBreak(int ms) {
    port->SetBreak(true);
    const auto end = Clock::now() + milliseconds(ms);
    while (Clock::now() < end) {
    }
    port->SetBreak(false);
}

int CCommUnit::Write(const std::uint8_t* bytes, std::size_t length) {
    // Bytes that came in before the request cannot be its reply.
    port->Flush(FlushQueue::Input);
    const auto start = Clock::now();
    std::size_t sent = 0;
    while (true) {
        const long accepted = port->Write(bytes + sent, length - sent);
        if (accepted < 0) return COMM_FAILED;
        sent += static_cast<std::size_t>(accepted);
        if (sent >= length) return COMM_OK;
        if (Clock::now() - start >= milliseconds(WRITE_LIMIT_MS)) {
            // Give up: the rest of this frame must not go out in front of the next one.
            port->Flush(FlushQueue::Output);
            return COMM_FAILED;
        }
        port->WaitWritable(POLL_STEP);
    }
}

int CCommUnit::LineErrorCode(const SLineErrors& errors) const {
    if (errors.framing) return COMM_FRAMING;
    if (errors.overrun) return COMM_OVERRUN;
    if (errors.overflow) return COMM_RX_OVERFLOW;
    return COMM_LINE_ERROR;
}

int CCommUnit::FinishFrame(const std::uint8_t* buffer, std::size_t length) const {
    const std::uint16_t crc = Crc16Modbus(buffer, length - 2);
    const bool matches = buffer[length - 2] == (crc >> 8) && buffer[length - 1] == (crc & 0xFF);
    return matches ? COMM_OK : COMM_CRC_ERROR;
}

void CCommUnit::PumpEvents() {
    if (processPendingEvents) processPendingEvents();
}

int CCommUnit::Receive(std::uint8_t* buffer, std::size_t& length) {
    const milliseconds gap(EndOfFrameGapMs(Bps()));
    length = 0;
    std::memset(buffer, 0, RX_BUFFER_SIZE);
    const milliseconds timeout(GetResponseTimeout());
    const auto start = Clock::now();
    std::size_t lastChunk = 0;
    auto gapStart = start;
    while (true) {
        SLineErrors errors;
        std::size_t waiting = 0;
        if (port->QueryStatus(errors, waiting) != 0) {
            if (Clock::now() - start <= timeout) continue;
            return COMM_TIMEOUT;
        }
        if (errors.Any()) return LineErrorCode(errors);

        std::size_t chunk = 0;
        if (waiting > 0) {
            // Never past the buffer: a chunk that would cross the frame limit only needs to cross it
            // by one byte to be refused.
            const std::size_t room = RX_BUFFER_SIZE - length;
            const long got = port->Read(buffer + length, std::min({waiting, RX_FRAME_LIMIT, room}));
            if (got < 0) return COMM_LINE_ERROR;
            chunk = static_cast<std::size_t>(got);
        }
        if (chunk > 0) {
            if (length + chunk > RX_FRAME_LIMIT) return COMM_RX_OVERFLOW;
            length += chunk;
            lastChunk = chunk;
        } else {
            if (length > 0 && lastChunk > 0) {
                port->WaitReadable(POLL_STEP);
                gapStart = Clock::now();
            } else if (length > 0 && Clock::now() - gapStart >= gap && length >= SHORTEST_FRAME) {
                return FinishFrame(buffer, length);
            }
            lastChunk = 0;
        }
        if (Clock::now() - start > timeout) return COMM_TIMEOUT;
        port->WaitReadable(POLL_STEP);
        PumpEvents();
    }
}

void CCommUnit::SetResponseTimeout(std::uint32_t ms) {
    std::lock_guard lock(responseTimeoutLock);
    responseTimeout = ms;
}

std::uint32_t CCommUnit::GetResponseTimeout() const {
    std::lock_guard lock(responseTimeoutLock);
    return responseTimeout;
}
