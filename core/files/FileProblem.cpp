#include "core/files/FileProblem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "core/app/texts/DetailText.h"
#include "core/files/ParameterFileIo.h"

namespace {
std::string Text(std::string_view text) {
    return std::string(text);
}

std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

bool Denied(const std::string& path, int mode) {
    return ::access(path.c_str(), mode) != 0 && errno == EACCES;
}

// "This is a parameter file of DRAVO, not of VOSK"; a tag two types share names both.
std::string TypeClash(GwType fileTypes, GwType readAs) {
    std::string names;
    for (const SGwUnitData& unit : GwTypeTable) {
        if (unit.code == GW_NONE || (fileTypes & unit.code) == 0) continue;
        if (!names.empty()) names += DetailText::OR;
        names += unit.name;
    }
    return Text(DetailText::FILE_OF_TYPE) + names + Text(DetailText::NOT_OF_TYPE) +
           std::string(GwUnitDataOf(readAs).name);
}
}  // namespace

std::string FileReadProblem(const std::string& path) {
    using namespace DetailText;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Text(FILE_MISSING);
    if (S_ISDIR(st.st_mode)) return Text(IS_A_FOLDER);
    if (!S_ISREG(st.st_mode)) return Text(NOT_A_REGULAR_FILE);
    if (static_cast<std::size_t>(st.st_size) > PFILE_BYTES_MAX) return Text(FILE_TOO_LARGE);
    if (Denied(path, R_OK)) return Text(FILE_NOT_READABLE);
    if (st.st_size == 0) return Text(FILE_EMPTY);
    return {};
}

std::string FileWriteProblem(const std::string& path) {
    using namespace DetailText;
    struct stat st {};
    const std::string folder = FolderOf(path);
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return Text(FOLDER_MISSING);
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return Text(IS_A_FOLDER);
        if (Denied(path, W_OK)) return Text(FILE_NOT_WRITABLE);
        if (!S_ISREG(st.st_mode)) return Text(NOT_A_REGULAR_FILE);
    }
    if (Denied(folder, W_OK | X_OK)) return Text(FOLDER_NOT_WRITABLE);
    return {};
}

std::string FileDetail(const std::string& path, const std::string& reason) {
    std::string detail = Text(DetailText::FILE_LABEL) + path;
    if (!reason.empty()) detail += "\n" + reason;
    return detail;
}

std::string ReaderRefusalDetail(const std::string& path, int result, const SParameterTextRefusal& refusal) {
    using namespace DetailText;
    if (refusal.lineNumber > 0) {
        std::string reason = Text(LINE) + std::to_string(refusal.lineNumber);
        reason += refusal.tooLong ? Text(LINE_TOO_LONG) : ": " + refusal.line;
        if (refusal.fileTypes != GW_NONE) reason += "\n" + TypeClash(refusal.fileTypes, refusal.readAs);
        return FileDetail(path, reason);
    }
    if (result == PFILE_INVALID_DATA || result == PFILE_NEW_FORMAT)
        return FileDetail(path, Text(REQUIRED_LINE_MISSING));
    return FileDetail(path, FileReadProblem(path));
}
