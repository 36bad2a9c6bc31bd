#pragma once
// The register monitor `TRegMoniterForm`: the master-to-gateway area F600h..F647h and the
// gateway-to-master area F700h..F747h, each seen through a window of 16 registers, polled on a timer.
// In the RS485 SIO test the user may edit the master-to-gateway area and write it to the gateway.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app/ControlState.h"
#include "core/monitors/MonitorWindow.h"
#include "core/monitors/RegisterEditors.h"
#include "core/procedures/Session.h"

inline constexpr int REG_AREA_WORDS = 72;
inline constexpr int REG_WINDOW_ROWS = 16;
inline constexpr int REG_SCROLL_MAX = REG_AREA_WORDS - REG_WINDOW_ROWS;  // 56
inline constexpr std::uint16_t REG_MASTER_AREA = 0xF600;
inline constexpr std::uint16_t REG_GATEWAY_AREA = 0xF700;
// Result of a read whose start lies outside its area; nothing is sent then.
inline constexpr int REG_READ_OUT_OF_AREA = 18;

using RegisterImage = std::array<std::uint16_t, REG_AREA_WORDS>;

struct SScrollBarState : ControlState {
    int position = 0;  // offset of the first visible register, 0..56
};

// Which of the two areas (grid and scroll bar).
enum class ERegArea { Master, Gateway };

struct SRegMoniterFormState {
    std::string caption;
    TextState pPLCToZUNA, pZUNAToPLC;  // headings above the grids
    TextState lF600h, lF700h;          // area labels, KAVELIS only
    GridState StringGrid1, StringGrid2;
    SScrollBarState ScrollBar1, ScrollBar2;
    ComboState cbCycle, cbHEXorBIN;
    CheckState chkSyncScroll, rbRead, rbWrite;
    TextState WriteButton;
    TextState edSetRegister;               // hex entry over a value cell
    TextState edBinSetRegister;            // binary entry over a value cell
    SBinEditor binEditor;                  // text and caret of `edBinSetRegister`
    std::array<int, 2> selectedRow{1, 1};  // the selected data row (1..16) of each grid
    std::optional<ERegArea> gridFocusRequest;  // the grid that is to take the focus; the window clears it

    RegisterImage readImage600{}, writeImage600{}, readImage700{};
    bool testMode = false;  // the RS485 SIO test (`rs485SioMode` when the window was created)
    bool scrolling = false;
    bool writeRequested = false;
    bool masterAreaLoadPending = false;  // Write chosen while a tick ran: the next tick loads F600h..F647h
    bool binaryView = false;
    bool syncScroll = false;
    int editIndex = 0;
    int caretPos = 0;
    int lastWriteResult = 0;  // the transaction's result of the last write (0 = reached the unit)
    SMonitorPoll poll;
};

// Creation: zeroed images, texts, combo contents, the mode applied to the read/write controls, both
// grids filled from the zeroed images, the timer at 500 ms.
void CreateRegMoniterForm(SRegMoniterFormState& form, const CSession& session);

// One poll tick: reads the visible windows (not the master area while writing), serves a requested
// write after the reads, refreshes the grids. A failed read ends the monitor.
void RegMoniterTick(CSession& session, SRegMoniterFormState& form);

// The slave the window talks to: `GwSlaveAddress`, or in the RS485 SIO test with the network type
// RS485 (F485h) the station address `DADR` of the image.
std::uint8_t RegMoniterSlave(const CSession& session, const SRegMoniterFormState& form);

// Redraws both grids from the images.
void RefreshRegisterGrids(SRegMoniterFormState& form);

// The scroll bar of `area` moved to `position` (kept within 0..56); with SYNC Scroll the other follows,
// without it the scroll bar's grid takes the focus.
void ScrollBarChange(SRegMoniterFormState& form, ERegArea area, int position);
// Line, page and thumb operations pause polling until the operation ends.
void ScrollOperation(SRegMoniterFormState& form, bool ended);
// The mouse wheel over a grid: at the edge rows it scrolls, otherwise it moves the selection.
void GridMouseWheel(SRegMoniterFormState& form, ERegArea area, bool down);

enum class EGridKey { Up, Down, PageUp, PageDown, Enter, Other };
// A key in a grid: at the edge rows Up/Down/Page Up/Page Down scroll, otherwise they move the
// selection. Enter in the left grid starts editing. True when the key was handled.
bool GridKey(SRegMoniterFormState& form, ERegArea area, EGridKey key);
// A click selects a data row.
void GridSelectRow(SRegMoniterFormState& form, ERegArea area, int row);

void cbCycleChange(SRegMoniterFormState& form, int index);
void cbHEXorBINChange(SRegMoniterFormState& form, int index);
void chkSyncScrollClick(SRegMoniterFormState& form, bool checked);
// Read and Write: a click on the button already chosen changes nothing (unsent edits stay).
void rbReadClick(SRegMoniterFormState& form);
// Write reads all 72 registers of the master's area once, so that every register the user does not
// edit goes out with the unit's own value; during a running tick the next tick does it. The Write
// button and the editing wait for that read; a failed read ends the monitor.
void rbWriteClick(CSession& session, SRegMoniterFormState& form);
void WriteButtonClick(SRegMoniterFormState& form);

// A double click (or Enter) on the left grid's selected row opens the entry field of the view over its
// value cell. False when nothing opens (monitor mode, Read chosen, the master's area not read yet).
bool StartRegisterEdit(SRegMoniterFormState& form);
// Enter in the hex field: stores its value and closes it; an empty field stores nothing and stays open.
bool edSetRegisterEnter(SRegMoniterFormState& form, const std::string& text);
// Enter in the binary field: stores its value and closes it.
void edBinSetRegisterEnter(SRegMoniterFormState& form);
// Leaving either field clears and hides it and enables the write button again.
void RegisterEditExit(SRegMoniterFormState& form);

// Close: the timer stops.
void CloseRegMoniterForm(SRegMoniterFormState& form);
