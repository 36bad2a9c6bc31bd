#pragma once
// The gateway parameter bit dialog `TSpecialParaForm2` (every type but KAVELIS): three pages, one per
// option word (`GMOD`, `ExtParam1`, `ExtParam2`), each shown bit by bit as sixteen labelled lists. Which
// rows a page shows comes from a fixed mask per gateway type; ExtendedMode shows all of them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/advanced/GmodOptionLists.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"

enum class SpecialPage : int { GwParam = 0, GwParam2 = 1, GwModeSelect = 2 };
inline constexpr int SPECIAL_PAGES = 3;

struct SSpecialPara2State {
    std::string caption;
    std::array<std::string, SPECIAL_PAGES> tabs;  // `TabControl1`
    SpecialPage page = SpecialPage::GwParam;
    std::array<std::uint16_t, SPECIAL_PAGES> masks{};  // visible rows per page
    int mostVisibleRows = 0;                           // the tallest page, so every page has one height
    std::array<TextState, OPTION_ROWS> lBit;
    OptionLists cbBit;
    TextState bOK;
    // The widest texts of all pages, measured at creation (hidden rows count).
    std::string widestLabel;
    std::string widestItem;
};

// The visible-row masks of a type, ExtendedMode aside: GW-Param, GW-Param2, GWmode Select.
std::array<std::uint16_t, SPECIAL_PAGES> SpecialPageMasks(GwType type);
// The word a page edits: "GMOD", "ExtParam1" or "ExtParam2".
std::string_view SpecialPageWord(SpecialPage page);
// The page's tab caption: "GW-Param", "GW-Param2" or "GWmode Select".
std::string_view SpecialPageCaption(SpecialPage page);

// Creation: tabs, masks, measurement of all pages, then the GW-Param page.
SSpecialPara2State CreateSpecialPara2State(ParameterImage& image, const SProgramValues& program);
// Shows a page (tab change and repaint): texts, items and selections from its word, visibility, and the
// unit-velocity list's enabling. A retry count of 0 shows item "2" and becomes 3 in the image at once.
void ShowSpecialPage(SSpecialPara2State& state, SpecialPage page, ParameterImage& image,
                     const SProgramValues& program);
// The one change handler of the sixteen lists: writes the page back into its word and marks the
// specialty parameters modified, whether or not the word changed.
void SpecialPara2ListChange(const SSpecialPara2State& state, ParameterImage& image,
                            const SProgramValues& program, SMainFlags& flags);
