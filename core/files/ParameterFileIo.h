#pragma once
// Parameter files on disk: the thin layer between the file system and the text writer and reader.
#include <string>

#include "core/app/GwType.h"
#include "core/app/HostServices.h"
#include "core/params/image/ParameterImage.h"

// A file larger than this is not a parameter file; it is refused like an unreadable one.
inline constexpr std::size_t PFILE_BYTES_MAX = 16u << 20;

// The whole file, or nothing when it cannot be opened or read, is not a regular file (a folder, a pipe
// or a device would block or never end) or is too large.
std::string ReadParameterFileBytes(const std::string& path);

// Writes the image as a parameter file of `type`, stamped with the local date and time. Returns
// FILE_WRITE_OK, FILE_CANNOT_CREATE, FILE_WRITE_PROTECTED or FILE_WRITE_FAILED (ReplaceFileContents in
// SafeFileReplace.h tells when the file that was at `path` is left unchanged).
int WriteParameterFile(const std::string& path, const ParameterImage& image, GwType type);

// Reads the parameter file at `path` into the image (LoadParameterText). A failure shows its message
// (error icon) and returns its ParameterFileReadResult; the image is then unchanged but for
// `SlaveIdWord`, which is 0.
int ReadParameterFile(const std::string& path, GwType type, ParameterImage& image, HostServices& host);
