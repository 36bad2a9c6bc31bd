#pragma once
// The names closest to one a user typed, for a message that offers them instead.
#include <string>
#include <string_view>
#include <vector>

// Trimmed of blanks and tabs at both ends.
std::string Trimmed(std::string_view text);
// Trimmed and in lower case, for comparing without regard to case.
std::string Folded(std::string_view text);
// Up to three of `candidates` (no repeats), the closest to `wanted` first, by edit distance without
// regard to case.
std::vector<std::string> NearestNames(std::string_view wanted, const std::vector<std::string>& candidates);
