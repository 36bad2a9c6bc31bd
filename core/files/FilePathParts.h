#pragma once
// The parts of a file path the file commands use.
#include <string>
#include <string_view>

// The path without its folder part: everything after the last '/'.
std::string FileNamePart(std::string_view path);

// The folder part of a path, made absolute and ending in '/': what `LastFolder` keeps.
std::string FolderPart(std::string_view path);

// The extension: everything from the last dot on (empty when there is none).
std::string ExtensionPart(std::string_view path);

// Equal without regard to ASCII case.
bool EqualIgnoringCase(std::string_view a, std::string_view b);
