#pragma once
// Before the main window's set is replaced (New, Open, a dropped file) or the program ends: edits not
// yet saved are not thrown away without a word.
#include "core/files/ParameterFileCommands.h"

// With unsaved edits, the question whether to save them: Save runs the save command, Discard lets them
// go, Cancel keeps everything. True when the caller may go on (saved or discarded).
bool UnsavedEditsSettled(SParameterFileContext& ctx);

// The close query: first the question about changes not transmitted, then the one about edits not
// saved. True when the program may end.
bool CloseQueryWithUnsavedEdits(SParameterFileContext& ctx);
