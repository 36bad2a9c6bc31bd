#include "core/advanced/NearestNames.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t NEAREST_COUNT = 3;

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string Folded(std::string_view text) {
    std::string folded = Trimmed(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::vector<std::string> NearestNames(std::string_view wanted, const std::vector<std::string>& candidates) {
    const std::string folded = Folded(wanted);
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const std::string& c : candidates) {
        if (std::any_of(ranked.begin(), ranked.end(), [&c](const auto& r) { return r.second == c; })) continue;
        // A name that begins with what was typed ("PUSH type" for "PUSH type(only Full mode)") is nearest.
        const std::string candidate = Folded(c);
        ranked.emplace_back(candidate.rfind(folded, 0) == 0 ? 0 : EditDistance(folded, candidate), c);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < ranked.size() && i < NEAREST_COUNT; ++i) nearest.push_back(ranked[i].second);
    return nearest;
}
