#pragma once
// The gateway type named on the command line, matched the forgiving way scripts spell it.
#include <optional>
#include <string_view>

#include "core/app/GwType.h"

// The type whose name matches `text` without regard to case, blanks, dashes or parentheses; "ML3" and
// "MLIII" name the same thing ("vosk-ml3", "voskmliii", "nub3gw"). Nothing for any other text.
std::optional<GwType> GwTypeOfName(std::string_view text);
