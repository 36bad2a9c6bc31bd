#pragma once
// The first line of a small sysfs attribute file (a maker, a model, a port type), without the blanks
// and carriage return some drivers leave at its end; empty when the file is missing.
#include <filesystem>
#include <fstream>
#include <string>

inline std::string SysfsFirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    return line;
}
