#pragma once
// A main window laid out for one gateway type, with its image, program values and a scripted host.
#include <initializer_list>

#include "core/params/display/RefreshDisplay.h"
#include "core/params/layout/MainFormLayout.h"
#include "tests/support/ScriptedHost.h"

struct SDisplayFixture {
    ParameterImage image;
    SMainFormState form;
    SProgramValues program;
    ScriptedHost host;
    SRefreshHooks hooks;

    explicit SDisplayFixture(GwType type, int unitAxes = 0, bool extended = false) {
        program.SelectedGwType = type;
        program.Comm.ToolFlags = TOOLFLAG_VALID | (extended ? TOOLFLAG_EXTENDED_MODE : 0u);
        LayoutMainForm(form, image, program, unitAxes);
    }

    void Slots(std::initializer_list<std::uint16_t> words) {
        image.AxisMode.fill(AXIS_NO_SLOT);
        std::size_t i = 0;
        for (const auto word : words) image.AxisMode[i++] = word;
    }

    void Refresh() { RefreshDisplay(image, form, program, host, hooks); }
};
