#include "core/link/Rfc2217Port.h"

#include <gensio/sergensio.h>

namespace {

constexpr unsigned DATA_BITS = 8;
constexpr unsigned STOP_BITS = 1;

}  // namespace

// The line is set to the tool's framing at once: a server configured otherwise would garble every frame.
int CRfc2217Port::StartSession(int bps) {
    if (connection.StartRfc2217(RFC2217_ANSWER_LIMIT) != 0) return Refuse(connection.Reason());
    const bool lineSet = SetSpeed(bps) == 0 &&
                         connection.SerialCommand(sergensio_datasize, DATA_BITS, RFC2217_ANSWER_LIMIT) == 0 &&
                         connection.SerialCommand(sergensio_parity, SERGENSIO_PARITY_NONE, RFC2217_ANSWER_LIMIT) == 0 &&
                         connection.SerialCommand(sergensio_stopbits, STOP_BITS, RFC2217_ANSWER_LIMIT) == 0;
    if (lineSet) {
        // What the server took from its line before this client came is no reply to anything. This is
        // the one purge: the server carries it out in its own time, which before a request could be
        // after the request went out, cutting the head off the reply.
        connection.SerialPurge(SERGENSIO_FLUSH_RCV_BUFFER);
        return 0;
    }
    if (connection.ClosedByServer()) return -1;  // the port tells the server turned it away
    return Refuse("the server did not set its serial line (RFC 2217 COM port control refused)");
}

int CRfc2217Port::SetSpeed(int bps) {
    return connection.SerialCommand(sergensio_baud, static_cast<unsigned>(bps), RFC2217_ANSWER_LIMIT);
}

void CRfc2217Port::SetBreak(bool on) {
    connection.SerialCommand(sergensio_sbreak, on ? SERGENSIO_BREAK_ON : SERGENSIO_BREAK_OFF, RFC2217_ANSWER_LIMIT);
}
