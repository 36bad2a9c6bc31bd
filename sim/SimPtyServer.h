#pragma once
// The simulated gateway on a pseudo-terminal: a serving thread collects request frames from the line
// (a frame ends after a silence), hands them to the core and writes the replies back, optionally at
// the speed of the wire and with the shell's faults (delay, chunks with pauses, a pause mid-reply, a USB
// adapter's bursts).
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "sim/GwSimCore.h"
#include "sim/SimConfig.h"
#include "sim/SimUniqueFd.h"

class CSimPtyServer {
public:
    explicit CSimPtyServer(const SSimConfig& config);
    ~CSimPtyServer();  // stops
    CSimPtyServer(const CSimPtyServer&) = delete;
    CSimPtyServer& operator=(const CSimPtyServer&) = delete;

    // 0 or -1; creates the pty (and the symlink when given), loads the state file when the
    // configuration names one that exists, and starts serving.
    int Start(const std::string& linkPath = {});
    const std::string& DevicePath() const {
        return devicePath_;
    }  // the slave side's device path (/dev/pts/N)
    // Stops serving, saves the state file when one is configured, removes the symlink. Safe to repeat.
    void Stop();

    // Runs f(CGwSimCore&) with the core locked.
    template <class F>
    auto WithCore(F&& f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(core_);
    }

    // Extra silence, on top of the line's end-of-frame gap, that ends a request frame. A pseudo-terminal
    // has no real timing, so the gap is generous.
    static constexpr int FRAME_GAP_MARGIN_MS = 2;
    // With the echo fault: the silence between the echoed request and the unit's reply.
    static constexpr int ECHO_TURNAROUND_MS = 20;

private:
    int OpenPseudoTerminal();
    int CreateLink(const std::string& linkPath);
    void RemoveLink();
    void Serve();
    // Appends what the line holds to `frame`; false when the line is down.
    bool ReadInto(std::vector<std::uint8_t>& frame);
    void Answer(const std::vector<std::uint8_t>& request);
    bool EchoRequest(const std::vector<std::uint8_t>& request, int bps);  // false when stopping or down
    void SendReply(const std::vector<std::uint8_t>& reply, const SSimFaults& faults, int bps);
    static std::chrono::microseconds LatencyTimerPhase(std::chrono::steady_clock::time_point start,
                                                       const SSimFaults& faults);
    bool WriteBytes(const std::uint8_t* bytes, std::size_t count, int bps);  // bps 0: all at once
    bool WriteAll(const std::uint8_t* bytes, std::size_t count);
    bool WaitForStop(int ms);  // true when the server is stopping
    bool WaitForStopUntil(std::chrono::steady_clock::time_point until);
    // Paced: holds the answer until the request's bytes would have arrived over the wire.
    bool AwaitRequestWireTime(std::chrono::steady_clock::time_point firstByte, std::size_t count);

    CGwSimCore core_;
    std::mutex mutex_;
    bool pace_ = false;
    std::string stateFile_;
    CSimUniqueFd master_;
    CSimUniqueFd slave_;  // kept open so that the master side never sees a hang-up
    CSimUniqueFd wakeRead_;
    CSimUniqueFd wakeWrite_;
    std::string devicePath_;
    std::string linkPath_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
};
