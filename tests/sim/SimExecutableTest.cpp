// The gwsim executable: ready line, serving over its link, clean stop on SIGTERM, usage errors.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "sim/SimUnitProfile.h"
#include "tests/sim/SimCoreFixture.h"
#include "tests/sim/SimPtyClient.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// gwsim started with its stdout and stderr on one pipe; waited for and reaped by the owner.
class CGwsimProcess {
public:
    explicit CGwsimProcess(std::vector<std::string> args) {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
        args.insert(args.begin(), GWSIM_PATH);
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, GWSIM_PATH, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        stdout_ = out[0];
    }
    ~CGwsimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (stdout_ >= 0) ::close(stdout_);
    }
    CGwsimProcess(const CGwsimProcess&) = delete;
    CGwsimProcess& operator=(const CGwsimProcess&) = delete;

    // Everything gwsim prints up to the first line end, or to its exit, within `ms`.
    std::string ReadLine(int ms = 10000) {
        std::string line;
        char c = 0;
        while (true) {
            pollfd fd{stdout_, POLLIN, 0};
            if (::poll(&fd, 1, ms) <= 0 || ::read(stdout_, &c, 1) != 1 || c == '\n') return line;
            line.push_back(c);
        }
    }
    std::string ReadAll() {
        std::string text;
        for (std::string line = ReadLine(); !line.empty(); line = ReadLine()) text += line + "\n";
        return text;
    }
    // Sends the signal (if any) and returns the exit code, or -1 when gwsim did not exit normally.
    int Finish(int signal = 0) {
        if (pid_ <= 0) return -1;
        if (signal != 0) ::kill(pid_, signal);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
};

class SimExecutableTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/gwsim-exe-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string folder;
};

TEST_F(SimExecutableTest, ServesUntilSigtermAndLeavesNoLink) {
    for (int signal : {SIGTERM, SIGINT}) {
        const std::string link = folder + "/gw/COM7";
        CGwsimProcess gwsim({"--type", "vosk(mliii)", "--link", link, "--units", "0,1", "--axes", "6"});
        ASSERT_EQ(gwsim.ReadLine(), "ready " + link);
        ASSERT_TRUE(fs::is_symlink(link));
        {
            CSimPtyClient client(link);
            EXPECT_EQ(HexText(client.Exchange("D103FA0E0002")), Reply("D10304"
                                                                      "0000"
                                                                      "0006"));
        }
        EXPECT_EQ(gwsim.Finish(signal), 0);
        EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    }
}

TEST_F(SimExecutableTest, WithoutLinkNamesTheDevice) {
    CGwsimProcess gwsim({"--type", "NUB3 GW", "--pace", "--auto"});
    const std::string line = gwsim.ReadLine();
    ASSERT_EQ(line.rfind("ready /dev/pts/", 0), 0u) << line;
    {
        CSimPtyClient client(line.substr(6));
        EXPECT_EQ(HexText(client.Exchange("D003F1000001")), Reply("D003020001"));
    }
    EXPECT_EQ(gwsim.Finish(SIGTERM), 0);
}

TEST_F(SimExecutableTest, HelpAndUsageErrors) {
    CGwsimProcess help({"--help"});
    const std::string text = help.ReadAll();
    EXPECT_EQ(help.Finish(), 0);
    for (const char* option : {"--type", "--link", "--units", "--axes", "--auto", "--state", "--pace"}) {
        EXPECT_NE(text.find(option), std::string::npos) << option;
    }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--type", "VOSK9"}, std::vector<std::string>{"--link", folder + "/x"},
          std::vector<std::string>{"--type", "VOSK", "--axes"}}) {
        CGwsimProcess gwsim(args);
        EXPECT_EQ(gwsim.ReadLine().rfind("gwsim: ", 0), 0u) << args.back();
        EXPECT_EQ(gwsim.Finish(), 2) << args.back();
    }
}

}  // namespace
