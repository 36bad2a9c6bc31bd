#pragma once
// The one serial link of the tool: opens the COM port, sends a request frame and collects the reply
// frame, whose end its header's length (or, without one, a silence) marks and whose CRC is checked here.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/app/HostServices.h"
#include "core/link/BaudTable.h"
#include "core/link/CommResult.h"
#include "core/link/LinkFrameEvent.h"
#include "core/link/SerialPort.h"

inline constexpr std::size_t RX_FRAME_LIMIT = 1024;  // longest reply frame accepted
inline constexpr std::size_t RX_BUFFER_SIZE = 1025;  // what a receive buffer must hold
inline constexpr std::uint32_t DEFAULT_RESPONSE_TIMEOUT_MS = 3000;
inline constexpr int WRITE_LIMIT_MS = 10000;
// Longest stretch a wait goes without looking whether the user asked to stop.
inline constexpr std::chrono::milliseconds STOP_LOOK_INTERVAL{20};
// A wait for a reply that may last longer than LONG_WAIT is announced to the long-wait observer once it
// has lasted LONG_WAIT_NOTICE_AFTER, so that a healthy exchange never shows it.
inline constexpr std::chrono::milliseconds LONG_WAIT{2000};
inline constexpr std::chrono::milliseconds LONG_WAIT_NOTICE_AFTER{500};

// The user asked the run to stop (Ctrl-C in gwcli) at `at`. A wait ends once `grace` has passed since
// the later of that moment and its own start: a write's blocks, each answered at once, still go out as a
// whole set, while a wait for a silent unit ends within the grace.
struct SStopRequest {
    std::chrono::steady_clock::time_point at;
    std::chrono::milliseconds grace{0};
};

// A wait for the unit's reply that is taking long: whom it waits for and how long it may last at most.
struct SLongWait {
    std::uint8_t slave = 0;
    std::chrono::milliseconds atMost{0};
};

class CCommUnit {
public:
    // `processPendingEvents` lets the user interface run while a reply is awaited; without one, waits
    // are single polls for the whole time.
    explicit CCommUnit(std::function<void()> processPendingEvents = {});
    // Pumps the host's events only when the host has a user interface to keep alive.
    explicit CCommUnit(HostServices& host);
    // Runs on `port` whatever port is opened (tests play the port this way); the other constructors
    // make the port each Open asks for: a local device, `tcp://HOST:PORT` or `rfc2217://HOST:PORT`.
    CCommUnit(std::unique_ptr<CSerialPort> port, std::function<void()> processPendingEvents);
    ~CCommUnit();
    CCommUnit(const CCommUnit&) = delete;
    CCommUnit& operator=(const CCommUnit&) = delete;

    // COM numbers mapped to device paths by the settings file; the others follow the standard rule.
    void SetPortOverrides(std::map<int, std::string> overrides);
    const std::map<int, std::string>& PortOverrides() const { return portOverrides; }

    // Runs when the link closes itself because its device has gone, so that the owner of the port's
    // "open" flag can clear it and the next operation opens the port again.
    void SetLinkLostHandler(std::function<void()> handler);

    // Observers see every request frame handed to the driver and every receive, whatever its outcome,
    // with its timing (LinkFrameEvent.h). Without observers the link does no extra work. An observer
    // stays attached until it is removed and must outlive its attachment.
    void AddFrameObserver(CLinkFrameObserver& observer);
    void RemoveFrameObserver(CLinkFrameObserver& observer);
    // Asked during every wait: once the request is there and its grace has passed, the wait ends with
    // COMM_STOPPED and no new frame goes out (a frame that has begun goes out whole); no failed exchange is
    // tried a second time. gwcli stops this way on Ctrl-C.
    void SetStopRequest(std::function<std::optional<SStopRequest>()> stopRequest);
    // The user asked to stop (whatever the grace).
    bool StopRequested() const;

    // Learns of a reply wait that may last longer than LONG_WAIT once it has lasted
    // LONG_WAIT_NOTICE_AFTER (with the wait), and of its end (with null).
    void SetLongWaitObserver(std::function<void(const SLongWait*)> observer);

    // The transaction's attempt that the next frames belong to (1 for its first try).
    void SetAttempt(int attempt) { this->attempt = attempt; }

    // 0 or COMM_OPEN_FAILED (768); then OpenFailureReason() says why, for the user. A link that is
    // already open is refused and left as it is.
    int Open(int portNum, int baudIndex);
    const std::string& OpenFailureReason() const;
    // 0, COMM_FAILED (-1) when not open, COMM_CLOSE_REFUSED (-2) when the close reported an error (the
    // port is closed all the same).
    int Close();
    // 0, or COMM_FAILED when the speed could not be set (the old one stays in effect).
    int ChangeBaud(int baudIndex);
    // Holds the line in the break state for `ms` milliseconds.
    void SendBreak(int ms);
    // Waits `ms` milliseconds, letting the user interface process its events meanwhile.
    void Pause(int ms);
    // 0 when the whole frame was handed to the driver, COMM_STOPPED after a stop request, COMM_FAILED
    // otherwise. The frame goes out only
    // after the end-of-frame silence that follows the last byte received.
    int Write(const std::uint8_t* bytes, std::size_t length);
    // One whole reply frame, CRC included; `buffer` must hold RX_BUFFER_SIZE bytes. A frame whose header
    // announces its length ends when that many bytes are in, across pauses shorter than INTER_BYTE_LIMIT
    // (LineTiming.h); any other frame ends at the silence after its last byte.
    int Receive(std::uint8_t* buffer, std::size_t& length);

    void SetResponseTimeout(std::uint32_t ms);
    std::uint32_t GetResponseTimeout() const;

    bool IsOpen() const;
    // Open and its device still there. A device found gone is closed as a failed operation would close
    // it (the link-lost handler runs).
    bool StillConnected();
    int PortNum() const { return portNum; }
    int BaudIndex() const { return baudIndex; }
    int PreviousBaudIndex() const { return previousBaudIndex; }
    int Bps() const { return BaudTable[static_cast<std::size_t>(baudIndex)]; }
    // The device the last Open tried.
    const std::string& DevicePath() const { return devicePath; }
    // Whether speed changes and breaks reach the line: not on a raw TCP server, whose serial line keeps
    // the speed it was configured with.
    bool ControlsLineSpeed() const { return port->ControlsLineSpeed(); }
    // For a port on the network, what the user is told below a failed exchange whose last result was
    // `result`: the server's host and port and what went wrong. Empty for a local device.
    std::string NetworkFaultDetail(int result) const;
    // What the user is told below a failed exchange about the link itself: the network fault above,
    // or, for a local device that went away during the operation, the device and that it went away.
    // Empty when the link is not to blame.
    std::string LinkFaultDetail(int result) const;

private:
    using Clock = std::chrono::steady_clock;

    int LineErrorCode(const SLineErrors& errors) const;
    int FinishFrame(const std::uint8_t* buffer, std::size_t length) const;
    int BrokenFrameResult(const std::uint8_t* buffer, std::size_t length) const;
    int ReceiveFrame(std::uint8_t* buffer, std::size_t& length);
    void ReportRequest(const std::uint8_t* bytes, std::size_t length, Clock::time_point start);
    void ReportReceive(const std::uint8_t* bytes, std::size_t length, int result);
    void Report(SLinkFrameEvent& frame);
    std::chrono::microseconds FrameGap() const;
    // Pumps the events when the interval has passed; returns when a wait must next come back (NextLook).
    Clock::time_point PumpIfDue();
    // When a wait must next come back: to pump the events, to look for a stop request or to announce a
    // long wait.
    Clock::time_point NextLook() const;
    void AnnounceLongWaitIfDue();
    // Waits until `until` (earlier when input comes, or when the events are to be pumped). Gone when
    // the device has gone.
    PortWait WaitForInput(Clock::time_point until);
    int ReadAvailable(std::uint8_t* buffer, std::size_t& length, bool& got);
    Clock::time_point AnnouncedRestOnWire(const std::uint8_t* frame, std::size_t length) const;
    // When the frame collected so far ends, and with which result (COMM_OK: its CRC decides).
    struct SFrameEnd {
        Clock::time_point at;
        int result;
    };
    SFrameEnd FrameEnd(const std::uint8_t* frame, std::size_t length) const;
    void SleepUntil(Clock::time_point until);
    // Holds back until the line has been silent for the end-of-frame gap (after a reply that broke off:
    // for the inter-byte limit). COMM_FAILED when the device has gone.
    int WaitForLineSilence();
    // The device has gone: close the link and tell its owner. Returns `result`.
    int DropVanishedLink(int result);
    // A port operation failed: closes the link when that means the device has gone. Returns `result`.
    int Failure(int result);

    // 0, or COMM_OPEN_FAILED when the name cannot be a port; then `port` is the one it names.
    int TakePortFor(const std::string& name);

    std::unique_ptr<CSerialPort> port;
    bool portChosenByName = true;  // false: the port given at construction serves every Open
    std::function<void()> processPendingEvents;
    std::function<void()> linkLost;
    std::function<std::optional<SStopRequest>()> stopRequest;
    // Whether a wait that began at `waitStart` is to end now for a stop request.
    bool StopDue(Clock::time_point waitStart) const;
    std::function<void(const SLongWait*)> longWaitObserver;
    SLongWait longWait;                                      // the wait announced or to be announced
    Clock::time_point longWaitNoticeAt = Clock::time_point::max();
    bool longWaitShown = false;
    std::uint8_t lastRequestSlave = 0;
    std::vector<CLinkFrameObserver*> observers;
    int attempt = 1;
    Clock::time_point receiveStart{};    // when the current receive began
    std::size_t arrived = 0;             // bytes the current receive has put in its buffer
    Clock::time_point frameFirstByte{};  // when the first byte of the current receive came in
    Clock::time_point lastFrameEnd{};    // last byte of the frame reported last
    Clock::time_point lastRequestEnd{};  // last byte of the request reported last
    Clock::time_point nextPump{};
    Clock::time_point lastByteAt{};  // when the last byte came in
    Clock::time_point brokenReplyAt{};  // when the last receive gave up on a reply that broke off; {} once
                                        // the line has been quiet since
    std::map<int, std::string> portOverrides;
    std::string devicePath;
    std::string openFailureReason;
    bool linkWentAway = false;  // the link closed itself: its device or server went away (until Open)
    int portNum = 0;
    int baudIndex = 0;
    int previousBaudIndex = 0;
    mutable std::mutex responseTimeoutLock;
    std::uint32_t responseTimeout = DEFAULT_RESPONSE_TIMEOUT_MS;
};
