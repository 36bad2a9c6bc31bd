#include "core/link/CommUnit.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <thread>

#include "core/app/ComPortMapping.h"
#include "core/app/texts/DetailText.h"
#include "core/link/Crc16Modbus.h"
#include "core/link/LineTiming.h"
#include "core/link/ModbusFrame.h"
#include "core/link/PortAddress.h"
#include "core/link/ReplyFrameLength.h"
#include "core/link/SerialPortFactory.h"
#include "core/link/TermiosPort.h"

namespace {

using std::chrono::milliseconds;

// A request's last byte is placed by its time on the wire at the nominal speed; on a line that is faster
// (a pseudo-terminal, a converter that buffers) the reply may come before that. No time between two
// frames is then shorter than none.
std::chrono::microseconds TimeBetween(std::chrono::steady_clock::time_point from,
                                      std::chrono::steady_clock::time_point to) {
    return std::max(std::chrono::microseconds(0),
                    std::chrono::duration_cast<std::chrono::microseconds>(to - from));
}

std::function<void()> EventPumpOf(HostServices& host) {
    if (!host.PumpsEvents()) return {};
    return [&host] { host.ProcessPendingEvents(); };
}

}  // namespace

CCommUnit::CCommUnit(std::function<void()> processPendingEvents)
    : port(std::make_unique<CTermiosPort>()), processPendingEvents(std::move(processPendingEvents)) {}

CCommUnit::CCommUnit(HostServices& host) : CCommUnit(EventPumpOf(host)) {}

CCommUnit::CCommUnit(std::unique_ptr<CSerialPort> port, std::function<void()> processPendingEvents)
    : port(std::move(port)), portChosenByName(false), processPendingEvents(std::move(processPendingEvents)) {}

CCommUnit::~CCommUnit() {
    if (IsOpen()) Close();
}

void CCommUnit::SetPortOverrides(std::map<int, std::string> overrides) {
    portOverrides = std::move(overrides);
}

void CCommUnit::SetLinkLostHandler(std::function<void()> handler) {
    linkLost = std::move(handler);
}

void CCommUnit::AddFrameObserver(CLinkFrameObserver& observer) {
    if (std::find(observers.begin(), observers.end(), &observer) == observers.end())
        observers.push_back(&observer);
}

void CCommUnit::RemoveFrameObserver(CLinkFrameObserver& observer) {
    std::erase(observers, &observer);
}

void CCommUnit::Report(SLinkFrameEvent& frame) {
    frame.attempt = attempt;
    frame.bps = Bps();
    frame.port = devicePath;
    if (lastFrameEnd != Clock::time_point{}) frame.silenceBefore = TimeBetween(lastFrameEnd, frame.firstByte);
    lastFrameEnd = frame.lastByte;
    for (CLinkFrameObserver* observer : observers) observer->OnLinkFrame(frame);
}

void CCommUnit::ReportRequest(const std::uint8_t* bytes, std::size_t length, Clock::time_point start) {
    SLinkFrameEvent frame;
    frame.direction = FrameDirection::Request;
    frame.bytes = bytes;
    frame.length = length;
    frame.firstByte = start;
    frame.lastByte = start + WireTime(length, Bps());
    lastRequestEnd = frame.lastByte;
    Report(frame);
}

// A receive that got nothing is placed at the moment it gave up, so that its response time is the
// time waited.
void CCommUnit::ReportReceive(const std::uint8_t* bytes, std::size_t length, int result) {
    SLinkFrameEvent frame;
    frame.direction = FrameDirection::Reply;
    frame.bytes = bytes;
    frame.length = length;
    frame.result = result;
    frame.linkLost = linkWentAway;
    frame.lastByte = length > 0 ? lastByteAt : Clock::now();
    frame.firstByte = length > 0 ? frameFirstByte : frame.lastByte;
    if (lastRequestEnd != Clock::time_point{})
        frame.responseTime = TimeBetween(lastRequestEnd, frame.firstByte);
    Report(frame);
}

int CCommUnit::Open(int portNum, int baudIndex) {
    if (port->IsOpen()) {
        openFailureReason = devicePath + " is already open";
        return COMM_OPEN_FAILED;
    }
    devicePath = ComPortDevicePath(portNum, portOverrides);
    if (devicePath.empty()) {
        openFailureReason = "COM" + std::to_string(portNum) + " names no serial device";
        return COMM_OPEN_FAILED;
    }
    if (!IsValidBaudIndex(baudIndex)) {
        openFailureReason = "Unknown baud rate index " + std::to_string(baudIndex);
        return COMM_OPEN_FAILED;
    }
    if (TakePortFor(devicePath) != COMM_OK) return COMM_OPEN_FAILED;
    port->SetEventPump(processPendingEvents);
    if (port->Open(devicePath, BaudTable[static_cast<std::size_t>(baudIndex)]) != 0) {
        openFailureReason = port->FailureReason();
        return COMM_OPEN_FAILED;
    }
    openFailureReason.clear();
    linkWentAway = false;
    this->portNum = portNum;
    this->baudIndex = baudIndex;
    lastByteAt = {};
    brokenReplyAt = {};
    return COMM_OK;
}

int CCommUnit::TakePortFor(const std::string& name) {
    if (!portChosenByName) return COMM_OK;
    const SPortAddressResult parsed = ParsePortAddress(name);
    if (!parsed.address) {
        openFailureReason = parsed.error;
        return COMM_OPEN_FAILED;
    }
    port = MakeSerialPort(*parsed.address);
    return COMM_OK;
}

std::string CCommUnit::NetworkFaultDetail(int result) const {
    const std::string peer = port->PeerName();
    if (peer.empty()) return {};
    if (!port->FailureReason().empty()) return port->FailureReason();
    if (result == COMM_FAILED) return peer + ": the request could not be sent";
    if (result == COMM_TIMEOUT)
        return peer + ": the server passed no reply within " + std::to_string(GetResponseTimeout()) + " ms";
    return peer + ": the reply came broken (result " + std::to_string(result) + ")";
}

std::string CCommUnit::LinkFaultDetail(int result) const {
    if (!port->PeerName().empty()) return NetworkFaultDetail(result);
    if (!linkWentAway) return {};
    return std::string(DetailText::DEVICE_LABEL) + devicePath + "\n" +
           std::string(DetailText::DEVICE_WENT_AWAY);
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

bool CCommUnit::StillConnected() {
    if (!port->IsOpen()) return false;
    if (port->WaitReadable(std::chrono::microseconds(0)) != PortWait::Gone) return true;
    DropVanishedLink(COMM_FAILED);
    return false;
}

int CCommUnit::DropVanishedLink(int result) {
    if (port->IsOpen()) port->Close();
    linkWentAway = true;
    if (linkLost) linkLost();
    return result;
}

int CCommUnit::Failure(int result) {
    return port->DeviceGone() ? DropVanishedLink(result) : result;
}

int CCommUnit::ChangeBaud(int baudIndex) {
    if (!IsValidBaudIndex(baudIndex)) return COMM_FAILED;
    if (port->SetSpeed(BaudTable[static_cast<std::size_t>(baudIndex)]) != 0) return COMM_FAILED;
    port->Flush(FlushQueue::Both);
    previousBaudIndex = this->baudIndex;
    this->baudIndex = baudIndex;
    return COMM_OK;
}

// The break's length is what matters to the gateway; the wait sleeps instead of burning the processor.
// A stop request ends it early: the line leaves the break state either way.
void CCommUnit::SendBreak(int ms) {
    port->SetBreak(true);
    Pause(ms);
    port->SetBreak(false);
}

void CCommUnit::SleepUntil(Clock::time_point until) {
    std::this_thread::sleep_until(until);
}

void CCommUnit::Pause(int ms) {
    const auto start = Clock::now();
    const auto end = start + milliseconds(ms);
    nextPump = start + EVENT_PUMP_INTERVAL;
    while (!StopDue(start)) {
        if (Clock::now() >= end) return;
        SleepUntil(std::min(end, NextLook()));
        PumpIfDue();
    }
}

void CCommUnit::SetStopRequest(std::function<std::optional<SStopRequest>()> stopRequest) {
    this->stopRequest = std::move(stopRequest);
}

bool CCommUnit::StopRequested() const {
    return stopRequest && stopRequest().has_value();
}

bool CCommUnit::StopDue(Clock::time_point waitStart) const {
    if (!stopRequest) return false;
    const std::optional<SStopRequest> request = stopRequest();
    return request && Clock::now() - std::max(request->at, waitStart) >= request->grace;
}

CCommUnit::Clock::time_point CCommUnit::NextLook() const {
    auto next = processPendingEvents ? nextPump : Clock::time_point::max();
    if (stopRequest) next = std::min(next, Clock::now() + STOP_LOOK_INTERVAL);
    return std::min(next, longWaitNoticeAt);
}

void CCommUnit::SetLongWaitObserver(std::function<void(const SLongWait*)> observer) {
    longWaitObserver = std::move(observer);
}

void CCommUnit::AnnounceLongWaitIfDue() {
    if (Clock::now() < longWaitNoticeAt) return;
    longWaitNoticeAt = Clock::time_point::max();
    longWaitShown = true;
    longWaitObserver(&longWait);
}

std::chrono::microseconds CCommUnit::FrameGap() const {
    return milliseconds(EndOfFrameGapMs(Bps()));
}

CCommUnit::Clock::time_point CCommUnit::PumpIfDue() {
    AnnounceLongWaitIfDue();
    if (processPendingEvents && Clock::now() >= nextPump) {
        processPendingEvents();
        nextPump = Clock::now() + EVENT_PUMP_INTERVAL;
    }
    return NextLook();
}

PortWait CCommUnit::WaitForInput(Clock::time_point until) {
    until = std::min(until, PumpIfDue());
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(until - Clock::now());
    return port->WaitReadable(std::max(left, std::chrono::microseconds(0)));
}

// Reads and discards whatever has come in. Bytes still coming in (the rest of a reply given up on, or
// noise) hold the request back until the line has been silent for the end-of-frame gap, so that the
// gateway never sees the two run together. After a reply that broke off, its tail may still be on its
// way: then the line must have been quiet for the inter-byte limit since the receive gave up, so that
// the tail is not taken for the next reply.
int CCommUnit::WaitForLineSilence() {
    const bool afterBrokenReply = brokenReplyAt != Clock::time_point{};
    const auto gap = afterBrokenReply ? std::chrono::duration_cast<std::chrono::microseconds>(INTER_BYTE_LIMIT)
                                      : FrameGap();
    const auto start = Clock::now();
    const auto giveUp = start + milliseconds(GetResponseTimeout());
    std::array<std::uint8_t, RX_BUFFER_SIZE> stale{};
    while (true) {
        if (StopDue(start)) return COMM_STOPPED;
        const long got = port->Read(stale.data(), stale.size());
        if (got < 0) return Failure(COMM_FAILED);
        const auto now = Clock::now();
        if (got > 0) lastByteAt = now;
        const auto silentFrom = std::max(lastByteAt, brokenReplyAt) + gap;
        if (now >= silentFrom || now >= giveUp) {
            brokenReplyAt = {};
            return COMM_OK;
        }
        const auto until = std::min(silentFrom, NextLook());
        if (port->WaitReadable(std::chrono::duration_cast<std::chrono::microseconds>(until - now)) ==
            PortWait::Gone)
            return DropVanishedLink(COMM_FAILED);
    }
}

// The frame goes to the driver in one write; only a driver whose output queue is full takes it in
// parts, each after one wait for room.
int CCommUnit::Write(const std::uint8_t* bytes, std::size_t length) {
    if (!port->IsOpen()) return COMM_FAILED;
    // Bytes that came in before the request cannot be its reply: waiting for the silence reads and
    // discards them, so the input queue is empty when the request goes out. After a stop request no
    // frame goes out; one that has begun goes out whole.
    if (const int silence = WaitForLineSilence(); silence != COMM_OK) return silence;
    // The reply is judged by the line errors from here on: those of the idle line, of a break or of a
    // speed change before the request are not its errors. A failed query is left to the receive.
    SLineErrors beforeRequest;
    (void)port->QueryLineErrors(beforeRequest);
    const auto start = Clock::now();
    const auto giveUp = start + milliseconds(WRITE_LIMIT_MS);
    std::size_t sent = 0;
    while (true) {
        const long accepted = port->Write(bytes + sent, length - sent);
        if (accepted < 0) return Failure(COMM_FAILED);
        sent += static_cast<std::size_t>(accepted);
        if (sent >= length) {
            lastRequestSlave = bytes[0];
            if (!observers.empty()) ReportRequest(bytes, length, start);
            return COMM_OK;
        }
        const auto now = Clock::now();
        if (now >= giveUp) {
            // Give up: the rest of this frame must not go out in front of the next one.
            port->Flush(FlushQueue::Output);
            return COMM_FAILED;
        }
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(giveUp - now);
        if (port->WaitWritable(left) == PortWait::Gone) return DropVanishedLink(COMM_FAILED);
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

// A frame that stopped short of the length its header announced and has been given up on. When its
// bytes still end in a matching CRC, the unit sent a whole frame whose byte count is wrong: it goes up as
// it came, and the reply checks refuse it as they refuse any read reply that does not fit its request.
// Otherwise the frame broke off.
int CCommUnit::BrokenFrameResult(const std::uint8_t* buffer, std::size_t length) const {
    if (length >= SHORTEST_FRAME && FinishFrame(buffer, length) == COMM_OK) return COMM_OK;
    return COMM_INCOMPLETE;
}

// Appends what the driver holds, never past the frame limit: a read that would cross it only needs to
// cross it by one byte to be refused. `got` says whether bytes came; their time is the last byte's.
int CCommUnit::ReadAvailable(std::uint8_t* buffer, std::size_t& length, bool& got) {
    got = false;
    const long count = port->Read(buffer + length, std::min(RX_FRAME_LIMIT, RX_BUFFER_SIZE - length));
    if (count < 0) return Failure(COMM_LINE_ERROR);
    if (count == 0) return COMM_OK;
    const auto now = Clock::now();
    if (length == 0) frameFirstByte = now;
    lastByteAt = now;
    arrived = length + static_cast<std::size_t>(count);
    if (arrived > RX_FRAME_LIMIT) return COMM_RX_OVERFLOW;
    length = arrived;
    got = true;
    return COMM_OK;
}

// While the frame's header announces more bytes than have come, all but the last of them must still
// cross the wire: until then there is nothing to wait for byte by byte. A line that hands bytes over in
// bursts only finds more of them waiting after the sleep.
CCommUnit::Clock::time_point CCommUnit::AnnouncedRestOnWire(const std::uint8_t* frame,
                                                            std::size_t length) const {
    const SReplyLength announced = ReplyLengthOf(frame, length);
    if (announced.kind != ReplyLengthKind::Announced || announced.length <= length + 1)
        return Clock::time_point::min();
    return lastByteAt + WireTime(announced.length - length - 1, Bps());
}

// A frame whose header announces its length is complete when that many bytes are in and the
// end-of-frame silence follows (bytes glued to it make it too long, and its CRC then fails). Until then
// only a gap longer than the inter-byte limit ends it, as broken. A frame that announces no length ends
// at a silence that a burst of a USB adapter does not break; shorter than the shortest frame, it never
// ends and runs into the time-out.
CCommUnit::SFrameEnd CCommUnit::FrameEnd(const std::uint8_t* frame, std::size_t length) const {
    constexpr SFrameEnd NEVER{Clock::time_point::max(), COMM_TIMEOUT};
    if (length == 0) return NEVER;
    const SReplyLength announced = ReplyLengthOf(frame, length);
    switch (announced.kind) {
        case ReplyLengthKind::Announced:
            if (length >= announced.length) return {lastByteAt + FrameGap(), COMM_OK};
            break;
        case ReplyLengthKind::Unannounced:
            if (length < SHORTEST_FRAME) return NEVER;
            return {lastByteAt + UnannouncedFrameSilence(Bps()), COMM_OK};
        case ReplyLengthKind::HeaderIncomplete:
            break;
    }
    return {lastByteAt + INTER_BYTE_LIMIT, COMM_INCOMPLETE};
}

int CCommUnit::Receive(std::uint8_t* buffer, std::size_t& length) {
    arrived = 0;
    const milliseconds limit(GetResponseTimeout());
    if (longWaitObserver && limit > LONG_WAIT) {
        longWait = {lastRequestSlave, limit};
        longWaitNoticeAt = Clock::now() + LONG_WAIT_NOTICE_AFTER;
    }
    const int result = ReceiveFrame(buffer, length);
    longWaitNoticeAt = Clock::time_point::max();
    if (longWaitShown) {
        longWaitShown = false;
        longWaitObserver(nullptr);
    }
    // An overflowing frame is reported with every byte the buffer took, one more than a reply may have.
    if (!observers.empty()) ReportReceive(buffer, arrived, result);
    if (result == COMM_INCOMPLETE) brokenReplyAt = Clock::now();
    return result;
}

// Collects bytes until the frame ends (FrameEnd). Each pass reads what is there and then waits once,
// until the frame would end, the time-out would run out or the events are to be pumped, whichever comes
// first; new bytes end the wait at once.
int CCommUnit::ReceiveFrame(std::uint8_t* buffer, std::size_t& length) {
    length = 0;
    std::memset(buffer, 0, RX_BUFFER_SIZE);
    const auto start = Clock::now();
    const auto deadline = start + milliseconds(GetResponseTimeout());
    nextPump = start;  // the user interface runs before the first wait
    while (true) {
        SLineErrors errors;
        const bool statusKnown = port->QueryLineErrors(errors) == 0;
        if (!statusKnown && port->DeviceGone()) return DropVanishedLink(COMM_LINE_ERROR);
        bool got = false;
        if (statusKnown) {
            if (errors.Any()) return LineErrorCode(errors);
            if (const int result = ReadAvailable(buffer, length, got); result != COMM_OK) return result;
        }
        const auto now = Clock::now();
        const SFrameEnd end = FrameEnd(buffer, length);
        if (now >= end.at) {
            // The end is judged on a clock read after the last read: bytes that came in between (this
            // thread held up on a busy machine) belong to the frame, which then goes on.
            if (statusKnown) {
                if (const int result = ReadAvailable(buffer, length, got); result != COMM_OK) return result;
                if (got) continue;
            }
            // The user interface sees every reply as it ends, however quickly it came.
            if (processPendingEvents) processPendingEvents();
            return end.result == COMM_OK ? FinishFrame(buffer, length) : BrokenFrameResult(buffer, length);
        }
        if (now >= deadline) return COMM_TIMEOUT;
        // Looked at only when there is nothing to take: a reply that came while this thread was held up
        // is taken whole.
        if (StopDue(start)) return COMM_STOPPED;
        const auto until = std::min(deadline, end.at);
        if (!statusKnown) {
            // Nothing can be read while the driver does not answer: sleep, but not for long.
            const auto lookDue = PumpIfDue();
            SleepUntil(std::min({until, Clock::now() + EVENT_PUMP_INTERVAL, lookDue}));
        } else if (const auto restOnWire = AnnouncedRestOnWire(buffer, length); restOnWire > now) {
            SleepUntil(std::min({until, restOnWire, PumpIfDue()}));
        } else if (WaitForInput(until) == PortWait::Gone) {
            return DropVanishedLink(COMM_LINE_ERROR);
        }
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
