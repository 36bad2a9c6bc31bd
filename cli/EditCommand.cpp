// edit FILE [--ip A.B.C.D] [--mask A.B.C.D] [--gateway A.B.C.D] [--unit-number N] [--top-axis N]
//           [--multidrop on|off]: the unit number and EtherNet/IP dialogs on a parameter file, then Save.
#include <algorithm>

#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliFileContext.h"
#include "cli/CliSessionSetup.h"
#include "core/service/EtherIpSet.h"
#include "core/service/UnitParaSet.h"

namespace {

bool Offered(const MenuItemState& item) {
    return item.enabled && item.visible;
}

int Refuse(CConsoleHost& host, const std::string& reason) {
    host.Print("gwcli: edit: " + reason, MB_ICON_ERROR);
    return CLI_USAGE;
}

// The unit number dialog's choices: multi-drop first, since it decides whether a top axis is offered.
int ApplyUnitEdits(const SCliEdits& edits, CSession& session, CConsoleHost& host) {
    CUnitParaSet dialog(session.image, session.form.flags);
    if (edits.multiDrop) dialog.ckMDRPClick(*edits.multiDrop);
    if (edits.unitNumber) {
        const auto& items = dialog.cbUnitNo.items;
        const auto item = std::find(items.begin(), items.end(), std::to_string(*edits.unitNumber));
        if (item == items.end()) return Refuse(host, "--unit-number takes 0 or 1");
        dialog.cbUnitNoChange(static_cast<int>(item - items.begin()));
    }
    if (edits.topAxis) {
        if (!dialog.cbTAxisNo.enabled) return Refuse(host, "--top-axis is offered only with multi-drop on");
        const auto& items = dialog.cbTAxisNo.items;
        const auto item = std::find(items.begin(), items.end(), std::to_string(*edits.topAxis));
        if (item == items.end()) return Refuse(host, "--top-axis takes 0, 2, 4, 6, 8, 10, 12 or 14");
        dialog.cbTAxisNoChange(static_cast<int>(item - items.begin()));
    }
    return CLI_OK;
}

// The EtherNet/IP dialog: the octets typed into their fields, then OK with its checks.
int ApplyAddressEdits(const SCliEdits& edits, CSession& session, CConsoleHost& host) {
    CEtherIpSet dialog(session.image, session.form.flags, host);
    const std::optional<std::array<std::string, 4>>* rows[ETHER_IP_ROWS] = {&edits.ip, &edits.mask,
                                                                            &edits.gateway};
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        if (!*rows[row]) continue;
        for (int col = 0; col < ETHER_IP_OCTETS; ++col)
            dialog.OctetChange({row, col}, (**rows[row])[static_cast<std::size_t>(col)]);
    }
    return dialog.Button1Click() ? CLI_OK : CLI_FAILED;
}

}  // namespace

int RunEditCommand(const SCliArguments& arguments, CConsoleHost& host) {
    const SCliEdits& edits = arguments.edits;
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    const bool addresses = edits.ip || edits.mask || edits.gateway;
    const bool unit = edits.unitNumber || edits.topAxis || edits.multiDrop;
    if (addresses && !Offered(session.form.MenuEtherIp))
        return Refuse(host, "the EtherNet/IP addresses are offered only for an EtherNet/IP network");
    if (unit && !Offered(session.form.MenuUnitNo))
        return Refuse(host, "the unit number is offered only for VOSK, VOSK(MLIII), VOSK-LC and DRAVO");
    if (unit) {
        if (const int status = ApplyUnitEdits(edits, session, host); status != CLI_OK) return status;
    }
    if (addresses) {
        if (const int status = ApplyAddressEdits(edits, session, host); status != CLI_OK) return status;
    }
    return SaveParameterFileCommand(file.context) == 0 ? CLI_OK : CLI_FAILED;
}
