#pragma once
// Clicks in the axis mode grids. `StringGrid1` (KAVELIS, VOSK, NUB3 GW): row r shows axis slot r - 1,
// columns 1..6 its modes; a click cycles the slot (VOSK: the pair) through the clicked mode, its
// reserved form and back. `StringGrid2` (VOSK(MLIII)): column 1 cycles a pair through the servo modes
// A, (A), P, (P). A click on the title row or the slot column does nothing; every other click refreshes
// the display.
#include <array>
#include <cstdint>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

using AxisModeWords = std::array<std::uint16_t, 16>;

// The word a KAVELIS slot takes when column `column` (1..6) of its row is clicked.
std::uint16_t KavelisClickedWord(std::uint16_t word, int column);

// The word a NUB3 GW slot takes when column `column` (1..6) is clicked on network `ntyp`.
std::uint16_t Nub3ClickedWord(std::uint16_t word, int column, std::uint16_t ntyp);

// A click in column `column` (1..6) of slot `slot` of a VOSK unit on network `ntyp`; may change the
// slot's pair partner too.
void VoskGridClick(AxisModeWords& words, int slot, int column, std::uint16_t ntyp);

// A click on the servo mode of slot `slot` (VOSK(MLIII)); may change the pair partner too.
void ServoGridClick(AxisModeWords& words, int slot);

void StringGrid1Click(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int column, int row);
void StringGrid2Click(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int column, int row);

// The second click of a double click: the window forwards the first click of the pair to the click
// handler and the double-click event here, so a double click applies the click rule twice.
void StringGrid1DblClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                         HostServices& host, int column, int row);
void StringGrid2DblClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                         HostServices& host, int column, int row);
