#include "core/app/GwFileFilter.h"

#include "core/app/texts/UiText.h"

namespace {

std::string ReplaceEveryPlaceholder(std::string_view format, std::string_view placeholder,
                                    std::string_view value) {
    std::string text;
    std::size_t from = 0;
    for (std::size_t at = format.find(placeholder); at != std::string_view::npos;
         at = format.find(placeholder, from)) {
        text.append(format.substr(from, at - from));
        text.append(value);
        from = at + placeholder.size();
    }
    text.append(format.substr(from));
    return text;
}

}  // namespace

std::string FileFilterTextOf(const SGwUnitData& unit) {
    if (unit.filterIndex < 0 || unit.filterIndex >= static_cast<int>(UI_TEXT_SLOTS)) return {};
    return ReplaceEveryPlaceholder(UiText[static_cast<std::size_t>(unit.filterIndex)], "%ls", unit.extension);
}

std::vector<SFileFilterEntry> SplitFileFilter(std::string_view filter) {
    std::vector<SFileFilterEntry> entries;
    while (!filter.empty()) {
        const std::size_t descriptionEnd = filter.find('|');
        if (descriptionEnd == std::string_view::npos) break;
        const std::size_t patternEnd = filter.find('|', descriptionEnd + 1);
        if (patternEnd == std::string_view::npos) break;
        entries.push_back({std::string(filter.substr(0, descriptionEnd)),
                           std::string(filter.substr(descriptionEnd + 1, patternEnd - descriptionEnd - 1))});
        filter.remove_prefix(patternEnd + 1);
    }
    return entries;
}
