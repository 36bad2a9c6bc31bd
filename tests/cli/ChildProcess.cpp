#include "tests/cli/ChildProcess.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <utility>

#include "tests/support/SpawnProgram.h"

CChildProcess::CChildProcess(const std::vector<std::string>& argv,
                             const std::vector<std::string>& extraEnvironment) {
    std::vector<std::string> environment = TestEnvironment();
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
    pid = SpawnProgram(argv, std::move(environment), pipeFds[1], pipeFds[1]);
    close(pipeFds[1]);
    outputFd = pipeFds[0];
}

CChildProcess::~CChildProcess() {
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (outputFd >= 0) close(outputFd);
}

bool CChildProcess::ReadMore(std::chrono::steady_clock::time_point until) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0 || outputFd < 0) return false;
    pollfd fd{outputFd, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[4096];
    const ssize_t n = read(outputFd, buffer, sizeof buffer);
    if (n <= 0) return false;
    output.append(buffer, static_cast<std::size_t>(n));
    return true;
}

std::optional<std::string> CChildProcess::LineWith(const std::string& text, std::chrono::seconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        for (std::size_t end = output.find('\n', taken); end != std::string::npos;
             end = output.find('\n', taken)) {
            const std::string line = output.substr(taken, end - taken);
            taken = end + 1;
            if (line.find(text) != std::string::npos) return line;
        }
        if (!ReadMore(until)) return std::nullopt;
    }
}

int CChildProcess::Terminate() {
    if (pid <= 0) return -1;
    kill(pid, SIGTERM);
    int status = 0;
    const pid_t ended = waitpid(pid, &status, 0);
    pid = -1;
    while (ReadMore(std::chrono::steady_clock::now() + std::chrono::milliseconds(100))) {
    }
    return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int FreeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = -1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}
