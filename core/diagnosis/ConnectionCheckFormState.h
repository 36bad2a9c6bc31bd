#pragma once
// What the connection check dialog shows: one row per step as it runs, the verdict and its fix, and
// which buttons may be pressed (none while the check talks to the port).
#include <string>
#include <vector>

#include "core/app/ControlState.h"
#include "core/diagnosis/ConnectionCheck.h"

struct SConnectionCheckFormState {
    std::string Caption;
    std::vector<std::string> columns;        // the steps grid's titles
    std::vector<SConnectionCheckStep> rows;  // the steps grid: step, result, what it found
    TextState lblVerdict;                    // "Verdict: ..." once the check has ended
    TextState lblFix;                        // the verdict's explanation and fix
    TextState btnAgain;                      // runs the check once more
    TextState btnClose;
    bool running = false;  // the window may not close while the check holds the port
};

// The dialog before the first run.
SConnectionCheckFormState InitialConnectionCheckForm();
// The dialog for the result so far.
void ShowConnectionCheckResult(SConnectionCheckFormState& form, const SConnectionCheckResult& result);
