#pragma once
// The Setting menu's unit-service items: each opens its dialog with the main window's progress bar at
// maximum 0 while it is open (100 again afterwards). The unit number and EtherNet/IP dialogs only
// change the image; when they marked a change the main window offers to transmit it at once.
#include <functional>
#include <optional>

#include "core/procedures/Session.h"
#include "core/procedures/WriteParameters.h"

inline constexpr int PROGRESS_MAX_DEFAULT = 100;

// `MenuTimeSetting`: the time setting dialog (it talks to the gateway itself).
void MenuTimeSettingClick(CSession& session, const std::function<void()>& showDialog);
// `MenuUnitNo`: the unit number dialog, then the transmit prompt if `unitNoModified` is set. The
// write's result when the user chose to transmit.
std::optional<SWriteResult> MenuUnitNoClick(CSession& session, const std::function<void()>& showDialog);
// `MenuEtherIp`: the EtherNet/IP setting dialog, then the transmit prompt if `etherIpModified` is set.
std::optional<SWriteResult> MenuEtherIpClick(CSession& session, const std::function<void()>& showDialog);
