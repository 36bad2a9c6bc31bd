#include "sim/SimIoAreas.h"

#include <algorithm>
#include <cstdint>

#include "sim/SimRegisterMap.h"

namespace {

constexpr long long IO_TICK_MS = 100;
constexpr int AXIS_WORDS_OFFSET = 8;  // the first eight words of each area belong to the gateway
constexpr std::uint16_t SIM_REG_FINX = 0xF109;
constexpr std::uint16_t MODE_MASK = 0x7FFF;
constexpr std::uint16_t STATUS_COMPLETE = 0x0001;    // positioning complete
constexpr std::uint16_t STATUS_HEX_NUMBER = 0x0008;  // the position number / alarm code is hexadecimal
constexpr long long MOVE_PERIOD_MS = 4000;
constexpr std::uint16_t MASTER_RUNNING = 0x0001;  // the master's header word: its program runs

// Words an axis takes in each area by its mode (KAVELIS codes): 8, 4, 2, or 0 for the second slot of a
// pair and for empty slots.
int AxisWordsOf(std::uint16_t mode) {
    switch (mode & MODE_MASK) {
        case 0x0000:
        case 0x0001:
            return 4;
        case 0x0003:
            return 8;
        case 0x0010:
        case 0x0011:
        case 0x0012:
            return 2;
        default:
            return 0;
    }
}

bool IsKavelis(const CSimRegisterBank& bank) {
    return bank.Access(SIM_REG_KAV_NET_ADDRESS) != 0;
}

std::uint16_t Reg(int offset, std::uint16_t area) {
    return static_cast<std::uint16_t>(area + offset);
}

// Low word first: the axis monitor's position values.
void SetLowFirst(CSimRegisterBank& bank, std::uint16_t address, std::int32_t value) {
    const auto raw = static_cast<std::uint32_t>(value);
    bank.Set(address, static_cast<std::uint16_t>(raw & 0xFFFF));
    bank.Set(static_cast<std::uint16_t>(address + 1), static_cast<std::uint16_t>(raw >> 16));
}

std::int32_t GetLowFirst(const CSimRegisterBank& bank, std::uint16_t address) {
    return static_cast<std::int32_t>(std::uint32_t{bank.Get(static_cast<std::uint16_t>(address + 1))} << 16 |
                                     bank.Get(address));
}

template <typename Visit>
void ForEachAxis(const CSimRegisterBank& bank, Visit visit) {
    const int walked = std::min<int>(bank.Get(SIM_REG_FINX) + 1, SIM_AXIS_WORDS);
    int offset = AXIS_WORDS_OFFSET;
    for (int axis = 0; axis < walked; ++axis) {
        const int words = AxisWordsOf(bank.Get(static_cast<std::uint16_t>(SIM_REG_AXIS_MODE + axis)));
        if (words == 0) continue;
        if (offset + words > SIM_IO_AREA_WORDS) return;
        visit(axis, offset, words);
        offset += words;
    }
}

void CommandAxis(CSimRegisterBank& bank, int axis, int offset, int words) {
    const std::uint16_t m = SIM_REG_MASTER_AREA;
    const std::int32_t target = (axis % 2 == 0 ? 1 : -1) * (10000 + 2500 * axis);
    if (words == 8) {
        SetLowFirst(bank, Reg(offset, m), target);
        SetLowFirst(bank, Reg(offset + 2, m), 10);
        bank.Set(Reg(offset + 4, m), 200);
        bank.Set(Reg(offset + 5, m), 30);
        bank.Set(Reg(offset + 6, m), 50);
        bank.Set(Reg(offset + 7, m), 0x0011);
    } else if (words == 4) {
        SetLowFirst(bank, Reg(offset, m), target);
        bank.Set(Reg(offset + 2, m), static_cast<std::uint16_t>(axis + 1));
        bank.Set(Reg(offset + 3, m), 0x0011);
    } else {
        bank.Set(Reg(offset, m), static_cast<std::uint16_t>(axis + 1));
        bank.Set(Reg(offset + 1, m), 0x0011);
    }
}

// A position that swings around the target and rests on it for half of each period.
std::int32_t PositionAt(std::int32_t target, int axis, long long ms) {
    const long long phase = (ms + 700LL * axis) % MOVE_PERIOD_MS;
    if (phase >= MOVE_PERIOD_MS / 2) return target;
    return target - static_cast<std::int32_t>((MOVE_PERIOD_MS / 2 - phase) * 2);
}

void AnswerAxis(CSimRegisterBank& bank, int axis, int offset, int words, long long ms) {
    const std::uint16_t m = SIM_REG_MASTER_AREA;
    const std::uint16_t g = SIM_REG_GATEWAY_AREA;
    const std::uint16_t flags = axis % 3 == 1 ? STATUS_HEX_NUMBER : 0;
    if (words == 2) {
        bank.Set(Reg(offset, g), bank.Get(Reg(offset, m)));
        bank.Set(Reg(offset + 1, g), static_cast<std::uint16_t>(STATUS_COMPLETE | flags));
        return;
    }
    const std::int32_t target = GetLowFirst(bank, Reg(offset, m));
    const std::int32_t position = PositionAt(target, axis, ms);
    const std::uint16_t status =
        static_cast<std::uint16_t>((position == target ? STATUS_COMPLETE : 0) | flags);
    SetLowFirst(bank, Reg(offset, g), position);
    if (words == 4) {
        bank.Set(Reg(offset + 2, g), bank.Get(Reg(offset + 2, m)));
        bank.Set(Reg(offset + 3, g), status);
        return;
    }
    SetLowFirst(bank, Reg(offset + 2, g), 120 + axis);  // motor current
    bank.Set(Reg(offset + 4, g),
             static_cast<std::uint16_t>(position == target ? 0 : 0xFCB8));  // speed, signed
    bank.Set(Reg(offset + 5, g), 0);
    bank.Set(Reg(offset + 6, g), static_cast<std::uint16_t>(flags != 0 ? 0xA5 : 0));  // alarm code
    bank.Set(Reg(offset + 7, g), status);
}

}  // namespace

void BuildIoAreas(CSimRegisterBank& bank) {
    bank.Map(SIM_REG_MASTER_AREA, SIM_IO_AREA_WORDS, REG_READ | REG_WRITE);
    bank.Map(SIM_REG_GATEWAY_AREA, SIM_IO_AREA_WORDS, REG_READ);
    bank.Set(SIM_REG_MASTER_AREA, MASTER_RUNNING);
    for (int k = 1; k < SIM_IO_AREA_WORDS; ++k) {
        bank.Set(Reg(k, SIM_REG_MASTER_AREA), static_cast<std::uint16_t>(k * 0x0101));
    }
    if (IsKavelis(bank)) {
        ForEachAxis(bank, [&](int axis, int offset, int words) { CommandAxis(bank, axis, offset, words); });
    }
}

void AdvanceIoAreas(CSimRegisterBank& bank, long long toMs) {
    if (bank.Access(SIM_REG_MASTER_AREA) == 0 || bank.Access(SIM_REG_GATEWAY_AREA) == 0) return;
    const auto tick = static_cast<std::uint16_t>(toMs / IO_TICK_MS);
    bank.Set(SIM_REG_GATEWAY_AREA, tick);
    for (int k = 1; k < SIM_IO_AREA_WORDS; ++k) {
        std::uint16_t value = bank.Get(Reg(k, SIM_REG_MASTER_AREA));
        if (k >= AXIS_WORDS_OFFSET && k % 4 == 0) value = static_cast<std::uint16_t>(tick * k);
        bank.Set(Reg(k, SIM_REG_GATEWAY_AREA), value);
    }
    if (IsKavelis(bank)) {
        ForEachAxis(bank,
                    [&](int axis, int offset, int words) { AnswerAxis(bank, axis, offset, words, toMs); });
    }
}
