#pragma once
// The register lines of the file a parameter set would be saved as: register -> value, as the file
// writes them ("F103" -> "0085"), in the file's order.
#include <string>
#include <utility>
#include <vector>

#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

using FileRegisterLines = std::vector<std::pair<std::string, std::string>>;

FileRegisterLines FileRegisterLinesOf(const ParameterImage& image, GwType type);
