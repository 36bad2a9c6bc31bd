#include "core/procedures/UnitAddressClash.h"

#include <array>
#include <cstdio>

#include "core/app/GwType.h"
#include "core/app/StartupRules.h"
#include "core/app/texts/ToolQuestionText.h"
#include "core/link/ModbusTransaction.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr int UNIT_NUMBERS = 2;  // unit numbers 0 and 1

}  // namespace

std::optional<int> UnitAnsweringAtNewAddress(CSession& session) {
    if ((session.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0) return {};
    const int newUnitNo = session.image.UnitNo;
    if (newUnitNo < 0 || newUnitNo >= UNIT_NUMBERS) return {};
    const unsigned newAddress = GwSlaveAddressOf(session.program.SelectedGwType, newUnitNo);
    if (newAddress == session.program.GwSlaveAddress) return {};
    char request[8];
    std::snprintf(request, sizeof request, "%02X%02X", newAddress, unsigned{FN_REPORT_SLAVE_ID});
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    bool probing = true;  // the probe's own busy flag: a silent address is the good case, not a failure
    if (Transact(SEARCH_TRANSACT, session.link, session.host, probing, request, reply.data(), length) !=
        COMM_OK)
        return {};
    return newUnitNo;
}

bool WriteDespiteUnitAtNewAddress(CSession& session) {
    const std::optional<int> unitNo = UnitAnsweringAtNewAddress(session);
    if (!unitNo) return true;
    std::array<char, 160> detail{};
    std::snprintf(detail.data(), detail.size(), ToolQuestionText::UNIT_ADDRESS_TAKEN_DETAIL.data(), *unitNo,
                  *unitNo, unsigned{GwSlaveAddressOf(session.program.SelectedGwType, *unitNo)});
    constexpr unsigned style = MB_YES_NO | MB_ICON_WARNING | MB_SECOND_DEFAULT;
    return session.host.ShowMessageBoxWithDetail(ToolQuestionText::UNIT_ADDRESS_TAKEN, style, detail.data()) ==
           ID_YES;
}
