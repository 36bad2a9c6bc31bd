#pragma once
// The connection check: why the unit does (not) answer, found step by step without changing anything on
// the unit. It looks at the device (for a port on a serial device server: the server's name and a TCP
// connection to it), opens it, sends the read-only Report Slave ID to the type's addresses at the
// configured speed and, when nothing at all came back and the speed can be set, listens at the other
// speeds. The first step that explains a failure ends the check with its verdict.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/app/GwType.h"
#include "core/diagnosis/ConnectionVerdict.h"
#include "core/link/CommUnit.h"

struct SConnectionCheckStep {
    std::string step;    // "device" (or "server"), "open", "line", "other speeds"
    std::string result;  // "running", "ok" or "failed"
    std::string detail;  // what the step found, one line per finding
};

struct SConnectionCheckResult {
    EConnectionVerdict verdict = EConnectionVerdict::Ok;
    std::vector<SConnectionCheckStep> steps;
    bool finished = false;
    int answeringBps = 0;           // other-speed: the speed the unit answers at
    bool groupLacksAccess = false;  // permission: the user is in the device's group, which has no access
};

struct SConnectionCheckSetup {
    GwType type = GW_NONE;
    int portNum = 0;
    int baudIndex = 0;
    std::map<int, std::string> ports;  // the settings file's [Ports] mapping, and the run's own
    int portMappedForRun = 0;          // a COM number mapped for this run only, not in the settings file
    std::uint32_t responseTimeoutMs = DEFAULT_RESPONSE_TIMEOUT_MS;
    // Listening at the other speeds: a unit answers a Report Slave ID at once, so a shorter wait serves.
    std::uint32_t scanTimeoutMs = 1000;
    // The caller has just seen nothing at all come back at the configured speed: the check looks at the
    // device and the opening, then listens at the other speeds only.
    bool onlyOtherSpeeds = false;
    std::string procRoot = "/proc";
    std::string sysRoot = "/sys";
    std::string devRoot = "/dev";
};

// Called whenever a step starts, learns something or ends: the result so far.
using ConnectionCheckObserver = std::function<void(const SConnectionCheckResult&)>;

// Runs the check on `link`, which must be closed; the link is closed again at the end, at its former
// response time-out. Waits pump the events of the host the link was made with.
SConnectionCheckResult RunConnectionCheck(const SConnectionCheckSetup& setup, CCommUnit& link,
                                          const ConnectionCheckObserver& observer = {});

// The Report Slave ID addresses of a type: 3Fh for KAVELIS, D0h for NUB3 GW, D0h and D1h otherwise.
std::vector<std::uint8_t> CheckedAddresses(GwType type);

// The verdict's explanation and fix.
std::string ConnectionCheckFix(const SConnectionCheckResult& result);
