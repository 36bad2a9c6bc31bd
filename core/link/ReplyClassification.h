#pragma once
// The one judge of a reply: whether what came back for a request answers it, and if not, what it was.
// A reply answers only when its address and function match and its length and content fit the request:
// a read's byte count names the quantity asked, a write's reply echoes what was written, a vendor
// command's reply names its sub-function. The transaction, the causes below a failure's box, the unit
// search, the connection check and the exporter all ask here, so that a success is only what the unit
// confirmed.
#include <cstddef>
#include <cstdint>
#include <span>

enum class EReplyKind {
    Valid,          // a reply of the address asked that fits the request
    None,           // nothing at all within the response time-out
    Echo,           // the request's own bytes (an adapter that receives its own transmission)
    Garbled,        // bytes with a bad CRC, broken framing or no sense
    Incomplete,     // the reply broke off: no byte for longer than the inter-byte limit before its end
    OtherAddress,   // a well-formed reply that names another slave
    OtherFunction,  // a well-formed reply of the address asked, for another function
    Exception,      // the unit refused with a Modbus exception
    ShortReply,     // a well-formed frame shorter than the reply the request asks for
    WrongLength,    // a well-formed frame whose byte count or length does not fit the request
    WrongEcho,      // a write's reply that confirms another register, value or quantity than was sent
};

// The exception a unit answers while it is busy: in AUTO mode it refuses every request with it.
inline constexpr std::uint8_t EXCEPTION_SLAVE_BUSY = 0x06;

struct SReplyClass {
    EReplyKind kind = EReplyKind::None;
    std::uint8_t address = 0;        // OtherAddress: the address the reply names
    std::uint8_t exceptionCode = 0;  // Exception: the code
    std::uint8_t function = 0;       // OtherFunction: the function the reply names
    std::size_t dueLength = 0;       // Incomplete, ShortReply, WrongLength: the frame's length that was due
                                     // (0 when the frame never said)
};

// `request` is the frame sent (CRC included), `received` what the receive collected and
// `receiveResult` the link's result for it. A broadcast request has no reply to judge: Valid.
SReplyClass ClassifyReply(std::span<const std::uint8_t> request, std::span<const std::uint8_t> received,
                          int receiveResult);

// A well-formed frame (valid CRC) that does not answer the request: another address or function, or a
// length or content that does not fit. Unlike silence or broken bytes, something on the line answered.
bool IsMisfitReply(EReplyKind kind);

// The length of the frame that answers `request` (CRC included); 0 when the request does not fix it.
std::size_t DueReplyLength(std::span<const std::uint8_t> request);
