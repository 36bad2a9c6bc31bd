#include "core/diagnosis/ServerProbe.h"

#include <thread>

#include "core/link/GensioConnection.h"
#include "core/link/TcpPort.h"

namespace {

using Clock = CGensioConnection::Clock;

SServerProbe ProbeOnce(const SPortAddress& server, std::chrono::milliseconds connectLimit,
                       std::chrono::milliseconds listenTime) {
    SServerProbe probe;
    CGensioConnection connection;
    if (connection.Connect(server.host, server.port, connectLimit) != 0) {
        probe.reason = connection.Reason();
        return probe;
    }
    probe.connected = true;
    const auto end = Clock::now() + listenTime;
    while (!connection.Failed() && Clock::now() < end) {
        connection.WaitForInput(std::chrono::duration_cast<std::chrono::microseconds>(end - Clock::now()));
        probe.said += connection.TakeInputText();
    }
    probe.closedAtOnce = connection.Failed();
    if (probe.closedAtOnce) probe.reason = connection.Reason();
    return probe;
}

}  // namespace

// A server that has just let the last client go may still hold its line for a moment: a connection it
// closes at once is tried again, as the port's own open does, before the server counts as busy.
SServerProbe ProbeServer(const SPortAddress& server, std::chrono::milliseconds connectLimit,
                         std::chrono::milliseconds listenTime) {
    const auto giveUp = Clock::now() + SERVER_BUSY_RETRY_TIME;
    while (true) {
        SServerProbe probe = ProbeOnce(server, connectLimit, listenTime);
        if (!probe.closedAtOnce || Clock::now() >= giveUp) return probe;
        std::this_thread::sleep_for(SERVER_SETTLE_TIME);
    }
}
