#include "core/advanced/DriverParameterTable.h"

#include "core/app/texts/UiText.h"

namespace {

constexpr std::uint32_t ANY = 0xFFFFFFFFu;

constexpr std::array<SDriverParameter, DRIVER_PARAM_ROWS> BuildTable() {
    // (registers, editable, min, max) per row; addresses, symbols and names follow from the order.
    struct SLimits {
        int registers;
        bool editable;
        std::uint32_t min, max;
    };
    constexpr std::array<SLimits, DRIVER_PARAM_ROWS> limits{{
        {2, true, 200, 600}, {2, true, 0, 2550},    {2, true, 350, 500},   {2, true, 350, 500},
        {2, true, 0, 100},   {2, true, 0, 1000},    {2, true, 0, 100},     {2, false, 0, ANY},
        {1, false, 0, ANY},  {1, false, 0, ANY},    {1, false, 0, ANY},    {1, false, 0, ANY},
        {1, false, 0, ANY},  {1, false, 0, ANY},    {1, false, 0, ANY},    {1, true, 100, 8200},
        {1, true, 1, 1000},  {1, true, 1000, 3000}, {1, true, 2500, 3500}, {1, true, 10, 2000},
        {1, true, 10, 1000}, {1, true, 0, 1},       {1, true, 50, 10000},  {1, true, 1, 5000},
        {1, true, 1, 5000},  {1, true, 1, 200},     {2, true, 0, 400},     {2, true, 0, 25500},
    }};
    std::array<SDriverParameter, DRIVER_PARAM_ROWS> table{};
    std::uint16_t address = REG_DRIVER_PARAMS;
    for (int row = 0; row < DRIVER_PARAM_ROWS; ++row) {
        const SLimits& l = limits[static_cast<std::size_t>(row)];
        table[static_cast<std::size_t>(row)] = {address,    296 + row, 324 + row, l.registers,
                                                l.editable, l.min,     l.max};
        address = static_cast<std::uint16_t>(address + l.registers);
    }
    return table;
}

}  // namespace

std::string_view SDriverParameter::Symbol() const {
    return UiText[static_cast<std::size_t>(symbol)];
}
std::string_view SDriverParameter::Name() const {
    return UiText[static_cast<std::size_t>(name)];
}

extern const std::array<SDriverParameter, DRIVER_PARAM_ROWS> DriverParameterTable = BuildTable();

DriverValues DriverValuesOf(const DriverRegisters& registers) {
    DriverValues values{};
    std::size_t at = 0;
    for (std::size_t row = 0; row < DriverParameterTable.size(); ++row) {
        if (DriverParameterTable[row].registers == 2) {
            values[row] = std::uint32_t{registers[at]} << 16 | registers[at + 1];
            at += 2;
        } else {
            values[row] = registers[at++];
        }
    }
    return values;
}

DriverRegisters DriverRegistersOf(const DriverValues& values) {
    DriverRegisters registers{};
    std::size_t at = 0;
    for (std::size_t row = 0; row < DriverParameterTable.size(); ++row) {
        if (DriverParameterTable[row].registers == 2) {
            registers[at++] = static_cast<std::uint16_t>(values[row] >> 16);
        }
        registers[at++] = static_cast<std::uint16_t>(values[row]);
    }
    return registers;
}
