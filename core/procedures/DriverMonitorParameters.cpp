#include "core/procedures/DriverMonitorParameters.h"

#include <optional>
#include <string>
#include <vector>

#include "core/app/StartupRules.h"
#include "core/app/texts/MsgText.h"
#include "core/link/CommResult.h"
#include "core/link/PortOpenDiagnosis.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr int MSG_WRITE_SUCCEEDED = 9;
constexpr int MSG_RESTART_QUESTION = 14;
constexpr int MSG_AUTO_MODE_WARNING = 16;
constexpr int MSG_AUTO_MODE_REMINDER = 43;
constexpr int MSG_WRITE_FAILURE = 67;

constexpr int MODE_READINGS = 4;
constexpr std::uint16_t GSTS_MANU_MODE = 0x8000;
constexpr int RESTART_WAIT_MS = 3000;
constexpr std::uint16_t UNIT_NUMBER_WORDS = 2;  // F200h..F201h, the number in the low word

// Opens the port when it is closed and brings the unit to the configured speed.
int PrepareLink(CSession& s) {
    if (s.OpenPortIfClosed() != COMM_OK) return DRIVER_PORT_OPEN_FAILED;
    if (s.SwitchSpeed() != COMM_OK) return DRIVER_EXCHANGE_FAILED;
    return COMM_OK;
}

int ReadAll(CSession& s, DriverRegisters& registers) {
    if (int r = PrepareLink(s); r != COMM_OK) return r;
    std::vector<std::uint16_t> words;
    if (ReadHoldingRegisters(s, REG_DRIVER_PARAMS, DRIVER_PARAM_REGISTERS, words) != COMM_OK) {
        return DRIVER_EXCHANGE_FAILED;
    }
    std::copy(words.begin(), words.end(), registers.begin());
    return COMM_OK;
}

// The unit must be in MANU mode: up to four readings, a reminder after each of the first three.
int AwaitManuMode(CSession& s) {
    for (int reading = 1; reading <= MODE_READINGS; ++reading) {
        std::vector<std::uint16_t> status;
        if (ReadHoldingRegisters(s, REG_GW_CONFIG, 1, status) != COMM_OK) return DRIVER_EXCHANGE_FAILED;
        if (status[0] & GSTS_MANU_MODE) return COMM_OK;
        if (reading < MODE_READINGS)
            s.host.ShowMessageBox(MsgText[MSG_AUTO_MODE_REMINDER], MB_ICON_INFORMATION);
    }
    return DRIVER_UNIT_IN_AUTO_MODE;
}

// A unit that answers "busy" to the write is in AUTO mode after all.
int ExchangeCodeOf(int result) {
    if (result == COMM_OK) return COMM_OK;
    return result == COMM_BUSY ? DRIVER_UNIT_IN_AUTO_MODE : DRIVER_EXCHANGE_FAILED;
}

bool RestartWanted(CSession& s) {
    const std::string question =
        std::string(MsgText[MSG_WRITE_SUCCEEDED]) + "\r\n" + std::string(MsgText[MSG_RESTART_QUESTION]);
    return s.host.ShowMessageBox(question, MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT) == ID_YES;
}

// The slave address the unit answers at after a restart: that of the unit number it holds now. A
// number written earlier without a restart counts, whatever the window's set says.
std::optional<std::uint8_t> AddressAfterRestart(CSession& s) {
    const GwType type = s.program.SelectedGwType;
    if ((type & GW_UNIT_NUMBERED_MASK) == 0) return s.program.GwSlaveAddress;
    std::vector<std::uint16_t> words;
    if (ReadHoldingRegisters(s, REG_UNIT_BLOCK, UNIT_NUMBER_WORDS, words) != COMM_OK) return std::nullopt;
    return GwSlaveAddressOf(type, words[1] & 0xFF);
}

int WriteAll(CSession& s, const DriverRegisters& registers, SDriverWriteResult& result) {
    if (int r = PrepareLink(s); r != COMM_OK) return r;
    if (int r = AwaitManuMode(s); r != COMM_OK) return r;
    const std::uint8_t slave = s.program.GwSlaveAddress;
    if (int r = ExchangeCodeOf(SendWrite(s, WriteWordsText(slave, REG_DRIVER_PARAMS, registers)));
        r != COMM_OK) {
        return r;
    }
    result.written = true;
    if (!RestartWanted(s)) return COMM_OK;
    const std::optional<std::uint8_t> address = AddressAfterRestart(s);
    if (!address) return DRIVER_EXCHANGE_FAILED;
    if (SendWrite(s, RegisterRequestText(slave, FN_WRITE_COIL, COIL_RESTART, COIL_ON)) != COMM_OK) {
        return DRIVER_EXCHANGE_FAILED;
    }
    s.WaitPumping(RESTART_WAIT_MS);
    s.program.GwSlaveAddress = *address;
    if (int r = PrepareLink(s); r != COMM_OK) return r;
    result.restarted = true;
    return COMM_OK;
}

void ShowFailure(CSession& s, int code, int exchangeFailureMessage) {
    if (code == DRIVER_PORT_OPEN_FAILED) {
        ShowPortOpenError(s.host, s.link, MB_ICON_ERROR);
    } else if (code == DRIVER_UNIT_IN_AUTO_MODE) {
        s.host.ShowMessageBox(MsgText[MSG_AUTO_MODE_WARNING], MB_ICON_WARNING);
    } else if (code == DRIVER_EXCHANGE_FAILED) {
        s.host.ShowMessageBox(MsgText[static_cast<std::size_t>(exchangeFailureMessage)], MB_ICON_ERROR);
    }
}

}  // namespace

int ReadDriverParameters(CSession& session, DriverRegisters& registers) {
    int code = DRIVER_EXCHANGE_FAILED;
    if (!session.form.flags.commBusy) {
        session.form.flags.commBusy = true;
        code = ReadAll(session, registers);
        session.form.flags.commBusy = false;
    }
    ShowFailure(session, code, MSG_DATA_READ_FAILURE);
    return code;
}

SDriverWriteResult WriteDriverParameters(CSession& session, const DriverRegisters& registers) {
    SDriverWriteResult result;
    result.code = DRIVER_EXCHANGE_FAILED;
    if (!session.form.flags.commBusy) {
        session.form.flags.commBusy = true;
        result.code = WriteAll(session, registers, result);
        session.form.flags.commBusy = false;
    }
    ShowFailure(session, result.code, MSG_WRITE_FAILURE);
    return result;
}
