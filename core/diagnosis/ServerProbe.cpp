#include "core/diagnosis/ServerProbe.h"

#include <array>
#include <cctype>

#include "core/link/GensioConnection.h"

namespace {

// The lines of text among the bytes: Telnet negotiation and other control bytes left out.
std::string PrintableText(const std::string& bytes) {
    std::string text;
    for (const char c : bytes) {
        if (std::isprint(static_cast<unsigned char>(c))) text += c;
    }
    return text;
}

}  // namespace

SServerProbe ProbeServer(const SPortAddress& server, std::chrono::milliseconds connectLimit,
                         std::chrono::milliseconds listenTime) {
    SServerProbe probe;
    CGensioConnection connection;
    if (connection.Connect(server.host, server.port, connectLimit) != 0) {
        probe.reason = connection.Reason();
        return probe;
    }
    probe.connected = true;
    std::string received;
    const auto end = CGensioConnection::Clock::now() + listenTime;
    while (!connection.Failed() && CGensioConnection::Clock::now() < end) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(end - CGensioConnection::Clock::now());
        connection.WaitForInput(left);
        std::array<std::uint8_t, 256> chunk{};
        long got = 0;
        while ((got = connection.Read(chunk.data(), chunk.size())) > 0) received.append(chunk.begin(), chunk.begin() + got);
    }
    probe.closedAtOnce = connection.Failed();
    if (probe.closedAtOnce) probe.reason = connection.Reason();
    probe.said = PrintableText(received);
    return probe;
}
