#include "core/files/DocumentsFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

bool IsFolder(const std::string& path) {
    struct stat st {};
    return !path.empty() && path.front() == '/' && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string DocumentsFolderFrom(const char* xdgDocumentsDir, const char* home) {
    if (xdgDocumentsDir != nullptr && IsFolder(xdgDocumentsDir)) return WithTrailingSlash(xdgDocumentsDir);
    if (home == nullptr || *home != '/') return {};
    const std::string homeFolder = WithTrailingSlash(home);
    const std::string documents = homeFolder + "Documents";
    return IsFolder(documents) ? documents + '/' : homeFolder;
}

std::string DocumentsFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') {
        const passwd* user = ::getpwuid(::getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    return DocumentsFolderFrom(std::getenv("XDG_DOCUMENTS_DIR"), home);
}
