#pragma once
// The registers a parameter file carries for a gateway type, in the order the writer writes them, and
// where the value of each one lives in the parameter image.
#include <cstdint>
#include <vector>

#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

struct SCarriedRegister {
    std::uint16_t address;
    bool longLine;  // written with eight value digits
};

// F100h..F11Fh, then F120h, F122h, F124h for KAVELIS or the unit block, the axis mirror and the two
// extended parameter words for every other type.
std::vector<SCarriedRegister> CarriedRegisters(GwType type);

// The value of a carried register in the image (0 for any other address).
std::uint32_t CarriedValue(const ParameterImage& image, std::uint16_t address);
// Stores `value` as the carried register's value (a 16-bit field takes the low 16 bits).
void SetCarriedValue(ParameterImage& image, std::uint16_t address, std::uint32_t value);
