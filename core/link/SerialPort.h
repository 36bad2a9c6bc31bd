#pragma once
// The serial port as the link needs it: a local device (termios on Linux) or a port on a serial device
// server on the network (raw TCP or RFC 2217).
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Longest stretch a wait goes without letting the user interface process its events.
inline constexpr std::chrono::milliseconds EVENT_PUMP_INTERVAL{5};

// Line errors the driver reported since the last query.
struct SLineErrors {
    bool framing = false;
    bool overrun = false;
    bool overflow = false;  // the driver's receive queue lost input
    bool other = false;     // parity, break or anything else

    bool Any() const { return framing || overrun || overflow || other; }
};

enum class FlushQueue { Input, Output, Both };

// How a wait on the port ended.
enum class PortWait {
    Ready,     // the port can be read (or written)
    TimedOut,  // the time ran out first
    Gone,      // the device hung up or reported an error: it has gone
};

class CSerialPort {
public:
    virtual ~CSerialPort() = default;

    // Opens the device for exclusive use, raw 8N1 at `bps`, no flow control, and discards anything
    // queued. Returns 0, or -1 with FailureReason() telling the user why. A port that is already open
    // is refused and left as it is.
    virtual int Open(const std::string& devicePath, int bps) = 0;
    virtual const std::string& FailureReason() const = 0;
    // Returns 0, or -1 with FailureReason() set when the close reported an error. The port is closed
    // either way: the system has let go of it.
    virtual int Close() = 0;
    virtual bool IsOpen() const = 0;
    // Returns 0, or -1 when the speed could not be set (the old one stays in effect).
    virtual int SetSpeed(int bps) = 0;
    virtual void SetBreak(bool on) = 0;
    // Bytes accepted (0 when the output queue is full), or -1 on failure.
    virtual long Write(const std::uint8_t* bytes, std::size_t length) = 0;
    // Line errors since the last query. 0, or -1 when the query failed.
    virtual int QueryLineErrors(SLineErrors& errors) = 0;
    // The bytes that are there, at most `length` (0 when none are), or -1 on failure.
    virtual long Read(std::uint8_t* buffer, std::size_t length) = 0;
    // Returns as soon as input is there, or after `limit`. A closed port just lets the time pass.
    virtual PortWait WaitReadable(std::chrono::microseconds limit) = 0;
    // Returns as soon as output may be queued, or after `limit`.
    virtual PortWait WaitWritable(std::chrono::microseconds limit) = 0;
    // True when the last failure means the device has gone (unplugged adapter, hung-up line), so
    // that keeping it open can never work again.
    virtual bool DeviceGone() const = 0;
    virtual void Flush(FlushQueue queue) = 0;
    // Whether SetSpeed and SetBreak reach the line. A raw TCP server keeps its own serial speed.
    virtual bool ControlsLineSpeed() const { return true; }
    // "HOST:PORT" of a port on the network; empty for a local device.
    virtual std::string PeerName() const { return {}; }
    // What an Open that takes long (a name to resolve, a server to reach) runs at least every
    // EVENT_PUMP_INTERVAL so that the user interface stays alive. A local device opens at once.
    virtual void SetEventPump(std::function<void()> pump) { (void)pump; }
};
