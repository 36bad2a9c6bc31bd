#include "core/traffic/CaptureFiles.h"

#include <cerrno>
#include <cstring>

#include "core/traffic/FrameDecoder.h"
#include "core/traffic/TrafficText.h"

int CCaptureFiles::OpenOne(const std::string& path, FilePtr& file) {
    if (path.empty()) return 0;
    file.reset(std::fopen(path.c_str(), "wb"));
    if (file != nullptr) return 0;
    failurePath = path;
    failureReason = std::strerror(errno);
    return -1;
}

int CCaptureFiles::Open(const std::string& tracePath, const std::string& pcapPath) {
    if (OpenOne(tracePath, trace) != 0 || OpenOne(pcapPath, pcap) != 0) return -1;
    pcapng = NamesPcapng(pcapPath);
    if (pcap != nullptr) Put(pcap.get(), pcapng ? CPcapngWriter::SectionHeader() : PcapFileHeader());
    if (!writesOk) {
        failurePath = pcapPath;
        failureReason = std::strerror(errno);
        return -1;
    }
    return 0;
}

void CCaptureFiles::Put(std::FILE* file, const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0) {
        writesOk = false;
    }
}

void CCaptureFiles::Write(const STrafficFrame& frame) {
    if (trace != nullptr) Put(trace.get(), TraceLine(frame, DecodeFrame(frame)) + "\n");
    if (pcap != nullptr) Put(pcap.get(), pcapng ? pcapngWriter.Blocks(frame) : PcapRecord(frame));
}
