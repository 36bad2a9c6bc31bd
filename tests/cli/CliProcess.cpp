#include "tests/cli/CliProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "tests/support/SpawnProgram.h"

namespace {

constexpr auto PROGRAM_LIMIT = std::chrono::seconds(60);

std::vector<std::string> ChildEnvironment(const std::filesystem::path& configHome, int responseTimeoutMs) {
    std::vector<std::string> env;
    for (const std::string& entry : TestEnvironment()) {
        if (entry.rfind("XDG_CONFIG_HOME=", 0) == 0 || entry.rfind("HOME=", 0) == 0 ||
            entry.rfind("GWCLI_RESPONSE_TIMEOUT_MS=", 0) == 0) {
            continue;
        }
        env.push_back(entry);
    }
    env.push_back("XDG_CONFIG_HOME=" + configHome.string());
    env.push_back("HOME=" + configHome.string());
    env.push_back("GWCLI_RESPONSE_TIMEOUT_MS=" + std::to_string(responseTimeoutMs));
    return env;
}

// Reads both pipes until the child closed them, so that neither can fill up and stall it. `watch`, when
// given, runs every few milliseconds with the child's process ID.
void Collect(int outFd, int errFd, SCliRun& run, pid_t child, const std::function<void(pid_t)>& watch) {
    const auto deadline = std::chrono::steady_clock::now() + PROGRAM_LIMIT;
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            break;
        }
        if (watch) watch(child);
        if (poll(fds, 2, watch ? 2 : 100) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP)) == 0) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

SCliRun RunWatched(const std::vector<std::string>& args, const std::filesystem::path& configHome,
                   int responseTimeoutMs, const std::function<void(pid_t)>& watch) {
    std::vector<std::string> argvTexts{GWCLI_PROGRAM};
    argvTexts.insert(argvTexts.end(), args.begin(), args.end());

    int outPipe[2];
    int errPipe[2];
    SCliRun run;
    if (pipe2(outPipe, O_CLOEXEC) != 0) return run;
    if (pipe2(errPipe, O_CLOEXEC) != 0) return run;
    const pid_t child =
        SpawnProgram(argvTexts, ChildEnvironment(configHome, responseTimeoutMs), outPipe[1], errPipe[1]);
    close(outPipe[1]);
    close(errPipe[1]);
    if (child > 0) Collect(outPipe[0], errPipe[0], run, child, watch);
    close(outPipe[0]);
    close(errPipe[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

}  // namespace

SCliRun RunGwCliProgram(const std::vector<std::string>& args, const std::filesystem::path& configHome,
                        int responseTimeoutMs) {
    return RunWatched(args, configHome, responseTimeoutMs, {});
}

SCliRun RunGwCliProgramInterruptedWhen(const std::vector<std::string>& args,
                                       const std::filesystem::path& configHome,
                                       const std::function<bool()>& due, int interrupts,
                                       int responseTimeoutMs) {
    int sent = 0;
    return RunWatched(args, configHome, responseTimeoutMs, [&](pid_t child) {
        if (sent < interrupts && due()) {
            kill(child, SIGINT);
            ++sent;
        }
    });
}

SCliRun RunGwCliProgramInterrupted(const std::vector<std::string>& args,
                                   const std::filesystem::path& configHome,
                                   const std::string& interruptAfter) {
    std::vector<std::string> argvTexts{GWCLI_PROGRAM};
    argvTexts.insert(argvTexts.end(), args.begin(), args.end());
    int outPipe[2];
    SCliRun run;
    if (pipe2(outPipe, O_CLOEXEC) != 0) return run;
    const pid_t child = SpawnProgram(argvTexts, ChildEnvironment(configHome, 300), outPipe[1], STDERR_FILENO);
    close(outPipe[1]);
    bool interrupted = false;
    char buffer[4096];
    for (ssize_t n; child > 0 && (n = read(outPipe[0], buffer, sizeof buffer)) > 0;) {
        run.out.append(buffer, static_cast<std::size_t>(n));
        if (!interrupted && run.out.find(interruptAfter) != std::string::npos) {
            kill(child, SIGINT);
            interrupted = true;
        }
    }
    close(outPipe[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

CTempFolder::CTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gwcli-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path = pattern;
}

CTempFolder::~CTempFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

std::string ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteWholeFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
}

void WriteSettingsFile(const std::filesystem::path& configHome, int comNumber, int baudIndex,
                       const std::string& device) {
    const auto folder = configHome / "Orvane Corporation" / "KAVELIS" / "Parameter Configuration Tool";
    std::filesystem::create_directories(folder);
    std::string text = "[GW]\r\nBaudRate=" + std::to_string(baudIndex) +
                       "\r\nPortNum=" + std::to_string(comNumber) + "\r\nFlag=00000002\r\n";
    if (!device.empty()) text += "[Ports]\r\nCOM" + std::to_string(comNumber) + "=" + device + "\r\n";
    WriteWholeFile(folder / "GWComConfig.env", text);
}
