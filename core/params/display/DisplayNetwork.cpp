#include "core/params/display/DisplayNetwork.h"

#include <algorithm>
#include <array>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayCombos.h"
#include "core/params/display/DisplayFormat.h"
#include "core/params/image/IoBytes.h"
#include "core/params/image/NetworkTypeTable.h"

namespace {

std::string Ui(int index) {
    return std::string(UiText[static_cast<std::size_t>(index)]);
}
std::string Bytes(int size) {
    return std::to_string(size) + Ui(32);
}

constexpr int TEXT_OUT = 21, TEXT_IN = 22, TEXT_MODE = 17, TEXT_VER1 = 10, TEXT_VER2 = 11;
constexpr int TEXT_EXTEND_CYCLIC = 15, TEXT_SINGLE = 150, TEXT_QUADRUPLE = 152, TEXT_OCTUPLE = 153;
constexpr int TEXT_STATION_QNT = 29, TEXT_STATION = 31, TEXT_REMOTE_NET = 144, TEXT_DASH = 384;
constexpr int TEXT_NIBBLE = 191, TEXT_10MBPS = 192, TEXT_100MBPS = 367, TEXT_MAC_ID = 387;
constexpr int TEXT_4W_OUT = 359, TEXT_4W_IN = 360, TEXT_NO_NETWORK = 26;
constexpr int MSG_AUTO = 8, MSG_DATA_ERROR = 48;

const std::array<std::string_view, 5> CcLinkBaudRates = {"156Kbps", "625Kbps", "2.5Mbps", "  5Mbps",
                                                         " 10Mbps"};
constexpr std::array<std::uint16_t, 6> Rs485BaudCodes = {4, 5, 6, 19, 20, 21};
constexpr std::array<std::string_view, 6> Rs485BaudRates = {"9600bps",  "19200bps",  "38400bps",
                                                            "57600bps", "115200bps", "230400bps"};
const std::string NO_ENTRY = "---";

bool IsAxisType(GwType type) {
    return type == GW_VOSK || type == GW_DRAVO || type == GW_NUB3GW || type == GW_VOSK_ML3;
}

// The output and input sizes shown for a network that carries the axes' bytes: KAVELIS its data size,
// the axis types their bytes plus the header, VOSK-LC its bytes alone.
struct SShownSizes {
    int out;
    int in;
};

SShownSizes ShownSizes(const ParameterImage& image, GwType type, int roundTo = 1) {
    if (type == GW_KAVELIS) {
        const bool twoWord = IsKavelis2WArrangement(image.AxisMode[0]) || image.AxisMode[0] == AXIS_EMPTY_2W;
        const int size = KavelisDataSize(image, twoWord);
        return {size, size};
    }
    if (IsAxisType(type)) {
        auto rounded = [roundTo](int bytes) { return (bytes + roundTo - 1) / roundTo * roundTo; };
        return {rounded(image.OutBytes) + GW_HEADER_BYTES, rounded(image.InBytes) + GW_HEADER_BYTES};
    }
    return {image.OutBytes, image.InBytes};
}

void ShowSizes(SMainFormState& form, SShownSizes sizes) {
    form.Label12.text = Bytes(sizes.out);
    form.Label13.text = Bytes(sizes.in);
}

void ShowDefaultLabels(SMainFormState& form) {
    form.Label1.text = Ui(TEXT_OUT);
    form.Label2.text = Ui(TEXT_IN);
    for (TextState* empty : {&form.Label3, &form.Label8, &form.Label14, &form.lRemote}) empty->text.clear();
}

// A listed station address: out-of-range values become the first address of the network.
void ShowStationList(ParameterImage& image, SMainFormState& form, SStationAddressDomain domain) {
    FillNumbers(form.cbDADR, domain.first, domain.last);
    ShowWhite(form.cbDADR);
    int address = image.Word(DADR);
    if (address < domain.first || address > domain.last) {
        address = domain.first;
        image.Word(DADR) = static_cast<std::uint16_t>(address);
    }
    SelectIndex(form.cbDADR, address - domain.first);
}

void ShowAutoBaud(SMainFormState& form) {
    ShowFixedEntries(form.cbDBPS, {std::string(MsgText[MSG_AUTO])});
}

void ShowCcLinkBaud(const ParameterImage& image, SMainFormState& form) {
    form.cbDBPS.items.assign(CcLinkBaudRates.begin(), CcLinkBaudRates.end());
    ShowWhite(form.cbDBPS);
    SelectIndex(form.cbDBPS, image.Word(DBPS) & 0x07);
}

void ShowRs485Baud(ParameterImage& image, SMainFormState& form) {
    form.cbDBPS.items.assign(Rs485BaudRates.begin(), Rs485BaudRates.end());
    ShowWhite(form.cbDBPS);
    const auto at = std::find(Rs485BaudCodes.begin(), Rs485BaudCodes.end(), image.Word(DBPS));
    if (at == Rs485BaudCodes.end()) {
        image.Word(DBPS) = Rs485BaudCodes[0];
        SelectIndex(form.cbDBPS, 0);
    } else {
        SelectIndex(form.cbDBPS, static_cast<int>(at - Rs485BaudCodes.begin()));
    }
}

enum class CcLinkMode { Ver1Single, Ver2Quadruple, Ver2Octuple, Unchanged, DataSizeOver };

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

CcLinkMode CcLinkModeOfAxisType(const ParameterImage& image) {
    const int out = image.OutBytes;
    const int in = image.InBytes;
    if (!(out > 16 && in > 32)) return CcLinkMode::Ver1Single;
    if (Within(out, 33, 64) || Within(in, 33, 64)) return CcLinkMode::Ver2Quadruple;
    if (Within(out, 65, 128) || Within(in, 65, 128)) return CcLinkMode::Ver2Octuple;
    return CcLinkMode::DataSizeOver;
}

CcLinkMode CcLinkModeOfKavelis(const ParameterImage& image) {
    const std::uint16_t slot0 = image.AxisMode[0];
    const int finx = image.Word(FINX);
    if (IsKavelis2WArrangement(slot0) || slot0 == AXIS_EMPTY_2W) {
        if (finx <= 7) return CcLinkMode::Ver1Single;
        if (finx <= 15) return CcLinkMode::Ver2Quadruple;
        return CcLinkMode::Unchanged;
    }
    if (finx <= 3) return CcLinkMode::Ver1Single;
    if (finx <= 7) return CcLinkMode::Ver2Quadruple;
    if (finx <= 15) return CcLinkMode::Ver2Octuple;
    return CcLinkMode::Unchanged;
}

void ShowCcLinkValues(SMainFormState& form, int version, int cyclicText, int stations) {
    form.Label12.text = Ui(version);
    form.Label13.text = Ui(cyclicText);
    form.Label14.text = std::to_string(stations) + Ui(TEXT_STATION);
}

void ShowCcLinkLabels(const ParameterImage& image, SMainFormState& form, GwType type) {
    form.Label1.text = Ui(TEXT_MODE);
    form.Label2.text = Ui(TEXT_EXTEND_CYCLIC);
    form.Label3.text = Ui(TEXT_STATION_QNT);
    form.Label8.text = Ui(TEXT_DASH);
    form.lRemote.text = Ui(TEXT_REMOTE_NET);
    if (type == GW_VOSK_LC) {
        ShowCcLinkValues(form, TEXT_VER1, TEXT_SINGLE, 1);
        return;
    }
    const CcLinkMode mode = type == GW_KAVELIS ? CcLinkModeOfKavelis(image) : CcLinkModeOfAxisType(image);
    switch (mode) {
        case CcLinkMode::Ver1Single:
            ShowCcLinkValues(form, TEXT_VER1, TEXT_SINGLE, 4);
            break;
        case CcLinkMode::Ver2Quadruple:
            ShowCcLinkValues(form, TEXT_VER2, TEXT_QUADRUPLE, 2);
            break;
        case CcLinkMode::Ver2Octuple:
            ShowCcLinkValues(form, TEXT_VER2, TEXT_OCTUPLE, 2);
            break;
        case CcLinkMode::DataSizeOver:
            form.Label12.text = std::string(DATA_SIZE_OVER_TEXT);
            break;
        case CcLinkMode::Unchanged:
            break;
    }
}

// EtherCAT carries the axes' bytes in blocks of 32, 64, 80, 112 or 144 bytes, up to the type's maximum.
void ShowEtherCatSizes(const ParameterImage& image, SMainFormState& form, GwType type, HostServices& host) {
    const auto maximum = EtherCatMaxSize(type);
    if (!maximum) {
        ShowSizes(form, ShownSizes(image, type));
        return;
    }
    const SShownSizes sizes = ShownSizes(image, type);
    bool over = false;
    auto show = [&](TextState& label, int size) {
        const int rounded = RoundEtherCatSize(size);
        if (rounded > *maximum) {
            label.text = std::string(DATA_SIZE_OVER_TEXT);
            over = true;
        } else {
            label.text = Bytes(rounded);
        }
    };
    show(form.Label12, sizes.out);
    show(form.Label13, sizes.in);
    if (over) host.ShowMessageBox(MsgText[MSG_DATA_ERROR], MB_ICON_ERROR);
}

// PROFINET IO counts the data in modules of 4 words (8 bytes).
void ShowProfinetModules(const ParameterImage& image, SMainFormState& form, GwType type) {
    form.Label1.text = Ui(TEXT_4W_OUT);
    form.Label2.text = Ui(TEXT_4W_IN);
    const SShownSizes sizes = ShownSizes(image, type);
    form.Label12.text = std::to_string((sizes.out + 7) / 8);
    form.Label13.text = std::to_string((sizes.in + 7) / 8);
    auto& panels = form.StatusBar1;
    SStatusBarPanel mac{MacPanelText(image), true};
    panels.insert(panels.begin() + std::min<std::ptrdiff_t>(1, static_cast<std::ptrdiff_t>(panels.size())),
                  mac);
}

void ShowMechatrolink3Size(const ParameterImage& image, SMainFormState& form) {
    form.lDSZ.visible = true;
    form.cbDSZ.visible = true;
    form.cbDSZ.enabled = true;
    const std::uint16_t dszo = image.Word(DSZO);
    SelectIndex(form.cbDSZ, dszo == 48 ? 1 : 0);
    const int size = form.cbDSZ.index == 1 ? 48 : 32;
    ShowSizes(form, {size, size});
}

// The networks only the axis types and VOSK-LC offer.
void ShowUnitNetwork(ParameterImage& image, SMainFormState& form, GwType type, HostServices& host) {
    switch (image.Word(NTYP)) {
        case NTYP_COMPONET:
            ShowAutoBaud(form);
            ShowSizes(form, ShownSizes(image, type));
            break;
        case NTYP_MECHATROLINK:
            ShowFixedEntries(form.cbDBPS, {Ui(TEXT_10MBPS)});
            ShowSizes(form, {32, 32});
            break;
        case NTYP_ETHERCAT:
            ShowAutoBaud(form);
            form.edDADR.text = std::to_string(image.Word(DADR));
            ShowEtherCatSizes(image, form, type, host);
            break;
        case NTYP_PIO:
            ShowFixedEntries(form.cbDBPS, {NO_ENTRY});
            ShowFixedEntries(form.cbDADR, {NO_ENTRY});
            form.Label12.text = form.Label13.text =
                type == GW_VOSK_LC ? std::string() : std::to_string(image.Word(W4N)) + " " + Ui(TEXT_NIBBLE);
            break;
        case NTYP_MECHATROLINK3:
            ShowFixedEntries(form.cbDBPS, {Ui(TEXT_100MBPS)});
            ShowMechatrolink3Size(image, form);
            break;
        case NTYP_NONE:
            ShowFixedEntries(form.cbDBPS, {NO_ENTRY});
            ShowFixedEntries(form.cbDADR, {NO_ENTRY});
            form.Label12.text.clear();
            form.Label13.text.clear();
            break;
        default:
            break;
    }
}

// The networks every type offers.
void ShowCommonNetwork(ParameterImage& image, SMainFormState& form, GwType type) {
    switch (image.Word(NTYP)) {
        case NTYP_PROFIBUS_DP:
            ShowAutoBaud(form);
            ShowSizes(form, ShownSizes(image, type, 4));
            break;
        case NTYP_DEVICENET:
            ShowAutoBaud(form);
            ShowSizes(form, ShownSizes(image, type));
            break;
        case NTYP_RS485:
            ShowRs485Baud(image, form);
            ShowFixedEntries(form.cbDADR, {"63"});
            ShowSizes(form, ShownSizes(image, type));
            break;
        case NTYP_ETHERNET_IP:
            ShowAutoBaud(form);
            ShowFixedEntries(form.cbDADR, {});
            ShowSizes(form, ShownSizes(image, type));
            break;
        case NTYP_PROFINET_IO:
            ShowAutoBaud(form);
            ShowFixedEntries(form.cbDADR, {});
            ShowProfinetModules(image, form, type);
            break;
        default:
            ShowCcLinkBaud(image, form);
            ShowCcLinkLabels(image, form, type);
            break;
    }
}

bool IsCommonNetwork(std::uint16_t ntyp) {
    return ntyp == NTYP_PROFIBUS_DP || ntyp == NTYP_DEVICENET || ntyp == NTYP_RS485 ||
           ntyp == NTYP_ETHERNET_IP || ntyp == NTYP_PROFINET_IO || IsCcLink(ntyp);
}

}  // namespace

void ShowNetworkContents(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                         HostServices& host) {
    const GwType type = program.SelectedGwType;
    const std::uint16_t ntyp = image.Word(NTYP);
    const SNetworkType* network = FindNetworkType(ntyp);
    SelectIndex(form.cbNTYP, ListedPositionOf(ntyp, type).value_or(-1));
    form.linpNTYP.text = Ui(network ? network->textIndex : TEXT_NO_NETWORK);
    form.cbDBPS.items.clear();
    form.cbDBPS.index = -1;
    if (!network) return;  // an illegal network type leaves the rest as it was

    if (!IsCcLink(ntyp)) ShowDefaultLabels(form);
    form.lDSZ.visible = false;
    form.cbDSZ.visible = false;
    SelectIndex(form.cbFINX, image.Word(FINX));

    const bool common = IsCommonNetwork(ntyp);
    if (type == GW_KAVELIS && !common) return;  // networks KAVELIS does not offer change nothing else
    if (const auto domain = StationAddressDomainOf(ntyp)) ShowStationList(image, form, *domain);
    if (common) {
        ShowCommonNetwork(image, form, type);
    } else {
        ShowUnitNetwork(image, form, type, host);
    }
}

void RemoveMacPanel(SMainFormState& form) {
    const std::string_view macId = UiText[TEXT_MAC_ID];
    std::erase_if(form.StatusBar1, [macId](const SStatusBarPanel& panel) {
        return panel.isMacPanel || panel.text.find(macId) != std::string::npos;
    });
}

std::string MacPanelText(const ParameterImage& image) {
    auto byteOf = [](std::uint32_t value, int index) {
        return static_cast<unsigned>((value >> (8 * (3 - index))) & 0xFF);
    };
    const std::uint32_t high = image.ProfinetInfo[10];
    const std::uint32_t low = image.ProfinetInfo[11];
    const std::string macId = Ui(TEXT_MAC_ID);
    return FormatText("%ls  %02X %02X %02X %02X %02X %02X", macId.c_str(), byteOf(high, 1), byteOf(high, 2),
                      byteOf(high, 3), byteOf(low, 1), byteOf(low, 2), byteOf(low, 3));
}
