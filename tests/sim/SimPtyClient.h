#pragma once
// The master's end of a simulated line in tests: opens the pseudo-terminal raw and exchanges frames.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "tests/sim/SimTestFrames.h"

class CSimPtyClient {
public:
    explicit CSimPtyClient(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        if (fd_ < 0) return;
        termios attributes{};
        ::tcgetattr(fd_, &attributes);
        ::cfmakeraw(&attributes);
        ::tcsetattr(fd_, TCSANOW, &attributes);
    }
    ~CSimPtyClient() {
        if (fd_ >= 0) ::close(fd_);
    }
    CSimPtyClient(const CSimPtyClient&) = delete;
    CSimPtyClient& operator=(const CSimPtyClient&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    bool Send(const SimBytes& frame) {
        return ::write(fd_, frame.data(), frame.size()) == static_cast<ssize_t>(frame.size());
    }

    // Reads what arrives within `firstByteMs`, until `silenceMs` pass without a byte.
    SimBytes Receive(int firstByteMs = 2000, int silenceMs = 100) {
        SimBytes bytes;
        int wait = firstByteMs;
        while (true) {
            pollfd fd{fd_, POLLIN, 0};
            if (::poll(&fd, 1, wait) <= 0) return bytes;
            std::uint8_t buffer[512];
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got <= 0) return bytes;
            bytes.insert(bytes.end(), buffer, buffer + got);
            wait = silenceMs;
        }
    }
    // The bytes of one read after the first byte has come (waits at most `firstByteMs`).
    SimBytes ReadOnce(int firstByteMs = 2000) {
        pollfd fd{fd_, POLLIN, 0};
        if (::poll(&fd, 1, firstByteMs) <= 0) return {};
        std::uint8_t buffer[512];
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        return got > 0 ? SimBytes(buffer, buffer + got) : SimBytes{};
    }
    // Sends the frame of the hex text and returns the reply; `firstByteMs` is how long silence is
    // awaited when none is expected.
    SimBytes Exchange(std::string_view hex, int firstByteMs = 2000) {
        Send(Frame(hex));
        return Receive(firstByteMs);
    }

private:
    int fd_ = -1;
};
