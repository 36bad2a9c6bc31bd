#include "core/params/validation/ValidationChecks.h"

#include <algorithm>
#include <initializer_list>

#include "core/params/edit/DravoPanels.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "core/params/validation/ValidationNetworkWords.h"
#include "core/params/validation/ValidationWords.h"

namespace {

constexpr int AXIS_SLOTS = 16;
constexpr int VOSK_MAX_SLOTS = 8;
constexpr int NUB3_SLOTS = 4;
constexpr int CCLINK_MAX_EXTENDED_SIZE = 192;
constexpr std::uint16_t CCLINK_BAUD_BITS = 0x07;
constexpr std::uint16_t CCLINK_MAX_BAUD_INDEX = 4;
constexpr std::uint16_t DEFAULT_TP_BAUD = 20;
constexpr std::uint16_t MAX_TOP_AXIS_NO = 14;

struct SRange {
    int low;
    int high;
};

bool OneOf(std::uint16_t word, std::initializer_list<std::uint16_t> codes) {
    return std::find(codes.begin(), codes.end(), word) != codes.end();
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Slots below `AxisCount`, bounded by the sixteen axis words.
int ConfiguredSlots(const ParameterImage& image) {
    return std::clamp(image.AxisCount, 0, AXIS_SLOTS);
}

bool AllFreeFrom(const ParameterImage& image, int first) {
    for (int s = std::max(first, 0); s < AXIS_SLOTS; ++s)
        if (image.AxisMode[static_cast<std::size_t>(s)] != AXIS_NO_SLOT) return false;
    return true;
}

template <typename Predicate>
bool AllBelow(const ParameterImage& image, int count, Predicate holds) {
    for (int s = 0; s < std::min(count, AXIS_SLOTS); ++s)
        if (!holds(image.AxisMode[static_cast<std::size_t>(s)])) return false;
    return true;
}

template <typename Predicate>
bool NoneBelow(const ParameterImage& image, int count, Predicate holds) {
    return AllBelow(image, count, [&](std::uint16_t word) { return !holds(word); });
}

// N: the network code is one of the table's.
int CheckNetwork(const ParameterImage& image) {
    for (const auto& entry : NetworkTypeTable)
        if (entry.code == image.Word(NTYP)) return VALIDATION_OK;
    return VALIDATION_ILLEGAL_NETWORK;
}

// S: the data sizes fit the type. On CC-Link only the extended cyclic word counts, and sizes that fit
// no CC-Link setting are refused as well (the preparation could not describe them).
int CheckDataSize(const ParameterImage& image, GwType type, int maximum) {
    if (IsCcLink(image.Word(NTYP))) {
        const bool fits = image.Word(DSZI) <= CCLINK_MAX_EXTENDED_SIZE &&
                          CcLinkSettingFor(image, type) != CcLinkSetting::NoFit;
        return fits ? VALIDATION_OK : VALIDATION_ILLEGAL_DATA_SIZE;
    }
    const bool fits = image.Word(DSZO) <= maximum && image.Word(DSZI) <= maximum;
    return fits ? VALIDATION_OK : VALIDATION_ILLEGAL_DATA_SIZE;
}

// CC-Link station range of the axis types: the larger the cyclic area, the fewer addresses are left.
std::optional<SRange> CcLinkAxisTypeStations(const ParameterImage& image) {
    const int out = image.OutBytes;
    const int in = image.InBytes;
    if (out > 32 && in > 32) {
        if (InRange(out, 33, 128) || InRange(in, 33, 128)) return SRange{1, 63};
        return std::nullopt;
    }
    return SRange{1, 61};
}

std::optional<SRange> CcLinkKavelisStations(const ParameterImage& image) {
    const int finx = image.Word(FINX);
    if (IsKavelis2WForCcLink(image)) {
        if (finx <= 7) return SRange{1, 61};
        if (finx <= 15) return SRange{1, 63};
        return std::nullopt;
    }
    if (finx <= 3) return SRange{1, 61};
    if (finx <= 15) return SRange{1, 63};
    return std::nullopt;
}

std::optional<SRange> StationRangeOf(const ParameterImage& image, GwType type) {
    const std::uint16_t ntyp = image.Word(NTYP);
    if (IsCcLink(ntyp)) {
        if (type == GW_VOSK_LC) return SRange{1, 64};
        if (type == GW_KAVELIS) return CcLinkKavelisStations(image);
        return CcLinkAxisTypeStations(image);
    }
    if (ntyp == NTYP_ETHERCAT) return std::nullopt;
    const auto domain = StationAddressDomainOf(ntyp);
    if (!domain) return std::nullopt;
    return SRange{domain->first, domain->last};
}

// A: the station address lies in the network's range.
int CheckStation(const ParameterImage& image, GwType type) {
    const auto range = StationRangeOf(image, type);
    if (!range || InRange(image.Word(DADR), range->low, range->high)) return VALIDATION_OK;
    return VALIDATION_ILLEGAL_STATION;
}

// B: the baud code is one of the network's.
int CheckBaud(const ParameterImage& image) {
    const std::uint16_t ntyp = image.Word(NTYP);
    const std::uint16_t dbps = image.Word(DBPS);
    if (IsCcLink(ntyp) && (dbps & CCLINK_BAUD_BITS) > CCLINK_MAX_BAUD_INDEX) return VALIDATION_ILLEGAL_BAUD;
    if (ntyp == NTYP_RS485 && !IsSerialBaudCode(dbps)) return VALIDATION_ILLEGAL_BAUD;
    return VALIDATION_OK;
}

// T: an unknown TP port baud code is replaced by 115200 bit/s.
void CorrectTpBaud(ParameterImage& image) {
    if (!IsSerialBaudCode(image.Word(TBPS))) image.Word(TBPS) = DEFAULT_TP_BAUD;
}

// U: unit number and top axis number.
int CheckUnit(const ParameterImage& image) {
    if (image.UnitNo > 1) return VALIDATION_ILLEGAL_UNIT_NO;
    if (image.TopAxisNo % 2 != 0 || image.TopAxisNo > MAX_TOP_AXIS_NO) return VALIDATION_ILLEGAL_TOP_AXIS;
    return VALIDATION_OK;
}

// M: only "DROP" enables multi-drop; anything else is sent as 0.
void CorrectMultiDrop(ParameterImage& image) {
    if (image.MDRP != MDRP_ENABLED) image.MDRP = 0;
}

// The checks every axis type starts with: N, S, A, B, T.
int CheckNetworkFields(ParameterImage& image, GwType type, int maximumSize) {
    if (int code = CheckNetwork(image)) return code;
    if (int code = CheckDataSize(image, type, maximumSize)) return code;
    if (int code = CheckStation(image, type)) return code;
    if (int code = CheckBaud(image)) return code;
    CorrectTpBaud(image);
    return VALIDATION_OK;
}

bool IsKavelisMode(std::uint16_t word) {
    return IsKavelis4W8WCode(word) || IsKavelis2WCode(word);
}

bool IsKavelisFull(std::uint16_t word) {
    return OneOf(word, {0x0003, 0x0004, 0x8003});
}

bool IsKavelis4W(std::uint16_t word) {
    return OneOf(word, {0x0000, 0x0001, 0x8000, 0x8001});
}

int CheckKavelisMixing(const ParameterImage& image) {
    const std::uint16_t first = image.AxisMode[0];
    if (IsKavelis2WCode(first) && !NoneBelow(image, AXIS_SLOTS, IsKavelis4W8WCode))
        return VALIDATION_MIXED_2W_4W;
    if (IsKavelis4W8WCode(first) && !NoneBelow(image, AXIS_SLOTS, IsKavelis2WCode))
        return VALIDATION_MIXED_2W_4W;
    return VALIDATION_OK;
}

// The first group, then the Full axes, then free slots. A word that is no KAVELIS mode is refused too,
// and so are slot counts (`W4N`, `W8N`) that do not match the occupied slots: the unit would take a
// free slot for a configured axis.
int CheckKavelisSequence(const ParameterImage& image) {
    bool fullSeen = false;
    int s = 0;
    for (; s < AXIS_SLOTS; ++s) {
        const std::uint16_t word = image.AxisMode[static_cast<std::size_t>(s)];
        if (word == AXIS_EMPTY_4W || word == AXIS_EMPTY_2W) return VALIDATION_OMISSION;
        if (word == AXIS_NO_SLOT) break;
        fullSeen = fullSeen || IsKavelisFull(word);
        if ((fullSeen && IsKavelis4W(word)) || !IsKavelisMode(word)) return VALIDATION_ILLEGAL_MODE;
    }
    const bool countsMatch = s == image.Word(W4N) + 2 * image.Word(W8N);
    return AllFreeFrom(image, s) && countsMatch ? VALIDATION_OK : VALIDATION_ILLEGAL_MODE;
}

int CheckKavelisAxes(const ParameterImage& image) {
    if (int code = CheckKavelisMixing(image)) return code;
    return CheckKavelisSequence(image);
}

bool IsTevIo(std::uint16_t word) {
    return word == 0x0030 || word == 0x8030;
}

bool IsServo(std::uint16_t word) {
    return OneOf(word, {0x0040, 0x0041, 0x8040, 0x8041});
}

bool IsVoskIoOrServo(std::uint16_t word) {
    return IsTevIo(word) || IsServo(word);
}

// VOSK: TEV I/O and servo modes fill all configured slots or none.
int CheckVoskIoRule(const ParameterImage& image) {
    const std::uint16_t first = image.AxisMode[0];
    const int count = ConfiguredSlots(image);
    bool holds = true;
    if (IsTevIo(first))
        holds = AllBelow(image, count, IsTevIo);
    else if (IsServo(first))
        holds = AllBelow(image, count, IsServo);
    else
        holds = NoneBelow(image, VOSK_MAX_SLOTS, IsVoskIoOrServo);
    return holds ? VALIDATION_OK : VALIDATION_MIXED_IO_MODE;
}

int CheckServoRule(const ParameterImage& image) {
    if (IsServo(image.AxisMode[0]) && !AllBelow(image, ConfiguredSlots(image), IsServo))
        return VALIDATION_MIXED_IO_MODE;
    return VALIDATION_OK;
}

bool IsVoskMode(std::uint16_t word) {
    return OneOf(AxisModeCode(word), {MODE_SIMPLE, MODE_POINT1, MODE_FULL, MODE_POINT2, MODE_POINT3,
                                      MODE_TEV_IO, MODE_SERVO_A, MODE_SERVO_P});
}

bool IsServoMode(std::uint16_t word) {
    return OneOf(AxisModeCode(word), {MODE_SERVO_A, MODE_SERVO_P});
}

// VOSK and VOSK(MLIII): both slots of a pair run the same mode, pairs are set from slot 0 without gaps.
template <typename ModeTest>
int CheckPairs(const ParameterImage& image, ModeTest isTypeMode) {
    int j = 0;
    for (; j < VOSK_MAX_SLOTS; j += 2) {
        const std::uint16_t first = image.AxisMode[static_cast<std::size_t>(j)];
        if (first == AXIS_NO_SLOT) break;
        if (AxisModeCode(first) != AxisModeCode(image.AxisMode[static_cast<std::size_t>(j + 1)]))
            return VALIDATION_ILLEGAL_MODE;
        if (IsModeNotSet(first)) return VALIDATION_OMISSION;
        if (!isTypeMode(first)) return VALIDATION_ILLEGAL_MODE;
    }
    if (!AllFreeFrom(image, j) || j != image.Word(W4N) || image.Word(W4N) > VOSK_MAX_SLOTS)
        return VALIDATION_ILLEGAL_MODE;
    return VALIDATION_OK;
}

bool IsRemoteIo(std::uint16_t word) {
    return word == 0x0031 || word == 0x8031;
}

bool IsNub3Mode(std::uint16_t word) {
    return OneOf(AxisModeCode(word),
                 {MODE_SIMPLE, MODE_POINT1, MODE_FULL, MODE_POINT2, MODE_POINT3, MODE_REMOTE_IO});
}

int CheckNub3Axes(const ParameterImage& image) {
    const bool ioHolds = IsRemoteIo(image.AxisMode[0]) ? AllBelow(image, ConfiguredSlots(image), IsRemoteIo)
                                                       : NoneBelow(image, NUB3_SLOTS, IsRemoteIo);
    if (!ioHolds) return VALIDATION_MIXED_IO_MODE;
    int j = 0;
    for (; j < NUB3_SLOTS; ++j) {
        const std::uint16_t word = image.AxisMode[static_cast<std::size_t>(j)];
        if (word == AXIS_NO_SLOT) break;
        if (IsModeNotSet(word)) return VALIDATION_OMISSION;
        if (!IsNub3Mode(word)) return VALIDATION_ILLEGAL_MODE;
    }
    if (!AllFreeFrom(image, j) || j != image.Word(W4N) || image.Word(W4N) >= 5)
        return VALIDATION_ILLEGAL_MODE;
    return VALIDATION_OK;
}

int ValidateKavelis(ParameterImage& image) {
    if (int code = CheckNetworkFields(image, GW_KAVELIS, 144)) return code;
    return CheckKavelisAxes(image);
}

int ValidateVosk(ParameterImage& image) {
    if (int code = CheckNetworkFields(image, GW_VOSK, 144)) return code;
    if (int code = CheckVoskIoRule(image)) return code;
    if (int code = CheckPairs(image, IsVoskMode)) return code;
    return CheckUnit(image);
}

int ValidateVoskMl3(ParameterImage& image) {
    if (int code = CheckNetworkFields(image, GW_VOSK_ML3, 144)) return code;
    if (int code = CheckServoRule(image)) return code;
    if (int code = CheckPairs(image, IsServoMode)) return code;
    return CheckUnit(image);
}

int ValidateNub3(ParameterImage& image) {
    if (int code = CheckNetworkFields(image, GW_NUB3GW, 80)) return code;
    return CheckNub3Axes(image);
}

int ValidateDravo(ParameterImage& image) {
    if (int code = CheckNetworkFields(image, GW_DRAVO, 112)) return code;
    if (!DravoUnitRulesHold(image, GW_DRAVO)) return VALIDATION_ILLEGAL_MODE;
    return CheckUnit(image);
}

int ValidateVoskLc(ParameterImage& image) {
    if (int code = CheckNetwork(image)) return code;
    if (int code = CheckStation(image, GW_VOSK_LC)) return code;
    if (int code = CheckBaud(image)) return code;
    if (!IsSerialBaudCode(image.Word(TBPS))) return VALIDATION_ILLEGAL_TP_BAUD;
    return CheckUnit(image);
}

int ValidateOfType(ParameterImage& image, GwType type) {
    switch (type) {
        case GW_KAVELIS:
            return ValidateKavelis(image);
        case GW_VOSK:
            return ValidateVosk(image);
        case GW_VOSK_ML3:
            return ValidateVoskMl3(image);
        case GW_NUB3GW:
            return ValidateNub3(image);
        case GW_DRAVO:
            return ValidateDravo(image);
        case GW_VOSK_LC:
            return ValidateVoskLc(image);
        default:
            return VALIDATION_ILLEGAL_PARAMETER;
    }
}

}  // namespace

int ValidateImage(ParameterImage& image, GwType type) {
    const int code = ValidateOfType(image, type);
    if (code == VALIDATION_OK && type != GW_KAVELIS) CorrectMultiDrop(image);
    return code;
}
