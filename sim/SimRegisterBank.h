#pragma once
// The holding registers of one simulated unit: 65536 words, each with its access rights.
#include <cstdint>
#include <vector>

// Access bits of one register.
inline constexpr std::uint8_t REG_READ = 0x01;       // answered by function 03h
inline constexpr std::uint8_t REG_WRITE = 0x02;      // accepted by function 10h
inline constexpr std::uint8_t REG_PARAMETER = 0x04;  // a configuration word: writes refused in AUTO mode

class CSimRegisterBank {
public:
    CSimRegisterBank();

    // Makes `count` registers from `first` on exist with the given access bits and value 0.
    void Map(std::uint16_t first, int count, std::uint8_t access);

    std::uint16_t Get(std::uint16_t address) const { return values_[address]; }
    void Set(std::uint16_t address, std::uint16_t value) { values_[address] = value; }
    void Set32(std::uint16_t address, std::uint32_t value);
    std::uint32_t Get32(std::uint16_t address) const;

    std::uint8_t Access(std::uint16_t address) const { return access_[address]; }
    // True when every register of the range exists and has all the bits of `access`.
    bool RangeHas(std::uint16_t first, int count, std::uint8_t access) const;
    // True when some register of the range has a bit of `access`.
    bool RangeTouches(std::uint16_t first, int count, std::uint8_t access) const;

private:
    std::vector<std::uint16_t> values_;
    std::vector<std::uint8_t> access_;
};
