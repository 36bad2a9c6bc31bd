#pragma once
// The file commands' context for a session without a window: the display refresh is the session's,
// and the path a dialog would ask for comes from the command line.
#include <string>

#include "cli/console/ConsoleHost.h"
#include "core/files/ParameterFileCommands.h"
#include "core/procedures/Session.h"

struct SCliFileContext {
    SParameterFileState files;
    SParameterFileContext context;

    // `path` answers every file dialog; an empty path cancels it.
    SCliFileContext(CSession& session, const std::string& path);
};
