#pragma once
// The File menu's two comparisons: `MenuCompareUnit` reads the unit beside the window's set,
// `MenuCompareFile` reads a file beside it; both show the differing fields and let the user take the
// other set or keep the window's.
#include <functional>

#include "core/compare/CompareFormState.h"
#include "core/files/ParameterFileCommands.h"
#include "core/procedures/Session.h"

// Shows the compare window modally; true when the user took the other set.
using ShowCompareWindow = std::function<bool(const SCompareFormState&)>;

// Compare with unit. 0 when the comparison was shown, otherwise the read's result (already reported).
int CompareWithUnitCommand(CSession& session, const ShowCompareWindow& show);

// Compare with file: the open dialog, the file reader, then the window. 0 when the comparison was shown,
// -1 when the dialog was cancelled or the file could not be read (already reported).
int CompareWithFileCommand(SParameterFileContext& ctx, const ShowCompareWindow& show);
