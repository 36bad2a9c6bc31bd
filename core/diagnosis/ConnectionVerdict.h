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
    Incomplete,     // a reply broke off before its end
    WrongAddress,
    WrongFunction,  // a reply for another function
    ShortReply,     // a reply shorter than the request asks for
    WrongLength,    // a reply whose byte count or length does not fit the request
    WrongEcho,      // a write's reply that confirms another register, value or quantity
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
