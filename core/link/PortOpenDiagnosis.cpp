#include "core/link/PortOpenDiagnosis.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/DetailText.h"
#include "core/link/CommUnit.h"
#include "core/link/PortAddress.h"

namespace fs = std::filesystem;

namespace {
constexpr std::size_t COMMON_MSG_PORT_OPEN_ERROR = 50;

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

std::string UserName() {
    const struct passwd* entry = ::getpwuid(::geteuid());
    return entry != nullptr ? entry->pw_name : std::to_string(::geteuid());
}

std::vector<SPortFacts::SHolder> HoldersOf(const fs::path& device, const std::string& procRoot) {
    std::vector<SPortFacts::SHolder> holders;
    std::error_code ec;
    for (const fs::directory_entry& process : fs::directory_iterator(procRoot, ec)) {
        const std::string pidText = process.path().filename().string();
        if (pidText.empty() || pidText.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code fdError;
        for (const fs::directory_entry& fd : fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError) != device || linkError) continue;
            holders.push_back({std::stoi(pidText), FirstLineOf(process.path() / "comm")});
            break;
        }
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
    facts.accessible = ::access(devicePath.c_str(), R_OK | W_OK) == 0 || errno != EACCES;
    std::error_code ec;
    const fs::path device = fs::canonical(devicePath, ec);
    if (!ec) facts.holders = HoldersOf(device, procRoot);
    return facts;
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
    if (!facts.accessible) {
        return detail + std::string(PERMISSION_DENIED) + "\n" + std::string(OWNED_BY_GROUP) + facts.group +
               "\n" + std::string(JOIN_GROUP) + facts.group + " " + facts.user + std::string(THEN_LOG_IN);
    }
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
