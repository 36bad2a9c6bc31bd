#include "core/fleet/FleetHost.h"

#include <algorithm>

int CFleetHost::ShowMessageBox(std::string_view text, unsigned) {
    if (firstText.empty()) {
        firstText = text;
        firstText.erase(
            std::remove_if(firstText.begin(), firstText.end(), [](char c) { return c == '\r' || c == '\n'; }),
            firstText.end());
    }
    return ID_OK;
}
