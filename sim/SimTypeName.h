#pragma once
// Gateway type names as typed on gwsim's command line.
#include <string_view>

#include "core/app/GwType.h"

// KAVELIS, VOSK, VOSK(MLIII), VOSK-LC, NUB3 GW and DRAVO, matched without regard to case, blanks,
// dashes, underscores or parentheses; "ML3" stands for "MLIII". GW_NONE for anything else.
GwType ParseSimGwType(std::string_view text);

// The display name of a type ("VOSK(MLIII)", "NUB3 GW", ...); empty for an unknown type.
std::string_view SimGwTypeName(GwType type);
