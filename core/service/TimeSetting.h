#pragma once
// The "TimeSetting" dialog's behaviour: sets the gateway's clock from the PC's running time or from a
// date and time picked in six lists, and reads the clock back. The window class renders these
// controls and forwards its timer tick, the two radio buttons and the two command buttons.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/app/ControlState.h"
#include "core/procedures/Session.h"
#include "core/service/GatewayTime.h"

inline constexpr int TIME_SETTING_TIMER_MS = 1000;
inline constexpr int TIME_SETTING_FIRST_YEAR = 2010;  // the year list runs 2010..2099

class CTimeSetting {
public:
    // Texts and lists; `pcSeconds` is the PC's local time in whole seconds since 2000-01-01.
    CTimeSetting(CSession& session, std::int64_t pcSeconds);

    // The speed set-up the dialog runs once when it is created: skipped while another exchange runs;
    // opens the port at the configured speed when it is closed, then brings the gateway to that speed.
    void SetUpLink();

    // `Timer1`: the running PC time goes on by one second.
    void Timer1Timer();
    // `rbSynqPC`: the running PC time is what Write sends; the lists are locked.
    void rbSynqPCClick();
    // `rbManualSetting`: the lists take the running time's date and time and can be changed.
    void rbManualSettingClick();
    // A list's new selection.
    void ListChange(ComboState& list, int index);
    // `bTransmission` (Write): sends the time and reports the gateway's answer.
    void bTransmissionClick();
    // `bConfirm`: reads the gateway's clock and shows it.
    void bConfirmClick();

    // The count Write sends in Manual mode; nothing when a list has no selection or the day does not
    // exist in that month (each with the message the user has been shown).
    std::optional<std::uint32_t> ManualSeconds();

    std::string Caption;
    CheckState rbSynqPC;
    CheckState rbManualSetting;
    TextState Panel1;
    bool panel1Grey = false;  // the running time drawn in grey while Manual is chosen
    TextState lYear, lMonth, lDay, lHour, lMinute, lSecond;
    ComboState cbYear, cbMonth, cbDay, cbHour, cbMinute, cbSecond;
    TextState bConfirm;
    TextState bTransmission;
    bool timer1Enabled = true;
    std::int64_t pcSeconds = 0;
    // Called whenever the controls changed before an exchange, so the window shows the disabled buttons.
    std::function<void()> onChanged;

    // The six lists, in the order year, month, day, hour, minute, second.
    std::array<ComboState*, 6> Lists() { return {&cbYear, &cbMonth, &cbDay, &cbHour, &cbMinute, &cbSecond}; }

private:
    void SetListsEnabled(bool enabled);
    void SetButtonsEnabled(bool enabled);
    std::optional<std::uint32_t> PcTimeSeconds();

    CSession& session;
};
