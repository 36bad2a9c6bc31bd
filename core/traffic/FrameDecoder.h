#pragma once
// Reads a frame of the conversation in the gateway's words: who it is for, which function, what it
// asks or answers (registers named, values decoded), and how its receive ended. A frame that cannot be
// trusted (CRC wrong, too short, shaped unlike its function) is shown as bytes, never decoded.
#include <cstdint>
#include <string>
#include <vector>

#include "core/traffic/TrafficFrame.h"

struct SFrameDecoding {
    std::string slave;     // "D0h", "broadcast"; empty for a frame without an address byte
    std::string function;  // "03", "10h", "45h/18h", "83h"; empty when not decoded
    std::string summary;   // one line: "read F100h..F10Fh: network settings (GSTS, GVER, NTYP, …)"
    std::vector<std::string> details;  // one decoded field a line
    std::string verdict;               // "sent", "OK", "CRC error", "time-out", ... and the attempt
    bool failed = false;               // a failed receive, a reply that does not answer, an exception
};

SFrameDecoding DecodeFrame(const STrafficFrame& frame);

// The name of a sub-function of the vendor function 45h ("speed switch", "set clock"), and of a Modbus
// exception code ("illegal data address"); empty for one the gateway does not use.
std::string VendorFunctionName(std::uint8_t sub);
std::string ExceptionCodeName(std::uint8_t code);

// The function and summary as one text: "03 read F100h..F10Fh: network settings (…)".
std::string DecodedText(const SFrameDecoding& decoding);
