#include "core/files/FileDialogRequest.h"

#include <sys/stat.h>

#include "core/app/GwFileFilter.h"
#include "core/files/FilePathParts.h"

namespace {

constexpr std::size_t INITIAL_NAME_CHARS_LIMIT = 256;

bool EntryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

// The current file name pre-fills the dialog only while that file exists and its name is not too long.
std::string InitialPathOf(const std::string& currentFileName) {
    if (!EntryExists(currentFileName)) return {};
    return FileNamePart(currentFileName).size() < INITIAL_NAME_CHARS_LIMIT ? currentFileName : std::string{};
}

}  // namespace

SFileDialogRequest BuildFileDialogRequest(EFileDialogKind kind, GwType type, const std::string& startFolder,
                                          const std::string& currentFileName) {
    const SGwUnitData& unit = GwUnitDataOf(type);
    SFileDialogRequest request;
    request.kind = kind;
    request.filter = FileFilterTextOf(unit);
    const auto entries = SplitFileFilter(request.filter);
    if (!entries.empty()) {
        request.filterName = entries.front().description;
        request.filterPattern = entries.front().pattern;
    }
    request.defaultSuffix =
        std::string(unit.extension.starts_with('.') ? unit.extension.substr(1) : unit.extension);
    request.startFolder = startFolder;
    request.initialPath = InitialPathOf(currentFileName);
    request.confirmOverwrite = kind == EFileDialogKind::Save;
    return request;
}

std::string StartFolderOf(const std::string& lastFolder, const std::string& documentsFolder) {
    std::string folder = lastFolder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return EntryExists(folder) ? lastFolder : documentsFolder;
}
