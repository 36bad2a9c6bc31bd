#include "core/fleet/GatewayPoll.h"

#include <algorithm>
#include <vector>

#include "core/link/CommResult.h"
#include "core/monitors/AlarmList.h"
#include "core/monitors/DiagnosticCounters.h"
#include "core/params/edit/MenuOpening.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr std::uint16_t IDENTITY_WORDS = NTYP + 1;  // GSTS, GVER, F102h, NTYP

int ReadAlarms(CSession& session, SGatewayReadings& readings, WallClock::time_point now) {
    CAlarmList list(session);
    if (const int result = list.ReadList(); result != COMM_OK) return result;
    SAlarmSummary summary;
    summary.records = static_cast<int>(std::count_if(list.records.begin(), list.records.end(),
                                                     [](const SAlarmRecord& r) { return r.code != 0; }));
    summary.newestCode = list.records.front().code;
    summary.newestTime = list.records.front().seconds;
    readings.alarms = SStamped<SAlarmSummary>{summary, now};
    return COMM_OK;
}

int ReadCounters(CSession& session, SGatewayReadings& readings, WallClock::time_point now) {
    CDiagnosticCounters monitor(session);
    if (const int result = monitor.Timer1Timer(); result != COMM_OK) return result;
    SCounterReading reading;
    reading.scanTime = monitor.words.front();
    reading.counters.assign(monitor.words.begin() + 1, monitor.words.end());
    readings.counters = SStamped<SCounterReading>{reading, now};
    return COMM_OK;
}

int ReadHardware(CSession& session, SGatewayReadings& readings, WallClock::time_point now) {
    CHardwareMonitor monitor(session);
    if (const int result = monitor.Timer1Timer(); result != COMM_OK) return result;
    for (std::size_t i = 0; i < HardwareRows.size(); ++i) {
        const bool noReading = HardwareRows[i].scale == EHardwareScale::Tenths && monitor.words[i] == 0;
        if (!noReading) readings.hardware[i] = SStamped<std::uint16_t>{monitor.words[i], now};
    }
    return COMM_OK;
}

}  // namespace

bool OffersReading(GwType type, std::uint16_t firmware, EReadingKind kind) {
    switch (kind) {
        case EReadingKind::Alarms:
            return type != GW_KAVELIS;
        case EReadingKind::Counters:
            return type != GW_KAVELIS || firmware >= KAVELIS_GVER_DIAGNOSTICS;
        case EReadingKind::Hardware:
            break;
    }
    return (type & GW_VOSK_FAMILY_MASK) != 0;
}

int ReadUnitIdentity(CSession& session, SGatewayReadings& readings, WallClock::time_point now) {
    std::vector<std::uint16_t> words;
    if (const int result = ReadHoldingRegisters(session, REG_GW_CONFIG, IDENTITY_WORDS, words);
        result != COMM_OK)
        return result;
    const SUnitIdentity identity{words[GVER], words[NTYP]};
    session.image.Word(GVER) = identity.firmware;
    session.image.Word(NTYP) = identity.network;
    readings.identity = SStamped<SUnitIdentity>{identity, now};
    return COMM_OK;
}

int ReadKind(CSession& session, EReadingKind kind, SGatewayReadings& readings, WallClock::time_point now) {
    switch (kind) {
        case EReadingKind::Alarms:
            return ReadAlarms(session, readings, now);
        case EReadingKind::Counters:
            return ReadCounters(session, readings, now);
        case EReadingKind::Hardware:
            break;
    }
    return ReadHardware(session, readings, now);
}
