#include "cli/session/FileAxisSlots.h"

#include <algorithm>

#include "core/app/SilentHost.h"
#include "core/files/ParameterFileIo.h"

int FileAxisSlots(const std::string& path, GwType type) {
    CSilentHost quiet;
    ParameterImage image;
    if (ReadParameterFile(path, type, image, quiet) != 0) return 0;
    int used = 0;
    for (int slot = 0; slot < static_cast<int>(image.AxisMode.size()); ++slot) {
        if (image.AxisMode[static_cast<std::size_t>(slot)] != AXIS_NO_SLOT) used = slot + 1;
    }
    return std::max(used, SlotCountOf(type, 0));
}
