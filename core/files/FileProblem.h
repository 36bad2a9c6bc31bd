#pragma once
// Why a parameter file could not be read or written, found by looking at the file system after the
// failure; and the detail lines shown below the failure's message box.
#include <string>

#include "core/files/ParameterFileReader.h"

// Why the file at `path` cannot be read as a parameter file: missing, a folder, not a regular file, too
// large, not readable or empty; empty when none of these.
std::string FileReadProblem(const std::string& path);

// Why the file at `path` cannot be written: its folder is missing or not writable, it is a folder, or
// it is write-protected; empty when none of these.
std::string FileWriteProblem(const std::string& path);

// "File: <path>", then the reason when there is one.
std::string FileDetail(const std::string& path, const std::string& reason);

// "File: <path>", then what the reader refused: "Line <n>: <text>", or the missing line.
std::string ReaderRefusalDetail(const std::string& path, int result, const SParameterTextRefusal& refusal);
