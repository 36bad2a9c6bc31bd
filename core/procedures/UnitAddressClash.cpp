#include "cli/UnitAddressClash.h"

#include <array>
#include <cstdio>

#include "core/app/GwType.h"
#include "core/link/ModbusTransaction.h"
#include "core/service/SearchUnit.h"

namespace {

constexpr unsigned FN_REPORT_SLAVE_ID = 0x11;

}  // namespace

std::optional<int> UnitAnsweringAtNewAddress(CSession& session, int writtenUnitNo) {
    if ((session.program.SelectedGwType & GW_UNIT_NUMBERED_MASK) == 0) return {};
    const int newUnitNo = session.image.UnitNo;
    if (newUnitNo == writtenUnitNo || newUnitNo < 0 || newUnitNo >= SEARCHED_UNIT_COUNT) return {};
    char request[8];
    std::snprintf(request, sizeof request, "%02X%02X", FIRST_UNIT_ADDRESS + static_cast<unsigned>(newUnitNo),
                  FN_REPORT_SLAVE_ID);
    std::array<std::uint8_t, RX_BUFFER_SIZE> reply{};
    std::size_t length = 0;
    bool probing = true;  // the probe's own busy flag: a silent address is the good case, not a failure
    if (Transact(SEARCH_TRANSACT, session.link, session.host, probing, request, reply.data(), length) !=
        COMM_OK)
        return {};
    return newUnitNo;
}
