#pragma once
// What a port name names: a local serial device, or a serial device server on the network reached as
// `tcp://HOST:PORT` (raw TCP: the bytes both ways, the server's serial speed) or `rfc2217://HOST:PORT`
// (Telnet COM port control: the tool sets the server's line). HOST is a name, an IPv4 address or an
// IPv6 address in brackets.
#include <optional>
#include <string>

enum class EPortKind { Device, RawTcp, Rfc2217 };

struct SPortAddress {
    EPortKind kind = EPortKind::Device;
    std::string devicePath;  // Device: the path
    std::string host;        // network: the name or address, without brackets
    int port = 0;            // network: 1-65535
};

struct SPortAddressResult {
    std::optional<SPortAddress> address;
    std::string error;  // why the name is refused, when it is
};

// A name with "://" must be a whole, valid network address; anything else is a device path.
SPortAddressResult ParsePortAddress(const std::string& name);

// True when the name is written as a network address (whether valid or not).
bool IsNetworkPortName(const std::string& name);

// "HOST:PORT" as the user wrote it, IPv6 addresses in brackets, for messages.
std::string EndpointText(const SPortAddress& address);
