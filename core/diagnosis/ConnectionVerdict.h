#pragma once
// The verdicts of the connection check: what stopped the unit from answering, as a keyword for scripts
// and a paragraph that explains it and says what to do.
#include <string_view>

#include "core/link/ReplyClassification.h"

enum class EConnectionVerdict {
    Ok,
    NoDevice,
    NotATty,
    Permission,
    InUse,
    OpenFailed,
    NoReply,
    Echo,
    Garbled,
    WrongAddress,
    Exception,
    OtherSpeed,
    NameUnresolved,  // the device server's name does not resolve
    ConnectFailed,   // no TCP connection to the device server's port
    NoRfc2217,       // the device server's port does not speak RFC 2217
    ServerBusy,      // the device server closed the connection: another client holds its port
};

// "ok", "no-device", "not-a-tty", ...
std::string_view VerdictKeyword(EConnectionVerdict verdict);
// The explanation and fix of a verdict.
std::string_view VerdictFix(EConnectionVerdict verdict);
// The verdict a failed exchange's reply names by itself; Ok for a valid reply.
EConnectionVerdict VerdictOfReply(EReplyKind kind);
