#pragma once
// The DRAVO driver supervision parameters: 28 values in the 38 registers from F800h on, each with its
// symbol, name, width and the range the unit accepts.
#include <array>
#include <cstdint>
#include <string_view>

inline constexpr std::uint16_t REG_DRIVER_PARAMS = 0xF800;
inline constexpr int DRIVER_PARAM_ROWS = 28;
inline constexpr int DRIVER_PARAM_REGISTERS = 38;

struct SDriverParameter {
    std::uint16_t address;
    int symbol;     // UiText index
    int name;       // UiText index
    int registers;  // 1, or 2 for a 32-bit value (high register first)
    bool editable;
    std::uint32_t min;
    std::uint32_t max;

    std::string_view Symbol() const;
    std::string_view Name() const;
};

extern const std::array<SDriverParameter, DRIVER_PARAM_ROWS> DriverParameterTable;

using DriverRegisters = std::array<std::uint16_t, DRIVER_PARAM_REGISTERS>;
using DriverValues = std::array<std::uint32_t, DRIVER_PARAM_ROWS>;

// The rows' values from the registers, and back.
DriverValues DriverValuesOf(const DriverRegisters& registers);
DriverRegisters DriverRegistersOf(const DriverValues& values);
