#pragma once
// Edits made in the main window's parameter fields: the network, station address, baud rate, data size
// and TP port combo boxes, the axis-count combo boxes, and the EtherCAT address edit `edDADR`. Each
// change handler stores the new selection in the control's state, writes the image and refreshes the
// display. An index that names no entry changes nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

void cbNTYPChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index);
void cbDADRChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index);
void cbDBPSChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index);
void cbFINXChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index);
void cbDSZChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index);
void cbTBPSChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host, int index);
// KAVELIS slot-count combos.
void cbW4NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index);
void cbW8NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index);
void cbW2NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index);
// VOSK and NUB3 GW slot-count combos (other types: no effect, no refresh).
void cbW1NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index);
void cbB4NChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                 HostServices& host, int index);
// VOSK(MLIII) axis count.
void ComboBox1Change(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host, int index);

// The station address `DADR` a `cbDADR` position stands for on the network; nothing for the networks
// whose address is not chosen from the list.
std::optional<std::uint16_t> StationAddressAt(std::uint16_t ntyp, int index);

// The RS485 baud code of a `cbDBPS` position: 5, 6, 19, 20, 21 for 1..5, otherwise 4 (9600 bit/s).
std::uint16_t Rs485BaudCodeAt(int index);

// An EtherCAT station address as typed: decimal digits only, 0..65535; nothing otherwise.
std::optional<std::uint16_t> ParseEtherCatAddress(std::string_view text);

// ---- The EtherCAT address edit `edDADR` (at most 5 digits). ----

inline constexpr std::size_t ED_DADR_MAX_LENGTH = 5;

// The edit as the key sees it: its text, the caret and the number of selected characters (a selection
// ends or starts at the caret; `selLength` == text size means the whole text is selected).
struct SAddressEditInput {
    std::string text;
    int caret = 0;
    int selLength = 0;
};

enum class KeyVerdict { Pass, Swallow };

inline constexpr char KEY_BACKSPACE = '\b';

// Key press (a typed character, KEY_BACKSPACE for Backspace): digits pass (a lone "0" is emptied first
// so the digit replaces it; a sixth digit is swallowed); a Backspace that would empty the field leaves
// "0" with the caret after it and is swallowed; every other character is swallowed.
KeyVerdict edDADRKeyPress(SAddressEditInput& edit, char key);

enum class AddressEditKey { Delete, Other };

// The same rules for any field of decimal digits that never stays empty, with its own length limit.
KeyVerdict DigitFieldKeyPress(SAddressEditInput& edit, char key, std::size_t maxLength);
KeyVerdict DigitFieldKeyDown(SAddressEditInput& edit, AddressEditKey key);
// The field's text after an edit no key rule saw (a paste, a cut, a drop, an undo): only its digits stay,
// the first `maxLength` of them, with the caret after the digits that stood before it; a field left
// empty holds "0" with the caret after it.
void DigitFieldAfterEdit(SAddressEditInput& edit, std::size_t maxLength);

// Key down: a Delete that would empty the field leaves "0" with the caret after it.
KeyVerdict edDADRKeyDown(SAddressEditInput& edit, AddressEditKey key);

// The edit has no context menu (no paste of arbitrary text): true = the request is handled.
bool edDADRContextPopup();

// The edit loses the focus: a typed address outside 0..65535 (or no number) shows the address error and
// puts `DADR` back into the field; otherwise `DADR` takes it. Then the display is refreshed. Returns
// true when the field's text was changed back.
bool edDADRExit(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                HostServices& host);

// Run by the File, Setting, Monitor and Help menus before they open and by the file commands: commits
// `edDADR` as on leaving it when it has the focus. True when the entry was refused and its text changed
// back; the caller then stops.
bool CommitAddressEdit(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                       HostServices& host);
