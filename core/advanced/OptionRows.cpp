#include "core/advanced/OptionRows.h"

#include <algorithm>
#include <cctype>

#include "core/advanced/SpecialPara2State.h"
#include "core/advanced/SpecialParaState.h"

namespace {

constexpr std::size_t NEAREST_COUNT = 3;
constexpr std::array<SpecialPage, SPECIAL_PAGES> PAGES{SpecialPage::GwParam, SpecialPage::GwParam2,
                                                       SpecialPage::GwModeSelect};

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

std::vector<std::string> Nearest(std::string_view wanted, const std::vector<std::string>& candidates) {
    std::vector<std::pair<std::size_t, std::string>> ranked;
    for (const std::string& c : candidates) {
        if (std::none_of(ranked.begin(), ranked.end(), [&c](const auto& r) { return r.second == c; }))
            ranked.emplace_back(EditDistance(Folded(wanted), Folded(c)), c);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<std::string> nearest;
    for (std::size_t i = 0; i < ranked.size() && i < NEAREST_COUNT; ++i) nearest.push_back(ranked[i].second);
    return nearest;
}

SOptionRow RowOf(std::string_view page, const TextState& label, const ComboState& list) {
    return {std::string(page), label.text, list.Selected(), list.items, list.enabled};
}

// A row's place in its dialog: the page and the bit.
struct SRowPlace {
    SpecialPage page;
    int bit;
};

std::vector<std::pair<SRowPlace, SOptionRow>> PlacedRows(ParameterImage& image, const SProgramValues& program,
                                                         const ComboState& cbW8N) {
    std::vector<std::pair<SRowPlace, SOptionRow>> rows;
    if (program.SelectedGwType == GW_KAVELIS) {
        const auto state = CreateSpecialParaState(image, program, cbW8N);
        for (int bit = 0; bit < OPTION_ROWS; ++bit) {
            const auto n = static_cast<std::size_t>(bit);
            if (state.lists[n].visible)
                rows.push_back({{SpecialPage::GwParam, bit}, RowOf("GMOD", state.labels[n], state.lists[n])});
        }
        return rows;
    }
    auto state = CreateSpecialPara2State(image, program);
    for (const SpecialPage page : PAGES) {
        ShowSpecialPage(state, page, image, program);
        for (int bit = 0; bit < OPTION_ROWS; ++bit) {
            const auto n = static_cast<std::size_t>(bit);
            if (state.cbBit[n].visible)
                rows.push_back({{page, bit}, RowOf(SpecialPageWord(page), state.lBit[n], state.cbBit[n])});
        }
    }
    return rows;
}

void Choose(ParameterImage& image, const SProgramValues& program, const ComboState& cbW8N, SMainFlags& flags,
            SRowPlace place, int index) {
    const auto n = static_cast<std::size_t>(place.bit);
    if (program.SelectedGwType == GW_KAVELIS) {
        auto state = CreateSpecialParaState(image, program, cbW8N);
        state.lists[n].index = index;
        SpecialParaListChange(state, image, program);
        SpecialParaCloseQuery(image, flags);
        return;
    }
    auto state = CreateSpecialPara2State(image, program);
    ShowSpecialPage(state, place.page, image, program);
    state.cbBit[n].index = index;
    SpecialPara2ListChange(state, image, program, flags);
}

// "PAGE:LABEL" when the text before the first colon names a page; else the whole text is the label.
std::pair<std::string, std::string> SplitPage(std::string_view label) {
    const auto colon = label.find(':');
    if (colon != std::string_view::npos) {
        const std::string page = Folded(label.substr(0, colon));
        for (const SpecialPage p : PAGES) {
            if (page == Folded(SpecialPageWord(p)))
                return {std::string(SpecialPageWord(p)), Trimmed(label.substr(colon + 1))};
        }
    }
    return {std::string(), Trimmed(label)};
}

}  // namespace

std::vector<SOptionRow> ShownOptionRows(ParameterImage& image, const SProgramValues& program,
                                        const ComboState& cbW8N) {
    std::vector<SOptionRow> rows;
    for (auto& placed : PlacedRows(image, program, cbW8N)) rows.push_back(std::move(placed.second));
    return rows;
}

SOptionChangeResult ChangeOptionRow(ParameterImage& image, const SProgramValues& program,
                                    const ComboState& cbW8N, SMainFlags& flags, std::string_view label,
                                    std::string_view choice) {
    ParameterImage probe = image;
    const auto rows = PlacedRows(probe, program, cbW8N);
    const auto [page, wanted] = SplitPage(label);
    std::vector<std::string> labels;
    for (const auto& row : rows) labels.push_back(row.second.label);
    // The label as it is written first ("bit5" and "Bit5" are different rows), then regardless of case.
    std::vector<const std::pair<SRowPlace, SOptionRow>*> matches;
    for (const bool exact : {true, false}) {
        for (const auto& row : rows) {
            const bool same =
                exact ? Trimmed(row.second.label) == wanted : Folded(row.second.label) == Folded(wanted);
            if (same && (page.empty() || page == row.second.page)) matches.push_back(&row);
        }
        if (!matches.empty()) break;
    }
    if (matches.empty()) return {OptionChangeError::UnknownLabel, Nearest(label, labels)};
    if (matches.size() > 1) {
        std::vector<std::string> qualified;
        for (const auto* m : matches) qualified.push_back(m->second.page + ":" + m->second.label);
        return {OptionChangeError::AmbiguousLabel, qualified};
    }
    const auto& [place, row] = *matches.front();
    const auto item = std::find_if(row.choices.begin(), row.choices.end(),
                                   [&choice](const std::string& c) { return Folded(c) == Folded(choice); });
    if (item == row.choices.end()) return {OptionChangeError::UnknownChoice, Nearest(choice, row.choices)};
    if (!row.enabled) return {OptionChangeError::DisabledRow, {}};
    Choose(image, program, cbW8N, flags, place, static_cast<int>(item - row.choices.begin()));
    return {};
}
