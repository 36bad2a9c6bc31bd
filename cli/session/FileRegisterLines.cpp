#include "cli/session/FileRegisterLines.h"

#include <sstream>

#include "core/files/ParameterFileWriter.h"

FileRegisterLines FileRegisterLinesOf(const ParameterImage& image, GwType type) {
    std::istringstream text(FormatParameterText(image, type, SFileStamp{}));
    FileRegisterLines lines;
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t comma = line.find(',');
        if (line.empty() || line.front() == ';' || comma == std::string::npos) continue;
        lines.emplace_back(line.substr(0, comma), line.substr(comma + 1));
    }
    return lines;
}
