#include "core/params/edit/FieldEditRefresh.h"

#include "core/params/edit/DravoPanels.h"

SRefreshHooks EditRefreshHooks(GwType type) {
    SRefreshHooks hooks;
    hooks.dravoUnitRulesHold = [type](const ParameterImage& image) {
        return DravoUnitRulesHold(image, type);
    };
    hooks.refreshDravoPanels = RefreshDravoPanels;
    return hooks;
}

void RefreshAfterEdit(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host) {
    RefreshDisplay(image, form, program, host, EditRefreshHooks(program.SelectedGwType));
}
