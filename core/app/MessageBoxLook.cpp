#include "core/app/MessageBoxLook.h"

#include "core/app/HostServices.h"
#include "core/app/texts/CommonText.h"

namespace {

struct SIconLook {
    MessageBoxIcon icon;
    int captionIndex;
};

SIconLook IconLookOf(unsigned style) {
    switch (style & MB_ICON_MASK) {
        case MB_ICON_ERROR:
            return {MessageBoxIcon::Error, COMMON_TEXT_ALARM};
        case MB_ICON_QUESTION:
            return {MessageBoxIcon::Question, COMMON_TEXT_CONFIRMATION};
        case MB_ICON_WARNING:
            return {MessageBoxIcon::Warning, COMMON_TEXT_WARNING};
        case MB_ICON_INFORMATION:
            return {MessageBoxIcon::Information, COMMON_TEXT_INFORMATION};
        default:
            return {MessageBoxIcon::None, -1};
    }
}

}  // namespace

SMessageBoxLook DescribeMessageBox(unsigned style) {
    const SIconLook iconLook = IconLookOf(style);
    SMessageBoxLook look;
    look.caption = CommonTextAt(iconLook.captionIndex);
    look.icon = iconLook.icon;
    look.yesNo = (style & MB_YES_NO) != 0;
    look.saveDiscardCancel = !look.yesNo && (style & MB_SAVE_DISCARD_CANCEL) == MB_SAVE_DISCARD_CANCEL;
    if (look.saveDiscardCancel) {
        look.defaultButton = ID_YES;
    } else if (!look.yesNo) {
        look.defaultButton = ID_OK;  // a single button is the default whatever the default bit says
    } else {
        look.defaultButton = (style & MB_SECOND_DEFAULT) ? ID_NO : ID_YES;
    }
    return look;
}
