#pragma once
// The gateway's register map in its own names: which area a register belongs to (the parameter image,
// the clock, the monitors, the driver parameters) and the name of the field it holds.
#include <cstdint>
#include <string>
#include <string_view>

struct SRegisterArea {
    std::uint16_t first;
    std::uint16_t count;
    std::string_view name;
};

// The area holding `reg`, or nullptr for a register the tool does not know.
const SRegisterArea* RegisterAreaOf(std::uint16_t reg);

// The name of the field `reg` holds ("NTYP", "AxisMode[3]", "clock high"); empty when it has none.
std::string RegisterFieldName(std::uint16_t reg);

// "F100h..F10Fh: network settings (GSTS, GVER, NTYP, …)": the range, the area of its first register
// and the first few field names in it. "F101h: network settings (GVER)" for one register.
std::string RegisterRangeText(std::uint16_t first, int count);

// What a value means where the tool knows it: the network of an NTYP code, the mode of GSTS, the mode
// of an axis word; empty otherwise.
std::string RegisterValueMeaning(std::uint16_t reg, std::uint16_t value);
