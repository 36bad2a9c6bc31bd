#include "core/service/SearchUnit.h"

#include <cstdio>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/GatewaySpeedSwitch.h"
#include "core/link/ExchangeCause.h"
#include "core/link/ModbusFrame.h"
#include "core/link/ModbusTransaction.h"
#include "core/link/PortOpenDiagnosis.h"

namespace {

constexpr int SEARCH_BAUD_INDEX = 0;
constexpr unsigned REPORT_SLAVE_ID = 0x11;
constexpr unsigned READ_HOLDING_REGISTERS = 0x03;
constexpr unsigned AXIS_SLOT_REGISTER = 0xFA0E;  // FA0Eh..FA0Fh; the low byte of FA0Fh is the slot count
constexpr std::uint16_t AXIS_SLOT_REGISTER_COUNT = 2;
constexpr std::size_t AXIS_SLOT_REPLY_BYTE = 6;

std::string_view ConnectingText() {
    return MsgText[55];
}
std::string_view SelectUnitText() {
    return MsgText[56];
}
std::string_view NoUnitText() {
    return MsgText[57];
}

std::string Format(const char* format, unsigned a, unsigned b) {
    char text[16];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string Format(const char* format, unsigned a, unsigned b, unsigned c, unsigned d) {
    char text[24];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

}  // namespace

CSearchUnit::CSearchUnit(CCommUnit& link, HostServices& host, SMainFlags& mainFlags,
                         const SGWCommunicate& comm, UnitAxisSlotTable& unitAxisSlots)
    : link(link), host(host), mainFlags(mainFlags), comm(comm), unitAxisSlots(unitAxisSlots) {
    Caption = UiText[266];
    Label1.text = ConnectingText();
    Label2.text = UiText[248];
    Label3.text = std::to_string(0);  // the first unit number tried
    cbUnitNoSel.enabled = false;
    cbUnitNoSel.grey = true;
    Button1.text = "OK";
    Button1.enabled = false;
}

std::array<std::string_view, 3> CSearchUnit::Label1Texts() {
    return {ConnectingText(), SelectUnitText(), NoUnitText()};
}

void CSearchUnit::Timer1Timer() {
    if (!timer1Enabled) return;
    timer1Enabled = false;
    SearchFrom(0, SEARCHED_UNIT_COUNT - 1);
}

void CSearchUnit::ProbeOneUnit(int unitNo) {
    timer1Enabled = false;
    SearchFrom(unitNo, unitNo);
}

void CSearchUnit::SearchFrom(int firstUnitNo, int lastUnitNo) {
    if (!OpenPort() || !SwitchSpeed()) {
        EndWithoutUnits();
        return;
    }
    for (int unitNo = firstUnitNo; unitNo <= lastUnitNo; ++unitNo) TryUnit(unitNo);
    ShowResult();
}

// The port stays open afterwards for the main window. A port the main window already holds is used
// as it is: opening it a second time would fail on its exclusive lock.
bool CSearchUnit::OpenPort() {
    if (mainFlags.portOpen && link.IsOpen()) return true;
    if (link.Open(comm.CurrentPortNum, SEARCH_BAUD_INDEX) != COMM_OK) {
        ShowPortOpenError(host, link, MB_OK_ONLY | MB_ICON_ERROR);
        return false;
    }
    mainFlags.portOpen = true;
    return true;
}

bool CSearchUnit::SwitchSpeed() {
    busy = true;
    const TransactFunction transact = [this](std::string_view text, std::uint8_t* reply,
                                             std::size_t& length) {
        return SearchTransact(link, host, busy, text, reply, length);
    };
    const int result = SwitchGatewaySpeed(transact, link, comm.CurrentBaudIndex);
    busy = false;
    return result == COMM_OK;
}

int CSearchUnit::Exchange(const std::string& requestText, std::uint8_t* reply, std::size_t& length) {
    busy = true;
    length = 0;
    const int result = SearchTransact(link, host, busy, requestText, reply, length);
    busy = false;
    return result;
}

// A unit that answers the probe is listed, unless its slot count reply is malformed (a wrong byte
// count or length behind a valid CRC; the transaction has shown "Receive data error (PC)" with the
// cause): that is not a unit the tool can work with. A slot count read that gets no answer keeps the
// table's old value.
void CSearchUnit::TryUnit(int unitNo) {
    Label3.text = std::to_string(unitNo);
    Changed();
    const unsigned address = FIRST_UNIT_ADDRESS + static_cast<unsigned>(unitNo);
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    if (Exchange(Format("%02X%02X", address, REPORT_SLAVE_ID), reply.data(), length) != COMM_OK) return;
    slaveIdReplies[static_cast<std::size_t>(unitNo)].assign(reply.begin(), reply.begin() + (length - CRC_BYTES));
    const std::string readSlots = Format("%02X%02X%04X%04X", address, READ_HOLDING_REGISTERS,
                                         AXIS_SLOT_REGISTER, AXIS_SLOT_REGISTER_COUNT);
    if (Exchange(readSlots, reply.data(), length) == COMM_OK) {
        unitAxisSlots[static_cast<std::size_t>(unitNo)] = reply[AXIS_SLOT_REPLY_BYTE];
    } else if (IsMisfitReply(OutcomeOfReply(readSlots, reply.data(), length, link.Bps()).Reply().kind)) {
        return;
    }
    foundUnits.push_back(unitNo);
}

void CSearchUnit::ShowResult() {
    HideUnitLabels();
    if (!foundUnits.empty()) {
        cbUnitNoSel.enabled = true;
        cbUnitNoSel.grey = false;
        cbUnitNoSel.items.clear();
        for (int unitNo : foundUnits) cbUnitNoSel.items.push_back(std::to_string(unitNo));
        cbUnitNoSel.index = 0;
        Label1.text = SelectUnitText();
    } else {
        Label1.text = NoUnitText();
    }
    Button1.enabled = true;
    button1Focused = true;
    Changed();
}

void CSearchUnit::EndWithoutUnits() {
    Label1.text = NoUnitText();
    HideUnitLabels();
    Button1.enabled = true;
    Changed();
}

void CSearchUnit::HideUnitLabels() {
    Label2.enabled = false;
    Label2.visible = false;
    Label3.enabled = false;
    Label3.visible = false;
}

void CSearchUnit::Changed() {
    if (onChanged) onChanged();
}

SSearchUnitResult CSearchUnit::Button1Click() const {
    if (foundUnits.empty()) return {};
    const int index = cbUnitNoSel.index >= 0 && cbUnitNoSel.index < static_cast<int>(foundUnits.size())
                          ? cbUnitNoSel.index
                          : 0;
    const int unitNo = foundUnits[static_cast<std::size_t>(index)];
    return {true, unitNo, unitAxisSlots[static_cast<std::size_t>(unitNo)]};
}
