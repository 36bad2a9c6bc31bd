#include "core/files/SafeFileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/files/UniqueFd.h"

namespace {

constexpr mode_t ANY_WRITE_BIT = S_IWUSR | S_IWGRP | S_IWOTH;

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

std::optional<struct stat> StatOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return st;
}

bool IsWriteProtected(const std::string& target, const struct stat& st) {
    return (st.st_mode & ANY_WRITE_BIT) == 0 || ::access(target.c_str(), W_OK) != 0;
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

// The new file takes the replaced one's owner and group where the system allows it (a failure is no
// reason to lose the save), then its permission bits (after the owner, which may clear set-id bits).
bool KeepOwnerAndMode(const struct stat& old, int fd) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be flushed does not undo a finished replace.
void FlushFolder(const std::string& folder) {
    CUniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.Get());
}

// Writes the contents into the target itself (created when missing), cut to their length.
int WriteInPlace(const std::string& target, std::string_view bytes) {
    CUniqueFd file(::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (!file.Valid()) return FILE_CANNOT_CREATE;
    const bool written = WriteAll(file.Get(), bytes) &&
                         ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) == 0 &&
                         ::fsync(file.Get()) == 0;
    const bool closed = file.Close();
    return written && closed ? FILE_WRITE_OK : FILE_WRITE_FAILED;
}

int WriteThroughTemporary(CUniqueFd& file, const std::string& tempPath, const std::string& target,
                          const std::optional<struct stat>& old, std::string_view bytes) {
    const bool written = WriteAll(file.Get(), bytes) && (!old || KeepOwnerAndMode(*old, file.Get())) &&
                         ::fsync(file.Get()) == 0;
    const bool closed = file.Close();
    if (!written || !closed || ::rename(tempPath.c_str(), target.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return FILE_WRITE_FAILED;
    }
    FlushFolder(FolderOf(target));
    return FILE_WRITE_OK;
}

}  // namespace

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
    const std::string target = ResolvedTarget(path);
    const std::optional<struct stat> old = StatOf(target);
    if (old && IsWriteProtected(target, *old)) return FILE_WRITE_PROTECTED;
    if (old && S_ISREG(old->st_mode) && old->st_nlink > 1) return WriteInPlace(target, bytes);

    std::string tempPath;
    CUniqueFd file = CreateTemporaryBeside(target, tempPath);
    if (!file.Valid()) {
        // No temporary file in this folder: a writable file can still be written in place, and a new
        // one created where the folder allows it (there are no old contents to lose).
        return !old || S_ISREG(old->st_mode) ? WriteInPlace(target, bytes) : FILE_CANNOT_CREATE;
    }
    return WriteThroughTemporary(file, tempPath, target, old, bytes);
}
