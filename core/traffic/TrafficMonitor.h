#pragma once
// The traffic monitor window's state and rules: the frames kept (the newest TRAFFIC_FRAMES_KEPT),
// pause, the filters, the table the window shows, the decoding of the selected frame, clear, and saving
// what is shown as text or as a capture file. The window only renders this and forwards its events.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/texts/TrafficMonitorText.h"
#include "core/traffic/FrameDecoder.h"
#include "core/traffic/TrafficFrame.h"
#include "core/traffic/TrafficRecorder.h"

inline constexpr std::size_t TRAFFIC_FRAMES_KEPT = 10000;
inline constexpr std::size_t TRAFFIC_TABLE_BYTES = 16;  // bytes the table's column shows of a frame

enum class ETrafficColumn { Time, Direction, Slave, Function, Summary, Bytes, Gap, Response, Verdict };
inline constexpr std::size_t TRAFFIC_COLUMNS = TrafficMonitorText::COLUMNS.size();

enum class ECaptureFormat { Text, Pcap, Pcapng };

// The capture format a file name asks for: pcapng for a name ending in ".pcapng", classic PCAP else.
ECaptureFormat CaptureFormatOfPath(const std::string& path);

// "12 of 240 frames shown (the newest 10000 are kept)".
std::string FrameCountText(std::size_t shown, std::size_t kept);

class CTrafficMonitor {
public:
    CTrafficMonitor();
    CTrafficMonitor(const CTrafficMonitor&) = delete;
    CTrafficMonitor& operator=(const CTrafficMonitor&) = delete;

    // The observer the window attaches to the link while it is open.
    CTrafficRecorder& Recorder() { return recorder; }
    // Takes one frame (dropped while paused); the oldest kept frame goes when the store is full.
    void Add(const STrafficFrame& frame);

    bool Paused() const { return paused; }
    void SetPaused(bool on);
    void Clear();

    // Filters: an empty text lets every function or slave through.
    void SetFunctionFilter(const std::string& function);
    void SetSlaveFilter(const std::string& slave);
    void SetFailuresOnly(bool on);
    // The choices of the filter lists: the functions ("03", "45h", ...) and slaves seen since the last
    // clear, sorted.
    std::vector<std::string> FunctionChoices() const;
    std::vector<std::string> SlaveChoices() const;

    std::size_t KeptCount() const { return kept.size(); }
    std::size_t RowCount() const;
    std::string Cell(std::size_t row, ETrafficColumn column) const;
    bool RowFailed(std::size_t row) const;

    // Selects a row of the table (-1: none); the selection follows its frame while rows come and go.
    void Select(int row);
    int SelectedRow() const;
    // The decoding of the selected frame, one fact a line, then its bytes; empty when none is selected.
    std::vector<std::string> SelectedDecoding() const;

    // What is shown, as the trace file's lines or as a capture file.
    std::string ShownAs(ECaptureFormat format) const;
    // Writes what is shown to `path` through the safe file replacement: FILE_WRITE_OK, or the failure
    // with `detail` saying which file and why.
    int SaveShown(const std::string& path, ECaptureFormat format, std::string& detail) const;

    // Changes whenever the table or the filter lists change, so the window re-renders only then.
    std::uint64_t Revision() const { return revision; }

private:
    struct SKeptFrame {
        STrafficFrame frame;
        SFrameDecoding decoding;
        std::string functionKey;
    };

    bool Passes(const SKeptFrame& kept) const;
    const std::vector<std::size_t>& Shown() const;
    void Changed();

    CTrafficRecorder recorder;
    std::deque<SKeptFrame> kept;
    std::set<std::string> functionsSeen;
    std::set<std::string> slavesSeen;
    std::string functionFilter;
    std::string slaveFilter;
    bool failuresOnly = false;
    bool paused = false;
    std::uint64_t selectedNumber = 0;  // 0: none
    std::uint64_t revision = 0;
    mutable std::vector<std::size_t> shown;  // indexes into `kept`
    mutable bool shownStale = true;
};
