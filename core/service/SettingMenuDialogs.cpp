#include "core/service/SettingMenuDialogs.h"

#include "core/app/MainWindowPrompts.h"

namespace {

void ShowWithProgressBarStopped(CSession& session, const std::function<void()>& showDialog) {
    session.form.progressMax = 0;
    showDialog();
    session.form.progressMax = PROGRESS_MAX_DEFAULT;
}

// The transmit prompt: Yes runs the parameter write, No reminds that nothing takes effect yet.
std::optional<SWriteResult> OfferTransmit(CSession& session, bool modified) {
    if (!modified || !AskTransmitNow(session.host)) return std::nullopt;
    return WriteParameters(session);
}

}  // namespace

void MenuTimeSettingClick(CSession& session, const std::function<void()>& showDialog) {
    ShowWithProgressBarStopped(session, showDialog);
}

std::optional<SWriteResult> MenuUnitNoClick(CSession& session, const std::function<void()>& showDialog) {
    ShowWithProgressBarStopped(session, showDialog);
    return OfferTransmit(session, session.form.flags.unitNoModified);
}

std::optional<SWriteResult> MenuEtherIpClick(CSession& session, const std::function<void()>& showDialog) {
    ShowWithProgressBarStopped(session, showDialog);
    return OfferTransmit(session, session.form.flags.etherIpModified);
}
