#include "core/files/FilePathParts.h"

#include <algorithm>
#include <filesystem>

std::string FileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderPart(std::string_view path) {
    std::error_code error;
    std::string absolute = std::filesystem::absolute(std::filesystem::path(path), error).string();
    if (error) absolute = std::string(path);
    const std::size_t slash = absolute.rfind('/');
    return slash == std::string::npos ? std::string{} : absolute.substr(0, slash + 1);
}

std::string ExtensionPart(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string_view::npos ? std::string{} : std::string(path.substr(dot));
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}
