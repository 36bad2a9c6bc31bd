#include "sim/SimUnitProfile.h"

#include <algorithm>
#include <array>
#include <vector>

#include "sim/SimIoAreas.h"
#include "sim/SimRegisterMap.h"

namespace {

constexpr std::uint8_t RO = REG_READ;
constexpr std::uint8_t RW = REG_READ | REG_WRITE;
constexpr std::uint8_t PARAM = REG_READ | REG_WRITE | REG_PARAMETER;

constexpr std::uint16_t NO_SLOT = 0xFFFF;
constexpr std::uint32_t MULTI_DROP = 0x44524F50;  // "DROP"

// The factory configuration of one gateway type.
struct STypeProfile {
    GwType type;
    std::uint16_t gver;
    std::uint16_t ntyp;
    std::uint16_t nmod;
    std::uint16_t dadr;
    std::uint8_t slaveId;
    int maxSlots;                        // axis slots the type can configure
    bool pairs;                          // slots are configured two at a time
    std::array<std::uint16_t, 4> modes;  // mode codes given to the configured slots (or pairs) in turn
};

constexpr std::array<STypeProfile, 6> PROFILES{{
    // KAVELIS: PROFIBUS-DP station 5; 4W axes then one Full axis (built separately).
    {GW_KAVELIS, 0x0015, 0x0005, 1, 5, 0x10, 16, false, {0x0001, 0x0000, 0x0001, 0x0000}},
    // VOSK: EtherNet/IP.
    {GW_VOSK, 0x0020, 0x0085, 12, 0, 0x20, 8, true, {0x0001, 0x0000, 0x0003, 0x0010}},
    // DRAVO: DeviceNet node 10.
    {GW_DRAVO, 0x0011, 0x0025, 2, 10, 0x30, 16, true, {0x0001, 0x0003, 0x0010, 0x0000}},
    // NUB3 GW: EtherCAT station 1.
    {GW_NUB3GW, 0x0014, 0x0087, 16, 1, 0x40, 4, false, {0x0001, 0x0000, 0x0010, 0x0020}},
    // VOSK(MLIII): MECHATROLINK III station 16, servo modes A and P.
    {GW_VOSK_ML3, 0x0018, 0xFF51, 17, 16, 0x50, 8, true, {0x0040, 0x0041, 0x0040, 0x0041}},
    // VOSK-LC: PROFINET IO, no axes.
    {GW_VOSK_LC, 0x0010, 0x0084, 18, 0, 0x60, 0, false, {NO_SLOT, NO_SLOT, NO_SLOT, NO_SLOT}},
}};

const STypeProfile& ProfileOf(GwType type) {
    for (const auto& profile : PROFILES) {
        if (profile.type == type) return profile;
    }
    return PROFILES[1];
}

int IoBytesOfMode(std::uint16_t mode) {
    switch (mode & 0x7FFF) {
        case 0x0000:
        case 0x0001:
            return 8;
        case 0x0003:
        case 0x0005:
            return 16;
        case 0x0010:
            return 4;
        case 0x0020:
        case 0x0031:
            return 2;
        default:
            return 0;
    }
}

struct SAxisLayout {
    std::array<std::uint16_t, SIM_AXIS_WORDS> modes{};
    int w4n = 0;
    int w8n = 0;
    int slots = 0;  // occupied slots
};

// KAVELIS: a 4W group, then one Full axis (two slots) when there is room for it.
SAxisLayout KavelisLayout(const STypeProfile& profile, int axes) {
    SAxisLayout layout;
    layout.modes.fill(NO_SLOT);
    const int slots = std::clamp(axes, 0, profile.maxSlots);
    layout.w8n = slots >= 3 ? 1 : 0;
    layout.w4n = slots - 2 * layout.w8n;
    for (int i = 0; i < layout.w4n; ++i) layout.modes[i] = profile.modes[i % profile.modes.size()];
    if (layout.w8n == 1) {
        layout.modes[layout.w4n] = 0x0003;
        layout.modes[layout.w4n + 1] = 0x0004;
    }
    layout.slots = slots;
    return layout;
}

SAxisLayout UnitLayout(const STypeProfile& profile, int axes) {
    SAxisLayout layout;
    layout.modes.fill(NO_SLOT);
    int slots = std::clamp(axes, 0, profile.maxSlots);
    if (profile.pairs) slots &= ~1;
    const int step = profile.pairs ? 2 : 1;
    for (int i = 0; i < slots; ++i) layout.modes[i] = profile.modes[(i / step) % profile.modes.size()];
    layout.w4n = slots;
    layout.slots = slots;
    return layout;
}

int EtherCatSize(int bytes) {
    for (int size : {32, 64, 80, 112, 144}) {
        if (bytes <= size) return size;
    }
    return bytes;
}

// Output and input data sizes (the same both ways), header included.
int DataSize(const STypeProfile& profile, const SAxisLayout& layout) {
    if (profile.type == GW_KAVELIS) return (layout.w4n + 2 * layout.w8n) * 8 + 16;
    if (profile.type == GW_VOSK_ML3) return 32;
    if (profile.type == GW_VOSK_LC) return 8;
    int bytes = 0;
    for (std::uint16_t mode : layout.modes) bytes += IoBytesOfMode(mode);
    return profile.ntyp == 0x0087 ? EtherCatSize(bytes + 16) : bytes + 16;
}

void BuildConfigBlock(CSimRegisterBank& bank, const SSimConfig& config, const STypeProfile& profile,
                      const SAxisLayout& layout) {
    bank.Map(SIM_REG_GSTS, 2, RO);
    bank.Map(SIM_REG_CONFIG_WRITABLE, 14, PARAM);
    bank.Map(SIM_REG_AXIS_MODE, SIM_AXIS_WORDS, PARAM);
    const std::uint16_t size = static_cast<std::uint16_t>(DataSize(profile, layout));
    const std::array<std::uint16_t, 16> words{
        static_cast<std::uint16_t>(SIM_GSTS_READY | (config.autoMode ? 0 : SIM_GSTS_MANU)),
        profile.gver,
        0x0000,
        profile.ntyp,
        profile.nmod,
        size,
        size,
        profile.dadr,
        0x0000,  // DBPS: fixed by the network
        static_cast<std::uint16_t>(std::max(0, layout.slots - 1)),
        static_cast<std::uint16_t>(layout.w4n),
        static_cast<std::uint16_t>(layout.w8n),
        0x0000,
        0x0000,
        20,      // TBPS: 115200 bit/s
        0x0300,  // GMOD: internal communication retry count 2
    };
    for (int i = 0; i < 16; ++i) bank.Set(static_cast<std::uint16_t>(0xF100 + i), words[i]);
    for (int i = 0; i < SIM_AXIS_WORDS; ++i)
        bank.Set(static_cast<std::uint16_t>(SIM_REG_AXIS_MODE + i), layout.modes[i]);
}

std::uint32_t IpAddressOf(int unitNo) {
    return 0xC0A80000u + 10 + static_cast<std::uint32_t>(unitNo);
}

void BuildNetAddress(CSimRegisterBank& bank, std::uint16_t first, int unitNo) {
    bank.Set32(first, IpAddressOf(unitNo));
    bank.Set32(static_cast<std::uint16_t>(first + 2), 0xFFFFFF00u);
    bank.Set32(static_cast<std::uint16_t>(first + 4), 0xC0A80001u);
}

void BuildModuleInfo(CSimRegisterBank& bank, const STypeProfile& profile) {
    bank.Map(SIM_REG_MODULE_INFO, 8, RO);
    bank.Map(SIM_REG_COUNTERS, SIM_COUNTER_COUNT, RW);
    const std::array<std::uint16_t, 7> info{profile.nmod, 0x0203, 0x0001, 0x1A2B, 0x0000, 0x0000, 0x0000};
    for (int i = 0; i < 7; ++i) bank.Set(static_cast<std::uint16_t>(SIM_REG_MODULE_INFO + i), info[i]);
    bank.Set(SIM_REG_SCAN_TIME, 20);
    bank.Set(SIM_REG_COUNTERS + 1, 2);
    bank.Set(SIM_REG_COUNTERS + 2, 1);
}

void BuildUnitBlock(CSimRegisterBank& bank, const SSimConfig& config, const SAxisLayout& layout, int unitNo) {
    bank.Map(SIM_REG_UNIT_BLOCK, 13, PARAM);
    bank.Set(SIM_REG_UNIT_NO, static_cast<std::uint16_t>(unitNo));
    bank.Set(0xF203, static_cast<std::uint16_t>(std::min(unitNo * 8, 14)));
    BuildNetAddress(bank, 0xF204, unitNo);
    bank.Set32(0xF20A, config.units.size() > 1 ? MULTI_DROP : 0);
    bank.Map(SIM_REG_AXIS_MIRROR, 8, PARAM);
    for (int i = 0; i < 8; ++i)
        bank.Set(static_cast<std::uint16_t>(SIM_REG_AXIS_MIRROR + i), layout.modes[i]);
    bank.Map(SIM_REG_EXT_PARAM, 2, PARAM);
}

struct SAlarmRecord {
    std::uint16_t detail;
    std::uint16_t address;
    std::uint32_t code;
    std::uint32_t time;
};

void BuildAlarmHistory(CSimRegisterBank& bank) {
    bank.Map(SIM_REG_ALARM_HISTORY, SIM_ALARM_RECORDS * SIM_ALARM_RECORD_WORDS, RO);
    const std::array<SAlarmRecord, 6> records{{
        {0x0000, 0xFFFF, 0x0FFF, GatewaySecondsOf(2026, 3, 2, 8, 15, 0)},   // power up
        {0x0012, 0x0003, 0x0860, 3725},                                     // ERR T, elapsed 01:02:05
        {0x0000, 0xFFFF, 0x089A, GatewaySecondsOf(2026, 3, 2, 9, 40, 30)},  // fieldbus link error
        {0x0001, 0x0001, 0x0123, 45296},                                    // a code the tool does not know
        {0x0005, 0xFFFF, 0x0848, GatewaySecondsOf(2026, 3, 3, 0, 0, 0)},    // fan slow, at midnight
        {0x0000, 0x0002, 0x08A3, 7},                                        // motor power drop
    }};
    for (int n = 0; n < SIM_ALARM_RECORDS; ++n) {
        const auto first = static_cast<std::uint16_t>(SIM_REG_ALARM_HISTORY + n * SIM_ALARM_RECORD_WORDS);
        const SAlarmRecord record =
            n < static_cast<int>(records.size()) ? records[n] : SAlarmRecord{0, 0xFFFF, 0, 0};
        bank.Set(first, record.detail);
        bank.Set(static_cast<std::uint16_t>(first + 1), record.address);
        bank.Set32(static_cast<std::uint16_t>(first + 2), record.code);
        bank.Set32(static_cast<std::uint16_t>(first + 4), record.time);
    }
}

// The DRAVO driver monitor parameters: (width in registers, value), from F800h on.
void BuildDriverParameters(CSimRegisterBank& bank) {
    bank.Map(SIM_REG_DRIVER_PARAMS, SIM_DRIVER_PARAM_WORDS, PARAM);
    const std::array<std::pair<int, std::uint32_t>, 28> rows{{
        {2, 400},  {2, 100},  {2, 390}, {2, 370},  {2, 50},   {2, 500}, {2, 80},
        {2, 85},   {1, 450},  {1, 100}, {1, 600},  {1, 100},  {1, 45},  {1, 40},
        {1, 1000}, {1, 3000}, {1, 10},  {1, 2000}, {1, 2800}, {1, 100}, {1, 100},
        {1, 1},    {1, 1000}, {1, 100}, {1, 100},  {1, 50},   {2, 150}, {2, 1000},
    }};
    std::uint16_t address = SIM_REG_DRIVER_PARAMS;
    for (const auto& [width, value] : rows) {
        if (width == 2) {
            bank.Set32(address, value);
        } else {
            bank.Set(address, static_cast<std::uint16_t>(value));
        }
        address = static_cast<std::uint16_t>(address + width);
    }
}

void BuildProfinetInfo(CSimRegisterBank& bank, const SSimConfig& config, int unitNo) {
    bank.Map(SIM_REG_PROFINET_INFO, SIM_PROFINET_WORDS, RO);
    const std::array<std::uint32_t, 12> info{0x002A0301,
                                             0x00000001,
                                             IpAddressOf(unitNo),
                                             0xFFFFFF00,
                                             0xC0A80001,
                                             0x000000A0,
                                             0x12345600u + static_cast<std::uint32_t>(unitNo),
                                             static_cast<std::uint32_t>(config.axes & 0xFF),
                                             0x67772D73,
                                             0x696D3030,
                                             0x00000000,
                                             0x00000000};
    for (int i = 0; i < 12; ++i)
        bank.Set32(static_cast<std::uint16_t>(SIM_REG_PROFINET_INFO + 2 * i), info[i]);
}

}  // namespace

void BuildUnitRegisters(CSimRegisterBank& bank, const SSimConfig& config, int unitNo) {
    const STypeProfile& profile = ProfileOf(config.type);
    const SAxisLayout layout =
        config.type == GW_KAVELIS ? KavelisLayout(profile, config.axes) : UnitLayout(profile, config.axes);
    BuildConfigBlock(bank, config, profile, layout);
    BuildModuleInfo(bank, profile);
    BuildProfinetInfo(bank, config, unitNo);
    if (config.type == GW_KAVELIS) {
        bank.Map(SIM_REG_KAV_NET_ADDRESS, 6, PARAM);
        BuildNetAddress(bank, SIM_REG_KAV_NET_ADDRESS, unitNo);
        BuildIoAreas(bank);
        return;
    }
    BuildIoAreas(bank);
    BuildUnitBlock(bank, config, layout, unitNo);
    BuildAlarmHistory(bank);
    bank.Map(SIM_REG_CLOCK, 2, RO);
    bank.Set32(SIM_REG_CLOCK, GatewaySecondsOf(2026, 1, 1, 0, 0, 0));
    if (config.type == GW_DRAVO) BuildDriverParameters(bank);
    if ((config.type & GW_VOSK_FAMILY_MASK) != 0) bank.Map(SIM_REG_HARDWARE, SIM_HARDWARE_WORDS, RO);
}

std::uint8_t SlaveAddressOf(GwType type, int unitNo) {
    if (type == GW_KAVELIS) return 0x3F;
    if (type == GW_NUB3GW) return 0xD0;
    return static_cast<std::uint8_t>(0xD0 + unitNo);
}

std::chrono::milliseconds RestartSilenceOf(GwType type) {
    return std::chrono::milliseconds(type == GW_KAVELIS ? 300 : 1500);
}

std::uint8_t SlaveIdByteOf(GwType type) {
    return ProfileOf(type).slaveId;
}

std::uint32_t GatewaySecondsOf(int year, int month, int day, int hour, int minute, int second) {
    static constexpr std::array<int, 12> MONTH_DAYS{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int y = year - 2000;
    std::uint32_t days = y == 0 ? 0 : static_cast<std::uint32_t>(365 * y + (y - 1) / 4 + 1);
    for (int m = 1; m < month; ++m) days += MONTH_DAYS[m - 1] + ((m == 2 && y % 4 == 0) ? 1 : 0);
    days += static_cast<std::uint32_t>(day - 1);
    return days * 86400u + static_cast<std::uint32_t>(hour * 3600 + minute * 60 + second);
}
