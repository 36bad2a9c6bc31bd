#pragma once
// A main window laid out for one gateway type, with its image, program values and a scripted host: the
// stage the edit and validation tests act on.
#include <initializer_list>

#include "core/params/edit/FieldEditRefresh.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormLayout.h"
#include "core/params/layout/MainFormState.h"
#include "tests/support/ScriptedHost.h"

struct SEditBench {
    ParameterImage image;
    SMainFormState form;
    SProgramValues program;
    ScriptedHost host;

    explicit SEditBench(GwType type, int unitAxisCount = 0) {
        program.SelectedGwType = type;
        image.AxisMode.fill(AXIS_NO_SLOT);
        LayoutMainForm(form, image, program, unitAxisCount);
    }

    // Slots from 0 on; every later slot free.
    void SetSlots(std::initializer_list<std::uint16_t> words) {
        image.AxisMode.fill(AXIS_NO_SLOT);
        std::size_t s = 0;
        for (auto word : words) image.AxisMode[s++] = word;
    }

    void Refresh() { RefreshAfterEdit(image, form, program, host); }

    // A refresh puts the progress bar to 0: a value left untouched shows that no refresh ran.
    void MarkNoRefresh() { host.progress = 55; }
    bool Refreshed() const { return host.progress != 55; }

    std::uint16_t Slot(int s) const { return image.AxisMode[static_cast<std::size_t>(s)]; }
};
