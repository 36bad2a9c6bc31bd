#include "core/advanced/SpecialParaState.h"

#include "core/app/texts/CommonText.h"
#include "core/app/texts/UiText.h"

namespace {

constexpr int UI_CAPTION = 92;
constexpr int UI_ERR_T_OLD = 90;
constexpr int UI_ERR_T = 156;
constexpr int UI_RETRY_COUNT = 157;
constexpr int UI_BIT8 = 113;
constexpr int COMMON_CLOSE = 66;
constexpr int COMMON_ON = 228;
constexpr int COMMON_OFF = 229;

constexpr int ROW_ERR_T = 2;
constexpr int ROW_UNIT_VELOCITY = 4;

// Label text and items per row; 0 as a label means the row's label is decided by the firmware.
struct SRowText {
    int label;
    std::array<int, 2> items;  // UiText indexes; {0, 0} = "OFF"/"ON", {-1, -1} = "0"/"1"
};
constexpr std::array<SRowText, OPTION_ROWS> ROWS{{
    {37, {38, 39}},
    {98, {0, 0}},
    {0, {88, 89}},
    {91, {89, 88}},
    {101, {102, 103}},
    {104, {0, 0}},
    {107, {0, 0}},
    {110, {0, 0}},
    {0, {-1, -1}},
    {116, {-1, -1}},
    {119, {-1, -1}},
    {122, {0, 0}},
    {125, {0, 0}},
    {128, {0, 0}},
    {131, {0, 0}},
    {134, {0, 0}},
}};

std::vector<std::string> ItemsOf(const std::array<int, 2>& items) {
    if (items[0] == 0) return {std::string(CommonText[COMMON_OFF]), std::string(CommonText[COMMON_ON])};
    if (items[0] < 0) return {"0", "1"};
    return {std::string(UiText[static_cast<std::size_t>(items[0])]),
            std::string(UiText[static_cast<std::size_t>(items[1])])};
}

bool RetryCountForm(std::uint16_t version, bool extended) {
    return !extended && (version == 0 || version >= 14);
}

bool RowVisible(int row, std::uint16_t version, bool extended) {
    if (extended || row == 0) return true;
    if (row >= 2 && row <= 4) return version == 0 || version >= 12;
    if (row == RETRY_ROW) return version == 0 || version >= 14;
    return false;
}

std::string LabelOf(int row, std::uint16_t version, bool extended) {
    if (row == ROW_ERR_T) return std::string(UiText[version >= 1 && version <= 13 ? UI_ERR_T_OLD : UI_ERR_T]);
    if (row == RETRY_ROW) return std::string(UiText[extended ? UI_BIT8 : UI_RETRY_COUNT]);
    return std::string(UiText[static_cast<std::size_t>(ROWS[static_cast<std::size_t>(row)].label)]);
}

}  // namespace

extern const std::array<std::string_view, OPTION_ROWS> SpecialParaLabelNames{
    "lEnable",    "lGMODbit1",  "lErrT",      "lErrC",     "lCEN",       "lGMODbit5",
    "lGMODbit6",  "lGMODbit7",  "lGMODbit8",  "lGMODbit9", "lGMODbit10", "lGMODbit11",
    "lGMODbit12", "lGMODbit13", "lGMODbit14", "lGMODbit15"};
extern const std::array<std::string_view, OPTION_ROWS> SpecialParaListNames{
    "cbEnable",    "cbGMODbit1",  "cbErrT",      "cbErrC",     "cbCEN",       "cbGMODbit5",
    "cbGMODbit6",  "cbGMODbit7",  "cbGMODbit8",  "cbGMODbit9", "cbGMODbit10", "cbGMODbit11",
    "cbGMODbit12", "cbGMODbit13", "cbGMODbit14", "cbGMODbit15"};

SSpecialParaState CreateSpecialParaState(ParameterImage& image, const SProgramValues& program,
                                         const ComboState& cbW8N) {
    SSpecialParaState state;
    const std::uint16_t version = image.Word(GVER);
    const bool extended = program.ExtendedMode();
    std::uint16_t& gmod = image.Word(GMOD);
    state.caption = UiText[UI_CAPTION];
    state.OKbutton.text = CommonText[COMMON_CLOSE];
    state.retryCountForm = RetryCountForm(version, extended);
    for (int row = 0; row < OPTION_ROWS; ++row) {
        TextState& label = state.labels[static_cast<std::size_t>(row)];
        ComboState& list = state.lists[static_cast<std::size_t>(row)];
        label.text = LabelOf(row, version, extended);
        if (row == RETRY_ROW && state.retryCountForm) {
            FillRetryCountItems(list);
            SelectRetryCount(list, gmod, version >= 14 ? RetryZero::ThirdItemSet : RetryZero::FirstItem);
        } else {
            list.items = ItemsOf(ROWS[static_cast<std::size_t>(row)].items);
            SelectBit(list, gmod, row);
        }
        label.visible = list.visible = RowVisible(row, version, extended);
    }
    state.lists[ROW_UNIT_VELOCITY].enabled = cbW8N.enabled && cbW8N.index > 0;
    return state;
}

void SpecialParaListChange(const SSpecialParaState& state, ParameterImage& image,
                           const SProgramValues& program) {
    WriteGmodFromLists(state.lists, image.Word(GMOD), state.retryCountForm, program.ExtendedMode());
}

void SpecialParaCloseQuery(const ParameterImage& image, SMainFlags& flags) {
    if (image.Word(GMOD) != image.GmodSnapshot) flags.specialParamsModified = true;
}
