#include "core/files/UnsavedEditsQuestion.h"

#include "core/app/MainWindowPrompts.h"
#include "core/app/texts/ToolQuestionText.h"

bool UnsavedEditsSettled(SParameterFileContext& ctx) {
    if (!ctx.form.setModified) return true;
    switch (ctx.host.ShowMessageBox(ToolQuestionText::UNSAVED_EDITS, MB_SAVE_DISCARD_CANCEL | MB_ICON_QUESTION)) {
        case ID_YES:
            return SaveParameterFileCommand(ctx) == 0;
        case ID_NO:
            return true;
        default:
            return false;
    }
}

bool CloseQueryWithUnsavedEdits(SParameterFileContext& ctx) {
    return CloseQueryAllowsExit(ctx.form.flags, ctx.host) && UnsavedEditsSettled(ctx);
}
