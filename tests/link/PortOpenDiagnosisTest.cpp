// Why a port could not be opened: the facts gathered from the system, and the detail lines they give.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>

#include "core/link/PortOpenDiagnosis.h"

namespace {

SPortFacts Facts(const char* path) {
    SPortFacts facts;
    facts.devicePath = path;
    facts.exists = true;
    facts.group = "dialout";
    facts.user = "engineer";
    return facts;
}

TEST(PortOpenDiagnosis, DetailNamesTheDeviceAndTheFirstReason) {
    SPortFacts missing = Facts("/dev/ttyUSB0");
    missing.exists = false;
    SPortFacts file = Facts("/home/engineer/COM1");
    file.terminal = false;
    SPortFacts denied = Facts("/dev/ttyUSB0");
    denied.accessible = false;
    SPortFacts deniedToMember = denied;
    deniedToMember.inGroup = true;
    deniedToMember.mode = 0600;
    SPortFacts held = Facts("/dev/ttyUSB0");
    held.holders = {{4711, "minicom"}, {815, "gwsim"}};
    SPortFacts deniedAndHeld = denied;
    deniedAndHeld.holders = held.holders;
    const SPortFacts fine = Facts("/dev/ttyS0");
    const SPortFacts noDevice;

    const struct {
        const SPortFacts& facts;
        std::string linkReason;
        std::string expected;
    } cases[] = {
        {missing, "", "Device: /dev/ttyUSB0\nNo such device"},
        {file, "", "Device: /home/engineer/COM1\nNot a terminal (not a serial port)"},
        {denied, "",
         "Device: /dev/ttyUSB0\nPermission denied\nThe device belongs to the group dialout\n"
         "Join it with: sudo usermod -aG dialout engineer (then log out and in again)"},
        {deniedToMember, "",
         "Device: /dev/ttyUSB0\nPermission denied\nengineer is in the group dialout already, but the device's "
         "mode 0600 gives the group no read and write access\nA udev rule with MODE=\"0660\" gives it for "
         "good; for now the owner can: sudo chmod g+rw /dev/ttyUSB0"},
        {deniedAndHeld, "",
         "Device: /dev/ttyUSB0\nPermission denied\nThe device belongs to the group dialout\n"
         "Join it with: sudo usermod -aG dialout engineer (then log out and in again)"},
        {held, "", "Device: /dev/ttyUSB0\nIn use by minicom (process 4711), gwsim (process 815)"},
        {fine, "/dev/ttyS0 is in use by another program",
         "Device: /dev/ttyS0\n/dev/ttyS0 is in use by another program"},
        {fine, "", "Device: /dev/ttyS0"},
        {noDevice, "", "COM5 names no serial device"},
    };
    for (const auto& c : cases) EXPECT_EQ(PortOpenDetail(5, c.facts, c.linkReason), c.expected);
}

TEST(PortOpenDiagnosis, FactsComeFromTheSystem) {
    const SPortFacts missing = GatherPortFacts("/nonexistent/gw-port");
    EXPECT_FALSE(missing.exists);

    const SPortFacts null = GatherPortFacts("/dev/null");  // a device, but no terminal
    EXPECT_TRUE(null.exists);
    EXPECT_FALSE(null.terminal);

    const std::string folder = std::filesystem::temp_directory_path().string();
    EXPECT_FALSE(GatherPortFacts(folder).terminal);

    // A pseudo-terminal whose other end is this process: a terminal, and this process holds no port
    // though it keeps the device open too; a process holding the device alone is named.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string slavePath = ::ptsname(master);
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    const std::string link = folder + "/gw-diagnosis-COM" + std::to_string(::getpid());
    std::filesystem::remove(link);
    std::filesystem::create_symlink(slavePath, link);  // a [Ports] mapping to the terminal
    const SPortFacts ours = GatherPortFacts(link);
    EXPECT_TRUE(ours.exists);
    EXPECT_TRUE(ours.terminal);
    EXPECT_TRUE(ours.accessible);
    EXPECT_TRUE(ours.holders.empty()) << PortOpenDetail(1, ours);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        // The child keeps only the device: the other end stays with the parent.
        ::close(master);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    bool holderNamed = false;
    for (const auto& h : GatherPortFacts(link).holders) holderNamed = holderNamed || h.pid == holder;
    EXPECT_TRUE(holderNamed) << PortOpenDetail(1, GatherPortFacts(link));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(slave);
    std::filesystem::remove(link);
    ::close(master);
}

}  // namespace
