#include "core/params/validation/ValidationNetworkWords.h"

#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/ValidationWords.h"

namespace {

constexpr int HEADER_BYTES = GW_HEADER_BYTES;
constexpr std::uint16_t CCLINK_QUADRUPLE = 0x80;
constexpr std::uint16_t CCLINK_OCTUPLE = 0xC0;
constexpr std::uint16_t CCLINK_BAUD_BITS = 0x07;
constexpr std::uint16_t CCLINK_FOUR_STATIONS = 0x30;
constexpr std::uint16_t CCLINK_TWO_STATIONS = 0x10;
constexpr std::uint16_t RS485_STATION = 63;
constexpr std::uint16_t MECHATROLINK_BAUD = 2;
constexpr std::uint16_t ML3_SMALL_SIZE = 32;
constexpr std::uint16_t ML3_LARGE_SIZE = 48;

bool IsAxisType(GwType type) {
    return type == GW_VOSK || type == GW_DRAVO || type == GW_NUB3GW || type == GW_VOSK_ML3;
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

std::uint16_t ToWord(int value) {
    return static_cast<std::uint16_t>(value);
}

int RoundUpTo4(int value) {
    return (value + 3) / 4 * 4;
}

void SetSizes(ParameterImage& image, int out, int in) {
    image.Word(DSZO) = ToWord(out);
    image.Word(DSZI) = ToWord(in);
}

void SetKavelisSize(ParameterImage& image) {
    const int size = KavelisDataSizeOf(image);
    SetSizes(image, size, size);
}

void SetPlainSizes(ParameterImage& image) {
    SetSizes(image, image.OutBytes, image.InBytes);
}

void SetHeaderedSizes(ParameterImage& image) {
    SetSizes(image, image.OutBytes + HEADER_BYTES, image.InBytes + HEADER_BYTES);
}

// A size of the EtherCAT process data: the next gateway size, or the value itself when it is above the
// type's maximum (the size check refuses it then).
int EtherCatSize(int bytes, int maximum) {
    return bytes > maximum ? bytes : RoundEtherCatSize(bytes);
}

// The sizes of the common networks: headered for the axis types, plain for VOSK-LC, the KAVELIS size.
void SetCommonSizes(ParameterImage& image, GwType type) {
    if (type == GW_KAVELIS)
        SetKavelisSize(image);
    else if (type == GW_VOSK_LC)
        SetPlainSizes(image);
    else if (IsAxisType(type))
        SetHeaderedSizes(image);
}

void DeriveProfibus(ParameterImage& image, GwType type) {
    if (IsAxisType(type))
        SetSizes(image, RoundUpTo4(image.OutBytes) + HEADER_BYTES, RoundUpTo4(image.InBytes) + HEADER_BYTES);
    else
        SetCommonSizes(image, type);
}

void DeriveProfinet(ParameterImage& image, GwType type) {
    if (type != GW_VOSK_ML3) SetCommonSizes(image, type);
}

void DeriveEtherCat(ParameterImage& image, GwType type) {
    if (type == GW_VOSK_LC) SetPlainSizes(image);
    if (!IsAxisType(type)) return;
    const int maximum = EtherCatMaxSize(type).value_or(0);
    SetSizes(image, EtherCatSize(image.OutBytes + HEADER_BYTES, maximum),
             EtherCatSize(image.InBytes + HEADER_BYTES, maximum));
}

// Networks on which KAVELIS keeps its sizes: the axis types headered, VOSK-LC plain.
void DeriveWithoutKavelisSize(ParameterImage& image, GwType type) {
    if (type != GW_KAVELIS) SetCommonSizes(image, type);
}

void DeriveMechatrolink3(ParameterImage& image, GwType type, int dszIndex) {
    if (type == GW_KAVELIS) return;
    const int size = dszIndex == 1 ? ML3_LARGE_SIZE : ML3_SMALL_SIZE;
    SetSizes(image, size, size);
}

void SetCcLinkVer1(ParameterImage& image, std::uint16_t stations) {
    SetSizes(image, 0, 0);
    image.Word(DBPS) = (image.Word(DBPS) & CCLINK_BAUD_BITS) | stations;
    image.Word(NMOD) = 6;
    image.Word(NTYP) = NTYP_CCLINK_V1;
}

void SetCcLinkVer2(ParameterImage& image, std::uint16_t extendedCyclic) {
    SetSizes(image, 0, extendedCyclic);
    image.Word(DBPS) = (image.Word(DBPS) & CCLINK_BAUD_BITS) | CCLINK_TWO_STATIONS;
    image.Word(NMOD) = 7;
    image.Word(NTYP) = NTYP_CCLINK_V2;
}

void DeriveCcLink(ParameterImage& image, GwType type) {
    if (type == GW_VOSK_LC) {
        SetCcLinkVer1(image, 0);  // one occupied station
        return;
    }
    switch (CcLinkSettingFor(image, type)) {
        case CcLinkSetting::Ver1:
            SetCcLinkVer1(image, CCLINK_FOUR_STATIONS);
            break;
        case CcLinkSetting::Ver2Quadruple:
            SetCcLinkVer2(image, CCLINK_QUADRUPLE);
            break;
        case CcLinkSetting::Ver2Octuple:
            SetCcLinkVer2(image, CCLINK_OCTUPLE);
            break;
        case CcLinkSetting::NoFit:
            break;
    }
}

CcLinkSetting CcLinkSettingForSizes(int out, int in) {
    if (out <= 16 || in <= 32) return CcLinkSetting::Ver1;
    if (InRange(out, 33, 64) || InRange(in, 33, 64)) return CcLinkSetting::Ver2Quadruple;
    if (InRange(out, 65, 128) || InRange(in, 65, 128)) return CcLinkSetting::Ver2Octuple;
    return CcLinkSetting::NoFit;
}

CcLinkSetting CcLinkSettingForKavelis(const ParameterImage& image) {
    const int finx = image.Word(FINX);
    if (IsKavelis2WForCcLink(image)) {
        if (finx <= 7) return CcLinkSetting::Ver1;
        return finx <= 15 ? CcLinkSetting::Ver2Quadruple : CcLinkSetting::NoFit;
    }
    if (finx <= 3) return CcLinkSetting::Ver1;
    if (finx <= 7) return CcLinkSetting::Ver2Quadruple;
    return finx <= 15 ? CcLinkSetting::Ver2Octuple : CcLinkSetting::NoFit;
}

void SetModule(ParameterImage& image, std::uint16_t nmod, std::uint16_t dbps) {
    image.Word(NMOD) = nmod;
    image.Word(DBPS) = dbps;
}

}  // namespace

CcLinkSetting CcLinkSettingFor(const ParameterImage& image, GwType type) {
    if (type == GW_VOSK_LC) return CcLinkSetting::Ver1;
    if (type == GW_KAVELIS) return CcLinkSettingForKavelis(image);
    return CcLinkSettingForSizes(image.OutBytes, image.InBytes);
}

void DeriveNetworkWords(ParameterImage& image, GwType type, int dszIndex) {
    const std::uint16_t ntyp = image.Word(NTYP);
    if (IsCcLink(ntyp)) {
        DeriveCcLink(image, type);
        return;
    }
    switch (ntyp) {
        case NTYP_PROFIBUS_DP:
            DeriveProfibus(image, type);
            SetModule(image, 1, 0);
            break;
        case NTYP_DEVICENET:
            SetCommonSizes(image, type);
            SetModule(image, 2, 0);
            break;
        case NTYP_PROFINET_IO:
            DeriveProfinet(image, type);
            SetModule(image, 18, 0);
            break;
        case NTYP_ETHERNET_IP:
            SetCommonSizes(image, type);
            SetModule(image, 12, 0);
            break;
        case NTYP_ETHERCAT:
            DeriveEtherCat(image, type);
            SetModule(image, 16, 0);
            break;
        case NTYP_NONE:
            if (type == GW_VOSK_LC) SetPlainSizes(image);
            image.Word(NMOD) = 19;
            break;
        case NTYP_RS485:
            SetCommonSizes(image, type);
            image.Word(DADR) = RS485_STATION;
            image.Word(NMOD) = 10;
            break;
        case NTYP_PIO:
            if (type == GW_VOSK_LC) SetPlainSizes(image);
            break;
        case NTYP_COMPONET:
            DeriveWithoutKavelisSize(image, type);
            SetModule(image, 14, 0);
            break;
        case NTYP_MECHATROLINK:
            DeriveWithoutKavelisSize(image, type);
            SetModule(image, 15, MECHATROLINK_BAUD);
            break;
        case NTYP_MECHATROLINK3:
            DeriveMechatrolink3(image, type, dszIndex);
            SetModule(image, 17, 0);
            break;
        default:
            break;  // an illegal network type: the network check refuses it
    }
}
