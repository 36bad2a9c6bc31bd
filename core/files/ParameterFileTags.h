#pragma once
// The header tags of a parameter file, as the text tables hold them.
#include <string_view>

#include "core/app/GwType.h"
#include "core/app/texts/UiText.h"

inline const std::string_view& DateTag() {
    return UiText[43];
}  // ";DATE="
inline const std::string_view& TimeTag() {
    return UiText[44];
}  // ";TIME="
inline const std::string_view& KavelisTag() {
    return UiText[45];
}  // ";KGW=", carries GVER
inline const std::string_view& PcTag() {
    return UiText[46];
}  // ";PC=", the tool's version
inline const std::string_view& FormatTag() {
    return UiText[47];
}  // ";FMT=", the format number

// The gateway tag of a type (";VOSKGW=" and so on); empty for an unknown type.
std::string_view GatewayTagOf(GwType type);

// The 16-bit and 32-bit data line formats, CR LF included.
inline const std::string_view& WordLineFormat() {
    return UiText[42];
}  // "%04X,%04X\r\n"
inline const std::string_view& LongLineFormat() {
    return UiText[267];
}  // "%04X,%08X\r\n"
