#pragma once
// A port on a serial device server that speaks RFC 2217 (`rfc2217://HOST:PORT`): Telnet COM port control
// sets the server's line to the tool's speed and to 8N1, holds and releases the break and purges the
// server's input when the port opens; the Telnet layer escapes the byte FFh in the data both ways.
#include "core/link/TcpPort.h"

// How long the server may take to answer a COM port control command.
inline constexpr std::chrono::milliseconds RFC2217_ANSWER_LIMIT{2000};

class CRfc2217Port : public CTcpPort {
public:
    using CTcpPort::CTcpPort;

    int SetSpeed(int bps) override;
    void SetBreak(bool on) override;
    bool ControlsLineSpeed() const override { return true; }

protected:
    int StartSession(int bps) override;
};
