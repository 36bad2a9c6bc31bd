#pragma once
// The network-dependent words of the image (`NMOD`, `DSZO`, `DSZI` and, for some networks, `DBPS`,
// `DADR` and `NTYP`), derived from the network type and the I/O sizes of the axes.
#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

// How a configuration fits CC-Link: version 1 (single cyclic, 4 occupied stations), version 2 with
// quadruple or octuple extended cyclic setting (2 stations), or not at all (sizes too large).
enum class CcLinkSetting { Ver1, Ver2Quadruple, Ver2Octuple, NoFit };

// The CC-Link setting the sizes of the image need. VOSK-LC always fits version 1.
CcLinkSetting CcLinkSettingFor(const ParameterImage& image, GwType type);

// Sets `NMOD`, `DSZO`, `DSZI` and the network's other dependent words. `dszIndex` is the MECHATROLINK
// III data size choice (0 = 32 bytes, 1 = 48 bytes); other values count as 0. A configuration that fits
// no CC-Link setting leaves the CC-Link words as they are.
void DeriveNetworkWords(ParameterImage& image, GwType type, int dszIndex);
