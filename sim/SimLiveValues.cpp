#include "sim/SimLiveValues.h"

#include <array>

#include "sim/SimIoAreas.h"
#include "sim/SimRegisterMap.h"

namespace {

// A counter that goes up by one every `periodMs`.
struct SCounter {
    std::uint16_t address;
    long long periodMs;
};
constexpr std::array<SCounter, SIM_COUNTER_COUNT> COUNTERS{{
    {SIM_REG_COUNTERS + 0, 7000},   // ERR_T
    {SIM_REG_COUNTERS + 1, 13000},  // ERR_C
    {SIM_REG_COUNTERS + 2, 29000},  // EMG
    {SIM_REG_COUNTERS + 3, 3000},   // RTET
}};

// A value that swings between base - amplitude and base + amplitude and back within `periodMs`.
struct SWave {
    int base;
    int amplitude;
    long long periodMs;
};
constexpr std::array<SWave, SIM_HARDWARE_WORDS> HARDWARE{{
    {240, 3, 10000},  // motor voltage, 0.1 V
    {241, 2, 7000},   // control voltage, 0.1 V
    {59, 1, 13000},   // encoder voltage A, 0.1 V
    {58, 1, 11000},   // encoder voltage B, 0.1 V
    {68, 2, 17000},   // ABS battery charge voltage, 0.1 V
    {300, 10, 5000},  // fan, 10 rpm
    {38, 3, 60000},   // driver board temperatures, deg C
    {40, 3, 50000},
    {36, 2, 45000},
    {41, 4, 70000},
}};
constexpr SWave SCAN_TIME{20, 5, 9000};

std::uint16_t WaveAt(const SWave& wave, long long ms) {
    const long long half = wave.periodMs / 2;
    const long long phase = ms % wave.periodMs;
    const long long rise = phase < half ? phase : wave.periodMs - phase;
    return static_cast<std::uint16_t>(wave.base - wave.amplitude + (2LL * wave.amplitude * rise) / half);
}

bool Has(const CSimRegisterBank& bank, std::uint16_t address) {
    return bank.Access(address) != 0;
}

void AdvanceCounters(CSimRegisterBank& bank, long long fromMs, long long toMs) {
    for (const SCounter& counter : COUNTERS) {
        if (!Has(bank, counter.address)) continue;
        const long long steps = toMs / counter.periodMs - fromMs / counter.periodMs;
        bank.Set(counter.address, static_cast<std::uint16_t>(bank.Get(counter.address) + steps));
    }
    if (Has(bank, SIM_REG_SCAN_TIME)) bank.Set(SIM_REG_SCAN_TIME, WaveAt(SCAN_TIME, toMs));
}

void AdvanceClock(CSimRegisterBank& bank, SSimLiveState& state, long long fromMs, long long toMs) {
    if (!Has(bank, SIM_REG_CLOCK)) return;
    state.clockCarryMs += toMs - fromMs;
    const long long seconds = state.clockCarryMs / 1000;
    state.clockCarryMs %= 1000;
    bank.Set32(SIM_REG_CLOCK, bank.Get32(SIM_REG_CLOCK) + static_cast<std::uint32_t>(seconds));
}

void AdvanceHardware(CSimRegisterBank& bank, long long toMs) {
    if (!Has(bank, SIM_REG_HARDWARE)) return;
    for (int i = 0; i < SIM_HARDWARE_WORDS; ++i) {
        bank.Set(static_cast<std::uint16_t>(SIM_REG_HARDWARE + i), WaveAt(HARDWARE[i], toMs));
    }
}

}  // namespace

void AdvanceLiveRegisters(CSimRegisterBank& bank, SSimLiveState& state, long long fromMs, long long toMs) {
    if (toMs < fromMs) return;
    AdvanceCounters(bank, fromMs, toMs);
    AdvanceClock(bank, state, fromMs, toMs);
    AdvanceHardware(bank, toMs);
    AdvanceIoAreas(bank, toMs);
}

void SetUnitClock(CSimRegisterBank& bank, SSimLiveState& state, std::uint32_t seconds) {
    bank.Set32(SIM_REG_CLOCK, seconds);
    state.clockCarryMs = 0;
}
