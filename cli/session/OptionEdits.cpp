#include "cli/session/OptionEdits.h"

#include "cli/console/CliExitStatus.h"
#include "core/advanced/OptionRows.h"

namespace {

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "\"" : ", \"") + name + "\"";
    return text;
}

void ReportRefusal(const SOptionChangeResult& result, const std::string& label, const std::string& choice,
                   CConsoleHost& host) {
    std::string reason;
    switch (result.error) {
        case OptionChangeError::UnknownLabel:
            reason = "no option row \"" + label + "\" in the dialog; nearest: " + Listed(result.nearest);
            break;
        case OptionChangeError::AmbiguousLabel:
            reason = "option row \"" + label + "\" is on more than one page; name one of " +
                     Listed(result.nearest);
            break;
        case OptionChangeError::UnknownChoice:
            reason = "option row \"" + label + "\" has no choice \"" + choice +
                     "\"; nearest: " + Listed(result.nearest);
            break;
        case OptionChangeError::DisabledRow:
            reason = "option row \"" + label + "\" is disabled in the dialog for this set";
            break;
        case OptionChangeError::None:
            return;
    }
    host.Refuse("edit: " + reason);
}

}  // namespace

int ApplyOptionEdits(CSession& session, const std::vector<std::string>& options, CConsoleHost& host) {
    for (const std::string& option : options) {
        const auto eq = option.find('=');
        if (eq == std::string::npos) {
            host.Refuse("edit: --option takes \"LABEL=CHOICE\", not \"" + option + "\"");
            return CLI_USAGE;
        }
        const std::string label = option.substr(0, eq);
        const std::string choice = option.substr(eq + 1);
        const SOptionChangeResult result = ChangeOptionRow(session.image, session.program, session.form.cbW8N,
                                                           session.form.flags, label, choice);
        if (result.error != OptionChangeError::None) {
            ReportRefusal(result, label, choice, host);
            return CLI_USAGE;
        }
    }
    return CLI_OK;
}
