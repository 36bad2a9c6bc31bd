#include "core/app/GwType.h"

const std::array<SGwUnitData, 7> GwTypeTable = {{
    {"KAVELIS", GW_KAVELIS, ".pkgw", 41, 45, true, true},
    {"VOSK", GW_VOSK, ".vogw", 268, 269, true, true},
    {"VOSK(MLIII)", GW_VOSK_ML3, ".vmgw", 363, 269, false, true},
    {"VOSK-LC", GW_VOSK_LC, ".volc", 391, 394, true, true},
    {"NUB3 GW", GW_NUB3GW, ".nugw", 271, 272, true, true},
    {"DRAVO", GW_DRAVO, ".dvgw", 278, 279, true, true},
    {"", GW_NONE, "", -1, -1, false, false},
}};

const SGwUnitData& GwUnitDataOf(GwType type) {
    std::size_t i = 0;
    while (GwTypeTable[i].code != GW_NONE && GwTypeTable[i].code != type) ++i;
    return GwTypeTable[i];
}
