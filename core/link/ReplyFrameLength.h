#pragma once
// How long a reply frame says it is, from its first bytes: a read or Report Slave ID reply carries its
// byte count, a write echo and an exception have fixed lengths. The receive uses it to sleep through
// the bytes that must still be on the wire instead of waking for each of them.
#include <cstddef>
#include <cstdint>

// The whole frame's length (CRC included) the header announces, or 0 while the header is incomplete
// or the function has no announced length.
std::size_t AnnouncedReplyLength(const std::uint8_t* frame, std::size_t length);
