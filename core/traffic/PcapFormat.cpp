#include "core/traffic/PcapFormat.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "core/link/CommResult.h"
#include "core/traffic/FrameDecoder.h"

namespace {

constexpr std::uint32_t PCAP_MAGIC_MICROSECONDS = 0xA1B2C3D4;
constexpr std::uint16_t PCAP_VERSION_MAJOR = 2;
constexpr std::uint16_t PCAP_VERSION_MINOR = 4;
constexpr std::int64_t MICROS_PER_SECOND = 1000000;

constexpr std::uint32_t PCAPNG_SECTION_HEADER = 0x0A0D0D0A;
constexpr std::uint32_t PCAPNG_INTERFACE_DESCRIPTION = 0x00000001;
constexpr std::uint32_t PCAPNG_ENHANCED_PACKET = 0x00000006;
constexpr std::uint32_t PCAPNG_BYTE_ORDER_MAGIC = 0x1A2B3C4D;
constexpr std::uint16_t PCAPNG_VERSION_MAJOR = 1;
constexpr std::uint16_t PCAPNG_VERSION_MINOR = 0;
constexpr std::uint16_t OPT_END = 0;
constexpr std::uint16_t OPT_COMMENT = 1;
constexpr std::uint16_t SHB_USER_APPLICATION = 4;
constexpr std::uint16_t IF_NAME = 2;
constexpr std::uint16_t IF_DESCRIPTION = 3;
constexpr std::uint16_t IF_TIME_RESOLUTION = 9;
constexpr std::uint8_t MICROSECONDS_RESOLUTION = 6;  // 10^-6 s
constexpr std::uint16_t EPB_FLAGS = 2;
constexpr std::uint32_t EPB_INBOUND = 1;
constexpr std::uint32_t EPB_OUTBOUND = 2;

void PutLE16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void PutLE32(std::string& out, std::uint32_t value) {
    PutLE16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutLE16(out, static_cast<std::uint16_t>(value >> 16));
}

// Blocks and options are padded to a multiple of four bytes.
void PadTo32Bits(std::string& out) {
    while (out.size() % 4 != 0) out += '\0';
}

void PutOption(std::string& out, std::uint16_t code, const std::string& value) {
    PutLE16(out, code);
    PutLE16(out, static_cast<std::uint16_t>(value.size()));
    out += value;
    PadTo32Bits(out);
}

// Type, total length, the body (padded) and the total length again.
std::string Block(std::uint32_t type, std::string body) {
    PadTo32Bits(body);
    const auto total = static_cast<std::uint32_t>(body.size() + 12);
    std::string block;
    PutLE32(block, type);
    PutLE32(block, total);
    block += body;
    PutLE32(block, total);
    return block;
}

std::string Bytes32(std::uint32_t value) {
    std::string bytes;
    PutLE32(bytes, value);
    return bytes;
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

bool NamesPcapng(const std::string& path) {
    constexpr std::string_view SUFFIX = ".pcapng";
    if (path.size() < SUFFIX.size()) return false;
    return std::equal(SUFFIX.begin(), SUFFIX.end(), path.end() - static_cast<std::ptrdiff_t>(SUFFIX.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string CPcapngWriter::SectionHeader() {
    std::string body;
    PutLE32(body, PCAPNG_BYTE_ORDER_MAGIC);
    PutLE16(body, PCAPNG_VERSION_MAJOR);
    PutLE16(body, PCAPNG_VERSION_MINOR);
    PutLE32(body, 0xFFFFFFFF);  // section length: not given (64 bits of ones)
    PutLE32(body, 0xFFFFFFFF);
    PutOption(body, SHB_USER_APPLICATION, "gwparacfg " GW_VERSION_TEXT);
    PutOption(body, OPT_END, {});
    return Block(PCAPNG_SECTION_HEADER, body);
}

std::uint32_t CPcapngWriter::InterfaceOf(const std::string& port, std::string& out) {
    const auto known = std::find(ports.begin(), ports.end(), port);
    if (known != ports.end()) return static_cast<std::uint32_t>(known - ports.begin());
    std::string body;
    PutLE16(body, static_cast<std::uint16_t>(PCAP_LINKTYPE_USER0));
    PutLE16(body, 0);  // reserved
    PutLE32(body, 0);  // snapshot length: no limit
    if (!port.empty()) PutOption(body, IF_NAME, port);
    PutOption(body, IF_DESCRIPTION, "Modbus RTU line to the gateway unit");
    PutOption(body, IF_TIME_RESOLUTION, std::string(1, static_cast<char>(MICROSECONDS_RESOLUTION)));
    PutOption(body, OPT_END, {});
    out += Block(PCAPNG_INTERFACE_DESCRIPTION, body);
    ports.push_back(port);
    return static_cast<std::uint32_t>(ports.size() - 1);
}

std::string CPcapngWriter::Blocks(const STrafficFrame& frame) {
    std::string out;
    const std::uint32_t interface = InterfaceOf(frame.port, out);
    const auto micros = static_cast<std::uint64_t>(frame.wallMicros);
    const auto length = static_cast<std::uint32_t>(frame.bytes.size());
    std::string body;
    PutLE32(body, interface);
    PutLE32(body, static_cast<std::uint32_t>(micros >> 32));
    PutLE32(body, static_cast<std::uint32_t>(micros & 0xFFFFFFFF));
    PutLE32(body, length);  // captured
    PutLE32(body, length);  // on the line
    body.append(reinterpret_cast<const char*>(frame.bytes.data()), frame.bytes.size());
    PadTo32Bits(body);
    const bool request = frame.direction == FrameDirection::Request;
    PutOption(body, EPB_FLAGS, Bytes32(request ? EPB_OUTBOUND : EPB_INBOUND));
    if (!request && frame.result != COMM_OK) {
        PutOption(body, OPT_COMMENT, "receive failed: " + DecodeFrame(frame).verdict);
    }
    PutOption(body, OPT_END, {});
    out += Block(PCAPNG_ENHANCED_PACKET, body);
    return out;
}
