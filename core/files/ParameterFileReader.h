#pragma once
// Reading a parameter file: the whole text is checked against local copies first, and only a file that
// passes every check replaces the parameter set in the image.
#include <string>
#include <string_view>

#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

// Results of a read. Each failure value is the index of its message in `MsgText`.
enum ParameterFileReadResult : int {
    PFILE_LOADED = 0,
    PFILE_CANNOT_OPEN = 18,       // unreadable or empty file, over-long line, header value not hexadecimal
    PFILE_FOREIGN_REGISTER = 21,  // a data line for a register the tool does not know
    PFILE_INVALID_DATA = 22,      // a value not hexadecimal or outside its rule, or a required line missing
    PFILE_NEW_FORMAT = 23,        // ";FMT=" other than 0, or no data line at all
};

// The longest line a file may hold before its line feed (CR included).
inline constexpr std::size_t PFILE_LINE_CHARS_MAX = 99;

// Where a read stopped: the line it refused (numbered from 1) and its text; line 0 when no single line
// is to blame (an empty file, or a required line missing).
struct SParameterTextRefusal {
    int lineNumber = 0;
    std::string line;
    bool tooLong = false;  // the line is longer than a parameter file line may be
    // A file of another gateway type: the types whose tag its header line carries (two types share
    // one tag), and the type it was read as.
    GwType fileTypes = GW_NONE;
    GwType readAs = GW_NONE;
};

// Reads the bytes of a parameter file of gateway type `type` into the image. `SlaveIdWord` is cleared
// first; apart from that the image changes only when the whole file is valid: then the parameter set
// replaces the image's and `RecountPending` is set. A file whose header carries another type's tag and
// not its own is a file of that type and refused as one that cannot be opened. Shows nothing.
// A refusal is described in `refusal` when given.
int LoadParameterText(std::string_view bytes, GwType type, ParameterImage& image,
                      SParameterTextRefusal* refusal = nullptr);
