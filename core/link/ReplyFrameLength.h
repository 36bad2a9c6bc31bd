#pragma once
// How long a reply frame says it is, from its first bytes: a read or Report Slave ID reply carries its
// byte count, a write echo and an exception have fixed lengths, the vendor function's replies say
// nothing. A frame whose length is announced is complete when that many bytes are in, however the line
// hands them over; only frames without an announced length end at a silence.
#include <cstddef>
#include <cstdint>

enum class ReplyLengthKind {
    HeaderIncomplete,  // too few bytes yet to tell
    Announced,         // the header gives the whole frame's length
    Unannounced,       // the function's replies carry no length: the silence after them ends them
};

struct SReplyLength {
    ReplyLengthKind kind = ReplyLengthKind::HeaderIncomplete;
    std::size_t length = 0;  // the whole frame, CRC included, when announced
};

SReplyLength ReplyLengthOf(const std::uint8_t* frame, std::size_t length);
