#pragma once
// A scripted raw peer on the other side of a pseudo-terminal: it collects each request the link sends
// and plays the reply written for it, in pieces with chosen pauses, or stays silent.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The frame with its Modbus CRC appended.
Bytes WithCrc(Bytes frame);

struct SReplyPiece {
    Bytes bytes;
    int pauseMsAfter = 0;
};
using ScriptedReply = std::vector<SReplyPiece>;  // empty: no answer to this request

class CPtyPeer {
public:
    CPtyPeer();
    ~CPtyPeer();
    CPtyPeer(const CPtyPeer&) = delete;
    CPtyPeer& operator=(const CPtyPeer&) = delete;

    const std::string& DevicePath() const { return devicePath; }
    int MasterFd() const { return masterFd; }

    // Answers the next requests with `replies`, in order, on a thread of its own.
    void Serve(std::vector<ScriptedReply> replies);
    // Waits until the script has been played (or no request came for a while).
    void Finish();
    std::vector<Bytes> Requests();
    // Sends bytes at once, outside any script.
    void Send(const Bytes& bytes);
    // Hangs up: the link's writes and reads then fail.
    void HangUp();

private:
    Bytes ReadRequest();
    void Play(const ScriptedReply& reply);

    int masterFd = -1;
    std::string devicePath;
    std::thread server;
    std::atomic<bool> stopping{false};
    std::mutex requestsLock;
    std::vector<Bytes> requests;
};
