#include "core/files/ParameterFileIo.h"

#include <fstream>
#include <iterator>

#include "core/app/texts/MsgText.h"
#include "core/files/ParameterFileReader.h"
#include "core/files/ParameterFileWriter.h"
#include "core/files/SafeFileReplace.h"

namespace {

// The whole file, or nothing when it cannot be opened or read or is too large.
std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string bytes;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > PFILE_BYTES_MAX) return {};
    }
    return in.bad() ? std::string{} : bytes;
}

}  // namespace

int WriteParameterFile(const std::string& path, const ParameterImage& image, GwType type) {
    return ReplaceFileContents(path, FormatParameterText(image, type, LocalFileStamp()));
}

int ReadParameterFile(const std::string& path, GwType type, ParameterImage& image, HostServices& host) {
    // A file that cannot be read counts as one without characters.
    const int result = LoadParameterText(ReadWholeFile(path), type, image);
    if (result != PFILE_LOADED) host.ShowMessageBox(MsgText[static_cast<std::size_t>(result)], MB_ICON_ERROR);
    return result;
}
