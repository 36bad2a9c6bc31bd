#include "core/params/image/ParameterImage.h"

#include <algorithm>

void ResetParameterImage(ParameterImage& image) {
    const int slotCount = image.SlotCount;
    image = ParameterImage{};
    image.SlotCount = slotCount;
}

int SlotCountOf(GwType type, int unitAxisCount) {
    const int reported = std::max(0, unitAxisCount);
    switch (type) {
        case GW_KAVELIS:
            return 16;
        case GW_NUB3GW:
            return 4;
        case GW_VOSK:
        case GW_VOSK_ML3:
            return reported == 0 ? 8 : std::min(reported, 8);
        case GW_DRAVO:
            return reported == 0 ? 6 : std::min(reported, 16);
        default:
            return 0;
    }
}
