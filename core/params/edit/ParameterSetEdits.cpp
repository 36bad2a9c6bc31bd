#include "core/params/edit/ParameterSetEdits.h"

bool SameParameterRegisters(const ParameterImage& a, const ParameterImage& b) {
    return a.GwConfigBlock == b.GwConfigBlock && a.AxisMode == b.AxisMode && a.NetAddress == b.NetAddress &&
           a.UnitNo == b.UnitNo && a.TopAxisNo == b.TopAxisNo && a.MDRP == b.MDRP &&
           a.AxisModeMirror == b.AxisModeMirror && a.ExtParam1 == b.ExtParam1 && a.ExtParam2 == b.ExtParam2;
}

void EditParameterSet(ParameterImage& image, SMainFormState& form, const std::function<void()>& edit) {
    const ParameterImage before = image;
    edit();
    if (!SameParameterRegisters(before, image)) form.setModified = true;
}

std::string MainWindowTitle(const SMainFormState& form) {
    return form.setModified ? form.caption + " *" : form.caption;
}
