#pragma once
// Frame helpers of the simulated gateway: CRC on the frame's tail and exception replies.
#include <cstddef>
#include <cstdint>
#include <vector>

// Appends the CRC bytes, the one of the "high" table first.
void AppendCrc(std::vector<std::uint8_t>& frame);
// True when the frame is at least 4 bytes long and its last two bytes are its CRC.
bool HasValidCrc(const std::vector<std::uint8_t>& frame);
// The length a request frame has by its function code (CRC included), once enough of it has arrived
// to tell; 0 while that is not known yet or for a function the gateway does not know.
std::size_t ExpectedRequestLength(const std::vector<std::uint8_t>& frame);
// True when the frame holds exactly one whole request with a valid CRC: the unit may answer at once
// instead of waiting for the end-of-frame silence.
bool IsCompleteRequest(const std::vector<std::uint8_t>& frame);
// Replaces the frame's last two bytes with the CRC of the rest.
void RefreshCrc(std::vector<std::uint8_t>& frame);
// slave, function | 80h, code, CRC.
std::vector<std::uint8_t> ExceptionReply(std::uint8_t slave, std::uint8_t function, std::uint8_t code);
