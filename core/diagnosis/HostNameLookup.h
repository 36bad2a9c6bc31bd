#pragma once
// What a serial device server's name resolves to, as the connection check reports it.
#include <string>
#include <vector>

struct SHostLookup {
    std::vector<std::string> addresses;  // numeric addresses, each once, in the resolver's order
    std::string failure;                 // the resolver's reason when there are none
};

SHostLookup LookUpHost(const std::string& host);
