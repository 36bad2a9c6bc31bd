#pragma once
// How the axis monitor writes the words of an axis.
#include <cstdint>
#include <string>

// A signed 32-bit value whose low word comes first: "%i" of (high x 65536 + low).
std::string AxisLongText(std::uint16_t low, std::uint16_t high);
std::string AxisSignedText(std::uint16_t word);    // "%hd"
std::string AxisUnsignedText(std::uint16_t word);  // decimal
// Sixteen binary digits, a blank after every fourth.
std::string AxisStatusText(std::uint16_t word);
// The position number or alarm code: "%02hX" when the gateway-to-master status has bit 3 set,
// decimal otherwise.
std::string AxisNumberText(std::uint16_t word, std::uint16_t status, bool gatewayToMaster);
