#include "cli/session/CliFileContext.h"

SCliFileContext::SCliFileContext(CSession& session, const std::string& path)
    : context{session.image, session.program, session.form,
              files,         session.host,    DefaultParameterFileHooks()} {
    context.hooks.refreshDisplay = [&session] { session.Refresh(); };
    context.hooks.askFilePath = [path](const SFileDialogRequest&) -> std::optional<std::string> {
        if (path.empty()) return std::nullopt;
        return path;
    };
}
