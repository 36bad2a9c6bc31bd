// Why a port could not be opened: the facts gathered from the system, and the detail lines they give.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

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

    // A pseudo-terminal this process holds open: a terminal, held by this process.
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
    const SPortFacts held = GatherPortFacts(link);
    EXPECT_TRUE(held.exists);
    EXPECT_TRUE(held.terminal);
    EXPECT_TRUE(held.accessible);
    bool selfFound = false;
    for (const auto& holder : held.holders) selfFound = selfFound || holder.pid == ::getpid();
    EXPECT_TRUE(selfFound) << PortOpenDetail(1, held);
    EXPECT_NE(PortOpenDetail(1, held).find("In use by "), std::string::npos);
    ::close(slave);
    for (const auto& holder : GatherPortFacts(link).holders) EXPECT_NE(holder.pid, ::getpid());
    std::filesystem::remove(link);
    ::close(master);
}

}  // namespace
