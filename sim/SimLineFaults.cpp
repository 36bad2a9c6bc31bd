#include "sim/SimLineFaults.h"

#include <termios.h>

#include <array>
#include <cstddef>
#include <utility>

namespace {
constexpr int BITS_PER_BYTE = 10;  // start, 8 data bits, stop
constexpr int DATA_BITS = 8;

// The line level during bit `index` of the sent stream (idle, that is 1, before and after it).
int LevelOfBit(const std::vector<std::uint8_t>& bytes, long long index) {
    if (index < 0 || index >= static_cast<long long>(bytes.size()) * BITS_PER_BYTE) return 1;
    const std::size_t byte = static_cast<std::size_t>(index / BITS_PER_BYTE);
    const int bit = static_cast<int>(index % BITS_PER_BYTE);
    if (bit == 0) return 0;
    if (bit == BITS_PER_BYTE - 1) return 1;
    return (bytes[byte] >> (bit - 1)) & 1;
}

// Times are counted in units of 1 / (2 x senderBps x receiverBps) seconds, so that both bit times and
// half a receiver bit time are whole numbers.
class CWire {
public:
    CWire(const std::vector<std::uint8_t>& bytes, int senderBps, int receiverBps)
        : bytes_(bytes), sentBit_(2LL * receiverBps), halfReceivedBit_(senderBps) {}

    int LevelAt(long long time) const { return LevelOfBit(bytes_, time / sentBit_); }

    // The first falling edge at or after `time`; -1 when the line stays idle.
    long long NextFallingEdge(long long time) const {
        const long long total = static_cast<long long>(bytes_.size()) * BITS_PER_BYTE;
        for (long long bit = (time + sentBit_ - 1) / sentBit_; bit < total; ++bit) {
            if (LevelOfBit(bytes_, bit - 1) == 1 && LevelOfBit(bytes_, bit) == 0) return bit * sentBit_;
        }
        return -1;
    }

    // The middle of receiver bit `n` of a character whose start bit began at `start`.
    long long Middle(long long start, int n) const { return start + (2LL * n + 1) * halfReceivedBit_; }

private:
    const std::vector<std::uint8_t>& bytes_;
    long long sentBit_;
    long long halfReceivedBit_;
};

constexpr std::array<std::pair<speed_t, int>, 12> SPEEDS = {{{B1200, 1200},
                                                             {B2400, 2400},
                                                             {B4800, 4800},
                                                             {B9600, 9600},
                                                             {B19200, 19200},
                                                             {B38400, 38400},
                                                             {B57600, 57600},
                                                             {B115200, 115200},
                                                             {B230400, 230400},
                                                             {B460800, 460800},
                                                             {B921600, 921600},
                                                             {B0, 0}}};
}  // namespace

std::vector<std::uint8_t> ReceivedAtSpeed(const std::vector<std::uint8_t>& bytes, int senderBps,
                                          int receiverBps) {
    if (senderBps <= 0 || receiverBps <= 0 || senderBps == receiverBps) return bytes;
    const CWire wire(bytes, senderBps, receiverBps);
    std::vector<std::uint8_t> received;
    long long time = 0;
    while (true) {
        const long long start = wire.NextFallingEdge(time);
        if (start < 0) break;
        if (wire.LevelAt(wire.Middle(start, 0)) != 0) {  // a glitch, not a start bit
            time = start + 1;
            continue;
        }
        std::uint8_t value = 0;
        for (int bit = 0; bit < DATA_BITS; ++bit)
            value = static_cast<std::uint8_t>(value | (wire.LevelAt(wire.Middle(start, bit + 1)) << bit));
        received.push_back(value);
        time = wire.Middle(start, BITS_PER_BYTE - 1);  // after the stop bit's sample
    }
    return received;
}

int TerminalBps(int fd) {
    termios attributes{};
    if (::tcgetattr(fd, &attributes) != 0) return 0;
    const speed_t speed = ::cfgetospeed(&attributes);
    for (const auto& [code, bps] : SPEEDS) {
        if (code == speed) return bps;
    }
    return 0;
}

std::vector<std::uint8_t> RequestAsUnitHearsIt(const std::vector<std::uint8_t>& request,
                                               const SSimFaults& faults, int masterBps) {
    if (faults.unitBps == 0 || masterBps == 0) return request;
    return ReceivedAtSpeed(request, masterBps, faults.unitBps);
}

std::vector<std::uint8_t> ReplyAsMasterHearsIt(const std::vector<std::uint8_t>& reply,
                                               const SSimFaults& faults, int masterBps) {
    const int sentAt = faults.replyBps != 0 ? faults.replyBps : faults.unitBps;
    if (sentAt == 0 || masterBps == 0) return reply;
    return ReceivedAtSpeed(reply, sentAt, masterBps);
}
