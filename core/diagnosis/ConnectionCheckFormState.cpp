#include "core/diagnosis/ConnectionCheckFormState.h"

#include "core/app/texts/ConnectionCheckText.h"

namespace Text = ConnectionCheckText;

SConnectionCheckFormState InitialConnectionCheckForm() {
    SConnectionCheckFormState form;
    form.Caption = std::string(Text::DIALOG_CAPTION);
    form.columns = {std::string(Text::COLUMN_STEP), std::string(Text::COLUMN_RESULT),
                    std::string(Text::COLUMN_FOUND)};
    form.btnAgain.text = std::string(Text::CHECK_AGAIN);
    form.btnClose.text = std::string(Text::CLOSE);
    return form;
}

void ShowConnectionCheckResult(SConnectionCheckFormState& form, const SConnectionCheckResult& result) {
    form.rows = result.steps;
    form.running = !result.finished;
    form.btnAgain.enabled = result.finished;
    form.btnClose.enabled = result.finished;
    if (!result.finished) {
        form.lblVerdict.text = std::string(Text::CHECKING);
        form.lblFix.text.clear();
        return;
    }
    form.lblVerdict.text = std::string(Text::VERDICT_LABEL) + std::string(VerdictKeyword(result.verdict));
    form.lblFix.text = ConnectionCheckFix(result);
}
