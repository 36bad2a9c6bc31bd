#include "sim/SimPtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/link/LineTiming.h"
#include "core/link/WaitTimeout.h"
#include "sim/SimFrame.h"
#include "sim/SimLineFaults.h"
#include "sim/SimReplyDelivery.h"
#include "sim/SimStateFile.h"

namespace {

constexpr std::size_t READ_CHUNK = 512;
constexpr std::size_t MAX_FRAME = 1024;  // longer noise is dropped
constexpr int LINE_DOWN_RETRY_MS = 10;
constexpr int WRITE_WAIT_MS = 100;

}  // namespace

CSimPtyServer::CSimPtyServer(const SSimConfig& config)
    : core_(config), pace_(config.pace), stateFile_(config.stateFile) {}

CSimPtyServer::~CSimPtyServer() {
    Stop();
}

int CSimPtyServer::Start(const std::string& linkPath) {
    if (thread_.joinable()) return -1;
    if (OpenPseudoTerminal() != 0) return -1;
    if (!stateFile_.empty() && std::filesystem::exists(stateFile_)) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (LoadSimState(core_, stateFile_) != 0) return -1;
    }
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) return -1;
    wakeRead_ = CSimUniqueFd(wake[0]);
    wakeWrite_ = CSimUniqueFd(wake[1]);
    if (!linkPath.empty() && CreateLink(linkPath) != 0) return -1;
    stopping_ = false;
    thread_ = std::thread([this] { Serve(); });
    return 0;
}

void CSimPtyServer::Stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        const char wake = 1;
        [[maybe_unused]] ssize_t written = ::write(wakeWrite_.Get(), &wake, 1);
        thread_.join();
        if (!stateFile_.empty()) {
            std::lock_guard<std::mutex> lock(mutex_);
            SaveSimState(core_, stateFile_);
        }
    }
    RemoveLink();
    master_.Reset();
    slave_.Reset();
    wakeRead_.Reset();
    wakeWrite_.Reset();
}

int CSimPtyServer::OpenPseudoTerminal() {
    master_ = CSimUniqueFd(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!master_.IsOpen() || ::grantpt(master_.Get()) != 0 || ::unlockpt(master_.Get()) != 0) return -1;
    char name[128];
    if (::ptsname_r(master_.Get(), name, sizeof name) != 0) return -1;
    devicePath_ = name;
    slave_ = CSimUniqueFd(::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!slave_.IsOpen()) return -1;
    termios attributes{};
    if (::tcgetattr(slave_.Get(), &attributes) != 0) return -1;
    ::cfmakeraw(&attributes);
    attributes.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&attributes, B9600);
    ::cfsetospeed(&attributes, B9600);
    return ::tcsetattr(slave_.Get(), TCSANOW, &attributes) == 0 ? 0 : -1;
}

int CSimPtyServer::CreateLink(const std::string& linkPath) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path link(linkPath);
    if (link.has_parent_path()) fs::create_directories(link.parent_path(), error);
    const fs::file_status status = fs::symlink_status(link, error);
    if (fs::is_symlink(status)) {
        fs::remove(link, error);
    } else if (fs::exists(status)) {
        return -1;  // never replace a real file or device
    }
    if (::symlink(devicePath_.c_str(), linkPath.c_str()) != 0) return -1;
    linkPath_ = linkPath;
    return 0;
}

void CSimPtyServer::RemoveLink() {
    if (linkPath_.empty()) return;
    std::error_code error;
    // Only our own link: another gwsim may have taken the name over meanwhile.
    if (std::filesystem::read_symlink(linkPath_, error) == devicePath_)
        std::filesystem::remove(linkPath_, error);
    linkPath_.clear();
}

void CSimPtyServer::Serve() {
    std::vector<std::uint8_t> frame;
    std::chrono::steady_clock::time_point frameStart{};
    while (!stopping_) {
        const int gapMs =
            EndOfFrameGapMs(WithCore([](CGwSimCore& core) { return core.LineBps(); })) + FRAME_GAP_MARGIN_MS;
        pollfd fds[2] = {{master_.Get(), POLLIN, 0}, {wakeRead_.Get(), POLLIN, 0}};
        const int ready = ::poll(fds, 2, frame.empty() ? -1 : gapMs);
        if (ready < 0 && errno != EINTR) break;
        if (stopping_ || (fds[1].revents & POLLIN) != 0) break;
        if (ready == 0) {  // silence: the frame is complete
            Answer(frame);
            frame.clear();
            continue;
        }
        const bool frameStarts = frame.empty();
        if (ReadInto(frame)) {
            if (frameStarts) frameStart = std::chrono::steady_clock::now();
            // A whole, valid request is answered at once; anything else waits for the silence.
            if (IsCompleteRequest(frame)) {
                if (AwaitRequestWireTime(frameStart, frame.size())) break;
                Answer(frame);
                frame.clear();
            }
            continue;
        }
        // The line is down (EIO, hang-up): try again shortly instead of spinning on the error.
        if (WaitForStop(LINE_DOWN_RETRY_MS)) break;
    }
}

// Paced: a request that reached us at once is taken as complete only when it would have come in over the
// wire, so that a transaction takes the wire time of both its frames.
bool CSimPtyServer::AwaitRequestWireTime(std::chrono::steady_clock::time_point firstByte, std::size_t count) {
    if (!pace_) return false;
    const int bps = WithCore([](CGwSimCore& core) { return core.LineBps(); });
    return WaitForStopUntil(firstByte + WireTime(count, bps));
}

bool CSimPtyServer::ReadInto(std::vector<std::uint8_t>& frame) {
    std::uint8_t buffer[READ_CHUNK];
    const ssize_t got = ::read(master_.Get(), buffer, sizeof buffer);
    if (got > 0) {
        frame.insert(frame.end(), buffer, buffer + got);
        if (frame.size() > MAX_FRAME) frame.clear();  // noise, not a frame
        return true;
    }
    return got < 0 && (errno == EAGAIN || errno == EINTR);
}

void CSimPtyServer::Answer(const std::vector<std::uint8_t>& request) {
    std::vector<std::uint8_t> reply;
    SSimFaults faults;
    int bps = 0;
    bool echoedByLine = false;
    const int masterBps = TerminalBps(slave_.Get());
    {
        std::lock_guard<std::mutex> lock(mutex_);
        faults = core_.Faults();
        // With the write-echo fault the line sends a write back and the unit never hears it.
        echoedByLine = core_.LineEchoesThisWrite(request);
        if (!echoedByLine) {
            const std::vector<std::uint8_t> heard = RequestAsUnitHearsIt(request, faults, masterBps);
            if (!heard.empty()) reply = core_.Handle(heard, CGwSimCore::Clock::now());
        }
        bps = core_.LineBps();
    }
    if (echoedByLine) {
        WriteBytes(request.data(), request.size(), pace_ ? bps : 0);
        return;
    }
    if (faults.echo && !EchoRequest(request, bps)) return;
    if (!reply.empty()) SendReply(ReplyAsMasterHearsIt(reply, faults, masterBps), faults, bps);
}

// The adapter's echo: the request goes back at once, and the unit's reply follows after a silence long
// enough for the master to see the echo as a frame of its own.
bool CSimPtyServer::EchoRequest(const std::vector<std::uint8_t>& request, int bps) {
    if (!WriteBytes(request.data(), request.size(), pace_ ? bps : 0)) return false;
    return !WaitForStop(ECHO_TURNAROUND_MS);
}

void CSimPtyServer::SendReply(const std::vector<std::uint8_t>& reply, const SSimFaults& faults, int bps) {
    if (faults.delayMs > 0 && WaitForStop(faults.delayMs)) return;
    const auto start = std::chrono::steady_clock::now();
    // An adapter's bursts carry bytes that have crossed the wire already: they leave together.
    const bool pacedBytes = pace_ && faults.usbLatencyMs == 0;
    std::size_t offset = 0;
    for (const SSimBurst& burst :
         ReplyBursts(reply.size(), faults, bps, pace_, LatencyTimerPhase(start, faults))) {
        if (WaitForStopUntil(start + burst.at)) return;
        if (!WriteBytes(reply.data() + offset, burst.count, pacedBytes ? bps : 0)) return;
        offset += burst.count;
    }
}

// An adapter's latency timer runs on its own clock: the reply starts anywhere within one of its periods.
std::chrono::microseconds CSimPtyServer::LatencyTimerPhase(std::chrono::steady_clock::time_point start,
                                                           const SSimFaults& faults) {
    using std::chrono::microseconds;
    if (faults.usbLatencyMs <= 0) return microseconds(0);
    const microseconds period = std::chrono::milliseconds(faults.usbLatencyMs);
    const microseconds sinceEpoch = std::chrono::duration_cast<microseconds>(start.time_since_epoch());
    return period - sinceEpoch % period;
}

// Paced (`bps` non-zero): each byte leaves when the one before it has had its time on the wire.
bool CSimPtyServer::WriteBytes(const std::uint8_t* bytes, std::size_t count, int bps) {
    if (bps <= 0) return WriteAll(bytes, count);
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < count; ++i) {
        if (!WriteAll(bytes + i, 1)) return false;
        std::this_thread::sleep_until(start + WireTime(i + 1, bps));
    }
    return true;
}

bool CSimPtyServer::WriteAll(const std::uint8_t* bytes, std::size_t count) {
    while (count > 0 && !stopping_) {
        const ssize_t written = ::write(master_.Get(), bytes, count);
        if (written > 0) {
            bytes += written;
            count -= static_cast<std::size_t>(written);
        } else if (written < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd fd{master_.Get(), POLLOUT, 0};
            ::poll(&fd, 1, WRITE_WAIT_MS);
        } else {
            return false;  // the line is down (EIO): the reply is lost, as on a cut cable
        }
    }
    return count == 0;
}

bool CSimPtyServer::WaitForStop(int ms) {
    pollfd fd{wakeRead_.Get(), POLLIN, 0};
    ::poll(&fd, 1, ms);
    return stopping_;
}

bool CSimPtyServer::WaitForStopUntil(std::chrono::steady_clock::time_point until) {
    const auto left = until - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return stopping_;
    const timespec timeout = TimespecOf(left);
    pollfd fd{wakeRead_.Get(), POLLIN, 0};
    ::ppoll(&fd, 1, &timeout, nullptr);
    return stopping_;
}
