#pragma once
// What the axis grids show: per slot, which mode is selected ("*", reserved "(*)", servo "A" / "P"),
// which modes the slot may be switched to (" ") and which are not available ("-"), with the colours of
// the fixed and editable cells.
#include <array>
#include <cstdint>
#include <string>

#include "core/app/ControlState.h"
#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

// Texts of the six mode columns (grid columns 1..6) of a `StringGrid1` row that shows `word`.
std::array<std::string, 6> ModeRowCells(GwType type, std::uint16_t word, std::uint16_t ntyp);

// Redraws `StringGrid1` (KAVELIS, VOSK, NUB3 GW): the rows of the configured slots, "-" in every later
// row, and the cell colours of the network.
void RenderStringGrid1(GridState& grid, const ParameterImage& image, GwType type);

// Redraws `StringGrid2` (VOSK(MLIII)): the servo mode of each configured slot; with the node address
// auto fill on (`ExtParam2` bit 10, ExtendedMode) reserved slots are drawn grey.
void RenderStringGrid2(GridState& grid, const ParameterImage& image, bool extendedMode);
