#pragma once
// printf-style formatting of the table texts ("%d", "%04hX", "%ls" taken as a narrow text).
#include <cstdio>
#include <string>
#include <string_view>

// Formats `format` (a text of the tables) with the arguments. "%ls" in a table text takes a
// `const char*` here, because every table text is held as UTF-8.
template <typename... Args>
std::string FormatText(std::string_view format, Args... args) {
    std::string spec(format);
    for (std::size_t at = spec.find("%ls"); at != std::string::npos; at = spec.find("%ls", at))
        spec.erase(at + 1, 1);
    const int length = std::snprintf(nullptr, 0, spec.c_str(), args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), spec.c_str(), args...);
    text.resize(static_cast<std::size_t>(length));
    return text;
}
