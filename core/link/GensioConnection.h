#pragma once
// One client connection to a serial device server through the gensio library (the library the ser2net
// server is built on): TCP, optionally with a Telnet layer that speaks RFC 2217 COM port control. The
// library runs callbacks; this class turns them into the polled operations the link uses. Received
// bytes wait in a buffer of its own until they are read. Everything runs on the caller's thread, but
// for the lookup of the server's name (NameResolution.h).
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CNameResolver;

struct sergensio;

class CGensioConnection {
public:
    using Clock = std::chrono::steady_clock;

    CGensioConnection();
    ~CGensioConnection();
    CGensioConnection(const CGensioConnection&) = delete;
    CGensioConnection& operator=(const CGensioConnection&) = delete;

    // Runs `pump` at least every EVENT_PUMP_INTERVAL while a connect, a negotiation or a command waits
    // for the server, so that the user interface stays alive. Without one, those waits are whole.
    void SetEventPump(std::function<void()> pump);
    // Looks names up with `resolver` in place of the system's.
    void SetNameResolver(std::shared_ptr<CNameResolver> resolver);

    // Connects TCP to `host`:`port` within `limit`, the lookup of the name included. 0, or -1 with
    // Reason() saying why.
    int Connect(const std::string& host, int port, std::chrono::milliseconds limit);
    // Puts a Telnet layer with RFC 2217 on the open connection; its negotiation must end within
    // `limit`. 0, or -1 with Reason() (the connection is then closed).
    int StartRfc2217(std::chrono::milliseconds limit);
    void Close();
    bool IsOpen() const;

    // Bytes received, at most `length`; 0 when none are there. -1 once the connection has failed.
    long Read(std::uint8_t* buffer, std::size_t length);
    // Bytes accepted for sending (0 when the library's queue is full), or -1 once it has failed.
    long Write(const std::uint8_t* bytes, std::size_t length);
    // Runs the library until bytes are there (true) or `limit` has passed or the connection failed.
    bool WaitForInput(std::chrono::microseconds limit);
    // Runs the library until it takes more output (true) or `limit` has passed or it failed.
    bool WaitForRoom(std::chrono::microseconds limit);
    void DiscardInput();
    // Empties the input and returns its printable characters: what a server said in words (ser2net
    // turns a second client away with "Port already in use"), Telnet negotiation left out.
    std::string TakeInputText();

    // True once the server closed the connection or it broke: it can never work again.
    bool Failed() const;
    // True when the last connect or the connection ended because the server closed it.
    bool ClosedByServer() const;
    // Why the last connect or the connection failed, in the user's words.
    const std::string& Reason() const;

    // A COM port control command of the library (sergensio_baud, _datasize, _parity, _stopbits,
    // _sbreak) with its value.
    using SerialSend = int (*)(sergensio*, unsigned value, void (*done)(sergensio*, int, unsigned, void*),
                               void* data);
    // Sends one command on an RFC 2217 connection and waits at most `limit` for the server's answer.
    // 0, or -1 when it was refused, not answered or the connection is raw TCP.
    int SerialCommand(SerialSend send, unsigned value, std::chrono::milliseconds limit);
    // Asks the server to purge its queues (a sergensio_flush value); nothing on raw TCP.
    void SerialPurge(unsigned which);
    // Runs the library until `done` is set or the connection fails, at most `limit`. True when set.
    bool RunUntil(const bool& done, std::chrono::milliseconds limit);

private:
    struct SLibraryState;  // the library's objects and what its callbacks reported
    std::unique_ptr<SLibraryState> state_;
};
