#pragma once
// Saving a parameter file over the file it was opened from so that only what changed is written anew:
// the lines of the registers whose value the change gave anew take their new value, every other line
// of the file stays as it was (values the reader does not carry into the set, such as F101 of a unit
// file, comments, the order of the lines).
#include <string>
#include <string_view>

#include "core/app/GwType.h"
#include "core/files/ParameterFileWriter.h"
#include "core/params/image/ParameterImage.h"

// The text that saves `edited` over `fileText`, the file that held `opened`. A register whose line the
// writer would give another value for `edited` than for `opened` has every line of it rewritten, or a
// line added at the end when the file has none; the ";DATE=" and ";TIME=" lines take `stamp`.
std::string ChangedLinesOnly(std::string_view fileText, const ParameterImage& opened,
                             const ParameterImage& edited, GwType type, const SFileStamp& stamp);
