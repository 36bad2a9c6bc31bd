#include "core/files/ParameterFileTags.h"

std::string_view GatewayTagOf(GwType type) {
    const SGwUnitData& unit = GwUnitDataOf(type);
    if (unit.tagIndex < 0 || unit.tagIndex >= static_cast<int>(UI_TEXT_SLOTS)) return {};
    return UiText[static_cast<std::size_t>(unit.tagIndex)];
}
