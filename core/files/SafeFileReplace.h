#pragma once
// Replacing a file so that a failure never destroys the file that was there: the new contents go into
// a temporary file in the same folder, are flushed to the disk and only then renamed over the target.
#include <string>
#include <string_view>

// Results of a file write, as the save command knows them.
inline constexpr int FILE_WRITE_OK = 0;
inline constexpr int FILE_WRITE_FAILED = 259;   // writing, flushing or replacing failed
inline constexpr int FILE_CANNOT_CREATE = 268;  // no file could be created in the folder

// Writes `bytes` as the new contents of `path`. On any failure the old file (if any) is unchanged and no
// temporary file is left behind. A replaced file keeps its permission bits; a symbolic link keeps
// pointing where it did and the file it names is replaced.
int ReplaceFileContents(const std::string& path, std::string_view bytes);
