#include "tests/link/PtyPeer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "core/link/Crc16Modbus.h"

namespace {

constexpr int REQUEST_WAIT_MS = 10000;
constexpr int REQUEST_SILENCE_MS = 3;

}  // namespace

Bytes WithCrc(Bytes frame) {
    const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size());
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    return frame;
}

CPtyPeer::CPtyPeer() {
    masterFd = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (masterFd < 0 || ::grantpt(masterFd) != 0 || ::unlockpt(masterFd) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    devicePath = ::ptsname(masterFd);
    termios raw{};
    ::tcgetattr(masterFd, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(masterFd, TCSANOW, &raw);
}

CPtyPeer::~CPtyPeer() {
    stopping = true;
    if (server.joinable()) server.join();
    if (masterFd >= 0) ::close(masterFd);
}

void CPtyPeer::Serve(std::vector<ScriptedReply> replies) {
    Finish();
    stopping = false;
    server = std::thread([this, replies = std::move(replies)] {
        for (const auto& reply : replies) {
            Bytes request = ReadRequest();
            if (request.empty()) return;
            {
                std::lock_guard lock(requestsLock);
                requests.push_back(std::move(request));
            }
            Play(reply);
        }
    });
}

void CPtyPeer::Finish() {
    if (server.joinable()) server.join();
}

std::vector<Bytes> CPtyPeer::Requests() {
    std::lock_guard lock(requestsLock);
    return requests;
}

// One request: the bytes up to the first silence of a few milliseconds.
Bytes CPtyPeer::ReadRequest() {
    Bytes request;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(REQUEST_WAIT_MS);
    while (!stopping && std::chrono::steady_clock::now() < deadline) {
        pollfd p{masterFd, POLLIN, 0};
        const int ready = ::poll(&p, 1, request.empty() ? 10 : REQUEST_SILENCE_MS);
        if (ready == 0 && !request.empty()) return request;
        if (ready <= 0) continue;
        if ((p.revents & POLLIN) == 0) {
            // The link has not opened its side yet, or has closed it.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        std::uint8_t chunk[512];
        const ssize_t got = ::read(masterFd, chunk, sizeof chunk);
        if (got > 0) request.insert(request.end(), chunk, chunk + got);
    }
    return request;
}

void CPtyPeer::Play(const ScriptedReply& reply) {
    for (const auto& piece : reply) {
        Send(piece.bytes);
        if (piece.pauseMsAfter > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(piece.pauseMsAfter));
    }
}

void CPtyPeer::Send(const Bytes& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(masterFd, bytes.data() + sent, bytes.size() - sent);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

void CPtyPeer::HangUp() {
    stopping = true;
    Finish();
    ::close(masterFd);
    masterFd = -1;
}
