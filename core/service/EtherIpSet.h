#pragma once
// The "EtherNet/IP Setting" dialog's behaviour: the IP address, subnet mask and default gateway of the
// parameter image as twelve octet fields with their key, arrow and exit rules, and OK, which stores
// them and marks them for transmission when they differ from the values last read, written or filed.
// The window class renders these controls and forwards the fields' keys, exits and the OK click.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/ControlState.h"
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/edit/FieldEditing.h"
#include "core/params/image/ParameterImage.h"

inline constexpr int ETHER_IP_ROWS = 3;    // IP address, subnet mask, default gateway
inline constexpr int ETHER_IP_OCTETS = 4;  // most significant first
inline constexpr std::size_t OCTET_MAX_LENGTH = 3;

// One octet field: its row and its column (0..3).
struct SOctetField {
    int row = 0;
    int col = 0;
    bool operator==(const SOctetField&) const = default;
};

enum class OctetArrow { Left, Right };

// The decimal octet a field's text holds, or -1 when the text is not a number.
int OctetValueOf(const std::string& text);
// The four octets of an address as the fields show them ("%i" each).
std::array<std::string, ETHER_IP_OCTETS> OctetTexts(std::uint32_t address);

class CEtherIpSet {
public:
    CEtherIpSet(ParameterImage& image, SMainFlags& flags, HostServices& host);

    // The design name of a field: eIPADR1..eIPADR4, eSNMK1..eSNMK4, eDFGW1..eDFGW4.
    static std::string FieldName(const SOctetField& field);
    // The design name of a row's label (lIPADR, lSNMK, lDFGW); its dots add "_Dot1".."_Dot3".
    static std::string RowName(int row);

    TextState& Octet(const SOctetField& field) { return octets[Index(field.row)][Index(field.col)]; }

    // A typed character or Backspace (KEY_BACKSPACE), and the Delete key: digits only, never empty.
    KeyVerdict OctetKeyPress(SAddressEditInput& edit, char key) const;
    KeyVerdict OctetKeyDown(SAddressEditInput& edit, AddressEditKey key) const;
    // An arrow key with the caret at `caret` of a text of `length` characters: the field that takes
    // the focus (caret at its end), or nothing when the arrow stays in the field.
    std::optional<SOctetField> OctetArrowKey(const SOctetField& field, OctetArrow arrow, int caret,
                                             int length) const;
    // The field's text as typed.
    void OctetChange(const SOctetField& field, const std::string& text);
    // The field's text after a paste, cut, drop or undo: digits only, never empty (`edit` is left as the
    // field must show it), then taken as typed.
    void OctetEdited(const SOctetField& field, SAddressEditInput& edit);
    // Leaving a field: a value outside 0..255 shows "Data Error" and brings back the remembered one.
    // Returns true when the text was changed back.
    bool OctetExit(const SOctetField& field);
    // OK: true when the dialog closes (the values stored); otherwise `refused` is the field to focus
    // with its whole text selected.
    bool Button1Click();

    std::string Caption;
    std::array<TextState, ETHER_IP_ROWS> rowLabels;  // lIPADR, lSNMK, lDFGW
    std::array<std::array<TextState, ETHER_IP_OCTETS>, ETHER_IP_ROWS> octets;
    std::array<std::array<int, ETHER_IP_OCTETS>, ETHER_IP_ROWS> octetMemory{};
    TextState Button1;
    std::optional<SOctetField> refused;

private:
    static std::size_t Index(int n) { return static_cast<std::size_t>(n); }

    ParameterImage& image;
    SMainFlags& flags;
    HostServices& host;
};
