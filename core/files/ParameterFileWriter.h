#pragma once
// The text of a parameter file: five header lines and the register lines of the gateway type, every
// line ending in CR LF.
#include <string>

#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

// Local date and time written into the ";DATE=" and ";TIME=" lines.
struct SFileStamp {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The local clock now.
SFileStamp LocalFileStamp();

// A KAVELIS file has 40 lines, a file of any other type 53.
inline constexpr int KAVELIS_FILE_LINES = 40;
inline constexpr int UNIT_FILE_LINES = 53;

// The whole file text for the image as gateway type `type`, stamped with `stamp`.
std::string FormatParameterText(const ParameterImage& image, GwType type, const SFileStamp& stamp);
