#include "core/advanced/SpecialPara2State.h"

#include <bit>

#include "core/app/texts/CommonText.h"
#include "core/app/texts/ExtParamBitNames.h"
#include "core/app/texts/UiText.h"

namespace {

constexpr int UI_CAPTION = 92;
constexpr std::size_t UI_FIRST_TAB = 216;  // "GW-Param", then the other two pages in order
constexpr int UI_UNIT_VELOCITY_DIRECT = 356;
constexpr int UI_PUSH_TYPE_DIRECT = 357;
constexpr int UI_NODE_ADDRESS_FILLING = 369;
constexpr int UI_BIT8 = 113;
constexpr int UI_RETRY_COUNT = 157;
constexpr int COMMON_CLOSE = 66;
constexpr int COMMON_ON = 228;
constexpr int COMMON_OFF = 229;

constexpr int ROW_UNIT_VELOCITY = 4;
constexpr std::uint16_t MODE_FULL = 0x0003;
constexpr std::uint16_t MODE_DIRECT_INDICATION = 0x0005;

// An item pair: two UiText indexes, or OFF/ON, or "0"/"1".
enum ItemPair { OFF_ON, ZERO_ONE, INVALID_VALID, VALID_INVALID, ON_OFF, SHUTDOWN_SERVO, VELOCITY, PUSH_TYPE };

std::vector<std::string> ItemsOf(ItemPair pair) {
    const auto ui = [](int i) { return std::string(UiText[static_cast<std::size_t>(i)]); };
    const std::string off(CommonText[COMMON_OFF]), on(CommonText[COMMON_ON]);
    switch (pair) {
        case ZERO_ONE:
            return {"0", "1"};
        case INVALID_VALID:
            return {ui(88), ui(89)};
        case VALID_INVALID:
            return {ui(89), ui(88)};
        case ON_OFF:
            return {on, off};
        case SHUTDOWN_SERVO:
            return {ui(38), ui(39)};
        case VELOCITY:
            return {ui(102), ui(103)};
        case PUSH_TYPE:
            return {ui(273), ui(274)};
        case OFF_ON:
            break;
    }
    return {off, on};
}

struct SRow {
    std::string label;
    ItemPair items;
};

std::array<SRow, OPTION_ROWS> GwParamRows(GwType type, bool extended) {
    const auto ui = [](int i) { return std::string(UiText[static_cast<std::size_t>(i)]); };
    return {{
        {ui(37), SHUTDOWN_SERVO},
        {ui(98), OFF_ON},
        {ui(156), INVALID_VALID},
        {ui(91), VALID_INVALID},
        {ui(type == GW_DRAVO ? UI_UNIT_VELOCITY_DIRECT : 101), VELOCITY},
        {ui(104), OFF_ON},
        {ui(107), OFF_ON},
        {ui(110), OFF_ON},
        {ui(extended ? UI_BIT8 : UI_RETRY_COUNT), ZERO_ONE},
        {ui(116), ZERO_ONE},
        {ui(119), ZERO_ONE},
        {ui(122), OFF_ON},
        {ui(125), OFF_ON},
        {ui(128), OFF_ON},
        {ui(131), OFF_ON},
        {ui(134), OFF_ON},
    }};
}

std::array<SRow, OPTION_ROWS> GwParam2Rows() {
    std::array<SRow, OPTION_ROWS> rows;
    for (int bit = 0; bit < OPTION_ROWS; ++bit) {
        const ItemPair items = (bit == 2 || bit == 15) ? INVALID_VALID
                               : bit == 4              ? VALID_INVALID
                               : bit == 8              ? ON_OFF
                                                       : OFF_ON;
        rows[static_cast<std::size_t>(bit)] = {std::string(ExtParam1BitNames[static_cast<std::size_t>(bit)]),
                                               items};
    }
    return rows;
}

std::array<SRow, OPTION_ROWS> GwModeSelectRows(GwType type) {
    std::array<SRow, OPTION_ROWS> rows;
    for (int bit = 0; bit < OPTION_ROWS; ++bit) {
        const bool validRow = bit == 0 || bit == 1 || bit == 2 || bit == 6 || bit == 7;
        rows[static_cast<std::size_t>(bit)] = {std::string(ExtParam2BitNames[static_cast<std::size_t>(bit)]),
                                               validRow ? INVALID_VALID : OFF_ON};
    }
    if (type == GW_VOSK_ML3) rows[10] = {std::string(UiText[UI_NODE_ADDRESS_FILLING]), INVALID_VALID};
    rows[11].items = PUSH_TYPE;
    if (type == GW_DRAVO) rows[11].label = UiText[UI_PUSH_TYPE_DIRECT];
    return rows;
}

std::array<SRow, OPTION_ROWS> RowsOf(SpecialPage page, const SProgramValues& program) {
    const GwType type = program.SelectedGwType;
    switch (page) {
        case SpecialPage::GwParam2:
            return GwParam2Rows();
        case SpecialPage::GwModeSelect:
            return GwModeSelectRows(type);
        case SpecialPage::GwParam:
            break;
    }
    return GwParamRows(type, program.ExtendedMode());
}

std::uint16_t& WordOf(SpecialPage page, ParameterImage& image) {
    switch (page) {
        case SpecialPage::GwParam2:
            return image.ExtParam1;
        case SpecialPage::GwModeSelect:
            return image.ExtParam2;
        case SpecialPage::GwParam:
            break;
    }
    return image.Word(GMOD);
}

bool RetryCountForm(SpecialPage page, const SProgramValues& program) {
    return page == SpecialPage::GwParam && !program.ExtendedMode();
}

bool FullOrDirectAxisConfigured(const ParameterImage& image) {
    for (const std::uint16_t mode : image.AxisMode) {
        if (mode == MODE_FULL || mode == MODE_DIRECT_INDICATION) return true;
    }
    return false;
}

void FillPage(SSpecialPara2State& state, SpecialPage page, ParameterImage& image,
              const SProgramValues& program) {
    const auto rows = RowsOf(page, program);
    std::uint16_t& word = WordOf(page, image);
    const std::uint16_t mask = state.masks[static_cast<std::size_t>(page)];
    for (int bit = 0; bit < OPTION_ROWS; ++bit) {
        const auto n = static_cast<std::size_t>(bit);
        TextState& label = state.lBit[n];
        ComboState& list = state.cbBit[n];
        label.text = rows[n].label;
        if (bit == RETRY_ROW && RetryCountForm(page, program)) {
            FillRetryCountItems(list);
            SelectRetryCount(list, word, RetryZero::ThirdItemSet);
        } else {
            list.items = ItemsOf(rows[n].items);
            SelectBit(list, word, bit);
        }
        const bool shown = (mask >> bit) & 1u;
        label.visible = label.enabled = list.visible = list.enabled = shown;
    }
}

void Measure(SSpecialPara2State& state) {
    for (int bit = 0; bit < OPTION_ROWS; ++bit) {
        const auto n = static_cast<std::size_t>(bit);
        if (state.lBit[n].text.size() > state.widestLabel.size()) state.widestLabel = state.lBit[n].text;
        for (const std::string& item : state.cbBit[n].items) {
            if (item.size() > state.widestItem.size()) state.widestItem = item;
        }
    }
}

}  // namespace

std::array<std::uint16_t, SPECIAL_PAGES> SpecialPageMasks(GwType type) {
    switch (type) {
        case GW_VOSK:
            return {0x011C, 0x8114, 0x0847};
        case GW_DRAVO:
            return {0x011C, 0x8010, 0x0047};
        case GW_NUB3GW:
            return {0x011C, 0x8000, 0x0006};
        case GW_VOSK_ML3:
            return {0x010C, 0x8114, 0x0041};
        case GW_VOSK_LC:
            return {0x0110, 0x8114, 0x0847};
        default:
            break;
    }
    return {0, 0, 0};
}

std::string_view SpecialPageWord(SpecialPage page) {
    switch (page) {
        case SpecialPage::GwParam2:
            return "ExtParam1";
        case SpecialPage::GwModeSelect:
            return "ExtParam2";
        case SpecialPage::GwParam:
            break;
    }
    return "GMOD";
}

std::string_view SpecialPageCaption(SpecialPage page) {
    return UiText[UI_FIRST_TAB + static_cast<std::size_t>(page)];
}

SSpecialPara2State CreateSpecialPara2State(ParameterImage& image, const SProgramValues& program) {
    SSpecialPara2State state;
    state.caption = UiText[UI_CAPTION];
    state.tabs = {std::string(SpecialPageCaption(SpecialPage::GwParam)),
                  std::string(SpecialPageCaption(SpecialPage::GwParam2)),
                  std::string(SpecialPageCaption(SpecialPage::GwModeSelect))};
    state.bOK.text = CommonText[COMMON_CLOSE];
    state.masks = program.ExtendedMode() ? std::array<std::uint16_t, SPECIAL_PAGES>{0xFFFF, 0xFFFF, 0xFFFF}
                                         : SpecialPageMasks(program.SelectedGwType);
    for (const std::uint16_t mask : state.masks)
        state.mostVisibleRows = std::max(state.mostVisibleRows, std::popcount(mask));
    for (const SpecialPage page : {SpecialPage::GwParam, SpecialPage::GwParam2, SpecialPage::GwModeSelect}) {
        FillPage(state, page, image, program);
        Measure(state);
    }
    ShowSpecialPage(state, SpecialPage::GwParam, image, program);
    return state;
}

void ShowSpecialPage(SSpecialPara2State& state, SpecialPage page, ParameterImage& image,
                     const SProgramValues& program) {
    state.page = page;
    FillPage(state, page, image, program);
    ComboState& velocity = state.cbBit[ROW_UNIT_VELOCITY];
    if (page == SpecialPage::GwParam && velocity.visible) {
        velocity.enabled = program.SelectedGwType == GW_VOSK_LC || FullOrDirectAxisConfigured(image);
    }
}

void SpecialPara2ListChange(const SSpecialPara2State& state, ParameterImage& image,
                            const SProgramValues& program, SMainFlags& flags) {
    std::uint16_t& word = WordOf(state.page, image);
    if (state.page == SpecialPage::GwParam) {
        WriteGmodFromLists(state.cbBit, word, RetryCountForm(state.page, program), program.ExtendedMode());
    } else {
        WriteWordFromLists(state.cbBit, word);
    }
    flags.specialParamsModified = true;
}
