#pragma once
// The "Connection Check" dialog's behaviour: one second after it opens it looks for gateway units 0
// and 1 on the serial line, lists those that answer and hands the chosen one to the main window.
// The window class renders these controls and forwards its timer tick and the OK click.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ControlState.h"
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/app/StartupRules.h"
#include "core/link/CommUnit.h"

inline constexpr int SEARCH_UNIT_TIMER_MS = 1000;  // the one tick that starts the search
inline constexpr int SEARCHED_UNIT_COUNT = 2;      // unit numbers 0 and 1

// The main window's table of axis slot counts per unit number (low byte of FA0Fh).
using UnitAxisSlotTable = std::array<int, SEARCHED_UNIT_COUNT>;

// What the dialog hands to the main window when it closes.
struct SSearchUnitResult {
    bool unitFound = false;
    int unitNo = 0;        // 0 when none was found
    int axisRowCount = 0;  // 0 lets the main window use its default row count

    std::uint8_t SlaveAddress() const { return static_cast<std::uint8_t>(FIRST_UNIT_ADDRESS + unitNo); }
};

class CSearchUnit {
public:
    CSearchUnit(CCommUnit& link, HostServices& host, SMainFlags& mainFlags, const SGWCommunicate& comm,
                UnitAxisSlotTable& unitAxisSlots);

    // `Timer1`'s only tick: runs the whole search.
    void Timer1Timer();
    // The same search for one unit number only (0 or 1), for callers that know which unit they want:
    // no time-out is spent on the other one.
    void ProbeOneUnit(int unitNo);
    // OK: the chosen unit and its axis slot count.
    SSearchUnitResult Button1Click() const;

    // The three texts `Label1` can show, for sizing the window to the widest.
    static std::array<std::string_view, 3> Label1Texts();

    std::string Caption;
    TextState Label1;
    TextState Label2;
    TextState Label3;
    ComboState cbUnitNoSel;
    TextState Button1;
    bool timer1Enabled = true;
    bool button1Focused = false;
    bool busy = false;  // the dialog's own guard, cleared by a failed exchange
    std::vector<int> foundUnits;
    // Each found unit's Report Slave ID reply, without its CRC.
    std::array<std::vector<std::uint8_t>, SEARCHED_UNIT_COUNT> slaveIdReplies;
    // Called whenever the controls changed during the search, so the window can show the unit tried.
    std::function<void()> onChanged;

private:
    void SearchFrom(int firstUnitNo, int lastUnitNo);
    bool OpenPort();
    bool SwitchSpeed();
    void TryUnit(int unitNo);
    int Exchange(const std::string& requestText, std::uint8_t* reply, std::size_t& length);
    void ShowResult();
    void EndWithoutUnits();
    void HideUnitLabels();
    void Changed();

    CCommUnit& link;
    HostServices& host;
    SMainFlags& mainFlags;
    const SGWCommunicate& comm;
    UnitAxisSlotTable& unitAxisSlots;
};
