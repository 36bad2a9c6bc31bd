#pragma once
// The trace and capture files of the command line front end: opened before any exchange, so that a
// file that cannot be written is reported before the line is touched, and written frame by frame as
// the frames come, so that a long run keeps nothing in memory. The capture is pcapng when its name
// ends in ".pcapng", classic PCAP otherwise (PcapFormat.h).
#include <cstdio>
#include <memory>
#include <string>

#include "core/traffic/PcapFormat.h"
#include "core/traffic/TrafficFrame.h"
#include "core/traffic/TrafficRecorder.h"

class CCaptureFiles {
public:
    // Opens (creates or truncates) the files that are named; an empty path names none. 0, or -1 with
    // FailurePath() and FailureReason() telling which file and why.
    int Open(const std::string& tracePath, const std::string& pcapPath);
    const std::string& FailurePath() const { return failurePath; }
    const std::string& FailureReason() const { return failureReason; }
    bool Any() const { return trace != nullptr || pcap != nullptr; }
    // The observer to attach to the link while the command runs.
    CTrafficRecorder& Recorder() { return recorder; }
    // False once a write to a file has failed (a full disk, a vanished medium).
    bool WritesSucceeded() const { return writesOk; }

private:
    struct SFileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using FilePtr = std::unique_ptr<std::FILE, SFileCloser>;

    int OpenOne(const std::string& path, FilePtr& file);
    void Write(const STrafficFrame& frame);
    void Put(std::FILE* file, const std::string& bytes);

    FilePtr trace;
    FilePtr pcap;
    bool pcapng = false;
    CPcapngWriter pcapngWriter;
    std::string failurePath;
    std::string failureReason;
    bool writesOk = true;
    CTrafficRecorder recorder{[this](const STrafficFrame& frame) { Write(frame); }};
};
