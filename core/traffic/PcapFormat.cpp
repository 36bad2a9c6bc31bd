#include "core/traffic/PcapFormat.h"

namespace {

constexpr std::uint32_t PCAP_MAGIC_MICROSECONDS = 0xA1B2C3D4;
constexpr std::uint16_t PCAP_VERSION_MAJOR = 2;
constexpr std::uint16_t PCAP_VERSION_MINOR = 4;
constexpr std::int64_t MICROS_PER_SECOND = 1000000;

void PutLE16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void PutLE32(std::string& out, std::uint32_t value) {
    PutLE16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutLE16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

std::string PcapFileHeader() {
    std::string header;
    PutLE32(header, PCAP_MAGIC_MICROSECONDS);
    PutLE16(header, PCAP_VERSION_MAJOR);
    PutLE16(header, PCAP_VERSION_MINOR);
    PutLE32(header, 0);  // time zone correction: the time stamps are UTC
    PutLE32(header, 0);  // accuracy of the time stamps
    PutLE32(header, PCAP_SNAPLEN);
    PutLE32(header, PCAP_LINKTYPE_USER0);
    return header;
}

std::string PcapRecord(const STrafficFrame& frame) {
    if (frame.bytes.empty()) return {};
    std::string record;
    const auto length = static_cast<std::uint32_t>(frame.bytes.size());
    PutLE32(record, static_cast<std::uint32_t>(frame.wallMicros / MICROS_PER_SECOND));
    PutLE32(record, static_cast<std::uint32_t>(frame.wallMicros % MICROS_PER_SECOND));
    PutLE32(record, length);
    PutLE32(record, length);
    record.append(reinterpret_cast<const char*>(frame.bytes.data()), frame.bytes.size());
    return record;
}
