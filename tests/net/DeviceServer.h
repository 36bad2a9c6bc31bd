#pragma once
// Debian's ser2net as a serial device server on loopback, started by the test in front of a serial
// device (the simulated gateway's pseudo-terminal): one raw TCP port and one Telnet RFC 2217 port on
// free port numbers. It can be stopped and started again on the same ports.
#include <sys/types.h>

#include <filesystem>
#include <string>

class CDeviceServer {
public:
    // `lineSpeed` is the serial line's speed as the server sets it when a client connects.
    CDeviceServer(const std::string& devicePath, const std::filesystem::path& folder, int lineSpeed = 9600);
    ~CDeviceServer();  // stops
    CDeviceServer(const CDeviceServer&) = delete;
    CDeviceServer& operator=(const CDeviceServer&) = delete;

    // true once both ports listen.
    bool Start();
    // Stops the server (SIGTERM to its process) and waits for it to end. Safe to repeat.
    void Stop();
    // Freezes the server as a hung one (SIGSTOP): it keeps its connections but reads and answers
    // nothing until Resume (SIGCONT).
    void Freeze();
    void Resume();

    int RawPort() const { return rawPort; }
    int Rfc2217Port() const { return rfc2217Port; }
    std::string RawUrl() const { return "tcp://127.0.0.1:" + std::to_string(rawPort); }
    std::string Rfc2217Url() const { return "rfc2217://127.0.0.1:" + std::to_string(rfc2217Port); }

private:
    std::filesystem::path configFile;
    int rawPort = 0;
    int rfc2217Port = 0;
    pid_t pid = -1;
};

// A TCP port number on loopback that nothing listens at (it was free a moment ago).
int FreeLoopbackPort();
