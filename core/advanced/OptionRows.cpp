#include "core/advanced/OptionRows.h"

#include <algorithm>
#include <cctype>

#include "core/advanced/NearestNames.h"
#include "core/advanced/SpecialPara2State.h"
#include "core/advanced/SpecialParaState.h"

namespace {

constexpr std::array<SpecialPage, SPECIAL_PAGES> PAGES{SpecialPage::GwParam, SpecialPage::GwParam2,
                                                       SpecialPage::GwModeSelect};

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

// "PAGE:LABEL" when the text before the first colon names a page (its word or its tab caption); else the
// whole text is the label.
std::pair<std::string, std::string> SplitPage(std::string_view label) {
    const auto colon = label.find(':');
    if (colon != std::string_view::npos) {
        const std::string page = Folded(label.substr(0, colon));
        for (const SpecialPage p : PAGES) {
            // A page is named by the word it edits or by its tab caption, as the window shows it.
            if (page == Folded(SpecialPageWord(p)) || page == Folded(SpecialPageCaption(p)))
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
    if (matches.empty()) return {OptionChangeError::UnknownLabel, NearestNames(label, labels)};
    if (matches.size() > 1) {
        std::vector<std::string> qualified;
        for (const auto* m : matches) qualified.push_back(m->second.page + ":" + m->second.label);
        return {OptionChangeError::AmbiguousLabel, qualified};
    }
    const auto& [place, row] = *matches.front();
    const auto item = std::find_if(row.choices.begin(), row.choices.end(),
                                   [&choice](const std::string& c) { return Folded(c) == Folded(choice); });
    if (item == row.choices.end())
        return {OptionChangeError::UnknownChoice, NearestNames(choice, row.choices)};
    if (!row.enabled) return {OptionChangeError::DisabledRow, {}};
    Choose(image, program, cbW8N, flags, place, static_cast<int>(item - row.choices.begin()));
    return {};
}
