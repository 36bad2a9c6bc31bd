#pragma once
// A trial TCP connection to a serial device server, as the connection check makes it: whether the
// server takes it, and whether it closes it again at once, which is how a server whose port another
// client holds turns a second client away (ser2net says "Port already in use" first).
#include <chrono>
#include <string>

#include "core/link/PortAddress.h"

inline constexpr std::chrono::milliseconds SERVER_LISTEN_TIME{300};

struct SServerProbe {
    bool connected = false;
    bool closedAtOnce = false;  // connected, then closed by the server within the listening time
    std::string reason;         // why the connection failed or ended
    std::string said;           // the printable text the server sent before it closed
};

SServerProbe ProbeServer(const SPortAddress& server, std::chrono::milliseconds connectLimit,
                         std::chrono::milliseconds listenTime = SERVER_LISTEN_TIME);
