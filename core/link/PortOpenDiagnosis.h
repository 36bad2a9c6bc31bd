#pragma once
// Why a serial port could not be opened, found by looking at the system after the failure: whether the
// device exists, is a terminal, may be used by this user, or is held by another process. It only reads
// the system; the link itself reports the failure as COMM_OPEN_FAILED.
#include <string>
#include <vector>

#include "core/app/HostServices.h"

class CCommUnit;

// What the system says about a device.
struct SPortFacts {
    std::string devicePath;
    bool exists = false;
    bool terminal = true;    // false: a file, a folder or a device that is no terminal
    bool accessible = true;  // false: this user may not read and write it
    std::string group;       // the group that owns the device
    std::string user;        // this user's name
    bool inGroup = false;    // this user is a member of that group already
    unsigned mode = 0;       // the device's permission bits (0660)
    struct SHolder {
        int pid;
        std::string name;
    };
    std::vector<SHolder> holders;  // processes (of those this user may see) holding the device open
};

// Gathers the facts from the file system, sysfs (`sysRoot`) and the process table (`procRoot`).
SPortFacts GatherPortFacts(const std::string& devicePath, const std::string& procRoot = "/proc",
                           const std::string& sysRoot = "/sys");

// Why this user may not use the device and what helps: join the device's group, or, for a member of
// it whose device gives the group no access, a udev rule or the owner.
std::string PermissionDetail(const SPortFacts& facts);

// The detail lines for COM `portNum`: the device path, then the first reason the facts show.
// `linkReason` (what the link said) is the reason when the facts show none.
std::string PortOpenDetail(int portNum, const SPortFacts& facts, const std::string& linkReason = {});

// The detail for the port the link last failed to open.
std::string DiagnosePortOpenFailure(const CCommUnit& link);

// "Communication port open error" with the diagnosis of the port the link last tried to open.
void ShowPortOpenError(HostServices& host, const CCommUnit& link, unsigned style);
