#pragma once
// Capture files in the classic PCAP format (microsecond time stamps, little-endian), one record per frame
// holding the RTU frame as it was on the line, CRC included. The link type is USER0 (147): Wireshark
// decodes it as Modbus RTU once its "user_dlts" table maps User 0 to the "mbrtu" protocol (README,
// "Traffic capture").
#include <cstdint>
#include <string>

#include "core/traffic/TrafficFrame.h"

inline constexpr std::uint32_t PCAP_LINKTYPE_USER0 = 147;
inline constexpr std::uint32_t PCAP_SNAPLEN = 65535;

// The 24 bytes every capture file starts with.
std::string PcapFileHeader();
// One frame's record: time stamp, lengths and the bytes. A receive that got nothing has no record.
std::string PcapRecord(const STrafficFrame& frame);
