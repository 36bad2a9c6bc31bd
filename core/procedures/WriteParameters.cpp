#include "core/procedures/WriteParameters.h"

#include <array>
#include <vector>

#include "core/advanced/ParaAndPioState.h"
#include "core/app/StartupRules.h"
#include "core/app/texts/DetailText.h"
#include "core/app/texts/MsgText.h"
#include "core/link/CommResult.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/params/image/AxisModeTable.h"
#include "core/params/image/IoBytes.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/RegisterExchange.h"
#include "core/procedures/UnitAddressClash.h"
#include "core/procedures/UnitServiceMenus.h"
#include "core/procedures/WriteFailureMessages.h"

namespace {

constexpr int MSG_WRITE_QUESTION = 7;
constexpr int MSG_WRITE_SUCCEEDED = 9;
constexpr int MSG_RESTART_QUESTION = 14;
constexpr int MSG_DIFFERENT_NETWORK_QUESTION = 24;
constexpr int MSG_DIFFERENT_NETWORK_REFUSED = 27;
constexpr int MSG_AUTO_MODE_REMINDER = 43;
constexpr int MSG_LATCH_IN_ERR_TC = 44;
constexpr int MSG_LATCH_AFTER_SERVO_OFF = 46;
constexpr int MSG_TRANSMISSION_ABORTED = 76;

constexpr unsigned QUESTION_NO_DEFAULT = MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT;
constexpr unsigned WARNING_QUESTION_NO_DEFAULT = MB_YES_NO | MB_ICON_WARNING | MB_SECOND_DEFAULT;

constexpr int MANU_CHECK_ROUNDS = 3;
constexpr std::uint16_t GSTS_MANU_MODE = 0x8000;
constexpr int WRITE_PAUSE_MS = 100;
constexpr int RESTART_WAIT_KAVELIS_MS = 500;
constexpr int RESTART_WAIT_OTHERS_MS = 2500;

// GMOD bits the KAVELIS firmware checks look at.
constexpr std::uint16_t GMOD_UNIT_VELOCITY = 1u << 4;
constexpr std::uint16_t GMOD_SERVO_SWITCH_BITS = (1u << 2) | (1u << 3);
constexpr std::uint16_t GMOD_RETRY_COUNT_MASK = 0x0700;  // bits 8..10
constexpr std::uint16_t GMOD_RETRY_COUNT_ONE = 0x0100;

// Raised to end the procedure with a code; `keepBusy` for the aborts before this write took `commBusy`.
struct SAbort {
    int code;
    bool keepBusy = false;
};

bool IsKavelis(const CSession& s) { return s.program.SelectedGwType == GW_KAVELIS; }

bool IsSolenoidCode(std::uint16_t word) {
    const std::uint16_t code = word & AXIS_MODE_MASK;
    return word != AXIS_NO_SLOT && (code == MODE_SOL1 || code == MODE_SOL2);
}

// How many of the register blocks of this write the unit took, and how many there are.
struct SBlockCount {
    int sent = 0;
    int total = 0;
};

// The register blocks a write sends to a unit of this type and firmware version.
int RegisterBlocksOf(const CSession& s, std::uint16_t unitVersion) {
    if (!IsKavelis(s)) return 6;       // F103h, F10Eh, F380h, F200h, F110h, F280h
    return unitVersion >= 19 ? 4 : 3;  // F103h, F10Eh, (F120h,) F110h
}

// A write whose transaction failed ends with 4095 when the unit answered busy, silently otherwise.
void Send(CSession& s, SBlockCount& blocks, const std::string& request) {
    const int result = SendWrite(s, request);
    if (result == COMM_BUSY) throw SAbort{WRITE_UNIT_IN_AUTO_MODE};
    if (result != COMM_OK) throw SAbort{WRITE_ABORTED_SILENTLY};
    ++blocks.sent;
}

// An axis write: any failure ends silently.
void SendAxisWords(CSession& s, SBlockCount& blocks, std::uint16_t firstReg,
                   std::span<const std::uint16_t> words) {
    if (SendWrite(s, WriteWordsText(s.program.GwSlaveAddress, firstReg, words)) != COMM_OK) {
        throw SAbort{WRITE_ABORTED_SILENTLY};
    }
    ++blocks.sent;
}

std::vector<std::uint16_t> Read(CSession& s, std::uint16_t firstReg, std::uint16_t count) {
    std::vector<std::uint16_t> words;
    if (ReadHoldingRegisters(s, firstReg, count, words) != COMM_OK) throw SAbort{WRITE_ABORTED_SILENTLY};
    return words;
}

void CheckAndPrepare(CSession& s) {
    if (CheckCompleteness(s.image, s.form, s.program) != 0) throw SAbort{VALIDATION_OMISSION};
    if (const int code = PrepareAndValidate(s.image, s.form, s.program); code != 0) throw SAbort{code};
}

void ConnectAtConfiguredSpeed(CSession& s) {
    if (s.OpenPortIfClosed() != COMM_OK) throw SAbort{WRITE_PORT_OPEN_FAILED};
    if (s.SwitchSpeed() != COMM_OK) throw SAbort{WRITE_ABORTED_SILENTLY};
    s.host.AdvanceProgress(10);
}

// Up to three rounds; after the third reminder the write goes on and the unit refuses it itself.
void RemindUntilManuMode(CSession& s) {
    for (int round = 0; round < MANU_CHECK_ROUNDS; ++round) {
        if (Read(s, REG_GW_CONFIG, 1)[0] & GSTS_MANU_MODE) return;
        s.host.ShowMessageBox(MsgText[MSG_AUTO_MODE_REMINDER], MB_ICON_INFORMATION);
    }
}

void CheckKavelis2WSupport(const CSession& s, std::uint16_t unitVersion) {
    if (!IsKavelis2WArrangement(s.image.AxisMode[0])) return;
    if (unitVersion < 11) throw SAbort{WRITE_KAVELIS_NO_2W_RSV};
    if (unitVersion == 11) {
        for (const std::uint16_t word : s.image.AxisMode) {
            if (IsSolenoidCode(word)) throw SAbort{WRITE_KAVELIS_NO_SOLENOID};
        }
    }
}

void CheckKavelisModeBits(CSession& s, std::uint16_t unitVersion) {
    const std::uint16_t gmod = s.image.Word(GMOD);
    const std::uint16_t imageVersion = s.image.Word(GVER);
    if (gmod & GMOD_UNIT_VELOCITY) {
        if (unitVersion < 12) throw SAbort{WRITE_KAVELIS_NO_UNIT_VELOCITY};
        return;
    }
    if (!(gmod & GMOD_SERVO_SWITCH_BITS)) return;
    if (unitVersion < 12) throw SAbort{WRITE_KAVELIS_NO_SERVO_SWITCH};
    if (unitVersion < 14 && imageVersion == 0) {
        s.host.ShowMessageBox(MsgText[MSG_LATCH_IN_ERR_TC], MB_ICON_WARNING);
    } else if (unitVersion >= 14 && (imageVersion == 12 || imageVersion == 13)) {
        s.host.ShowMessageBox(MsgText[MSG_LATCH_AFTER_SERVO_OFF], MB_ICON_WARNING);
    }
}

// The retry count (GMOD bits 8..10): older units know only "off"; a value of 1 is silently taken back,
// and a newer unit gets 1 when the image came from a file made without a unit.
void AdjustKavelisRetryCount(CSession& s, std::uint16_t unitVersion) {
    std::uint16_t& gmod = s.image.Word(GMOD);
    const std::uint16_t retry = gmod & GMOD_RETRY_COUNT_MASK;
    if (unitVersion < 14) {
        if (retry == GMOD_RETRY_COUNT_ONE) {
            gmod = static_cast<std::uint16_t>(gmod & ~GMOD_RETRY_COUNT_MASK);
        } else if (retry != 0) {
            throw SAbort{WRITE_KAVELIS_NO_RETRY_COUNT};
        }
    } else if (s.image.Word(GVER) == 0 && retry == 0) {
        gmod = static_cast<std::uint16_t>(gmod | GMOD_RETRY_COUNT_ONE);
    }
}

void CheckKavelisReservedAxes(const CSession& s, std::uint16_t unitVersion) {
    if (unitVersion >= 11) return;
    for (const std::uint16_t word : s.image.AxisMode) {
        if (word != AXIS_NO_SLOT && (word & AXIS_RSV_BIT)) throw SAbort{WRITE_KAVELIS_NO_2W_RSV};
    }
}

void CheckKavelisFirmware(CSession& s, std::uint16_t unitVersion) {
    CheckKavelis2WSupport(s, unitVersion);
    CheckKavelisModeBits(s, unitVersion);
    AdjustKavelisRetryCount(s, unitVersion);
    CheckKavelisReservedAxes(s, unitVersion);
}

void CheckNetworkType(CSession& s, std::uint16_t unitNetwork) {
    const std::uint16_t imageNetwork = s.image.Word(NTYP);
    // A unit may report CC-Link as 0090h, FF90h or FF91h: all three are the same network.
    const bool bothCcLink = IsCcLink(unitNetwork) && IsCcLink(imageNetwork);
    if (unitNetwork == imageNetwork || bothCcLink) return;
    if (s.program.ExtendedMode()) {
        if (s.host.ShowMessageBox(MsgText[MSG_DIFFERENT_NETWORK_QUESTION], WARNING_QUESTION_NO_DEFAULT) != ID_YES) {
            throw SAbort{WRITE_ABORTED_SILENTLY};
        }
        return;
    }
    s.host.ShowMessageBox(MsgText[MSG_DIFFERENT_NETWORK_REFUSED], MB_ICON_ERROR);
    throw SAbort{WRITE_ABORTED_SILENTLY};
}

// F103h..F10Bh; a CC-Link station address goes out as its decimal digits (BCD).
std::string ConfigWordsRequest(const CSession& s) {
    const auto& w = s.image.GwConfigBlock;
    std::array<std::uint16_t, 9> words{w[NTYP], w[NMOD], w[DSZO], w[DSZI], w[DADR], w[DBPS], w[FINX], w[W4N], w[W8N]};
    if (IsCcLink(w[NTYP])) {
        const unsigned plain = w[DADR];
        words[4] = static_cast<std::uint16_t>(((plain / 1000) % 10) << 12 | ((plain / 100) % 10) << 8 |
                                              ((plain / 10) % 10) << 4 | (plain % 10));
    }
    return WriteWordsText(s.program.GwSlaveAddress, REG_GW_CONFIG + NTYP, words);
}

void WriteUnitBlocks(CSession& s, SBlockCount& blocks, std::uint16_t unitVersion) {
    const std::uint8_t slave = s.program.GwSlaveAddress;
    const auto& net = s.image.NetAddress;
    if (!IsKavelis(s)) {
        s.WaitPumping(WRITE_PAUSE_MS);
        const std::array<std::uint16_t, 2> ext{s.image.ExtParam1, s.image.ExtParam2};
        Send(s, blocks, WriteWordsText(slave, REG_EXT_PARAM, ext));
        s.WaitPumping(WRITE_PAUSE_MS);
        const std::array<std::uint32_t, 6> unit{s.image.UnitNo, s.image.TopAxisNo, net[0], net[1], net[2],
                                                s.image.MDRP};
        Send(s, blocks, WriteLongsText(slave, REG_UNIT_BLOCK, unit));
    } else if (unitVersion >= 19) {
        Send(s, blocks, WriteLongsText(slave, REG_KAV_NET_ADDRESS, net));
    }
}

void WriteRegisterBlocks(CSession& s, SBlockCount& blocks, std::uint16_t unitVersion) {
    const std::uint8_t slave = s.program.GwSlaveAddress;
    blocks.total = RegisterBlocksOf(s, unitVersion);
    Send(s, blocks, ConfigWordsRequest(s));
    s.host.AdvanceProgress(30);
    const std::array<std::uint16_t, 2> tpAndMode{s.image.Word(TBPS), s.image.Word(GMOD)};
    Send(s, blocks, WriteWordsText(slave, REG_GW_CONFIG + TBPS, tpAndMode));
    WriteUnitBlocks(s, blocks, unitVersion);
    s.host.AdvanceProgress(20);
    SendAxisWords(s, blocks, REG_AXIS_MODE, s.image.AxisMode);
    if (!IsKavelis(s)) {
        SendAxisWords(s, blocks, REG_AXIS_MIRROR, std::span<const std::uint16_t>(s.image.AxisMode).first(8));
    }
    s.host.AdvanceProgress(30);
}

void RestartUnit(CSession& s) {
    if (SendWrite(s, RegisterRequestText(s.program.GwSlaveAddress, FN_WRITE_COIL, COIL_RESTART, COIL_ON)) !=
        COMM_OK) {
        throw SAbort{WRITE_ABORTED_SILENTLY};
    }
    if (s.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) {
        s.program.GwSlaveAddress = GwSlaveAddressOf(s.program.SelectedGwType, s.image.UnitNo);
    }
    // A restarted unit starts at its default speed: the read-back switches the speed again.
    s.speedEstablished = false;
    s.host.AdvanceProgress(100);
    s.WaitPumping(IsKavelis(s) ? RESTART_WAIT_KAVELIS_MS : RESTART_WAIT_OTHERS_MS);
    s.form.flags.commBusy = false;
    s.host.SetProgress(0);
}

void ShowPioPatternReminder(CSession& s) {
    if (PioPatternShownAfterWrite(s.program.SelectedGwType, s.program.Comm.ToolFlags) && s.showPioPattern) {
        s.showPioPattern();
    }
}

void TakeStateAfterRestart(CSession& s) {
    s.form.flags.specialParamsModified = false;
    s.form.flags.unitNoModified = false;
    s.image.GmodSnapshot = s.image.Word(GMOD);
    s.form.flags.etherIpModified = false;
    const bool etherNetIp = s.image.Word(NTYP) == NTYP_ETHERNET_IP;
    s.form.MenuEtherIp.enabled = etherNetIp;
    if (etherNetIp) s.image.NetAddressSnapshot = s.image.NetAddress;
    SetUnitServiceMenusAfterWrite(s.form, s.program);
}

// The procedure from the completeness check to the read-back.
void RunWrite(CSession& s, SWriteResult& result, SBlockCount& blocks) {
    CheckAndPrepare(s);
    ConnectAtConfiguredSpeed(s);
    RemindUntilManuMode(s);
    const std::vector<std::uint16_t> unit = Read(s, REG_GW_CONFIG, 4);
    const std::uint16_t unitVersion = unit[GVER];
    if (IsKavelis(s)) CheckKavelisFirmware(s, unitVersion);
    s.host.AdvanceProgress(10);
    CheckNetworkType(s, unit[NTYP]);
    if (!WriteDespiteUnitAtNewAddress(s)) throw SAbort{WRITE_ABORTED_SILENTLY};
    WriteRegisterBlocks(s, blocks, unitVersion);
    result.transmitted = true;
    s.form.setModified = false;
    s.host.ShowMessageBox(MsgText[MSG_WRITE_SUCCEEDED], MB_ICON_INFORMATION);
    s.host.SetProgress(0);
    if (s.host.ShowMessageBox(MsgText[MSG_RESTART_QUESTION], QUESTION_NO_DEFAULT) != ID_YES) {
        throw SAbort{WRITE_ABORTED_SILENTLY};
    }
    RestartUnit(s);
    result.restarted = true;
    result.readBack = ReadParameters(s) == COMM_OK;
    ShowPioPatternReminder(s);
    TakeStateAfterRestart(s);
}

void EndWrite(CSession& s, bool clearBusy) {
    s.host.SetProgress(0);
    if (clearBusy) s.form.flags.commBusy = false;
    LockMainWindow(s, true);
    s.Refresh();
    s.focus = FocusTarget::Button3;
}

bool ConfirmWrite(CSession& s) {
    const auto& f = s.form.flags;
    if (f.specialParamsModified || f.unitNoModified || f.etherIpModified) return true;
    return s.host.ShowMessageBox(MsgText[MSG_WRITE_QUESTION], QUESTION_NO_DEFAULT) == ID_YES;
}

// "<sent> of <total> register blocks reached the unit: ...".
std::string MixedSetDetail(const SBlockCount& blocks) {
    return std::to_string(blocks.sent) + " of " + std::to_string(blocks.total) +
           std::string(DetailText::MIXED_SET);
}

// The abort's message; when the unit took some of the blocks but not all, the user also learns that it
// now holds a mixed set, on the abort's own box or on "Transmission is aborted.".
void ShowAbort(CSession& s, int code, bool mixedSet, const SBlockCount& blocks) {
    const std::string detail = mixedSet ? MixedSetDetail(blocks) : std::string();
    if (code == COMM_OPEN_FAILED) {
        ShowPortOpenError(s.host, s.link, MB_ICON_ERROR);
    } else if (const auto message = WriteFailureMessageOf(code)) {
        s.host.ShowMessageBoxWithDetail(message->text, message->style, detail);
        return;
    }
    if (mixedSet) s.host.ShowMessageBoxWithDetail(MsgText[MSG_TRANSMISSION_ABORTED], MB_ICON_WARNING, detail);
}

}  // namespace

SWriteResult WriteParameters(CSession& session) {
    SWriteResult result;
    SBlockCount blocks;
    LockMainWindow(session, false);
    try {
        // A declined question leaves `commBusy` alone: this write has not taken it yet.
        if (!ConfirmWrite(session)) throw SAbort{WRITE_ABORTED_SILENTLY, true};
        session.form.MenuMoniter1.enabled = false;
        if (session.form.flags.commBusy) throw SAbort{WRITE_ABORTED_SILENTLY, true};
        session.form.flags.commBusy = true;
        RunWrite(session, result, blocks);
        EndWrite(session, true);
    } catch (const SAbort& abort) {
        result.mixedSet = blocks.sent > 0 && !result.transmitted;
        ShowAbort(session, abort.code, result.mixedSet, blocks);
        EndWrite(session, !abort.keepBusy);
        result.code = abort.code;
    }
    return result;
}
