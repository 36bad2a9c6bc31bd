#include "core/files/NewFileForm.h"

#include "core/app/texts/CommonText.h"
#include "core/app/texts/UiText.h"
#include "core/files/UnsavedEditsQuestion.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

// The gateway types each network is offered to by the New dialog without ExtendedMode, by table row.
// In ExtendedMode the table's own sets decide; they differ for RS485 (KAVELIS only here) and
// MECHATROLINK (offered to none here).
constexpr std::array<GwType, NETWORK_TYPE_ENTRIES> NormalModeTypes = {
    0x2F, 0x2F, 0x2F, 0x00, 0x01, 0x2E, 0x00, 0x2E, 0x2F, 0x22, 0x10, 0x2F, 0x20};

constexpr std::size_t TEXT_NEW_FILE = 48;
constexpr std::size_t TEXT_NETWORK_TYPE = 1;
constexpr std::size_t COMMON_OK = 69;
constexpr std::size_t COMMON_CANCEL = 70;

GwType OfferedTo(std::size_t row, bool extendedMode) {
    return extendedMode ? NetworkTypeTable[row].listedFor : NormalModeTypes[row];
}

// Everything a new parameter set starts without. `AxisModeMirror` keeps the previous set's values.
void ClearParameterSet(ParameterImage& image) {
    image.GwConfigBlock.fill(0);
    image.AxisMode.fill(0);
    image.UnitNo = 0;
    image.TopAxisNo = 0;
    image.NetAddress.fill(0);
    image.MDRP = 0;
    image.ModuleInfo.fill(0);
    image.ProfinetInfo.fill(0);
    image.SlaveIdWord = 0;
    image.ExtParam1 = 0;
    image.ExtParam2 = 0;
    image.AxisCount = 0;
    image.IoAxisCount = 0;
    image.DravoMode = 1;
}

}  // namespace

std::vector<int> NewFileNetworkRows(GwType type, bool extendedMode) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < NETWORK_TYPE_ENTRIES; ++row)
        if ((OfferedTo(row, extendedMode) & type) != 0) rows.push_back(static_cast<int>(row));
    return rows;
}

SNewFileFormState CreateNewFileForm(const SProgramValues& program) {
    SNewFileFormState dialog;
    dialog.caption = std::string(UiText[TEXT_NEW_FILE]);
    dialog.lNetworkType.text = std::string(UiText[TEXT_NETWORK_TYPE]);
    dialog.bOK.text = std::string(CommonText[COMMON_OK]);
    dialog.bCancel.text = std::string(CommonText[COMMON_CANCEL]);
    for (const int row : NewFileNetworkRows(program.SelectedGwType, program.ExtendedMode())) {
        const auto textIndex =
            static_cast<std::size_t>(NetworkTypeTable[static_cast<std::size_t>(row)].textIndex);
        dialog.cbNetworkType.items.emplace_back(UiText[textIndex]);
    }
    dialog.cbNetworkType.index = dialog.cbNetworkType.items.empty() ? -1 : 0;
    return dialog;
}

void ApplyNewFile(const SNewFileFormState& dialog, SParameterFileContext& ctx) {
    ParameterImage& image = ctx.image;
    ClearParameterSet(image);
    const auto rows = NewFileNetworkRows(ctx.program.SelectedGwType, ctx.program.ExtendedMode());
    const int chosen = dialog.cbNetworkType.index;
    if (chosen >= 0 && chosen < static_cast<int>(rows.size()))
        image.Word(NTYP) =
            NetworkTypeTable[static_cast<std::size_t>(rows[static_cast<std::size_t>(chosen)])].code;
    SetParameterFileTitle(ctx.form, ctx.files, " ");
    image.Word(GVER) = 0;
    ctx.form.MenuMoniter1.enabled = false;
    MarkParameterSetReplaced(image, ctx.form, ctx.program);
    ctx.form.PanelReinitPending = true;
}

int NewFileCommand(SParameterFileContext& ctx, const std::function<bool(SNewFileFormState&)>& showDialog) {
    if (ctx.hooks.commitStationAddress && ctx.hooks.commitStationAddress()) return -1;
    if (!UnsavedEditsSettled(ctx)) return -1;
    SNewFileFormState dialog = CreateNewFileForm(ctx.program);
    const bool ok = showDialog && showDialog(dialog);
    if (ok) ApplyNewFile(dialog, ctx);
    if (ctx.hooks.refreshDisplay) ctx.hooks.refreshDisplay();
    return ok ? 0 : -1;
}
