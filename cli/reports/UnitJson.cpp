#include "cli/reports/UnitJson.h"

CliJson UnitJson(GwType type, std::uint8_t slaveAddress, int unitNo, int axisSlots) {
    if ((type & GW_UNIT_NUMBERED_MASK) == 0) return {{"slave_address", slaveAddress}};
    return {{"unit_number", unitNo}, {"slave_address", slaveAddress}, {"axis_slots", axisSlots}};
}

CliJson UnitJson(const CSession& session, const SUnitChoice& unit) {
    return UnitJson(session.program.SelectedGwType, session.program.GwSlaveAddress, unit.unitNo,
                    unit.axisSlots);
}
