#pragma once
// The axis monitor `TAxisMonitorForm` ("I/O monitor"): the cyclic I/O words of every KAVELIS axis, one
// row per axis decoded by its mode, in one direction at a time, polled on a timer.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/ControlState.h"
#include "core/monitors/AxisRowTable.h"
#include "core/monitors/MonitorWindow.h"
#include "core/procedures/Session.h"

inline constexpr std::uint16_t AXIS_MASTER_WORDS = 0xF608;   // axes' words, master to gateway
inline constexpr std::uint16_t AXIS_GATEWAY_WORDS = 0xF708;  // axes' words, gateway to master

struct SAxisMonitorFormState {
    std::string caption;
    CheckState RadioButton1;  // "MASTER->GateWay"
    CheckState RadioButton2;  // "GateWay->MASTER"
    GridState StringGrid1;
    int fixedCols = 2;
    int fixedRows = 1;
    ComboState cbMonitorSpeed;

    std::array<std::uint16_t, 16> axisModes{};
    std::uint16_t finx = 0, w4n = 0, w8n = 0;
    bool twoWordLayout = false;
    std::vector<SAxisRow> rows;
    int totalWords = 0;
    std::vector<std::uint16_t> ioWords;
    bool ioFromGateway = false;  // the direction `ioWords` were read in
    SMonitorPoll poll;
};

// Creation: reads the axis modes and FINX/W4N/W8N from the unit, builds the rows and the layout and
// checks `RadioButton1`. A failed read shows "Communication error (PC)" and gives -1: the window does
// not open.
int CreateAxisMonitorForm(CSession& session, SAxisMonitorFormState& form);

// One poll: reads the axes' words of the shown direction and fills the grid. A failed read ends the
// monitor. With no axis word to read, nothing is sent.
void AxisMonitorTick(CSession& session, SAxisMonitorFormState& form);

// The direction radio buttons rewrite the direction's headers at once; values follow at the next poll.
void AxisDirectionClick(SAxisMonitorFormState& form, bool gatewayToMaster);
void cbMonitorSpeedChange(SAxisMonitorFormState& form, int index);

// The header texts of the grid for one direction (the window widens its columns to both).
void WriteAxisHeaders(SAxisMonitorFormState& form, bool gatewayToMaster);

// Fills the value cells from `ioWords`.
void FillAxisGrid(SAxisMonitorFormState& form);

void CloseAxisMonitorForm(SAxisMonitorFormState& form);
