#include "core/link/PortOpenDiagnosis.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/DetailText.h"
#include "core/link/CommUnit.h"
#include "core/link/PortAddress.h"

namespace fs = std::filesystem;

namespace {

std::string FirstLineOf(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A character device is a terminal unless sysfs files it under another subsystem (/dev/null is
// "mem"); pseudo-terminals have no sysfs entry and count as terminals.
bool IsTerminalDevice(const struct stat& st, const std::string& sysRoot) {
    if (!S_ISCHR(st.st_mode)) return false;
    const fs::path entry = fs::path(sysRoot) / "dev" / "char" /
                           (std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev)));
    std::error_code ec;
    const fs::path subsystem = fs::read_symlink(entry / "subsystem", ec);
    return ec || subsystem.filename() == "tty";
}

std::string GroupName(gid_t gid) {
    const struct group* entry = ::getgrgid(gid);
    return entry != nullptr ? entry->gr_name : std::to_string(gid);
}

bool InGroup(gid_t gid) {
    if (::getegid() == gid) return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(got, 0), gid) != groups.begin() + std::max(got, 0);
}

std::string ModeText(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode);
    return text;
}

std::string UserName() {
    const struct passwd* entry = ::getpwuid(::geteuid());
    return entry != nullptr ? entry->pw_name : std::to_string(::geteuid());
}

// The index of a pseudo-terminal's device (/dev/pts/N), -1 for any other device.
int PtyIndexOf(const fs::path& device) {
    if (device.parent_path() != "/dev/pts") return -1;
    const std::string name = device.filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(name);
}

// Whether the descriptor is the master side of pseudo-terminal `index` (fdinfo names its tty-index).
bool IsPtyMasterOf(const fs::path& fdinfo, int index) {
    std::ifstream in(fdinfo);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("tty-index:", 0) == 0) return std::stoi(line.substr(line.find(':') + 1)) == index;
    }
    return false;
}

struct SProcessUse {
    bool holdsDevice = false;
    bool holdsOtherEnd = false;  // the master side of the pseudo-terminal: the program at the other end
};

SProcessUse UseOf(const fs::path& process, const fs::path& device, int ptyIndex) {
    SProcessUse use;
    std::error_code fdError;
    for (const fs::directory_entry& fd : fs::directory_iterator(process / "fd", fdError)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(fd.path(), linkError);
        if (linkError) continue;
        if (target == device) use.holdsDevice = true;
        if (ptyIndex >= 0 && target.filename() == "ptmx" &&
            IsPtyMasterOf(process / "fdinfo" / fd.path().filename(), ptyIndex))
            use.holdsOtherEnd = true;
    }
    return use;
}

// The processes holding the device open; the program at the other end of a pseudo-terminal does not
// hold the port, even when it keeps the device open as well.
std::vector<SPortFacts::SHolder> HoldersOf(const fs::path& device, const std::string& procRoot) {
    std::vector<SPortFacts::SHolder> holders;
    const int ptyIndex = PtyIndexOf(device);
    std::error_code ec;
    for (const fs::directory_entry& process : fs::directory_iterator(procRoot, ec)) {
        const std::string pidText = process.path().filename().string();
        if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos) continue;
        const SProcessUse use = UseOf(process.path(), device, ptyIndex);
        if (use.holdsDevice && !use.holdsOtherEnd)
            holders.push_back({std::stoi(pidText), FirstLineOf(process.path() / "comm")});
    }
    return holders;
}
}  // namespace

SPortFacts GatherPortFacts(const std::string& devicePath, const std::string& procRoot,
                           const std::string& sysRoot) {
    SPortFacts facts;
    facts.devicePath = devicePath;
    facts.user = UserName();
    struct stat st {};
    if (devicePath.empty() || ::stat(devicePath.c_str(), &st) != 0) return facts;
    facts.exists = true;
    facts.terminal = IsTerminalDevice(st, sysRoot);
    facts.group = GroupName(st.st_gid);
    facts.inGroup = InGroup(st.st_gid);
    facts.mode = st.st_mode & 07777;
    facts.accessible = ::access(devicePath.c_str(), R_OK | W_OK) == 0 || errno != EACCES;
    std::error_code ec;
    const fs::path device = fs::canonical(devicePath, ec);
    if (!ec) facts.holders = HoldersOf(device, procRoot);
    return facts;
}

std::string PermissionDetail(const SPortFacts& facts) {
    using namespace DetailText;
    if (!facts.inGroup) {
        return std::string(OWNED_BY_GROUP) + facts.group + "\n" + std::string(JOIN_GROUP) + facts.group + " " +
               facts.user + std::string(THEN_LOG_IN);
    }
    return facts.user + std::string(IN_GROUP_ALREADY) + facts.group + std::string(BUT_MODE) + ModeText(facts.mode) +
           std::string(GIVES_GROUP_NO_ACCESS) + "\n" + std::string(UDEV_RULE_OR_OWNER) + facts.devicePath;
}

std::string PortOpenDetail(int portNum, const SPortFacts& facts, const std::string& linkReason) {
    using namespace DetailText;
    if (facts.devicePath.empty()) {
        return !linkReason.empty() ? linkReason
                                   : "COM" + std::to_string(portNum) + std::string(COM_NAMES_NO_DEVICE);
    }
    std::string detail = std::string(DEVICE_LABEL) + facts.devicePath + "\n";
    if (!facts.exists) return detail + std::string(NO_SUCH_DEVICE);
    if (!facts.terminal) return detail + std::string(NOT_A_TERMINAL);
    if (!facts.accessible) return detail + std::string(PERMISSION_DENIED) + "\n" + PermissionDetail(facts);
    if (!facts.holders.empty()) {
        std::string line(IN_USE_BY);
        for (std::size_t i = 0; i < facts.holders.size(); ++i) {
            if (i > 0) line += ", ";
            line += facts.holders[i].name + std::string(PROCESS) + std::to_string(facts.holders[i].pid) + ")";
        }
        return detail + line;
    }
    if (!linkReason.empty()) return detail + linkReason;
    detail.pop_back();
    return detail;
}

// A port on the network has no device to look at: the link's reason names the server and the fault.
std::string DiagnosePortOpenFailure(const CCommUnit& link) {
    if (IsNetworkPortName(link.DevicePath()))
        return std::string(DetailText::PORT_LABEL) + link.DevicePath() + "\n" + link.OpenFailureReason();
    return PortOpenDetail(link.PortNum(), GatherPortFacts(link.DevicePath()), link.OpenFailureReason());
}

void ShowPortOpenError(HostServices& host, const CCommUnit& link, unsigned style) {
    host.ShowMessageBoxWithDetail(CommonMsgText[COMMON_MSG_PORT_OPEN_ERROR], style,
                                  DiagnosePortOpenFailure(link));
}
