#pragma once
// The serial port on POSIX systems: termios line settings, exclusive use, break, line error counters.
// Every setting is read back: a driver that takes the settings but not the speed is found at once.
#include <linux/serial.h>

#include <memory>

#include "core/link/SerialPort.h"
#include "core/link/TermiosCalls.h"

class CTermiosPort : public CSerialPort {
public:
    CTermiosPort();
    // Makes its line setting, control and close calls through `calls` (tests fail them this way).
    explicit CTermiosPort(std::shared_ptr<CTermiosCalls> calls);
    ~CTermiosPort() override;
    CTermiosPort(const CTermiosPort&) = delete;
    CTermiosPort& operator=(const CTermiosPort&) = delete;

    int Open(const std::string& devicePath, int bps) override;
    const std::string& FailureReason() const override { return failureReason; }
    int Close() override;
    bool IsOpen() const override { return fd >= 0; }
    int SetSpeed(int bps) override;
    void SetBreak(bool on) override;
    long Write(const std::uint8_t* bytes, std::size_t length) override;
    int QueryLineErrors(SLineErrors& errors) override;
    long Read(std::uint8_t* buffer, std::size_t length) override;
    PortWait WaitReadable(std::chrono::microseconds limit) override;
    PortWait WaitWritable(std::chrono::microseconds limit) override;
    bool DeviceGone() const override;
    void Flush(FlushQueue queue) override;

private:
    int FailOpen(const std::string& devicePath, int error);
    // Closes the descriptor with its exclusive use and lock; the port is closed afterwards whatever
    // the system reported. The close's result.
    int ReleaseDescriptor();
    int ApplyLineSettings(int bps);
    // Sets `wanted` and reads the speed back. 0, or -1 with the reason set.
    int SetAndConfirm(const termios& wanted, int bps);
    int CannotRunAt(int bps, speed_t driverSet);
    int SettingsNotReported(int error);
    void RaiseModemLines();
    int TakeErrorCounters(SLineErrors* errors);
    PortWait WaitFor(short events, std::chrono::microseconds limit);
    long Failed();

    std::shared_ptr<CTermiosCalls> calls;
    int fd = -1;
    std::string failureReason;
    // The driver's error counters: not known until the first query, then there or not for good.
    enum class Counters { Unknown, Supported, Unsupported } counters = Counters::Unknown;
    serial_icounter_struct lastCounters{};
    int lastError = 0;    // errno of the last failed operation
    bool hungUp = false;  // a wait saw the line hang up
};
