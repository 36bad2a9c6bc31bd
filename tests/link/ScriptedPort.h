#pragma once
// A port played by the test: each request written is answered by pieces of bytes that become readable
// at chosen times after it, and the driver reports the errors and failures the test sets. It records
// the writes, the status queries and every wait the link asks for.
#include <algorithm>
#include <chrono>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

#include "core/link/CommUnit.h"
#include "core/link/SerialPort.h"

using Bytes = std::vector<std::uint8_t>;

struct STimedPiece {
    Bytes bytes;
    std::chrono::microseconds after;  // readable this long after the request was written
};
using TimedReply = std::vector<STimedPiece>;

class CScriptedPort : public CSerialPort {
public:
    using Clock = std::chrono::steady_clock;

    // What the driver does.
    std::deque<TimedReply> replies;  // one per request, in order; none left: silence
    SLineErrors errors;
    bool queryFails = false;
    bool readFails = false;
    bool writeFails = false;
    bool hangsUp = false;  // waits report that the line hung up
    bool gone = false;     // failures mean the device has gone
    long writeLimit = 0;   // > 0: the most bytes one write accepts

    // What the link did.
    bool open = true;
    int opens = 0;
    int closes = 0;
    int queries = 0;
    std::vector<Bytes> writes;
    std::vector<Clock::time_point> writeTimes;
    std::vector<std::chrono::microseconds> waits;
    Clock::time_point lastDelivery{};  // when a read last returned bytes

    int Open(const std::string&, int) override {
        if (open) return -1;
        open = true;
        ++opens;
        return 0;
    }
    const std::string& FailureReason() const override { return reason; }
    int Close() override {
        open = false;
        ++closes;
        return 0;
    }
    bool IsOpen() const override { return open; }
    int SetSpeed(int) override { return 0; }
    void SetBreak(bool) override {}
    long Write(const std::uint8_t* bytes, std::size_t length) override {
        if (!open || writeFails) return -1;
        const std::size_t taken =
            writeLimit > 0 ? std::min(length, static_cast<std::size_t>(writeLimit)) : length;
        writes.emplace_back(bytes, bytes + taken);
        writeTimes.push_back(Clock::now());
        if (taken == length) StartReply();
        return static_cast<long>(taken);
    }
    int QueryLineErrors(SLineErrors& reported) override {
        ++queries;
        reported = errors;
        return (queryFails || !open) ? -1 : 0;
    }
    long Read(std::uint8_t* buffer, std::size_t length) override {
        if (!open || readFails) return -1;
        std::size_t got = 0;
        while (!playing.empty() && Due(playing.front()) && got + playing.front().bytes.size() <= length) {
            std::copy(playing.front().bytes.begin(), playing.front().bytes.end(), buffer + got);
            got += playing.front().bytes.size();
            playing.pop_front();
        }
        if (got > 0) lastDelivery = Clock::now();
        return static_cast<long>(got);
    }
    PortWait WaitReadable(std::chrono::microseconds limit) override {
        waits.push_back(limit);
        if (hangsUp) return PortWait::Gone;
        auto until = Clock::now() + limit;
        if (!playing.empty()) until = std::min(until, replyStart + playing.front().after);
        std::this_thread::sleep_until(until);
        return !playing.empty() && Due(playing.front()) ? PortWait::Ready : PortWait::TimedOut;
    }
    PortWait WaitWritable(std::chrono::microseconds) override { return PortWait::Ready; }
    bool DeviceGone() const override { return gone || hangsUp; }
    void Flush(FlushQueue queue) override {
        if (queue != FlushQueue::Output) DropDue();
    }

private:
    bool Due(const STimedPiece& piece) const { return Clock::now() >= replyStart + piece.after; }
    void StartReply() {
        playing.clear();
        replyStart = Clock::now();
        if (replies.empty()) return;
        playing.assign(replies.front().begin(), replies.front().end());
        replies.pop_front();
    }
    void DropDue() {
        while (!playing.empty() && Due(playing.front())) playing.pop_front();
    }

    std::string reason = "scripted";
    std::deque<STimedPiece> playing;
    Clock::time_point replyStart{};
};

// A link on a scripted port, opened at 9600 bit/s.
struct SScriptedLink {
    explicit SScriptedLink(bool pumping = true) {
        auto owned = std::make_unique<CScriptedPort>();
        port = owned.get();
        port->open = false;
        std::function<void()> pump;
        if (pumping) pump = [this] { ++pumps; };
        link = std::make_unique<CCommUnit>(std::move(owned), pump);
        link->SetPortOverrides({{1, "/dev/scripted"}});
        link->Open(1, 0);
        link->SetResponseTimeout(100);
    }
    int Exchange(const Bytes& request, Bytes* reply = nullptr) {
        if (link->Write(request.data(), request.size()) != COMM_OK) return COMM_FAILED;
        return Receive(reply);
    }
    int Receive(Bytes* reply = nullptr) {
        std::array<std::uint8_t, RX_BUFFER_SIZE> buffer{};
        std::size_t length = 0;
        const int result = link->Receive(buffer.data(), length);
        if (reply != nullptr) reply->assign(buffer.begin(), buffer.begin() + static_cast<long>(length));
        return result;
    }

    CScriptedPort* port;
    int pumps = 0;
    std::unique_ptr<CCommUnit> link;
};
