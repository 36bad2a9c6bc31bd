#pragma once
// Capture files for Wireshark, one packet per frame holding the RTU frame as it was on the line, CRC
// included, on link type USER0 (147), which the gateway's dissector (packaging/wireshark) decodes.
//
// Classic PCAP (microsecond time stamps, little-endian) has no room for who sent a frame. pcapng has:
// an interface description per port the frames went over (named by its device or URL, microsecond time
// stamps), each frame an enhanced packet block flagged outbound (the tool's request) or inbound (the
// unit's reply), and a receive that failed kept with a comment naming its result, also when nothing
// arrived.
#include <cstdint>
#include <string>
#include <vector>

#include "core/traffic/TrafficFrame.h"

inline constexpr std::uint32_t PCAP_LINKTYPE_USER0 = 147;
inline constexpr std::uint32_t PCAP_SNAPLEN = 65535;

// The 24 bytes every classic capture file starts with.
std::string PcapFileHeader();
// One frame's record: time stamp, lengths and the bytes. A receive that got nothing has no record.
std::string PcapRecord(const STrafficFrame& frame);

// True for a path whose name ends in ".pcapng" (any case): the capture is written as pcapng, any
// other name as classic PCAP.
bool NamesPcapng(const std::string& path);

// pcapng, block by block: the section header first, then each frame's blocks in order.
class CPcapngWriter {
public:
    // The section header block, naming the program that wrote the capture.
    static std::string SectionHeader();
    // The frame's enhanced packet block, after its port's interface description block when the port
    // is new to the capture.
    std::string Blocks(const STrafficFrame& frame);

private:
    std::uint32_t InterfaceOf(const std::string& port, std::string& out);

    std::vector<std::string> ports;  // interface number -> port
};
