#pragma once
// The "unit No." dialog's behaviour: unit number, top axis number and the multi-drop switch of the
// parameter image. Every change goes straight into the image and marks the unit parameters as changed;
// the next parameter write carries them. Cancel (the close box or Escape) gives back the values and the
// flag the dialog found. The window class renders these controls and forwards the two lists' changes,
// the check box's clicks and the cancel.
#include <string>

#include "core/app/ControlState.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"

class CUnitParaSet {
public:
    CUnitParaSet(ParameterImage& image, SMainFlags& flags);

    void cbUnitNoChange(int index);
    void cbTAxisNoChange(int index);
    void ckMDRPClick(bool checked);
    // The dialog closed without OK: the image's three values and `unitNoModified` as they were when it
    // opened, so nothing is offered for transmission.
    void Cancel();

    std::string Caption;
    CheckState ckMDRP;
    TextState Label1;
    TextState Label2;
    ComboState cbUnitNo;
    ComboState cbTAxisNo;
    TextState Button1;

private:
    // The top axis list as the multi-drop switch leaves it: the image's value while enabled, "0"
    // (without touching the image) and locked while disabled.
    void ShowTopAxisFor(bool multiDrop);

    ParameterImage& image;
    SMainFlags& flags;
    // As the dialog found them, for Cancel.
    std::uint16_t unitNoBefore;
    std::uint16_t topAxisNoBefore;
    std::uint32_t mdrpBefore;
    bool unitNoModifiedBefore;
};
