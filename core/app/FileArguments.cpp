#include "core/app/FileArguments.h"

#include "core/app/texts/MsgText.h"

namespace {

constexpr int MSG_ONLY_ONE_FILE = 19;

std::optional<std::string> TheOneFile(const std::vector<std::string>& files, HostServices& host) {
    if (files.size() > 1) {
        host.ShowMessageBox(MsgText[MSG_ONLY_ONE_FILE], MB_ICON_ERROR);
        return std::nullopt;
    }
    if (files.empty()) return std::nullopt;
    return files.front();
}

}  // namespace

SCommandLineOutcome HandleCommandLine(const std::vector<std::string>& arguments, HostServices& host) {
    SCommandLineOutcome outcome;
    outcome.fileToOpen = TheOneFile(arguments, host);
    outcome.disableMonitorMenu = !arguments.empty();
    return outcome;
}

std::optional<std::string> HandleDroppedFiles(const std::vector<std::string>& files, HostServices& host) {
    return TheOneFile(files, host);
}
