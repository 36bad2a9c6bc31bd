#include "cli/session/FieldEdits.h"

#include <algorithm>

#include "cli/console/CliExitStatus.h"
#include "cli/reports/WindowFieldsReport.h"
#include "cli/session/RefreshChanges.h"
#include "core/fields/MainWindowFields.h"

namespace {

std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "\"" : ", \"") + name + "\"";
    return text;
}

int Refuse(CConsoleHost& host, const std::string& reason) {
    host.Refuse("edit: " + reason);
    return CLI_USAGE;
}

int ReportOutcome(const SFieldSetOutcome& outcome, const std::string& name, const std::string& value,
                  CConsoleHost& host) {
    const SWindowField& field = outcome.field;
    switch (outcome.result) {
        case EFieldSetResult::Set:
            return CLI_OK;
        case EFieldSetResult::Refused:
            return CLI_FAILED;
        case EFieldSetResult::UnknownName:
            return Refuse(host, "the window shows no field \"" + name + "\"; nearest: " + Listed(outcome.nearest));
        case EFieldSetResult::Locked:
            return Refuse(host, field.name + " cannot be set: " + FieldLockReason(field));
        case EFieldSetResult::NotOffered:
            if (field.min && field.max)
                return Refuse(host, field.name + " takes a number " + std::to_string(*field.min) + ".." +
                                        std::to_string(*field.max) + ", not \"" + value + "\"");
            return Refuse(host, field.name + " offers no \"" + value + "\"; choices: " + ChoicesText(field.choices));
    }
    return CLI_OK;
}

// The register's value of `from` put into `into`.
void KeepRegister(ParameterImage& into, const ParameterImage& from, unsigned reg) {
    if (reg >= REG_GW_CONFIG && reg < REG_GW_CONFIG + into.GwConfigBlock.size())
        into.GwConfigBlock[reg - REG_GW_CONFIG] = from.GwConfigBlock[reg - REG_GW_CONFIG];
    else if (reg >= REG_AXIS_MODE && reg < REG_AXIS_MODE + into.AxisMode.size())
        into.AxisMode[reg - REG_AXIS_MODE] = from.AxisMode[reg - REG_AXIS_MODE];
}

}  // namespace

int ApplyFieldEdits(CSession& session, const std::vector<std::string>& settings, CConsoleHost& host,
                    std::vector<unsigned>& setRegisters) {
    for (const std::string& setting : settings) {
        const auto eq = setting.find('=');
        if (eq == std::string::npos) return Refuse(host, "--set takes \"NAME=VALUE\", not \"" + setting + "\"");
        const std::string name = setting.substr(0, eq);
        const std::string value = setting.substr(eq + 1);
        const SFieldSetOutcome outcome =
            SetMainWindowField(session.image, session.form, session.program, host, name, value);
        if (const int status = ReportOutcome(outcome, name, value, host); status != CLI_OK) return status;
        setRegisters.insert(setRegisters.end(), outcome.field.registers.begin(), outcome.field.registers.end());
    }
    return CLI_OK;
}

void PrintFieldEditSideEffects(CConsoleHost& host, const ParameterImage& fileSet, const CSession& session,
                               const std::vector<unsigned>& setRegisters) {
    // The fields named keep their new values out of the comparison: only what came with them is named.
    ParameterImage besides = session.image;
    for (const unsigned reg : setRegisters) KeepRegister(besides, fileSet, reg);
    PrintRefreshChanges(host, RefreshChanges(fileSet, besides, session.form, session.program.SelectedGwType));
}
