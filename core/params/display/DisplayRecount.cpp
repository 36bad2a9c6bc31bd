#include "core/params/display/DisplayRecount.h"

#include <algorithm>
#include <initializer_list>

#include "core/params/display/DisplayCombos.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

bool CodeIn(std::uint16_t word, std::initializer_list<std::uint16_t> codes) {
    if (word == AXIS_NO_SLOT) return false;
    return std::find(codes.begin(), codes.end(), AxisModeCode(word)) != codes.end();
}

struct SCountCodes {
    std::initializer_list<std::uint16_t> axis;  // count into AxisCount
    std::initializer_list<std::uint16_t> io;    // count into AxisCount and IoAxisCount
};

void CountSlots(ParameterImage& image, int slots, const SCountCodes& codes) {
    image.AxisCount = 0;
    image.IoAxisCount = 0;
    for (int slot = 0; slot < slots && slot < 16; ++slot) {
        const std::uint16_t word = image.AxisMode[static_cast<std::size_t>(slot)];
        if (CodeIn(word, codes.axis)) {
            ++image.AxisCount;
        } else if (CodeIn(word, codes.io)) {
            ++image.AxisCount;
            ++image.IoAxisCount;
        }
    }
}

// A slot count the unit cannot hold is replaced by the counted slots; otherwise the configured count wins.
void SettleCount(ParameterImage& image) {
    if (image.Word(W4N) > 8) {
        image.Word(W4N) = static_cast<std::uint16_t>(image.AxisCount);
        image.Word(FINX) = static_cast<std::uint16_t>(std::max(0, image.AxisCount - 1));
    } else {
        image.AxisCount = image.Word(W4N);
    }
}

void SelectCountCombos(SMainFormState& form, int w1n, bool w1nEnabled, int b4n, bool b4nEnabled) {
    SelectIndex(form.cbW1N, w1n);
    form.cbW1N.enabled = w1nEnabled;
    SelectIndex(form.cbB4N, b4n);
    form.cbB4N.enabled = b4nEnabled;
}

// VOSK counts the combos in pairs, NUB3 GW in single slots. A VOSK pair count on the PIO or
// MECHATROLINK III network is not a valid configuration and is cleared.
void SetCountCombos(ParameterImage& image, SMainFormState& form, int perItem, bool clearOnPioOrMl3) {
    const std::uint16_t ntyp = image.Word(NTYP);
    if (image.IoAxisCount != 0) {
        SelectCountCombos(form, 0, false, image.AxisCount / perItem, true);
    } else if (image.AxisCount != 0) {
        if (clearOnPioOrMl3 && (ntyp == NTYP_PIO || ntyp == NTYP_MECHATROLINK3)) {
            image.AxisCount = image.IoAxisCount = 0;
            image.Word(W4N) = image.Word(W8N) = image.Word(FINX) = 0;
            SelectCountCombos(form, 0, false, 0, true);
        } else {
            SelectCountCombos(form, image.AxisCount / perItem, true, 0, false);
        }
    } else {
        SelectCountCombos(form, 0, true, 0, true);
    }
}

void RecountVosk(ParameterImage& image, SMainFormState& form) {
    if (image.RecountPending) {
        CountSlots(image, 8,
                   {{MODE_SIMPLE, MODE_POINT1, MODE_FULL, MODE_POINT2, MODE_POINT3},
                    {MODE_TEV_IO, MODE_SERVO_A, MODE_SERVO_P}});
        SettleCount(image);
        image.RecountPending = false;
    }
    SetCountCombos(image, form, 2, true);
}

void RecountNub3(ParameterImage& image, SMainFormState& form) {
    if (image.RecountPending) {
        CountSlots(image, 4,
                   {{MODE_SIMPLE, MODE_POINT1, MODE_FULL, MODE_POINT2, MODE_POINT3}, {MODE_REMOTE_IO}});
        SettleCount(image);
        image.RecountPending = false;
    }
    SetCountCombos(image, form, 1, false);
}

// DRAVO keeps `RecountPending` for the axis word check that follows, which reports an illegal
// configuration only after a read or a file open.
void RecountDravo(ParameterImage& image, SMainFormState& form) {
    if (image.RecountPending) {
        image.DravoMode = 1;
        CountSlots(
            image, image.SlotCount,
            {{MODE_SIMPLE, MODE_POINT1, MODE_FULL, MODE_FULL2, MODE_POINT2, MODE_POINT3}, {MODE_REMOTE_IO}});
        SettleCount(image);
        form.PanelReinitPending = true;
    }
    if (image.IoAxisCount != 0) {
        image.DravoMode = 2;
    } else if (image.AxisCount != 0) {
        image.DravoMode = 1;
    }
}

void RecountVoskMl3(ParameterImage& image, SMainFormState& form, const SProgramValues& program) {
    if (image.RecountPending) {
        CountSlots(image, 8, {{}, {MODE_SERVO_A, MODE_SERVO_P}});
        SettleCount(image);
        image.RecountPending = false;
    }
    SelectIndex(form.ComboBox1, image.AxisCount / 2);
    constexpr std::uint16_t autoFillBit = 1u << 10;
    form.lblStatAXSFT.visible = (image.ExtParam2 & autoFillBit) != 0 && program.ExtendedMode();
}

void RecountVoskLc(ParameterImage& image) {
    image.AxisCount = image.IoAxisCount = 0;
    image.RecountPending = false;
    image.Word(W4N) = 0;
    image.Word(FINX) = 0;
}

// KAVELIS: the 4W and 8W combos exclude the 2W combo; slot 0 tells which arrangement is in use.
void SetKavelisCombos(ParameterImage& image, SMainFormState& form) {
    const int w4n = image.Word(W4N);
    const int w8n = image.Word(W8N);
    FillNumbers(form.cbW4N, 0, std::max(0, 16 - 2 * w8n));
    FillNumbers(form.cbW8N, 0, std::max(0, (16 - w4n) / 2));
    FillNumbers(form.cbW2N, 0, 16);
    static constexpr std::array<std::uint16_t, 9> fourWordSlot0 = {
        0x0000, 0x0001, 0x0003, 0x0004, 0x8000, 0x8001, 0x8003, AXIS_EMPTY_4W, AXIS_NO_SLOT};
    const bool twoWord =
        std::find(fourWordSlot0.begin(), fourWordSlot0.end(), image.AxisMode[0]) == fourWordSlot0.end();
    SelectIndex(form.cbW2N, twoWord ? w4n : 0);
    SelectIndex(form.cbW4N, twoWord ? 0 : w4n);
    SelectIndex(form.cbW8N, twoWord ? 0 : w8n);
    form.cbW4N.enabled = form.cbW8N.enabled = form.cbW2N.index == 0;
    form.cbW2N.enabled = form.cbW4N.index == 0 && form.cbW8N.index == 0;
    image.RecountPending = false;
}

}  // namespace

void RecountAxes(ParameterImage& image, SMainFormState& form, const SProgramValues& program) {
    for (ComboState* combo : {&form.cbW4N, &form.cbW8N, &form.cbW2N}) {
        combo->items.clear();
        combo->index = -1;
    }
    switch (program.SelectedGwType) {
        case GW_VOSK:
            RecountVosk(image, form);
            break;
        case GW_NUB3GW:
            RecountNub3(image, form);
            break;
        case GW_DRAVO:
            RecountDravo(image, form);
            break;
        case GW_VOSK_ML3:
            RecountVoskMl3(image, form, program);
            break;
        case GW_VOSK_LC:
            RecountVoskLc(image);
            break;
        case GW_KAVELIS:
            SetKavelisCombos(image, form);
            break;
        default:
            break;
    }
}
