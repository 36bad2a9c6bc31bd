#include "core/params/display/DisplayNormalize.h"

#include <algorithm>
#include <string>

#include "core/app/texts/MsgText.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

using AxisWords = std::array<std::uint16_t, 16>;

void ClearFrom(AxisWords& words, int first) {
    for (int slot = std::max(0, first); slot < 16; ++slot)
        words[static_cast<std::size_t>(slot)] = AXIS_NO_SLOT;
}

// Slots of configured axes that hold no mode get `filler`.
void FillConfigured(AxisWords& words, int axisCount, std::uint16_t filler) {
    for (int slot = 0; slot < axisCount && slot < 16; ++slot) {
        auto& word = words[static_cast<std::size_t>(slot)];
        if (word == AXIS_NO_SLOT) word = filler;
    }
}

std::uint16_t UnitFiller(const ParameterImage& image, std::uint16_t ioFiller) {
    const std::uint16_t ntyp = image.Word(NTYP);
    if (image.IoAxisCount != 0) return ioFiller;
    if (ntyp == NTYP_COMPONET || ntyp == NTYP_MECHATROLINK) return MODE_POINT3;
    return AXIS_NOT_SET;
}

void NormalizeVosk(AxisWords& words, const ParameterImage& image) {
    const bool servo = image.Word(NTYP) == NTYP_MECHATROLINK3;
    FillConfigured(words, image.AxisCount, UnitFiller(image, servo ? MODE_SERVO_A : MODE_TEV_IO));
    ClearFrom(words, image.AxisCount);
}

void NormalizeNub3(AxisWords& words, const ParameterImage& image) {
    FillConfigured(words, image.AxisCount, UnitFiller(image, MODE_REMOTE_IO));
    ClearFrom(words, image.AxisCount);
}

void NormalizeDravo(AxisWords& words, ParameterImage& image, HostServices& host,
                    const DravoUnitRulesCheck& dravoUnitRulesHold) {
    if (dravoUnitRulesHold && !dravoUnitRulesHold(image)) {
        image.AxisCount = image.IoAxisCount = 0;
        image.Word(W4N) = image.Word(FINX) = 0;
        if (image.RecountPending) {
            image.DravoMode = 1;
            const std::string illegalMode(MsgText[72]);
            const std::string backToDefault(MsgText[68]);
            host.ShowMessageBox(FormatText("%ls\r\n%ls", illegalMode.c_str(), backToDefault.c_str()),
                                MB_ICON_WARNING);
        }
    }
    image.RecountPending = false;
    ClearFrom(words, image.AxisCount);
}

void NormalizeVoskMl3(AxisWords& words, const ParameterImage& image) {
    FillConfigured(words, image.AxisCount, MODE_SERVO_A);
    ClearFrom(words, image.AxisCount);
}

// KAVELIS: the first group holds 4W or 2W slots only; the Full axes follow it as (0003h, 0004h) pairs,
// each keeping the reserve flag its pair had before.
void NormalizeKavelis(AxisWords& words, const ParameterImage& image) {
    const AxisWords old = words;
    const int w4n = image.Word(W4N);
    const int w8n = image.Word(W8N);
    const int finx = image.Word(FINX);
    const auto firstFull =
        std::find_if(old.begin(), old.end(), [](std::uint16_t w) { return w == MODE_FULL || w == 0x8003; });
    const int f = firstFull == old.end() ? 0 : static_cast<int>(firstFull - old.begin());

    for (int slot = 0; slot < w4n && slot < 16; ++slot) {
        auto& word = words[static_cast<std::size_t>(slot)];
        if (word == MODE_FULL || word == MODE_FULL_SECOND || word == 0x8003 || word == AXIS_NO_SLOT)
            word = AXIS_EMPTY_4W;
    }
    if (w8n != 0) {
        for (int k = 0; w4n + 2 * k < finx && w4n + 2 * k + 1 < 16; ++k) {
            const int oldSlot = f + 2 * k;
            const bool reserved = oldSlot < 16 && old[static_cast<std::size_t>(oldSlot)] == 0x8003;
            words[static_cast<std::size_t>(w4n + 2 * k)] = reserved ? 0x8003 : MODE_FULL;
            words[static_cast<std::size_t>(w4n + 2 * k + 1)] = MODE_FULL_SECOND;
        }
    }
    ClearFrom(words, w4n + 2 * w8n);
}

}  // namespace

void NormalizeAxisWords(ParameterImage& image, const SProgramValues& program, HostServices& host,
                        const DravoUnitRulesCheck& dravoUnitRulesHold) {
    AxisWords words = image.AxisMode;
    switch (program.SelectedGwType) {
        case GW_VOSK:
            NormalizeVosk(words, image);
            break;
        case GW_NUB3GW:
            NormalizeNub3(words, image);
            break;
        case GW_DRAVO:
            NormalizeDravo(words, image, host, dravoUnitRulesHold);
            break;
        case GW_VOSK_ML3:
            NormalizeVoskMl3(words, image);
            break;
        case GW_VOSK_LC:
            ClearFrom(words, 0);
            break;
        case GW_KAVELIS:
            NormalizeKavelis(words, image);
            break;
        default:
            return;
    }
    image.AxisMode = words;
}
