#pragma once
// What came back for one request, told apart the way the causes on a
// serial line differ: nothing, the request itself, broken bytes, another address, an exception.
#include <cstddef>
#include <cstdint>
#include <span>

enum class EReplyKind {
    Valid,         // a well-formed reply of the address asked, for the function asked
    None,          // nothing at all within the response time-out
    Echo,          // the request's own bytes (an adapter that receives its own transmission)
    Garbled,       // bytes with a bad CRC, broken framing or no sense
    OtherAddress,  // a well-formed reply that names another slave
    Exception,     // the unit refused with a Modbus exception
};

// The exception a unit answers while it is busy: in AUTO mode it refuses every request with it.
inline constexpr std::uint8_t EXCEPTION_SLAVE_BUSY = 0x06;

struct SReplyClass {
    EReplyKind kind = EReplyKind::None;
    std::uint8_t address = 0;        // OtherAddress: the address the reply names
    std::uint8_t exceptionCode = 0;  // Exception: the code
};

// `request` is the frame sent (CRC included), `received` what the receive collected and
// `receiveResult` the link's result for it.
SReplyClass ClassifyReply(std::span<const std::uint8_t> request, std::span<const std::uint8_t> received,
                          int receiveResult);
