#include "core/monitors/HardwareMonitor.h"

#include <vector>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/monitors/MonitorValueText.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr int UI_CAPTION = 251;
constexpr unsigned FAN_FACTOR = 10;
constexpr std::string_view COLON = ":";

}  // namespace

const std::array<SHardwareRow, HARDWARE_VALUES> HardwareRows{{
    {"Label1", "Label11", "lVP24P_Data", "Label31", 252, EHardwareScale::Tenths, "V"},
    {"Label2", "Label12", "lVP24S_Data", "Label32", 253, EHardwareScale::Tenths, "V"},
    {"Label3", "Label13", "lVP5_9A_Data", "Label33", 254, EHardwareScale::Tenths, "V"},
    {"Label4", "Label14", "lVP5_9B_Data", "Label34", 255, EHardwareScale::Tenths, "V"},
    {"Label5", "Label15", "lVP6_8_Data", "Label35", 256, EHardwareScale::Tenths, "V"},
    {"Label6", "Label16", "lFAN_Rot_Data", "Label36", 257, EHardwareScale::Tens, "rpm"},
    {"Label7", "Label17", "lDB0_Temp_Data", "Label37", 258, EHardwareScale::Units, "deg C"},
    {"Label8", "Label18", "lDB1_Temp_Data", "Label38", 259, EHardwareScale::Units, "deg C"},
    {"Label9", "Label19", "lDB2_Temp_Data", "Label39", 260, EHardwareScale::Units, "deg C"},
    {"Label10", "Label20", "lDB3_Temp_Data", "Label40", 261, EHardwareScale::Units, "deg C"},
}};

bool HardwareValueHeld(const SHardwareRow& row, std::uint16_t word) {
    return row.scale == EHardwareScale::Tenths && word == 0;
}

std::string HardwareValueText(const SHardwareRow& row, std::uint16_t word, const std::string& shown) {
    switch (row.scale) {
        case EHardwareScale::Tenths:
            return HardwareValueHeld(row, word) ? shown : TenthsText(word);
        case EHardwareScale::Tens:
            return ScaledDecimalText(word, FAN_FACTOR);
        case EHardwareScale::Units:
            break;
    }
    return ScaledDecimalText(word);
}

CHardwareMonitor::CHardwareMonitor(CSession& s) : session(s) {
    Caption = UiText[UI_CAPTION];
    for (std::size_t i = 0; i < HardwareRows.size(); ++i) {
        const SHardwareRow& row = HardwareRows[i];
        names[i].text = UiText[static_cast<std::size_t>(row.nameText)];
        colons[i].text = COLON;
        values[i].text = row.scale == EHardwareScale::Tenths ? "0.0" : "0";
        units[i].text = row.unit;
    }
}

int CHardwareMonitor::Timer1Timer() {
    if (poll.busy) return COMM_OK;
    std::vector<std::uint16_t> read;
    {
        // Ticks arriving during the read or while its failure box is open stay idle; the next one
        // after the box tries again.
        const CMonitorBusy busy(poll);
        const int result = ReadValues(read);
        if (result != COMM_OK) {
            session.host.ShowMessageBox(MsgText[MSG_DATA_READ_FAILURE], MB_ICON_INFORMATION);
            return result;
        }
    }
    for (std::size_t i = 0; i < HardwareRows.size(); ++i) {
        words[i] = read[i];
        held[i] = HardwareValueHeld(HardwareRows[i], read[i]);
        values[i].text = HardwareValueText(HardwareRows[i], read[i], values[i].text);
    }
    return COMM_OK;
}

int CHardwareMonitor::ReadValues(std::vector<std::uint16_t>& read) {
    // The window polls for as long as it is open: a link whose device went away (the adapter unplugged
    // and plugged in again) is opened anew and the unit brought to the configured speed, as every
    // other operation does, instead of failing every tick from then on.
    if (!session.form.flags.portOpen || !session.link.StillConnected()) {
        if (const int result = session.OpenPortIfClosed(); result != COMM_OK) return result;
        if (const int result = session.SwitchSpeed(); result != COMM_OK) return result;
    }
    return ReadHoldingRegisters(session, HARDWARE_FIRST_REGISTER, HARDWARE_VALUES, read);
}
