#include "core/service/UnitParaSet.h"

#include "core/app/texts/UiText.h"

namespace {

constexpr int UNIT_NUMBERS = 2;      // units 0 and 1
constexpr int TOP_AXIS_ENTRIES = 8;  // top axis numbers 0, 2, ..., 14

// The list index of a value, or -1 when the list has no entry for it.
int IndexIn(const ComboState& list, int index) {
    return index >= 0 && index < static_cast<int>(list.items.size()) ? index : -1;
}

}  // namespace

CUnitParaSet::CUnitParaSet(ParameterImage& img, SMainFlags& mainFlags)
    : image(img),
      flags(mainFlags),
      unitNoBefore(img.UnitNo),
      topAxisNoBefore(img.TopAxisNo),
      mdrpBefore(img.MDRP),
      unitNoModifiedBefore(mainFlags.unitNoModified) {
    Caption = UiText[263];
    ckMDRP.text = UiText[270];
    Label1.text = UiText[248];
    Label2.text = UiText[249];
    Button1.text = "OK";
    for (int n = 0; n < UNIT_NUMBERS; ++n) cbUnitNo.items.push_back(std::to_string(n));
    for (int n = 0; n < TOP_AXIS_ENTRIES; ++n) cbTAxisNo.items.push_back(std::to_string(2 * n));
    cbUnitNo.index = IndexIn(cbUnitNo, image.UnitNo);
    ckMDRP.checked = image.MDRP == MDRP_ENABLED;
    ShowTopAxisFor(ckMDRP.checked);
}

void CUnitParaSet::cbUnitNoChange(int index) {
    if (IndexIn(cbUnitNo, index) < 0) return;
    cbUnitNo.index = index;
    image.UnitNo = static_cast<std::uint16_t>(index);
    flags.unitNoModified = true;
}

void CUnitParaSet::cbTAxisNoChange(int index) {
    if (IndexIn(cbTAxisNo, index) < 0) return;
    cbTAxisNo.index = index;
    image.TopAxisNo = static_cast<std::uint16_t>(2 * index);
    flags.unitNoModified = true;
}

void CUnitParaSet::ckMDRPClick(bool checked) {
    ckMDRP.checked = checked;
    image.MDRP = checked ? MDRP_ENABLED : 0;
    ShowTopAxisFor(checked);
    flags.unitNoModified = true;
}

void CUnitParaSet::Cancel() {
    image.UnitNo = unitNoBefore;
    image.TopAxisNo = topAxisNoBefore;
    image.MDRP = mdrpBefore;
    flags.unitNoModified = unitNoModifiedBefore;
}

// An odd top axis number (from a file or another tool) selects the entry below it: 7 shows "6".
void CUnitParaSet::ShowTopAxisFor(bool multiDrop) {
    cbTAxisNo.enabled = multiDrop;
    cbTAxisNo.grey = !multiDrop;
    cbTAxisNo.index = multiDrop ? IndexIn(cbTAxisNo, image.TopAxisNo / 2) : 0;
}
