#include "tests/net/DeviceServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

constexpr const char* SER2NET = "/usr/sbin/ser2net";
constexpr const char* LISTEN_STATE = "0A";
constexpr std::chrono::seconds START_LIMIT{10};
constexpr std::chrono::milliseconds LISTEN_POLL{10};

// Whether the kernel lists a socket listening on loopback at `port`.
bool Listening(int port) {
    char local[16];
    std::snprintf(local, sizeof local, "0100007F:%04X", port);
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line);  // the heading
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, localAddress, remoteAddress, state;
        fields >> slot >> localAddress >> remoteAddress >> state;
        if (localAddress == local && state == LISTEN_STATE) return true;
    }
    return false;
}

std::string ConnectionText(const char* name, const std::string& accepter, const std::string& devicePath,
                           int lineSpeed) {
    return std::string("connection: &") + name + "\n  accepter: " + accepter + "\n  connector: serialdev," +
           devicePath + "," + std::to_string(lineSpeed) + "n81,local\n";
}

}  // namespace

int FreeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

CDeviceServer::CDeviceServer(const std::string& devicePath, const std::filesystem::path& folder, int lineSpeed)
    : configFile(folder / "ser2net.yaml"), rawPort(FreeLoopbackPort()), rfc2217Port(FreeLoopbackPort()) {
    std::ofstream(configFile) << ConnectionText("raw", "tcp,127.0.0.1," + std::to_string(rawPort), devicePath,
                                                lineSpeed)
                              << ConnectionText("rfc2217",
                                                "telnet(rfc2217),tcp,127.0.0.1," + std::to_string(rfc2217Port),
                                                devicePath, lineSpeed);
}

CDeviceServer::~CDeviceServer() {
    Stop();
}

bool CDeviceServer::Start() {
    Stop();
    pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execl(SER2NET, SER2NET, "-n", "-c", configFile.c_str(), "-P",
                (configFile.parent_path() / "ser2net.pid").c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (pid < 0) return false;
    const auto end = std::chrono::steady_clock::now() + START_LIMIT;
    while (std::chrono::steady_clock::now() < end) {
        if (Listening(rawPort) && Listening(rfc2217Port)) return true;
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return false;
        }
        std::this_thread::sleep_for(LISTEN_POLL);
    }
    return false;
}

void CDeviceServer::Stop() {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    Resume();  // a frozen server takes its SIGTERM only once it runs again
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

void CDeviceServer::Freeze() {
    if (pid > 0) ::kill(pid, SIGSTOP);
}

void CDeviceServer::Resume() {
    if (pid > 0) ::kill(pid, SIGCONT);
}
