#pragma once
// The specialty parameter dialog `TSpecialParaForm` (KAVELIS): the gateway mode word `GMOD` as sixteen
// labelled drop-down lists, edited in the image directly. Which rows show depends on the firmware
// version `GVER` and on ExtendedMode.
#include <array>
#include <string>
#include <string_view>

#include "core/advanced/GmodOptionLists.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"

struct SSpecialParaState {
    std::string caption;
    std::array<TextState, OPTION_ROWS> labels;  // `lEnable`, `lGMODbit1`, ... in row order
    OptionLists lists;                          // `cbEnable`, `cbGMODbit1`, ...
    bool retryCountForm = false;                // the retry row holds bits 8..10 as a count
    TextState OKbutton;
};

// Design names of the rows' labels and lists, in row order (row n stands for bit n).
extern const std::array<std::string_view, OPTION_ROWS> SpecialParaLabelNames;
extern const std::array<std::string_view, OPTION_ROWS> SpecialParaListNames;

// Creation: texts, items, selections from `GMOD` (a retry count of 0 becomes 3 at once from firmware 14
// on), visibility by `GVER` and ExtendedMode. `cbW8N` is the main window's 8W-axis list: the
// unit-velocity list is enabled only when it is enabled and not at its first item.
SSpecialParaState CreateSpecialParaState(ParameterImage& image, const SProgramValues& program,
                                         const ComboState& cbW8N);

// The one change handler of the sixteen lists: writes the whole dialog back into `GMOD`.
void SpecialParaListChange(const SSpecialParaState& state, ParameterImage& image,
                           const SProgramValues& program);

// The close query: marks the specialty parameters modified when `GMOD` differs from its snapshot.
void SpecialParaCloseQuery(const ParameterImage& image, SMainFlags& flags);
