#include "core/files/SafeFileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/files/UniqueFd.h"

namespace {

// The file a path names: a symbolic link is followed so that the link itself survives the replace.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates a new, hidden temporary file beside the target; the mode follows the umask like any new file.
CUniqueFd CreateTemporaryBeside(const std::string& target, std::string& tempPath) {
    static unsigned counter = 0;
    const std::string stem =
        FolderOf(target) + "/." + NameOf(target) + ".tmp-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return CUniqueFd(fd);
    }
    return CUniqueFd(-1);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A replaced file keeps the permission bits it had.
bool KeepModeOf(const std::string& target, int fd) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return true;  // a new file
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be flushed does not undo a finished replace.
void FlushFolder(const std::string& folder) {
    CUniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.Get());
}

}  // namespace

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::string target = ResolvedTarget(path);
    std::string tempPath;
    CUniqueFd file = CreateTemporaryBeside(target, tempPath);
    if (!file.Valid()) return FILE_CANNOT_CREATE;

    const bool written =
        WriteAll(file.Get(), bytes) && KeepModeOf(target, file.Get()) && ::fsync(file.Get()) == 0;
    const bool closed = file.Close();
    if (!written || !closed || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return FILE_WRITE_FAILED;
    }
    FlushFolder(FolderOf(target));
    return FILE_WRITE_OK;
}
