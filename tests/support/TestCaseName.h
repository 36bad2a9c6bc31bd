#pragma once
// A table case's description as a GoogleTest name: every character that may not stand in one becomes '_'.
#include <cctype>
#include <string>
#include <string_view>

inline std::string TestCaseName(std::string_view description) {
    std::string name(description);
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}
