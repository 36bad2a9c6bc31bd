#include "core/link/Rfc2217Port.h"

#include <gensio/sergensio.h>

namespace {

constexpr unsigned DATA_BITS = 8;
constexpr unsigned STOP_BITS = 1;

// The server's answer to one command, and the connection whose run it ends.
struct SAnswer {
    CGensioConnection& connection;
    bool done = false;
    int error = 0;
};

void OnAnswer(sergensio*, int err, unsigned, void* answer) {
    auto* result = static_cast<SAnswer*>(answer);
    result->error = err;
    result->done = true;
    result->connection.Wake();
}

}  // namespace

template <typename Send>
int CRfc2217Port::Command(Send send) {
    sergensio* serial = connection.Serial();
    if (serial == nullptr) return -1;
    SAnswer answer{connection};
    if (send(serial, &answer) != 0) return -1;
    if (!connection.RunUntil(answer.done, RFC2217_ANSWER_LIMIT)) return -1;
    return answer.error == 0 ? 0 : -1;
}

// The line is set to the tool's framing at once: a server configured otherwise would garble every frame.
int CRfc2217Port::StartSession(int bps) {
    if (connection.StartRfc2217(RFC2217_ANSWER_LIMIT) != 0) return Refuse(connection.Reason());
    const bool lineSet =
        SetSpeed(bps) == 0 &&
        Command([](sergensio* s, SAnswer* a) { return sergensio_datasize(s, DATA_BITS, OnAnswer, a); }) == 0 &&
        Command([](sergensio* s, SAnswer* a) {
            return sergensio_parity(s, SERGENSIO_PARITY_NONE, OnAnswer, a);
        }) == 0 &&
        Command([](sergensio* s, SAnswer* a) { return sergensio_stopbits(s, STOP_BITS, OnAnswer, a); }) == 0;
    if (lineSet) return 0;
    if (connection.ClosedByServer()) return -1;  // the port tells the server turned it away
    return Refuse("the server did not set its serial line (RFC 2217 COM port control refused)");
}

int CRfc2217Port::SetSpeed(int bps) {
    return Command([bps](sergensio* s, SAnswer* a) {
        return sergensio_baud(s, static_cast<unsigned>(bps), OnAnswer, a);
    });
}

void CRfc2217Port::SetBreak(bool on) {
    Command([on](sergensio* s, SAnswer* a) {
        return sergensio_sbreak(s, on ? SERGENSIO_BREAK_ON : SERGENSIO_BREAK_OFF, OnAnswer, a);
    });
}

// Bytes the server still holds from its serial line are purged there too, so that none of them can be
// taken for the reply to the next request.
void CRfc2217Port::Flush(FlushQueue queue) {
    CTcpPort::Flush(queue);
    sergensio* serial = connection.Serial();
    if (serial == nullptr) return;
    const int which = queue == FlushQueue::Input    ? SERGENSIO_FLUSH_RCV_BUFFER
                      : queue == FlushQueue::Output ? SERGENSIO_FLUSH_XMIT_BUFFER
                                                    : SERGENSIO_FLUSH_RCV_XMIT_BUFFERS;
    sergensio_flush(serial, static_cast<unsigned>(which));
}
