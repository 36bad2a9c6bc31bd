#include "core/traffic/TrafficMonitor.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/files/FileProblem.h"
#include "core/files/SafeFileReplace.h"
#include "core/params/display/DisplayFormat.h"
#include "core/traffic/PcapFormat.h"
#include "core/traffic/TrafficText.h"

namespace {

constexpr std::uint8_t EXCEPTION_BIT = 0x80;

// Requests, replies and exceptions of one function share its key: "03", "45h".
std::string FunctionKeyOf(const SFrameDecoding& decoding, const std::vector<std::uint8_t>& bytes) {
    if (decoding.function.empty() || bytes.size() < 2) return {};
    const unsigned function = bytes[1] & ~EXCEPTION_BIT;
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), function < 0x10 ? "%02X" : "%02Xh", function);
    return text.data();
}

}  // namespace

std::string FrameCountText(std::size_t shown, std::size_t kept) {
    return FormatText(TrafficMonitorText::FRAME_COUNT, shown, kept, TRAFFIC_FRAMES_KEPT);
}

CTrafficMonitor::CTrafficMonitor() : recorder([this](const STrafficFrame& frame) { Add(frame); }) {}

void CTrafficMonitor::Changed() {
    ++revision;
    shownStale = true;
}

void CTrafficMonitor::Add(const STrafficFrame& frame) {
    if (paused) return;
    SKeptFrame entry{frame, DecodeFrame(frame), {}};
    entry.functionKey = FunctionKeyOf(entry.decoding, frame.bytes);
    if (!entry.functionKey.empty()) functionsSeen.insert(entry.functionKey);
    if (!entry.decoding.slave.empty()) slavesSeen.insert(entry.decoding.slave);
    if (kept.size() == TRAFFIC_FRAMES_KEPT) kept.pop_front();
    kept.push_back(std::move(entry));
    Changed();
}

void CTrafficMonitor::SetPaused(bool on) {
    paused = on;
    ++revision;
}

void CTrafficMonitor::Clear() {
    kept.clear();
    functionsSeen.clear();
    slavesSeen.clear();
    selectedNumber = 0;
    Changed();
}

void CTrafficMonitor::SetFunctionFilter(const std::string& function) {
    functionFilter = function;
    Changed();
}

void CTrafficMonitor::SetSlaveFilter(const std::string& slave) {
    slaveFilter = slave;
    Changed();
}

void CTrafficMonitor::SetFailuresOnly(bool on) {
    failuresOnly = on;
    Changed();
}

std::vector<std::string> CTrafficMonitor::FunctionChoices() const {
    return {functionsSeen.begin(), functionsSeen.end()};
}

std::vector<std::string> CTrafficMonitor::SlaveChoices() const {
    return {slavesSeen.begin(), slavesSeen.end()};
}

bool CTrafficMonitor::Passes(const SKeptFrame& entry) const {
    if (!functionFilter.empty() && entry.functionKey != functionFilter) return false;
    if (!slaveFilter.empty() && entry.decoding.slave != slaveFilter) return false;
    return !failuresOnly || entry.decoding.failed;
}

const std::vector<std::size_t>& CTrafficMonitor::Shown() const {
    if (shownStale) {
        shown.clear();
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (Passes(kept[i])) shown.push_back(i);
        }
        shownStale = false;
    }
    return shown;
}

std::size_t CTrafficMonitor::RowCount() const {
    return Shown().size();
}

std::string CTrafficMonitor::Cell(std::size_t row, ETrafficColumn column) const {
    if (row >= Shown().size()) return {};
    const SKeptFrame& entry = kept[Shown()[row]];
    const STrafficFrame& f = entry.frame;
    switch (column) {
        case ETrafficColumn::Time:
            return CaptureTimeText(f.firstByte);
        case ETrafficColumn::Direction:
            return DirectionText(f.direction);
        case ETrafficColumn::Slave:
            return entry.decoding.slave;
        case ETrafficColumn::Function:
            return entry.decoding.function;
        case ETrafficColumn::Summary:
            return entry.decoding.summary;
        case ETrafficColumn::Bytes:
            return BytesText(f.bytes, TRAFFIC_TABLE_BYTES);
        case ETrafficColumn::Gap:
            return MillisecondsText(f.silenceBefore);
        case ETrafficColumn::Response:
            return f.direction == FrameDirection::Reply ? MillisecondsText(f.responseTime) : std::string();
        case ETrafficColumn::Verdict:
            return entry.decoding.verdict;
    }
    return {};
}

bool CTrafficMonitor::RowFailed(std::size_t row) const {
    return row < Shown().size() && kept[Shown()[row]].decoding.failed;
}

void CTrafficMonitor::Select(int row) {
    const auto& rows = Shown();
    selectedNumber = row >= 0 && static_cast<std::size_t>(row) < rows.size()
                         ? kept[rows[static_cast<std::size_t>(row)]].frame.number
                         : 0;
}

int CTrafficMonitor::SelectedRow() const {
    if (selectedNumber == 0) return -1;
    const auto& rows = Shown();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (kept[rows[r]].frame.number == selectedNumber) return static_cast<int>(r);
    }
    return -1;
}

std::vector<std::string> CTrafficMonitor::SelectedDecoding() const {
    const int row = SelectedRow();
    if (row < 0) return {};
    const SKeptFrame& entry = kept[Shown()[static_cast<std::size_t>(row)]];
    const STrafficFrame& f = entry.frame;
    std::vector<std::string> lines;
    lines.push_back("Frame " + std::to_string(f.number) + ", " + DirectionText(f.direction) + ", " +
                    std::to_string(f.bytes.size()) + " bytes at " + CaptureTimeText(f.firstByte) + " s, " +
                    std::to_string(f.bps) + " bit/s, attempt " + std::to_string(f.attempt));
    lines.push_back(DecodedText(entry.decoding));
    for (const std::string& detail : entry.decoding.details) lines.push_back("  " + detail);
    std::string timing = "Verdict: " + entry.decoding.verdict;
    if (f.silenceBefore.count() >= 0) timing += ", gap " + MillisecondsText(f.silenceBefore);
    if (f.direction == FrameDirection::Reply) timing += ", response " + MillisecondsText(f.responseTime);
    lines.push_back(timing);
    for (const std::string& line : ByteDumpLines(f.bytes)) lines.push_back(line);
    return lines;
}

ECaptureFormat CaptureFormatOfPath(const std::string& path) {
    return NamesPcapng(path) ? ECaptureFormat::Pcapng : ECaptureFormat::Pcap;
}

std::string CTrafficMonitor::ShownAs(ECaptureFormat format) const {
    std::string out = format == ECaptureFormat::Pcap     ? PcapFileHeader()
                      : format == ECaptureFormat::Pcapng ? CPcapngWriter::SectionHeader()
                                                         : std::string();
    CPcapngWriter pcapng;
    for (std::size_t index : Shown()) {
        const SKeptFrame& entry = kept[index];
        switch (format) {
            case ECaptureFormat::Pcap:
                out += PcapRecord(entry.frame);
                break;
            case ECaptureFormat::Pcapng:
                out += pcapng.Blocks(entry.frame);
                break;
            case ECaptureFormat::Text:
                out += TraceLine(entry.frame, entry.decoding) + "\n";
                break;
        }
    }
    return out;
}

int CTrafficMonitor::SaveShown(const std::string& path, ECaptureFormat format, std::string& detail) const {
    const int result = ReplaceFileContents(path, ShownAs(format));
    detail = result == FILE_WRITE_OK ? std::string() : FileDetail(path, FileWriteProblem(path));
    return result;
}
