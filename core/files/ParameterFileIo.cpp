#include "core/files/ParameterFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/app/texts/MsgText.h"
#include "core/files/FileProblem.h"
#include "core/files/ParameterFileReader.h"
#include "core/files/ParameterFileWriter.h"
#include "core/files/SafeFileReplace.h"
#include "core/files/UniqueFd.h"

std::string ReadParameterFileBytes(const std::string& path) {
    CUniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (!file.Valid() || ::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return {};
    if (static_cast<std::size_t>(st.st_size) > PFILE_BYTES_MAX) return {};
    std::string bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {};
        if (n == 0) return bytes;
        bytes.append(chunk, static_cast<std::size_t>(n));
        if (bytes.size() > PFILE_BYTES_MAX) return {};
    }
}

int WriteParameterFile(const std::string& path, const ParameterImage& image, GwType type) {
    return ReplaceFileContents(path, FormatParameterText(image, type, LocalFileStamp()));
}

int ReadParameterFile(const std::string& path, GwType type, ParameterImage& image, HostServices& host) {
    // A file that cannot be read counts as one without characters.
    SParameterTextRefusal refusal;
    const int result = LoadParameterText(ReadParameterFileBytes(path), type, image, &refusal);
    if (result != PFILE_LOADED) {
        host.ShowMessageBoxWithDetail(MsgText[static_cast<std::size_t>(result)], MB_ICON_ERROR,
                                      ReaderRefusalDetail(path, result, refusal));
    }
    return result;
}
