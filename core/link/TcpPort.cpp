#include "core/link/TcpPort.h"

#include <algorithm>
#include <thread>

CTcpPort::CTcpPort(SPortAddress address, std::shared_ptr<CNameResolver> resolver)
    : address(std::move(address)) {
    if (resolver) connection.SetNameResolver(std::move(resolver));
}

void CTcpPort::SetEventPump(std::function<void()> pump) {
    this->pump = pump;
    connection.SetEventPump(std::move(pump));
}

void CTcpPort::Pause(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (true) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= end) return;
        std::this_thread::sleep_until(pump ? std::min(end, now + EVENT_PUMP_INTERVAL) : end);
        if (pump) pump();
    }
}

int CTcpPort::Refuse(const std::string& reason) {
    failureReason = PeerName() + ": " + reason;
    return -1;
}

long CTcpPort::Checked(long result) {
    if (connection.Failed() && failureReason.empty()) Refuse(connection.Reason());
    return result;
}

int CTcpPort::Open(const std::string&, int bps) {
    if (connection.IsOpen()) return Refuse("the port is already open");
    const auto giveUp = std::chrono::steady_clock::now() + SERVER_BUSY_RETRY_TIME;
    while (true) {
        failureReason.clear();
        if (Connect(bps) == 0) return 0;
        if (!connection.ClosedByServer() || std::chrono::steady_clock::now() >= giveUp) return -1;
        Pause(SERVER_SETTLE_TIME);
    }
}

int CTcpPort::Connect(int bps) {
    if (connection.Connect(address.host, address.port, NETWORK_CONNECT_LIMIT) != 0)
        return Refuse(connection.Reason());
    if (StartSession(bps) == 0 && ServerKeepsConnection()) return 0;
    const std::string said = connection.TakeInputText();
    connection.Close();
    if (!connection.ClosedByServer()) return -1;  // the session said why
    return Refuse(connection.Reason() + (said.empty() ? "" : ": \"" + said + "\""));
}

bool CTcpPort::ServerKeepsConnection() {
    const bool never = false;
    connection.RunUntil(never, SERVER_SETTLE_TIME);
    return !connection.Failed();
}

int CTcpPort::StartSession(int) {
    return 0;
}

int CTcpPort::Close() {
    if (!connection.IsOpen()) return -1;
    connection.Close();
    return 0;
}

int CTcpPort::SetSpeed(int) {
    return connection.IsOpen() ? 0 : -1;
}

void CTcpPort::SetBreak(bool) {}

long CTcpPort::Write(const std::uint8_t* bytes, std::size_t length) {
    return Checked(connection.Write(bytes, length));
}

// A network line reports no UART errors; a broken connection shows as a failed query.
int CTcpPort::QueryLineErrors(SLineErrors& errors) {
    errors = {};
    return connection.IsOpen() && !connection.Failed() ? 0 : static_cast<int>(Checked(-1));
}

long CTcpPort::Read(std::uint8_t* buffer, std::size_t length) {
    return Checked(connection.Read(buffer, length));
}

// A closed port lets the time pass, so that a caller waiting on it sleeps instead of spinning.
PortWait CTcpPort::WaitReadable(std::chrono::microseconds limit) {
    if (!connection.IsOpen()) {
        std::this_thread::sleep_for(limit);
        return PortWait::TimedOut;
    }
    return Waited(connection.WaitForInput(limit));
}

PortWait CTcpPort::WaitWritable(std::chrono::microseconds limit) {
    return Waited(connection.WaitForRoom(limit));
}

PortWait CTcpPort::Waited(bool ready) {
    if (ready) return PortWait::Ready;
    if (!connection.Failed()) return PortWait::TimedOut;
    Checked(-1);
    return PortWait::Gone;
}

// What has come in from the server is dropped here; its own queues are out of reach.
void CTcpPort::Flush(FlushQueue queue) {
    if (queue != FlushQueue::Output) connection.DiscardInput();
}
