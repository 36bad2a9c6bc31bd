#pragma once
// The cyclic I/O areas of a simulated unit: F600h..F647h holds what the fieldbus master (or a tool's
// test write) last wrote; F700h..F747h is what the gateway returns, and it changes with time. From
// +08 on, a KAVELIS unit lays both areas out axis by axis after its own mode words.
#include "sim/SimRegisterBank.h"

// Maps both areas and fills the master's area with a plausible command for every axis.
void BuildIoAreas(CSimRegisterBank& bank);

// The gateway's answer at `toMs` of simulated time: a header word counting 100 ms ticks, and each axis
// answering its master words (positions moving towards their targets, status words with the axis's
// flags).
void AdvanceIoAreas(CSimRegisterBank& bank, long long toMs);
