#include "core/compare/CompareFormState.h"

#include "core/app/texts/CompareText.h"
#include "core/params/display/DisplayFormat.h"

namespace {

constexpr int COLUMNS = 4;

void FillTable(GridState& grid, ECompareSource source, const std::vector<SParameterDifference>& differences) {
    grid.Resize(COLUMNS, static_cast<int>(differences.size()) + 1);
    const std::string_view titles[COLUMNS] = {
        CompareText::COLUMN_FIELD, CompareText::COLUMN_REGISTER, CompareText::COLUMN_WINDOW,
        source == ECompareSource::Unit ? CompareText::COLUMN_UNIT : CompareText::COLUMN_FILE};
    for (int col = 0; col < COLUMNS; ++col) {
        grid.Cell(col, 0) = std::string(titles[col]);
        grid.colours[0][static_cast<std::size_t>(col)] = CellColour::Grey;
    }
    int row = 1;
    for (const SParameterDifference& d : differences) {
        grid.Cell(0, row) = d.field;
        grid.Cell(1, row) = d.reg;
        grid.Cell(2, row) = d.left;
        grid.Cell(3, row) = d.right;
        ++row;
    }
}

}  // namespace

SCompareFormState CreateCompareFormState(ECompareSource source,
                                         const std::vector<SParameterDifference>& differences) {
    const bool unit = source == ECompareSource::Unit;
    SCompareFormState state;
    state.caption = std::string(unit ? CompareText::CAPTION_UNIT : CompareText::CAPTION_FILE);
    const char* other = unit ? CompareText::THE_UNIT.data() : CompareText::THE_FILE.data();
    state.lblSummary.text = differences.empty() ? FormatText(CompareText::NO_DIFFERENCE, other)
                                                : FormatText(CompareText::DIFFERENCES,
                                                             static_cast<int>(differences.size()), other);
    FillTable(state.sgDifferences, source, differences);
    state.sgDifferences.visible = !differences.empty();
    state.btnTake.text = std::string(unit ? CompareText::TAKE_UNIT : CompareText::TAKE_FILE);
    state.btnTake.visible = state.btnTake.enabled = !differences.empty();
    state.btnKeep.text = std::string(differences.empty() ? CompareText::CLOSE : CompareText::KEEP_WINDOW);
    return state;
}
