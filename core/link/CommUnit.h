#pragma once
// The one serial link of the tool: opens the COM port, sends a request frame and collects the reply
// frame, whose end is the RTU silence of 3.5 characters and whose CRC is checked here.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "core/app/HostServices.h"
#include "core/link/BaudTable.h"
#include "core/link/CommResult.h"
#include "core/link/SerialPort.h"

inline constexpr std::size_t RX_FRAME_LIMIT = 1024;  // longest reply frame accepted
inline constexpr std::size_t RX_BUFFER_SIZE = 1025;  // what a receive buffer must hold
inline constexpr std::uint32_t DEFAULT_RESPONSE_TIMEOUT_MS = 3000;
inline constexpr int WRITE_LIMIT_MS = 10000;

class CCommUnit {
public:
    // `processPendingEvents` lets the user interface run while a reply is awaited.
    explicit CCommUnit(std::function<void()> processPendingEvents = {});
    explicit CCommUnit(HostServices& host);
    CCommUnit(std::unique_ptr<CSerialPort> port, std::function<void()> processPendingEvents);
    ~CCommUnit();
    CCommUnit(const CCommUnit&) = delete;
    CCommUnit& operator=(const CCommUnit&) = delete;

    // COM numbers mapped to device paths by the settings file; the others follow the standard rule.
    void SetPortOverrides(std::map<int, std::string> overrides);

    // 0 or COMM_OPEN_FAILED (768); then OpenFailureReason() says why, for the user.
    int Open(int portNum, int baudIndex);
    const std::string& OpenFailureReason() const;
    // 0, COMM_FAILED (-1) when not open, COMM_CLOSE_REFUSED (-2) when the system refused.
    int Close();
    // 0, or COMM_FAILED when the speed could not be set (the old one stays in effect).
    int ChangeBaud(int baudIndex);
    // Holds the line in the break state for `ms` milliseconds (busy wait).
    void SendBreak(int ms);
    // 0 when the whole frame was handed to the driver, COMM_FAILED otherwise.
    int Write(const std::uint8_t* bytes, std::size_t length);
    // One whole reply frame, CRC included; `buffer` must hold RX_BUFFER_SIZE bytes.
    int Receive(std::uint8_t* buffer, std::size_t& length);

    void SetResponseTimeout(std::uint32_t ms);
    std::uint32_t GetResponseTimeout() const;

    bool IsOpen() const;
    int PortNum() const { return portNum; }
    int BaudIndex() const { return baudIndex; }
    int PreviousBaudIndex() const { return previousBaudIndex; }
    int Bps() const { return BaudTable[static_cast<std::size_t>(baudIndex)]; }
    // The device the last Open tried.
    const std::string& DevicePath() const { return devicePath; }

private:
    int LineErrorCode(const SLineErrors& errors) const;
    int FinishFrame(const std::uint8_t* buffer, std::size_t length) const;
    void PumpEvents();

    std::unique_ptr<CSerialPort> port;
    std::function<void()> processPendingEvents;
    std::map<int, std::string> portOverrides;
    std::string devicePath;
    std::string openFailureReason;
    int portNum = 0;
    int baudIndex = 0;
    int previousBaudIndex = 0;
    mutable std::mutex responseTimeoutLock;
    std::uint32_t responseTimeout = DEFAULT_RESPONSE_TIMEOUT_MS;
};
