#include "cli/exporter/ExporterListenAddress.h"

#include <charconv>

namespace {

constexpr int HIGHEST_TCP_PORT = 65535;

}  // namespace

std::optional<SListenAddress> ListenAddressOf(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return std::nullopt;
    std::string host = text.substr(0, colon);
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']') return std::nullopt;
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string::npos) {
        return std::nullopt;  // an IPv6 address goes in brackets
    }
    const std::string portText = text.substr(colon + 1);
    int port = -1;
    const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (portText.empty() || error != std::errc{} || end != portText.data() + portText.size())
        return std::nullopt;
    if (port < 0 || port > HIGHEST_TCP_PORT) return std::nullopt;
    return SListenAddress{host, port};
}
