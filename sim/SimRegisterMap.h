#pragma once
// Register and coil numbers of the simulated gateway unit.
#include <cstdint>

inline constexpr std::uint16_t SIM_REG_GSTS = 0xF100;             // gateway status; bit 15 = MANU mode
inline constexpr std::uint16_t SIM_REG_GVER = 0xF101;             // firmware version
inline constexpr std::uint16_t SIM_REG_CONFIG_WRITABLE = 0xF102;  // F102h..F10Fh, the writable words
inline constexpr std::uint16_t SIM_REG_AXIS_MODE = 0xF110;        // 16 axis mode words
inline constexpr std::uint16_t SIM_REG_KAV_NET_ADDRESS = 0xF120;  // KAVELIS: IP, mask, gateway (6 words)
inline constexpr std::uint16_t SIM_REG_CLOCK = 0xF172;            // seconds since 2000-01-01, 2 words
inline constexpr std::uint16_t SIM_REG_MODULE_INFO = 0xF180;      // 7 words of module information
inline constexpr std::uint16_t SIM_REG_SCAN_TIME = 0xF187;        // scan time in 0.1 ms
inline constexpr std::uint16_t SIM_REG_COUNTERS = 0xF188;         // ERR_T, ERR_C, EMG, RTET counters
inline constexpr std::uint16_t SIM_REG_UNIT_BLOCK = 0xF200;       // unit number .. MDRP, 13 words
inline constexpr std::uint16_t SIM_REG_UNIT_NO = 0xF201;          // low byte: the unit number
inline constexpr std::uint16_t SIM_REG_AXIS_MIRROR = 0xF280;      // 8 words
inline constexpr std::uint16_t SIM_REG_EXT_PARAM = 0xF380;        // 2 words
inline constexpr std::uint16_t SIM_REG_ALARM_HISTORY = 0xF400;    // 64 records of 6 words
inline constexpr std::uint16_t SIM_REG_MASTER_AREA = 0xF600;      // cyclic I/O, master to gateway, 72 words
inline constexpr std::uint16_t SIM_REG_GATEWAY_AREA = 0xF700;     // cyclic I/O, gateway to master, 72 words
inline constexpr std::uint16_t SIM_REG_DRIVER_PARAMS = 0xF800;    // DRAVO driver monitor parameters, 38 words
inline constexpr std::uint16_t SIM_REG_HARDWARE = 0xF900;         // 10 supervision values
inline constexpr std::uint16_t SIM_REG_PROFINET_INFO = 0xFA00;    // 24 words
inline constexpr std::uint16_t SIM_REG_AXIS_SLOTS = 0xFA0F;       // low byte: the axis slot count

inline constexpr int SIM_AXIS_WORDS = 16;
inline constexpr int SIM_ALARM_RECORDS = 64;
inline constexpr int SIM_ALARM_RECORD_WORDS = 6;
inline constexpr int SIM_COUNTER_COUNT = 4;
inline constexpr int SIM_IO_AREA_WORDS = 72;
inline constexpr int SIM_DRIVER_PARAM_WORDS = 38;
inline constexpr int SIM_HARDWARE_WORDS = 10;
inline constexpr int SIM_PROFINET_WORDS = 24;

inline constexpr std::uint16_t SIM_COIL_RESTART = 0x040F;
inline constexpr std::uint16_t SIM_COIL_ON = 0xFF00;
inline constexpr std::uint16_t SIM_COIL_OFF = 0x0000;

inline constexpr std::uint16_t SIM_GSTS_MANU = 0x8000;
inline constexpr std::uint16_t SIM_GSTS_READY = 0x0001;

// The largest gateway time the unit accepts: 2099-12-31 23:59:59.
inline constexpr std::uint32_t SIM_CLOCK_MAX = 3155759999u;
