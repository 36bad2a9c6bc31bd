#pragma once
// Everything the main window owns for the whole run, gathered so that the procedures that talk to the
// gateway (read, write) run the same way under the desktop window, the command line and the tests.
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/link/CommUnit.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// Which command button gets the keyboard focus after a transfer.
enum class FocusTarget { None, Button2, Button3 };

class CSession {
public:
    explicit CSession(HostServices& host);

    HostServices& host;
    SProgramValues program;
    ParameterImage image;
    SMainFormState form;
    CCommUnit link;
    std::array<int, 2> unitAxisSlots{};  // axis slot count of unit 0 and 1, from the unit search
    // The Report Slave ID reply (without its CRC) the unit search has just got from the unit chosen; a
    // run that keeps one speed takes it instead of asking again. Used once.
    std::vector<std::uint8_t> searchedSlaveIdReply;

    // gwcli: one speed switch per run. Once a switch (the unit search's or a series') has brought the unit
    // to the configured speed, the next series keeps it; only when the first exchange after that gets no
    // reply (the unit may have restarted at its default speed) is the speed switched once more. The
    // desktop window switches at the start of every series.
    bool oneSpeedSwitchPerRun = false;
    bool speedEstablished = false;
    // A COM number mapped to a device for this run only (gwcli's --port PATH), not by the settings file.
    int portMappedForRun = 0;

    // The window's lock (`LockMainWindow`): File, Set and Help menus and every control of the window.
    bool windowEnabled = true;
    FocusTarget focus = FocusTarget::None;

    // The PIO pattern correspondence window, shown modally after a write; the desktop window sets it.
    std::function<void()> showPioPattern;

    // One exchange through the main window's transaction (retry, messages, `commBusy`). The first one
    // after a kept speed is tried once quietly and, without an answer, after a speed switch again.
    int Transact(std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength);
    // Brings the gateway to the configured speed; `beforeBroadcast` runs just before the broadcast (also
    // when a run keeps the speed it has established).
    int SwitchSpeed(const std::function<void()>& beforeBroadcast = {});
    // Opens the port at baud index 0 unless it is open: 0, or COMM_OPEN_FAILED.
    int OpenPortIfClosed();
    // The display refresh of the main window.
    void Refresh();
    // Waits `ms` milliseconds while the user interface goes on processing its events.
    void WaitPumping(int ms);

private:
    int SwitchGatewaySpeedNow(const std::function<void()>& beforeBroadcast);
    int TransactAfterKeptSpeed(std::string_view requestText, std::uint8_t* replyBuffer, std::size_t& replyLength);

    bool firstExchangeAfterKeptSpeed = false;
};

// `LockMainWindow`: enables or disables the File, Set and Help menus and every control of the window.
void LockMainWindow(CSession& session, bool enabled);
