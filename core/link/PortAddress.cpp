#include "core/link/PortAddress.h"

#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view SCHEME_SEPARATOR = "://";
constexpr int HIGHEST_TCP_PORT = 65535;

struct SScheme {
    std::string_view name;
    EPortKind kind;
};

constexpr SScheme SCHEMES[] = {{"tcp", EPortKind::RawTcp}, {"rfc2217", EPortKind::Rfc2217}};

SPortAddressResult Refused(std::string error) {
    return {std::nullopt, std::move(error)};
}

std::optional<int> TcpPortNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (value < 1 || value > HIGHEST_TCP_PORT) return std::nullopt;
    return value;
}

// "HOST:PORT" or "[IPV6]:PORT" into the address; false when it is neither.
bool SplitHostAndPort(std::string_view rest, SPortAddress& address) {
    std::size_t colon = std::string_view::npos;
    if (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos || close + 1 >= rest.size() || rest[close + 1] != ':') return false;
        address.host = std::string(rest.substr(1, close - 1));
        colon = close + 1;
    } else {
        colon = rest.rfind(':');
        if (colon == std::string_view::npos) return false;
        address.host = std::string(rest.substr(0, colon));
        // A bare IPv6 address would be ambiguous: it must stand in brackets.
        if (address.host.find(':') != std::string::npos) return false;
    }
    const auto port = TcpPortNumber(rest.substr(colon + 1));
    if (!port || address.host.empty() || address.host.find_first_of("/,[] ") != std::string::npos) return false;
    address.port = *port;
    return true;
}

}  // namespace

bool IsNetworkPortName(const std::string& name) {
    return name.find(SCHEME_SEPARATOR) != std::string::npos;
}

SPortAddressResult ParsePortAddress(const std::string& name) {
    if (!IsNetworkPortName(name)) {
        SPortAddress device;
        device.devicePath = name;
        return {device, {}};
    }
    const std::string_view text(name);
    const std::size_t separator = text.find(SCHEME_SEPARATOR);
    const std::string_view scheme = text.substr(0, separator);
    for (const SScheme& known : SCHEMES) {
        if (scheme != known.name) continue;
        SPortAddress address;
        address.kind = known.kind;
        if (!SplitHostAndPort(text.substr(separator + SCHEME_SEPARATOR.size()), address))
            return Refused("\"" + name + "\" is no " + std::string(known.name) +
                           "://HOST:PORT address (IPv6 addresses in brackets, port 1-65535)");
        return {address, {}};
    }
    return Refused("\"" + name + "\": unknown kind of port \"" + std::string(scheme) +
                   "://\" (tcp:// or rfc2217://)");
}

std::string EndpointText(const SPortAddress& address) {
    const bool ipv6 = address.host.find(':') != std::string::npos;
    return (ipv6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}
