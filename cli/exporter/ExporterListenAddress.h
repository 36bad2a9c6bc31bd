#pragma once
// Where the exporter listens: "ADDR:PORT" ("127.0.0.1:9740", "0.0.0.0:9740", "[::1]:9740"); port 0
// lets the system choose a free one.
#include <optional>
#include <string>

inline constexpr const char* EXPORTER_DEFAULT_LISTEN = "127.0.0.1:9740";

struct SListenAddress {
    std::string host;
    int port = 0;
};

std::optional<SListenAddress> ListenAddressOf(const std::string& text);
