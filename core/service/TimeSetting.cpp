#include "core/service/TimeSetting.h"

#include <array>
#include <limits>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/service/GatewayClockExchange.h"

namespace {

constexpr int MSG_DATA_ERROR = 48;
constexpr int MSG_DAY_ERROR = 49;
constexpr int MSG_TIME_READ_FAILED = 52;
constexpr int MSG_BAD_TIME = 61;

ComboState NumberList(int first, int last) {
    ComboState list;
    for (int n = first; n <= last; ++n) list.items.push_back(std::to_string(n));
    list.index = 0;
    return list;
}

// The list's index, or -1 when it shows no entry.
int SelectedIndex(const ComboState& list) {
    return list.index >= 0 && list.index < static_cast<int>(list.items.size()) ? list.index : -1;
}

}  // namespace

CTimeSetting::CTimeSetting(CSession& s, std::int64_t pcSecondsNow) : pcSeconds(pcSecondsNow), session(s) {
    Caption = UiText[208];
    rbSynqPC = {{}, std::string(UiText[206]), true};
    rbManualSetting = {{}, std::string(UiText[207]), false};
    lYear.text = UiText[200];
    lMonth.text = UiText[201];
    lDay.text = UiText[202];
    lHour.text = UiText[203];
    lMinute.text = UiText[204];
    lSecond.text = UiText[205];
    cbYear = NumberList(TIME_SETTING_FIRST_YEAR, GATEWAY_LAST_YEAR);
    cbMonth = NumberList(1, 12);
    cbDay = NumberList(1, 31);
    cbHour = NumberList(0, 23);
    cbMinute = NumberList(0, 59);
    cbSecond = NumberList(0, 59);
    bConfirm.text = UiText[209];
    bTransmission.text = UiText[4];
    Panel1.text = GatewayTimeText(pcSeconds);
    SetListsEnabled(false);
}

void CTimeSetting::SetUpLink() {
    SMainFlags& flags = session.form.flags;
    if (flags.commBusy) return;
    flags.commBusy = true;
    if (!flags.portOpen) {
        const SGWCommunicate& comm = session.program.Comm;
        if (session.link.Open(comm.CurrentPortNum, comm.CurrentBaudIndex) != COMM_OK) {
            ShowPortOpenError(session.host, session.link, MB_OK_ONLY | MB_ICON_ERROR);
            flags.commBusy = false;
            return;
        }
        flags.portOpen = true;
    }
    session.SwitchSpeed();
    flags.commBusy = false;
}

void CTimeSetting::Timer1Timer() {
    pcSeconds += 1;
    Panel1.text = GatewayTimeText(pcSeconds);
}

void CTimeSetting::rbSynqPCClick() {
    rbSynqPC.checked = true;
    rbManualSetting.checked = false;
    SetListsEnabled(false);
    timer1Enabled = true;
    panel1Grey = false;
}

void CTimeSetting::rbManualSettingClick() {
    rbSynqPC.checked = false;
    rbManualSetting.checked = true;
    panel1Grey = true;
    const SGatewayDateTime now = CalendarDateTimeOf(pcSeconds);
    // A PC year outside the list leaves the year list without a selection; Write then refuses.
    const bool yearListed = now.year >= TIME_SETTING_FIRST_YEAR && now.year <= GATEWAY_LAST_YEAR;
    cbYear.index = yearListed ? now.year - TIME_SETTING_FIRST_YEAR : -1;
    cbMonth.index = now.month - 1;
    cbDay.index = now.day - 1;
    cbHour.index = now.hour;
    cbMinute.index = now.minute;
    cbSecond.index = now.second;
    SetListsEnabled(true);
}

void CTimeSetting::ListChange(ComboState& list, int index) {
    list.index = index >= 0 && index < static_cast<int>(list.items.size()) ? index : -1;
}

std::optional<std::uint32_t> CTimeSetting::ManualSeconds() {
    std::array<int, 6> indexes{};
    const auto lists = Lists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        indexes[i] = SelectedIndex(*lists[i]);
        if (indexes[i] < 0) {
            session.host.ShowMessageBox(MsgText[MSG_DATA_ERROR], MB_OK_ONLY | MB_ICON_ERROR);
            return std::nullopt;
        }
    }
    const SGatewayDateTime chosen{TIME_SETTING_FIRST_YEAR + indexes[0],
                                  indexes[1] + 1,
                                  indexes[2] + 1,
                                  indexes[3],
                                  indexes[4],
                                  indexes[5]};
    const auto seconds = GatewaySecondsOf(chosen);
    if (!seconds) session.host.ShowMessageBox(MsgText[MSG_DAY_ERROR], MB_OK_ONLY | MB_ICON_ERROR);
    return seconds;
}

// The running count as the gateway's 32-bit value. A PC clock before 2000 has no such value; one
// after 2099 is sent and the gateway itself refuses it.
std::optional<std::uint32_t> CTimeSetting::PcTimeSeconds() {
    if (pcSeconds < 0 || pcSeconds > std::numeric_limits<std::uint32_t>::max()) {
        session.host.ShowMessageBox(MsgText[MSG_BAD_TIME], MB_OK_ONLY | MB_ICON_WARNING);
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(pcSeconds);
}

void CTimeSetting::bTransmissionClick() {
    SetButtonsEnabled(false);
    const auto seconds = rbManualSetting.checked ? ManualSeconds() : PcTimeSeconds();
    if (seconds) ShowClockSetOutcome(session.host, SendGatewayTime(session, *seconds));
    SetButtonsEnabled(true);
}

void CTimeSetting::bConfirmClick() {
    SetButtonsEnabled(false);
    std::uint32_t seconds = 0;
    if (ReadGatewayTime(session, seconds) == COMM_OK) {
        session.host.ShowMessageBox(GatewayTimeText(seconds), MB_OK_ONLY | MB_ICON_INFORMATION);
    } else {
        session.host.ShowMessageBox(MsgText[MSG_TIME_READ_FAILED], MB_OK_ONLY | MB_ICON_INFORMATION);
    }
    SetButtonsEnabled(true);
}

void CTimeSetting::SetListsEnabled(bool enabled) {
    for (ComboState* list : Lists()) {
        list->enabled = enabled;
        list->grey = !enabled;
    }
}

void CTimeSetting::SetButtonsEnabled(bool enabled) {
    bConfirm.enabled = enabled;
    bTransmission.enabled = enabled;
    if (onChanged) onChanged();
}
