#pragma once
// Replacing a file so that a failure never destroys the file that was there: the new contents go into
// a temporary file in the same folder, are flushed to the disk and only then renamed over the target.
#include <string>
#include <string_view>

// Results of a file write, as the save command knows them.
inline constexpr int FILE_WRITE_OK = 0;
inline constexpr int FILE_WRITE_FAILED = 259;     // writing, flushing or replacing failed
inline constexpr int FILE_CANNOT_CREATE = 268;    // no file could be created in the folder
inline constexpr int FILE_WRITE_PROTECTED = 269;  // the target exists and may not be written

// Writes `bytes` as the new contents of `path`.
// - An existing target that may not be written (no write permission for this user, or no write bit
//   at all, which marks a file as write-protected even for the superuser) is refused and left as it is.
// - Normally a temporary file beside the target is renamed over it: on any failure the old file is
//   unchanged and no temporary file is left behind. The replaced file's permission bits are kept, and
//   its owner and group where the system allows it. A symbolic link keeps pointing where it did and the
//   file it names is replaced.
// - A target with more than one hard link is written in place, so that every name of it sees the new
//   contents (a rename would leave the other names on the old file). So is a writable target in a
//   folder where no temporary file can be made (a missing target is then created directly). In place, a failure half-way is still reported, but the
//   old contents may then be damaged.
int ReplaceFileContents(const std::string& path, std::string_view bytes);
