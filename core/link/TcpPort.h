#pragma once
// A port on a serial device server reached over raw TCP (`tcp://HOST:PORT`): the server passes the bytes
// both ways and its serial line keeps the speed and framing it was configured with. Setting the speed,
// a break and the server's queues are out of reach; they succeed without effect.
#include <chrono>
#include <functional>
#include <memory>

#include "core/link/GensioConnection.h"
#include "core/link/NameResolution.h"
#include "core/link/PortAddress.h"
#include "core/link/SerialPort.h"

// How long a connection may take before the open gives up, the lookup of the server's name included: a
// few seconds, not the system's minutes.
inline constexpr std::chrono::milliseconds NETWORK_CONNECT_LIMIT{3000};
// A server whose serial line is still held turns a new client away at once (ser2net also does so for
// a moment after the previous client left): the open watches the new connection this long, and tries
// again for at most the retry time before it reports the server as busy.
inline constexpr std::chrono::milliseconds SERVER_SETTLE_TIME{100};
inline constexpr std::chrono::milliseconds SERVER_BUSY_RETRY_TIME{1000};

class CTcpPort : public CSerialPort {
public:
    // `resolver` looks the server's name up (the system's lookup when there is none).
    explicit CTcpPort(SPortAddress address, std::shared_ptr<CNameResolver> resolver = nullptr);

    // `name` is the port's URL; `bps` is the server's business.
    int Open(const std::string& name, int bps) override;
    const std::string& FailureReason() const override { return failureReason; }
    int Close() override;
    bool IsOpen() const override { return connection.IsOpen(); }
    int SetSpeed(int bps) override;
    void SetBreak(bool on) override;
    long Write(const std::uint8_t* bytes, std::size_t length) override;
    int QueryLineErrors(SLineErrors& errors) override;
    long Read(std::uint8_t* buffer, std::size_t length) override;
    PortWait WaitReadable(std::chrono::microseconds limit) override;
    PortWait WaitWritable(std::chrono::microseconds limit) override;
    bool DeviceGone() const override { return connection.Failed(); }
    void Flush(FlushQueue queue) override;
    bool ControlsLineSpeed() const override { return false; }
    std::string PeerName() const override { return EndpointText(address); }
    void SetEventPump(std::function<void()> pump) override;

private:
    // One connection and session; 0, or -1 with the reason set.
    int Connect(int bps);
    // True when the server has not closed the new connection within the settling time.
    bool ServerKeepsConnection();
    // Waits `time`, running the event pump meanwhile.
    void Pause(std::chrono::milliseconds time);

protected:
    // After the TCP connection is up: 0, or -1 with the reason set unless the server closed the
    // connection.
    virtual int StartSession(int bps);
    // Notes why the port failed, naming the server, and returns -1.
    int Refuse(const std::string& reason);
    // Keeps the connection's own reason, once it has failed, as the port's.
    long Checked(long result);
    // A wait's outcome, the connection's reason kept when it failed.
    PortWait Waited(bool ready);

    SPortAddress address;
    CGensioConnection connection;
    std::string failureReason;
    std::function<void()> pump;
};
