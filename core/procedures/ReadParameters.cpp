#include "core/procedures/ReadParameters.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/link/ExchangeCause.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/procedures/RegisterExchange.h"
#include "core/procedures/UnitServiceMenus.h"

namespace {

constexpr int MSG_READ_QUESTION = 1;
constexpr int MSG_READ_SUCCEEDED = 2;
constexpr int MSG_FIRMWARE_BEFORE_11 = 25;
constexpr int MSG_FIRMWARE_11 = 30;
constexpr int UI_PROGRAM_TITLE = 0;

bool IsKavelis(const CSession& s) {
    return s.program.SelectedGwType == GW_KAVELIS;
}

// The unit keeps a CC-Link station address in BCD: its hex digits read as a decimal number.
std::uint16_t BcdToPlain(std::uint16_t bcd) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02X", unsigned{bcd});
    return static_cast<std::uint16_t>(std::strtoul(digits, nullptr, 10));
}

// Words the unit reports as FFFFh ("not set") become the values the tool can show.
void NormalizeConfigBlock(ParameterImage& image) {
    auto& w = image.GwConfigBlock;
    if (w[DSZO] == 0xFFFF) w[DSZO] = 0;
    if (w[DSZI] == 0xFFFF) w[DSZI] = 0;
    if (w[DADR] == 0xFFFF && w[NTYP] != NTYP_ETHERCAT && w[NTYP] != NTYP_PIO) w[DADR] = 1;
    if (w[DBPS] == 0xFFFF) w[DBPS] = 0;
    if (w[FINX] == 0xFFFF || w[W4N] == 0xFFFF || w[W8N] == 0xFFFF) w[FINX] = w[W4N] = w[W8N] = 0;
}

std::uint32_t Long(const std::vector<std::uint16_t>& words, std::size_t first) {
    return (static_cast<std::uint32_t>(words[first]) << 16) | words[first + 1];
}

int ReadSlaveIdWord(CSession& s, ParameterImage& image) {
    std::vector<std::uint8_t> r;
    const int result = ReportSlaveId(s, r);
    if (result != COMM_OK) return result;
    image.SlaveIdWord =
        (std::uint32_t{r[3]} << 24) | (std::uint32_t{r[5]} << 16) | (std::uint32_t{r[6]} << 8) | r[7];
    return COMM_OK;
}

int ReadConfigBlock(CSession& s, ParameterImage& image) {
    std::vector<std::uint16_t> words;
    const int result = ReadHoldingRegisters(s, REG_GW_CONFIG, 16, words);
    if (result != COMM_OK) return result;
    std::copy(words.begin(), words.end(), image.GwConfigBlock.begin());
    if (IsCcLink(image.Word(NTYP))) image.Word(DADR) = BcdToPlain(image.Word(DADR));
    NormalizeConfigBlock(image);
    return COMM_OK;
}

int ReadUnitBlocks(CSession& s, ParameterImage& image) {
    std::vector<std::uint16_t> words;
    if (!IsKavelis(s)) {
        if (int r = ReadHoldingRegisters(s, REG_EXT_PARAM, 2, words); r != COMM_OK) return r;
        image.ExtParam1 = words[0];
        image.ExtParam2 = words[1];
        if (int r = ReadHoldingRegisters(s, REG_UNIT_BLOCK, 13, words); r != COMM_OK) return r;
        image.UnitNo = words[1];
        image.TopAxisNo = words[3];
        for (std::size_t i = 0; i < 3; ++i) image.NetAddress[i] = Long(words, 4 + 2 * i);
        image.MDRP = Long(words, 10);
    } else if (image.Word(GVER) >= 19) {
        if (int r = ReadHoldingRegisters(s, REG_KAV_NET_ADDRESS, 6, words); r != COMM_OK) return r;
        for (std::size_t i = 0; i < 3; ++i) image.NetAddress[i] = Long(words, 2 * i);
    }
    return COMM_OK;
}

int ReadAxisBlocks(CSession& s, ParameterImage& image) {
    std::vector<std::uint16_t> words;
    if (int r = ReadHoldingRegisters(s, REG_AXIS_MODE, 16, words); r != COMM_OK) return r;
    std::copy(words.begin(), words.end(), image.AxisMode.begin());
    if (!IsKavelis(s)) {
        if (int r = ReadHoldingRegisters(s, REG_AXIS_MIRROR, 8, words); r != COMM_OK) return r;
        std::copy(words.begin(), words.end(), image.AxisModeMirror.begin());
    }
    return COMM_OK;
}

int ReadInformationBlocks(CSession& s, ParameterImage& image) {
    std::vector<std::uint16_t> words;
    if (!IsKavelis(s) || image.Word(GVER) >= 8) {
        if (int r = ReadHoldingRegisters(s, REG_MODULE_INFO, 8, words); r != COMM_OK) return r;
        std::copy(words.begin(), words.end(), image.ModuleInfo.begin());
    }
    if (image.Word(NTYP) == NTYP_PROFINET_IO) {
        if (int r = ReadHoldingRegisters(s, REG_PROFINET_INFO, 24, words); r != COMM_OK) return r;
        for (std::size_t i = 0; i < image.ProfinetInfo.size(); ++i)
            image.ProfinetInfo[i] = Long(words, 2 * i);
    }
    return COMM_OK;
}

void ShowKavelisFirmwareNotes(CSession& s) {
    if (!IsKavelis(s)) return;
    const std::uint16_t version = s.image.Word(GVER);
    if (version < 11) {
        s.host.ShowMessageBox(MsgText[MSG_FIRMWARE_BEFORE_11], MB_ICON_INFORMATION);
    } else if (version == 11) {
        s.host.ShowMessageBox(MsgText[MSG_FIRMWARE_11], MB_ICON_INFORMATION);
    }
}

void TakeEtherNetIpState(CSession& s) {
    s.form.flags.etherIpModified = false;
    const bool etherNetIp = s.image.Word(NTYP) == NTYP_ETHERNET_IP;
    s.form.MenuEtherIp.enabled = etherNetIp;
    s.form.MenuEtherIp.visible = etherNetIp;
    if (etherNetIp) s.image.NetAddressSnapshot = s.image.NetAddress;
}

void FinishSuccessfulRead(CSession& s) {
    s.host.AdvanceProgress(50);
    s.host.ShowMessageBox(MsgText[MSG_READ_SUCCEEDED], MB_ICON_INFORMATION);
    AdoptReadParameters(s);
    ShowKavelisFirmwareNotes(s);
}

// The sequence after the window is locked and `commBusy` is set: 0 or the cause of the abort.
int RunRead(CSession& s) {
    if (int r = s.OpenPortIfClosed(); r != COMM_OK) return r;
    if (s.host.ShowMessageBox(MsgText[MSG_READ_QUESTION], MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT) !=
        ID_YES) {
        return COMM_FAILED;
    }
    s.form.caption = UiText[UI_PROGRAM_TITLE];
    if (int r = s.SwitchSpeed([&s] { s.host.AdvanceProgress(5); }); r != COMM_OK) return r;
    if (int r = ReadParameterBlocks(s, s.image); r != COMM_OK) return r;
    FinishSuccessfulRead(s);
    return COMM_OK;
}

void EndRead(CSession& s, bool clearBusy) {
    if (clearBusy) s.form.flags.commBusy = false;
    s.host.SetProgress(0);
    LockMainWindow(s, true);
    s.Refresh();
    s.focus = FocusTarget::Button2;
}

}  // namespace

int ReadParameterBlocks(CSession& s, ParameterImage& image) {
    if (!IsKavelis(s)) {
        if (int r = ReadSlaveIdWord(s, image); r != COMM_OK) return r;
    }
    if (int r = ReadConfigBlock(s, image); r != COMM_OK) return r;
    s.host.AdvanceProgress(30);
    if (int r = ReadUnitBlocks(s, image); r != COMM_OK) return r;
    if (int r = ReadAxisBlocks(s, image); r != COMM_OK) return r;
    s.host.AdvanceProgress(30);
    return ReadInformationBlocks(s, image);
}

void AdoptReadParameters(CSession& s) {
    s.form.setModified = false;
    s.form.flags.specialParamsModified = false;
    s.form.MenuSpecial1.enabled = true;
    s.image.GmodSnapshot = s.image.Word(GMOD);
    TakeEtherNetIpState(s);
    SetUnitServiceMenusAfterRead(s.form, s.program);
    s.image.RecountPending = true;
    if (s.form.flags.portOpen) s.form.MenuMoniter1.enabled = true;
}

int ReadParameters(CSession& session) {
    LockMainWindow(session, false);
    session.form.MenuMoniter1.enabled = false;
    if (session.form.flags.commBusy) {
        EndRead(session, false);
        return READ_REFUSED_BUSY;
    }
    session.form.flags.commBusy = true;
    const int result = RunRead(session);
    if (result == COMM_OPEN_FAILED) {
        ShowPortOpenError(session.host, session.link, MB_ICON_ERROR);
    }
    // The transaction leaves a busy answer to its caller without a word: a read the unit refused is
    // said, or the user would see the read end as if nothing had happened.
    if (result == COMM_BUSY) {
        session.host.ShowMessageBoxWithDetail(MsgText[MSG_DATA_READ_FAILURE], MB_OK_ONLY | MB_ICON_ERROR,
                                              BusyRefusalDetail());
    }
    if (result != COMM_OK) session.form.MenuMoniter1.enabled = false;
    EndRead(session, true);
    return result;
}
