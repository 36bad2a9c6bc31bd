#pragma once
// The cyclic I/O sizes that follow from the axis configuration.
#include <cstdint>
#include <optional>

#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

// The gateway's own header in every cyclic data block.
inline constexpr int GW_HEADER_BYTES = 16;

// Recomputes `OutBytes` and `InBytes` (without the header) from the axis words: VOSK, NUB3 GW and
// DRAVO from the slots, VOSK-LC from the network type; VOSK(MLIII) keeps what it holds.
void ComputeIoBytes(ParameterImage& image, GwType type);

// KAVELIS runs in the 2W arrangement when slot 0 holds Point2, Sol1 or Sol2 (reserved or not).
bool IsKavelis2WArrangement(std::uint16_t slot0);

// The KAVELIS data size (header included, the same both ways): (W4N + 2 x W8N) x 4 + 16 in the 2W
// arrangement, x 8 + 16 otherwise.
int KavelisDataSize(const ParameterImage& image, bool twoWordArrangement);

// An EtherCAT block size with header, rounded up to the first of 32, 64, 80, 112 and 144 not below it;
// a size above 144 is returned unchanged.
int RoundEtherCatSize(int bytesWithHeader);

// The largest EtherCAT block the axis types carry (144 VOSK and VOSK(MLIII), 80 NUB3 GW, 112 DRAVO);
// nothing for KAVELIS and VOSK-LC.
std::optional<int> EtherCatMaxSize(GwType type);
