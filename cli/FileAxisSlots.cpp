#include "cli/FileAxisSlots.h"

#include <algorithm>

#include "core/files/ParameterFileIo.h"

namespace {

// Reads the file without showing anything: the open that follows reports what is wrong with it.
class CQuietHost : public HostServices {
public:
    int ShowMessageBox(std::string_view, unsigned) override { return ID_OK; }
    void ProcessPendingEvents() override {}
    void AdvanceProgress(int) override {}
    void SetProgress(int) override {}
};

}  // namespace

int FileAxisSlots(const std::string& path, GwType type) {
    CQuietHost quiet;
    ParameterImage image;
    if (ReadParameterFile(path, type, image, quiet) != 0) return 0;
    int used = 0;
    for (int slot = 0; slot < static_cast<int>(image.AxisMode.size()); ++slot) {
        if (image.AxisMode[static_cast<std::size_t>(slot)] != AXIS_NO_SLOT) used = slot + 1;
    }
    return std::max(used, SlotCountOf(type, 0));
}
