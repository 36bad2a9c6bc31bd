#pragma once
// The registers a parameter file may carry: exactly 52 addresses, whatever the gateway type, each with
// its width in the image and the rule its value has to keep.
#include <array>
#include <cstdint>

enum class EFileValueRule : std::uint8_t {
    Any,             // every value
    UpTo,            // 0 .. limit
    NetworkType,     // one of the network type codes
    StationAddress,  // 0 .. 239, any value while the network type in effect is EtherCAT or PIO
    AxisMode,        // one of the axis mode codes a file may hold
};

struct SFileRegister {
    std::uint16_t address;
    bool wide;  // a 32-bit value; a 16-bit register takes and tests the low 16 bits of its line
    EFileValueRule rule;
    std::uint16_t limit;  // for UpTo
};

inline constexpr std::size_t FILE_REGISTER_COUNT = 52;
extern const std::array<SFileRegister, FILE_REGISTER_COUNT> FileRegisters;

// The record of a register address, or nullptr for an address a file must not carry.
const SFileRegister* FindFileRegister(std::uint16_t address);

// Whether `value` (the whole value of the line) keeps the register's rule. `ntypInEffect` is the network
// type that governs the station address rule.
bool FileValueAccepted(const SFileRegister& reg, std::uint32_t value, std::uint16_t ntypInEffect);

// The value that goes into the image: the whole value for a 32-bit register, the low 16 bits otherwise.
inline std::uint32_t FileRegisterValue(const SFileRegister& reg, std::uint32_t value) {
    return reg.wide ? value : (value & 0xFFFFu);
}
