#pragma once
// The checks run before every write to the gateway and every save to a parameter file: the combo boxes
// must hold a selection, the dependent words of the image are derived from the main window's controls,
// and the result must describe a configuration the gateway accepts. Nothing here shows a message: the
// caller turns a code into its own wording.
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// Result codes of `PrepareAndValidate` (0 = the image may be sent). The write procedure shows the
// message of the code; saving has its own wording for the same codes.
inline constexpr int VALIDATION_OK = 0;
inline constexpr int VALIDATION_MIXED_2W_4W = 11;           // KAVELIS: 2W modes mixed with 4W / 8W modes
inline constexpr int VALIDATION_MIXED_IO_MODE = 32;         // I/O or servo modes mixed with other modes
inline constexpr int VALIDATION_ILLEGAL_DATA_SIZE = 32769;  // DSZO / DSZI over the type's maximum
inline constexpr int VALIDATION_ILLEGAL_MODE = 32772;       // axis words that break the layout rules
inline constexpr int VALIDATION_ILLEGAL_NETWORK = 32773;    // NTYP not in the network type table
inline constexpr int VALIDATION_ILLEGAL_STATION = 32774;    // DADR outside the network's range
inline constexpr int VALIDATION_ILLEGAL_BAUD = 32775;       // DBPS not a code of the network
inline constexpr int VALIDATION_ILLEGAL_UNIT_NO = 32777;    // UnitNo above 1
inline constexpr int VALIDATION_ILLEGAL_TOP_AXIS = 32778;   // TopAxisNo odd or above 14
inline constexpr int VALIDATION_ILLEGAL_PARAMETER = 32779;  // the gateway type is none the tool serves
inline constexpr int VALIDATION_ILLEGAL_TP_BAUD = 32780;    // VOSK-LC: TP port baud rate without a code
inline constexpr int VALIDATION_OMISSION = 56798;           // an axis slot left without a mode

// Result of `CheckCompleteness` when a required combo box has no selection; the write reports it with
// the message of VALIDATION_OMISSION.
inline constexpr int COMPLETENESS_MISSING = -1;

// 0 when every combo box the gateway type and network need holds a selection, else
// COMPLETENESS_MISSING. Changes nothing.
int CheckCompleteness(const ParameterImage& image, const SMainFormState& form, const SProgramValues& program);

// Derives the dependent words of the image from the main window's controls (station address, baud code,
// axis words from the grid or the drive-unit panels, axis counts, mirror, network module and data sizes)
// and checks the result for `program.SelectedGwType`. Returns 0 or the first failing code above. The
// image keeps what the preparation derived even when a check fails.
int PrepareAndValidate(ParameterImage& image, SMainFormState& form, const SProgramValues& program);
