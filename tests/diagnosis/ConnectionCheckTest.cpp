// The connection check against the simulated gateway over pseudo-terminals: each verdict from the fault
// that causes it, the texts of the step that found it, and nothing but Report Slave ID sent to the unit.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

#include "core/app/texts/ConnectionCheckText.h"
#include "core/diagnosis/ConnectionCheck.h"
#include "core/link/Crc16Modbus.h"
#include "sim/SimPtyServer.h"

namespace {

namespace fs = std::filesystem;

constexpr int COM = 7;
constexpr int BAUD_115200 = 4;
constexpr std::uint32_t TIMEOUT_MS = 400;  // a pseudo-terminal answers at once; loaded machines get slack
constexpr std::uint8_t FN_REPORT_SLAVE_ID = 0x11;

// A process other than the test that holds the device open and locked, as a terminal program would.
class CPortHolder {
public:
    explicit CPortHolder(const std::string& device) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(release_) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            // A program holding the port has only the device open, not the simulator's end of the line
            // this test process keeps.
            for (int inherited = 3; inherited < 1024; ++inherited)
                if (inherited != ready[1] && inherited != release_[0]) ::close(inherited);
            const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY);
            const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 1 : 0;
            [[maybe_unused]] ssize_t written = ::write(ready[1], &ok, 1);
            char byte = 0;
            [[maybe_unused]] ssize_t got = ::read(release_[0], &byte, 1);
            ::_exit(0);
        }
        char ok = 0;
        locked_ = ::read(ready[0], &ok, 1) == 1 && ok == 1;
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~CPortHolder() {
        if (pid_ <= 0) return;
        const char byte = 0;
        [[maybe_unused]] ssize_t written = ::write(release_[1], &byte, 1);
        ::waitpid(pid_, nullptr, 0);
        ::close(release_[0]);
        ::close(release_[1]);
    }
    bool Locked() const { return locked_; }
    pid_t Pid() const { return pid_; }

private:
    int release_[2]{-1, -1};
    pid_t pid_ = -1;
    bool locked_ = false;
};

// The table's cases prepare the fixture through its public members.
class ConnectionCheckTest : public ::testing::Test {
public:
    void SetUp() override {
        char pattern[] = "/tmp/gw-doctor-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        sim.reset();
        fs::remove_all(folder);
    }

    void Serve(GwType type, const SSimFaults& faults = {}) {
        SSimConfig config;
        config.type = type;
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        sim->WithCore([&faults](CGwSimCore& core) { core.Faults() = faults; });
        MapCom(sim->DevicePath());
    }
    void MapCom(const std::string& device) { setup.ports = {{COM, device}}; }

    SConnectionCheckResult Check() {
        CCommUnit link;
        return RunConnectionCheck(setup, link);
    }

    // Every request the unit could make sense of (its CRC holds) was a Report Slave ID: the check changes
    // nothing on the unit. A unit at another speed also hears garbage, which it ignores.
    void ExpectOnlyReportSlaveId() {
        if (!sim) return;
        for (const auto& frame : sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); })) {
            if (frame.size() < 4) continue;
            const std::uint16_t crc = Crc16Modbus(frame.data(), frame.size() - 2);
            if (frame[frame.size() - 2] != (crc >> 8) || frame.back() != (crc & 0xFF)) continue;
            EXPECT_NE(frame[0], 0) << "broadcast sent";
            EXPECT_EQ(frame[1], FN_REPORT_SLAVE_ID);
        }
    }

    std::string folder;
    std::unique_ptr<CSimPtyServer> sim;
    SConnectionCheckSetup setup{GW_VOSK, COM, BAUD_115200, {}, TIMEOUT_MS, TIMEOUT_MS / 2};
};

std::string Contents(const SConnectionCheckStep& step) {
    return step.step + " [" + step.result + "]\n" + step.detail;
}

struct SVerdictCase {
    const char* name;
    std::function<void(ConnectionCheckTest&)> prepare;
    EConnectionVerdict verdict;
    const char* failingStep;
    std::vector<std::string> detailParts;  // texts the failing step's detail holds
    int answeringBps = 38400;              // for the verdict other-speed: the speed found
};

SSimFaults FaultsWith(const std::function<void(SSimFaults&)>& set) {
    SSimFaults faults;
    set(faults);
    return faults;
}

class ConnectionCheckVerdicts : public ConnectionCheckTest,
                                public ::testing::WithParamInterface<SVerdictCase> {};

TEST_P(ConnectionCheckVerdicts, FaultGivesItsVerdictAndTexts) {
    const SVerdictCase& c = GetParam();
    c.prepare(*this);
    if (HasFatalFailure()) return;
    const SConnectionCheckResult result = Check();
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(VerdictKeyword(result.verdict), VerdictKeyword(c.verdict));
    ASSERT_FALSE(result.steps.empty());
    const SConnectionCheckStep& last = result.steps.back();
    EXPECT_EQ(last.step, c.failingStep) << Contents(last);
    EXPECT_EQ(last.result, c.verdict == EConnectionVerdict::Ok ? "ok" : "failed");
    // Only when nothing at all answered at the configured speed do the other speeds follow.
    const bool scanned = last.step == "other speeds";
    for (std::size_t i = 0; i + 1 < result.steps.size(); ++i)
        EXPECT_EQ(result.steps[i].result, scanned && result.steps[i].step == "line" ? "failed" : "ok");
    for (const std::string& part : c.detailParts)
        EXPECT_NE(last.detail.find(part), std::string::npos) << part << "\n" << Contents(last);
    if (c.verdict == EConnectionVerdict::OtherSpeed) {
        // The fix names the speed the unit answers at: it does not hear the speed command at 9600 bps.
        EXPECT_EQ(result.answeringBps, c.answeringBps);
        const std::string bps = std::to_string(c.answeringBps);
        const std::string fix = ConnectionCheckFix(result);
        EXPECT_NE(fix.find("Choose " + bps + " bps in Setting > Port Config (gwcli --baud " + bps + ")."),
                  std::string::npos)
            << fix;
        EXPECT_EQ(fix.find("read or write the parameters once"), std::string::npos) << fix;
    } else {
        EXPECT_EQ(ConnectionCheckFix(result), VerdictFix(c.verdict));
    }
    ExpectOnlyReportSlaveId();
}

using V = EConnectionVerdict;

INSTANTIATE_TEST_SUITE_P(
    Faults, ConnectionCheckVerdicts,
    ::testing::Values(
        SVerdictCase{
            "UnitAnswers",
            [](ConnectionCheckTest& t) { t.Serve(GW_VOSK); },
            V::Ok,
            "line",
            {"Report Slave ID to D0h: valid reply, identification ", "Report Slave ID to D1h: no reply"}},
        SVerdictCase{"KavelisAsksOnly3Fh",
                     [](ConnectionCheckTest& t) {
                         t.setup.type = GW_KAVELIS;
                         t.Serve(GW_KAVELIS);
                     },
                     V::Ok,
                     "line",
                     {"Report Slave ID to 3Fh: valid reply"}},
        SVerdictCase{"ComNumberWithoutDevice",
                     [](ConnectionCheckTest& t) { t.setup.portNum = 200; },
                     V::NoDevice,
                     "device",
                     {"COM200 names no serial device"}},
        SVerdictCase{"NoDevicePath",
                     [](ConnectionCheckTest& t) { t.MapCom(t.folder + "/ttyUSB9"); },
                     V::NoDevice,
                     "device",
                     {"/ttyUSB9: no such device"}},
        SVerdictCase{"RegularFile",
                     [](ConnectionCheckTest& t) {
                         std::ofstream(t.folder + "/plain") << "x";
                         t.MapCom(t.folder + "/plain");
                     },
                     V::NotATty,
                     "device",
                     {"/plain: not a character device"}},
        SVerdictCase{"CharacterDeviceThatIsNoTty",
                     [](ConnectionCheckTest& t) { t.MapCom("/dev/null"); },
                     V::NotATty,
                     "device",
                     {"/dev/null: a character device, but no terminal (tty)"}},
        SVerdictCase{"SilentUnit",
                     [](ConnectionCheckTest& t) {
                         t.Serve(GW_VOSK, FaultsWith([](SSimFaults& f) { f.silent = true; }));
                     },
                     V::NoReply,
                     "other speeds",
                     {"no answer at any other speed"}},
        SVerdictCase{"AdapterEcho",
                     [](ConnectionCheckTest& t) {
                         t.Serve(GW_VOSK, FaultsWith([](SSimFaults& f) { f.echo = true; }));
                     },
                     V::Echo,
                     "line",
                     {"Report Slave ID to D0h: the request came back unchanged (echo)"}},
        SVerdictCase{"UnitSendsAtWrongSpeed",
                     [](ConnectionCheckTest& t) {
                         t.Serve(GW_NUB3GW, FaultsWith([](SSimFaults& f) { f.replyBps = 19200; }));
                         t.setup.type = GW_NUB3GW;
                     },
                     // Broken bytes are what a unit at another speed sounds like: the check listens there.
                     V::OtherSpeed,
                     "other speeds",
                     {"the unit answers at 19200 bps"},
                     19200},
        SVerdictCase{"AnotherAddressAnswers",
                     [](ConnectionCheckTest& t) {
                         t.Serve(GW_VOSK, FaultsWith([](SSimFaults& f) { f.wrongSlave = true; }));
                     },
                     V::WrongAddress,
                     "line",
                     {"Report Slave ID to D0h: a reply from address D1h"}},
        SVerdictCase{"AutoModeBusy",
                     [](ConnectionCheckTest& t) {
                         t.Serve(GW_VOSK, FaultsWith([](SSimFaults& f) { f.exceptionCode = 6; }));
                     },
                     V::Exception,
                     "line",
                     {"Report Slave ID to D0h: exception 06h (slave device busy: the unit is in AUTO mode)"}},
        SVerdictCase{"UnitAtAnotherSpeed",
                     [](ConnectionCheckTest& t) {
                         t.Serve(GW_VOSK, FaultsWith([](SSimFaults& f) { f.unitBps = 38400; }));
                     },
                     V::OtherSpeed,
                     "other speeds",
                     {"the unit answers at 38400 bps (Report Slave ID to D0h: valid reply"}}),
    [](const ::testing::TestParamInfo<SVerdictCase>& info) { return std::string(info.param.name); });

// A USB adapter whose driver has a latency timer: the device step names it, and above 1 ms says that
// replies come in bursts and gives the command that sets 1 ms for that very device.
TEST_F(ConnectionCheckTest, UsbAdapterLatencyTimerIsReportedWithItsFix) {
    Serve(GW_VOSK);
    const std::string ttyName = fs::path(sim->DevicePath()).filename().string();
    const fs::path usb = fs::path(folder) / "sys/devices/usb1/1-2";
    const fs::path port = usb / "1-2:1.0" / ttyName;
    fs::create_directories(port);
    std::ofstream(usb / "idVendor") << "0403\n";
    std::ofstream(usb / "product") << "RS485 Cable\n";
    fs::create_directories(fs::path(folder) / "sys/class/tty");
    fs::create_directory_symlink(port, fs::path(folder) / "sys/class/tty" / ttyName);
    fs::create_directory_symlink(port, port / "device");
    setup.sysRoot = folder + "/sys";
    const std::string attribute = setup.sysRoot + "/class/tty/" + ttyName + "/device/latency_timer";
    for (const int ms : {16, 1}) {
        SCOPED_TRACE(ms);
        std::ofstream(port / "latency_timer") << ms << "\n";
        const SConnectionCheckResult result = Check();
        ASSERT_FALSE(result.steps.empty());
        const std::string& found = result.steps.front().detail;
        EXPECT_NE(found.find("USB latency timer: " + std::to_string(ms) + " ms"), std::string::npos) << found;
        const bool advised = found.find("echo 1 | sudo tee " + attribute) != std::string::npos;
        EXPECT_EQ(advised, ms > 1) << found;
        EXPECT_EQ(found.find("bursts") != std::string::npos, ms > 1) << found;
    }
}

TEST_F(ConnectionCheckTest, PortHeldByAnotherProcessNamesIt) {
    Serve(GW_VOSK);
    CPortHolder holder(sim->DevicePath());
    ASSERT_TRUE(holder.Locked());
    const SConnectionCheckResult result = Check();
    EXPECT_EQ(VerdictKeyword(result.verdict), "in-use");
    ASSERT_EQ(result.steps.size(), 2u);
    EXPECT_EQ(result.steps[1].step, "open");
    EXPECT_NE(result.steps[1].detail.find("in use by "), std::string::npos) << result.steps[1].detail;
    EXPECT_NE(result.steps[1].detail.find("(process " + std::to_string(holder.Pid()) + ")"),
              std::string::npos)
        << result.steps[1].detail;
    EXPECT_TRUE(sim->WithCore([](CGwSimCore& core) { return core.RequestLog().empty(); }));
}

TEST_F(ConnectionCheckTest, DeviceWithoutPermissionNamesGroupAndCommand) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may open any device; run as another user to see this";
    Serve(GW_VOSK);
    ASSERT_EQ(::chmod(sim->DevicePath().c_str(), 0), 0);
    const SConnectionCheckResult result = Check();
    EXPECT_EQ(VerdictKeyword(result.verdict), "permission");
    ASSERT_EQ(result.steps.size(), 2u);
    EXPECT_NE(result.steps[1].detail.find("permission denied; the device belongs to the group "),
              std::string::npos);
    EXPECT_NE(result.steps[1].detail.find("Join it with: sudo usermod -aG "), std::string::npos);
}

TEST_F(ConnectionCheckTest, DeviceGoneDuringTheLineStepEndsItWithinTheTimeOut) {
    setup.responseTimeoutMs = 3000;
    Serve(GW_VOSK, FaultsWith([](SSimFaults& f) { f.delayMs = 10000; }));
    std::thread unplug([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sim->Stop();
    });
    const auto start = std::chrono::steady_clock::now();
    const SConnectionCheckResult result = Check();
    const auto elapsed = std::chrono::steady_clock::now() - start;
    unplug.join();
    EXPECT_EQ(VerdictKeyword(result.verdict), "no-device");
    ASSERT_EQ(result.steps.size(), 3u);
    EXPECT_EQ(result.steps[2].step, "line");
    EXPECT_NE(result.steps[2].detail.find("the device went away during the check"), std::string::npos);
    EXPECT_LT(elapsed, std::chrono::milliseconds(3000));
}

TEST_F(ConnectionCheckTest, ObserverSeesEachStepRunBeforeItEnds) {
    Serve(GW_NUB3GW);
    setup.type = GW_NUB3GW;
    std::vector<std::string> seen;
    CCommUnit link;
    const SConnectionCheckResult result =
        RunConnectionCheck(setup, link, [&seen](const SConnectionCheckResult& r) {
            if (!r.steps.empty()) seen.push_back(r.steps.back().step + ":" + r.steps.back().result);
        });
    EXPECT_EQ(VerdictKeyword(result.verdict), "ok");
    const std::vector<std::string> order = {"device:running", "device:ok",    "open:running",
                                            "open:ok",        "line:running", "line:ok"};
    std::vector<std::string> transitions;
    for (const std::string& s : seen) {
        if (transitions.empty() || transitions.back() != s) transitions.push_back(s);
    }
    EXPECT_EQ(transitions, order);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.GetResponseTimeout(), DEFAULT_RESPONSE_TIMEOUT_MS);
}

}  // namespace
