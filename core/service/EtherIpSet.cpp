#include "core/service/EtherIpSet.h"

#include <algorithm>
#include <cstdio>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"

namespace {

constexpr int MSG_DATA_ERROR = 48;
constexpr int OCTET_MAX = 255;
constexpr const char* ROW_NAMES[ETHER_IP_ROWS] = {"IPADR", "SNMK", "DFGW"};
constexpr int ROW_TEXTS[ETHER_IP_ROWS] = {193, 194, 195};

int OctetShift(int col) {
    return 8 * (ETHER_IP_OCTETS - 1 - col);
}

bool IsOctet(int value) {
    return value >= 0 && value <= OCTET_MAX;
}

}  // namespace

int OctetValueOf(const std::string& text) {
    if (text.empty() || text.size() > OCTET_MAX_LENGTH + 1) return -1;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return -1;
    return std::stoi(text);
}

std::array<std::string, ETHER_IP_OCTETS> OctetTexts(std::uint32_t address) {
    std::array<std::string, ETHER_IP_OCTETS> texts;
    for (int col = 0; col < ETHER_IP_OCTETS; ++col) {
        char text[8];
        std::snprintf(text, sizeof text, "%i", static_cast<int>((address >> OctetShift(col)) & 0xFF));
        texts[static_cast<std::size_t>(col)] = text;
    }
    return texts;
}

CEtherIpSet::CEtherIpSet(ParameterImage& img, SMainFlags& mainFlags, HostServices& hostServices)
    : image(img), flags(mainFlags), host(hostServices) {
    Caption = UiText[265];
    Button1.text = "OK";
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        rowLabels[Index(row)].text = UiText[ROW_TEXTS[row]];
        const auto texts = OctetTexts(image.NetAddress[Index(row)]);
        for (int col = 0; col < ETHER_IP_OCTETS; ++col) {
            octets[Index(row)][Index(col)].text = texts[Index(col)];
            octetMemory[Index(row)][Index(col)] = std::max(0, OctetValueOf(texts[Index(col)]));
        }
    }
}

std::string CEtherIpSet::FieldName(const SOctetField& field) {
    return "e" + std::string(ROW_NAMES[field.row]) + std::to_string(field.col + 1);
}

std::string CEtherIpSet::RowName(int row) {
    return "l" + std::string(ROW_NAMES[row]);
}

KeyVerdict CEtherIpSet::OctetKeyPress(SAddressEditInput& edit, char key) const {
    return DigitFieldKeyPress(edit, key, OCTET_MAX_LENGTH);
}

KeyVerdict CEtherIpSet::OctetKeyDown(SAddressEditInput& edit, AddressEditKey key) const {
    return DigitFieldKeyDown(edit, key);
}

std::optional<SOctetField> CEtherIpSet::OctetArrowKey(const SOctetField& field, OctetArrow arrow, int caret,
                                                      int length) const {
    if (arrow == OctetArrow::Right && caret >= length && field.col + 1 < ETHER_IP_OCTETS)
        return SOctetField{field.row, field.col + 1};
    if (arrow == OctetArrow::Left && caret == 0 && field.col > 0)
        return SOctetField{field.row, field.col - 1};
    return std::nullopt;
}

void CEtherIpSet::OctetChange(const SOctetField& field, const std::string& text) {
    Octet(field).text = text;
}

void CEtherIpSet::OctetEdited(const SOctetField& field, SAddressEditInput& edit) {
    DigitFieldAfterEdit(edit, OCTET_MAX_LENGTH);
    OctetChange(field, edit.text);
}

bool CEtherIpSet::OctetExit(const SOctetField& field) {
    int& remembered = octetMemory[Index(field.row)][Index(field.col)];
    const int value = OctetValueOf(Octet(field).text);
    if (IsOctet(value)) {
        remembered = value;
        return false;
    }
    host.ShowMessageBox(MsgText[MSG_DATA_ERROR], MB_OK_ONLY | MB_ICON_ERROR);
    Octet(field).text = std::to_string(remembered);
    return true;
}

bool CEtherIpSet::Button1Click() {
    std::array<std::uint32_t, ETHER_IP_ROWS> values{};
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        for (int col = 0; col < ETHER_IP_OCTETS; ++col) {
            const int value = OctetValueOf(octets[Index(row)][Index(col)].text);
            if (!IsOctet(value)) {
                refused = SOctetField{row, col};
                host.ShowMessageBox(MsgText[MSG_DATA_ERROR], MB_OK_ONLY | MB_ICON_ERROR);
                return false;
            }
            values[Index(row)] |= static_cast<std::uint32_t>(value) << OctetShift(col);
        }
    }
    refused.reset();
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        image.NetAddress[Index(row)] = values[Index(row)];
        if (values[Index(row)] != image.NetAddressSnapshot[Index(row)]) flags.etherIpModified = true;
    }
    return true;
}
