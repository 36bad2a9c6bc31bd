#include "core/params/edit/FieldEditing.h"

#include <algorithm>
#include <array>

#include "core/app/texts/MsgText.h"
#include "core/params/display/DisplayTpPort.h"
#include "core/params/edit/DravoPanels.h"
#include "core/params/edit/FieldEditRefresh.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/ValidationWords.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr std::uint16_t CCLINK_BAUD_BITS = 0x07;
constexpr int CCLINK_BAUD_ENTRIES = 5;
constexpr std::uint16_t GMOD_BIT4 = 0x0010;
constexpr std::uint16_t ML3_SMALL_SIZE = 32;
constexpr std::uint16_t ML3_LARGE_SIZE = 48;
constexpr std::size_t MSG_ADDRESS_ERROR = 47;
constexpr std::array<std::uint16_t, 6> RS485_BAUD_CODES = {4, 5, 6, 19, 20, 21};

std::uint16_t ToWord(int value) {
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}

// FINX of KAVELIS: the last occupied axis word.
void SetKavelisLastIndex(ParameterImage& image) {
    image.Word(FINX) = ToWord(std::max(0, image.Word(W4N) + 2 * image.Word(W8N) - 1));
}

// W4N and FINX of the other axis types from `AxisCount`.
void SetAxisWordCount(ParameterImage& image) {
    image.Word(W4N) = ToWord(image.AxisCount);
    image.Word(FINX) = ToWord(image.AxisCount > 1 ? image.AxisCount - 1 : 0);
}

bool IsVoskOrNub3(GwType type) {
    return type == GW_VOSK || type == GW_NUB3GW;
}

// Axis slots per entry of `cbW1N` / `cbB4N`: VOSK counts pairs, NUB3 GW single slots.
int SlotsPerEntry(GwType type) {
    return type == GW_VOSK ? 2 : 1;
}

void ClearAxisConfiguration(ParameterImage& image, SMainFormState& form) {
    form.cbW1N.index = 0;
    form.cbB4N.index = 0;
    form.ComboBox1.index = 0;
    image.AxisCount = 0;
    image.IoAxisCount = 0;
    image.Word(W4N) = 0;
    image.Word(FINX) = 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool WouldEmpty(const SAddressEditInput& edit, int caretForSingle) {
    const int size = static_cast<int>(edit.text.size());
    const bool single = size == 1 && edit.caret == caretForSingle && edit.selLength == 0;
    const bool wholeSelected = edit.selLength >= size;
    return single || wholeSelected;
}

void SetLoneZero(SAddressEditInput& edit) {
    edit.text = "0";
    edit.caret = 1;
    edit.selLength = 0;
}

}  // namespace

std::optional<std::uint16_t> StationAddressAt(std::uint16_t ntyp, int index) {
    if (index < 0 || ntyp == NTYP_ETHERCAT) return std::nullopt;
    const auto domain = StationAddressDomainOf(ntyp);
    if (!domain) return std::nullopt;
    return ToWord(domain->first + index);
}

std::uint16_t Rs485BaudCodeAt(int index) {
    return index >= 1 && index <= 5 ? RS485_BAUD_CODES[static_cast<std::size_t>(index)] : RS485_BAUD_CODES[0];
}

std::optional<std::uint16_t> ParseEtherCatAddress(std::string_view text) {
    if (text.empty() || text.size() > ED_DADR_MAX_LENGTH || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    if (value > ETHERCAT_ADDRESS_MAX) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

void cbNTYPChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index) {
    const GwType type = program.SelectedGwType;
    const auto code = NetworkCodeAtListed(index, type);
    if (!code) return;
    form.cbNTYP.index = index;
    if (type != GW_KAVELIS) ClearAxisConfiguration(image, form);
    image.Word(NTYP) = *code;
    if (type == GW_DRAVO)
        for (auto& unit : form.DriveUnits) FillDravoModeList(unit, image.DravoMode, *code);
    RefreshAfterEdit(image, form, program, host);
}

void cbDADRChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index) {
    if (index < 0) return;
    form.cbDADR.index = index;
    if (const auto address = StationAddressAt(image.Word(NTYP), index)) image.Word(DADR) = *address;
    RefreshAfterEdit(image, form, program, host);
}

void cbDBPSChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index) {
    if (index < 0) return;
    form.cbDBPS.index = index;
    const std::uint16_t ntyp = image.Word(NTYP);
    if (IsCcLink(ntyp) && index < CCLINK_BAUD_ENTRIES)
        image.Word(DBPS) = static_cast<std::uint16_t>((image.Word(DBPS) & ~CCLINK_BAUD_BITS) + index);
    else if (ntyp == NTYP_RS485)
        image.Word(DBPS) = Rs485BaudCodeAt(index);
    RefreshAfterEdit(image, form, program, host);
}

void cbFINXChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index) {
    if (index < 0) return;
    form.cbFINX.index = index;
    image.Word(FINX) = ToWord(index);
    RefreshAfterEdit(image, form, program, host);
}

void cbDSZChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index) {
    form.cbDSZ.index = index;
    if (image.Word(NTYP) == NTYP_MECHATROLINK3) {
        if (form.cbDSZ.index < 0 || form.cbDSZ.index > 1) form.cbDSZ.index = 0;
        const std::uint16_t size = form.cbDSZ.index == 1 ? ML3_LARGE_SIZE : ML3_SMALL_SIZE;
        image.Word(DSZO) = size;
        image.Word(DSZI) = size;
    }
    RefreshAfterEdit(image, form, program, host);
}

void cbTBPSChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index) {
    if (index < 0) return;
    form.cbTBPS.index = index;
    image.Word(TBPS) = TpPortCodeAt(index);
    RefreshAfterEdit(image, form, program, host);
}

void cbW4NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index) {
    if (index < 0) return;
    form.cbW4N.index = index;
    image.Word(W4N) = ToWord(index);
    SetKavelisLastIndex(image);
    RefreshAfterEdit(image, form, program, host);
}

void cbW8NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index) {
    if (index < 0) return;
    form.cbW8N.index = index;
    image.Word(W8N) = ToWord(index);
    SetKavelisLastIndex(image);
    if (index == 0) image.Word(GMOD) &= static_cast<std::uint16_t>(~GMOD_BIT4);
    RefreshAfterEdit(image, form, program, host);
}

void cbW2NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index) {
    if (index < 0) return;
    form.cbW2N.index = index;
    image.Word(W4N) = ToWord(index);
    for (int s = 0; s < std::min(index, AXIS_SLOTS); ++s) {
        std::uint16_t& word = image.AxisMode[static_cast<std::size_t>(s)];
        if (!IsKavelis2WCode(word)) word = AXIS_EMPTY_2W;
    }
    SetKavelisLastIndex(image);
    RefreshAfterEdit(image, form, program, host);
}

void cbW1NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index) {
    const GwType type = program.SelectedGwType;
    if (index < 0 || !IsVoskOrNub3(type)) return;
    form.cbW1N.index = index;
    image.AxisCount = index * SlotsPerEntry(type);
    SetAxisWordCount(image);
    RefreshAfterEdit(image, form, program, host);
}

void cbB4NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index) {
    const GwType type = program.SelectedGwType;
    if (index < 0 || !IsVoskOrNub3(type)) return;
    form.cbB4N.index = index;
    image.IoAxisCount = index * SlotsPerEntry(type);
    image.AxisCount = image.IoAxisCount;
    SetAxisWordCount(image);
    RefreshAfterEdit(image, form, program, host);
}

void ComboBox1Change(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host, int index) {
    if (index < 0 || program.SelectedGwType != GW_VOSK_ML3) return;
    form.ComboBox1.index = index;
    image.AxisCount = index * 2;
    SetAxisWordCount(image);
    RefreshAfterEdit(image, form, program, host);
}

KeyVerdict DigitFieldKeyPress(SAddressEditInput& edit, char key, std::size_t maxLength) {
    if (key == KEY_BACKSPACE) {
        if (!WouldEmpty(edit, 1)) return KeyVerdict::Pass;
        SetLoneZero(edit);
        return KeyVerdict::Swallow;
    }
    if (!IsDigit(key)) return KeyVerdict::Swallow;
    if (edit.text == "0") {
        edit.text.clear();
        edit.caret = 0;
        edit.selLength = 0;
    }
    const std::size_t kept =
        edit.text.size() - std::min(edit.text.size(), static_cast<std::size_t>(edit.selLength));
    return kept < maxLength ? KeyVerdict::Pass : KeyVerdict::Swallow;
}

KeyVerdict DigitFieldKeyDown(SAddressEditInput& edit, AddressEditKey key) {
    if (key != AddressEditKey::Delete || !WouldEmpty(edit, 0)) return KeyVerdict::Pass;
    SetLoneZero(edit);
    return KeyVerdict::Swallow;
}

void DigitFieldAfterEdit(SAddressEditInput& edit, std::size_t maxLength) {
    std::string digits;
    int caret = 0;
    for (std::size_t i = 0; i < edit.text.size(); ++i) {
        if (!IsDigit(edit.text[i]) || digits.size() >= maxLength) continue;
        digits += edit.text[i];
        if (static_cast<int>(i) < edit.caret) ++caret;
    }
    edit.selLength = 0;
    if (digits.empty()) {
        SetLoneZero(edit);
        return;
    }
    edit.text = digits;
    edit.caret = caret;
}

KeyVerdict edDADRKeyPress(SAddressEditInput& edit, char key) {
    return DigitFieldKeyPress(edit, key, ED_DADR_MAX_LENGTH);
}

KeyVerdict edDADRKeyDown(SAddressEditInput& edit, AddressEditKey key) {
    return DigitFieldKeyDown(edit, key);
}

bool edDADRContextPopup() {
    return true;
}

bool edDADRExit(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                HostServices& host) {
    const auto address = ParseEtherCatAddress(form.edDADR.text);
    if (address)
        image.Word(DADR) = *address;
    else {
        host.ShowMessageBox(MsgText[MSG_ADDRESS_ERROR], MB_ICON_ERROR);
        form.edDADR.text = std::to_string(image.Word(DADR));
    }
    RefreshAfterEdit(image, form, program, host);
    return !address;
}

bool CommitAddressEdit(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                       HostServices& host) {
    return form.edDADRHasFocus && edDADRExit(image, form, program, host);
}
