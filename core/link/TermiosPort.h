#pragma once
// The serial port on POSIX systems: termios line settings, exclusive use, break, line error counters.
#include <linux/serial.h>

#include "core/link/SerialPort.h"

class CTermiosPort : public CSerialPort {
public:
    CTermiosPort() = default;
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
    int QueryStatus(SLineErrors& errors, std::size_t& bytesWaiting) override;
    long Read(std::uint8_t* buffer, std::size_t length) override;
    void WaitReadable(std::chrono::milliseconds limit) override;
    void WaitWritable(std::chrono::milliseconds limit) override;
    void Flush(FlushQueue queue) override;

private:
    int FailOpen(const std::string& devicePath, int error);
    void ApplyLineSettings(int bps);
    void RaiseModemLines();
    void TakeErrorCounters(SLineErrors* errors);

    int fd = -1;
    std::string failureReason;
    bool countersSupported = false;
    serial_icounter_struct lastCounters{};
};
