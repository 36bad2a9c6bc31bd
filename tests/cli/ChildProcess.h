#pragma once
// A program the test runs beside itself (a simulated unit, the exporter, Prometheus): started with its
// arguments and environment, its standard error read line by line, stopped with SIGTERM.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

class CChildProcess {
public:
    // Standard output and standard error both come to the test; `extraEnvironment` ("NAME=VALUE")
    // comes on top of the test's own.
    CChildProcess(const std::vector<std::string>& argv,
                  const std::vector<std::string>& extraEnvironment = {});
    ~CChildProcess();  // SIGKILL if still running
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool Running() const { return pid > 0; }
    // The first line (of those not yet taken) that holds `text`, or nothing when the program ended or
    // `patience` ran out first.
    std::optional<std::string> LineWith(const std::string& text, std::chrono::seconds patience);
    // SIGTERM, then waits for the end: the exit status, or -1 when the program did not exit normally.
    int Terminate();
    // Everything the program wrote so far.
    const std::string& Output() const { return output; }

private:
    bool ReadMore(std::chrono::steady_clock::time_point until);

    pid_t pid = -1;
    int outputFd = -1;
    std::string output;
    std::size_t taken = 0;
};

// A TCP port on 127.0.0.1 that was free a moment ago.
int FreeLoopbackPort();
