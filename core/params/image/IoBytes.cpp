#include "core/params/image/IoBytes.h"

#include <array>

#include "core/params/image/AxisModeTable.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

std::uint16_t ModeBits(std::uint16_t word) {
    return AxisModeCode(word);
}

// Bytes each way of one slot of a NUB3 GW or DRAVO unit; Full2 counts only for DRAVO.
int UnitSlotBytes(std::uint16_t word, bool full2Counts) {
    switch (ModeBits(word)) {
        case MODE_SIMPLE:
        case MODE_POINT1:
            return 8;
        case MODE_FULL:
            return 16;
        case MODE_FULL2:
            return full2Counts ? 16 : 0;
        case MODE_POINT2:
            return 4;
        case MODE_POINT3:
        case MODE_REMOTE_IO:
            return 2;
        default:
            return 0;
    }
}

// VOSK walks all sixteen slots; a TEV I/O slot sets the total instead of adding to it.
int VoskBytes(const ParameterImage& image) {
    int bytes = 0;
    for (int slot = 0; slot < 16; ++slot) {
        const std::uint16_t word = image.AxisMode[static_cast<std::size_t>(slot)];
        switch (ModeBits(word)) {
            case MODE_SIMPLE:
            case MODE_POINT1:
                bytes += 8;
                break;
            case MODE_FULL:
                bytes += 16;
                break;
            case MODE_POINT2:
                bytes += 4;
                break;
            case MODE_POINT3:
                bytes += 2;
                break;
            case MODE_TEV_IO:
                bytes = slot < 4 ? 2 : 4;
                break;
            default:
                break;
        }
    }
    return bytes;
}

int UnitBytes(const ParameterImage& image, int slots, bool full2Counts) {
    int bytes = 0;
    for (int slot = 0; slot < slots && slot < 16; ++slot)
        bytes += UnitSlotBytes(image.AxisMode[static_cast<std::size_t>(slot)], full2Counts);
    return bytes;
}

int VoskLcBytes(std::uint16_t ntyp) {
    switch (ntyp) {
        case NTYP_PROFIBUS_DP:
        case NTYP_DEVICENET:
        case NTYP_PROFINET_IO:
        case NTYP_ETHERNET_IP:
        case NTYP_COMPONET:
            return 8;
        case NTYP_ETHERCAT:
        case NTYP_MECHATROLINK:
            return 32;
        default:
            return 0;
    }
}

}  // namespace

void ComputeIoBytes(ParameterImage& image, GwType type) {
    int bytes = 0;
    switch (type) {
        case GW_VOSK:
            bytes = VoskBytes(image);
            break;
        case GW_NUB3GW:
            bytes = UnitBytes(image, 4, false);
            break;
        case GW_DRAVO:
            bytes = UnitBytes(image, image.SlotCount, true);
            break;
        case GW_VOSK_LC:
            bytes = VoskLcBytes(image.Word(NTYP));
            break;
        default:
            return;  // KAVELIS sizes come from the slot counts, VOSK(MLIII) sizes from cbDSZ
    }
    image.OutBytes = bytes;
    image.InBytes = bytes;
}

bool IsKavelis2WArrangement(std::uint16_t slot0) {
    const std::uint16_t mode = ModeBits(slot0);
    return mode == MODE_POINT2 || mode == MODE_SOL1 || mode == MODE_SOL2;
}

int KavelisDataSize(const ParameterImage& image, bool twoWordArrangement) {
    const int slots = image.Word(W4N) + 2 * image.Word(W8N);
    return slots * (twoWordArrangement ? 4 : 8) + GW_HEADER_BYTES;
}

int RoundEtherCatSize(int bytesWithHeader) {
    static constexpr std::array<int, 5> steps{32, 64, 80, 112, 144};
    for (const int step : steps)
        if (bytesWithHeader <= step) return step;
    return bytesWithHeader;
}

std::optional<int> EtherCatMaxSize(GwType type) {
    switch (type) {
        case GW_VOSK:
        case GW_VOSK_ML3:
            return 144;
        case GW_NUB3GW:
            return 80;
        case GW_DRAVO:
            return 112;
        default:
            return std::nullopt;
    }
}
