#pragma once
// The texts of the traffic monitor: its Monitor menu item, the window's caption, the table's column
// titles, the filter and button captions, the frame count line and the file dialogs' filters.
#include <array>
#include <string_view>

namespace TrafficMonitorText {
inline constexpr std::string_view MENU_CAPTION = "Traffic Monitor";
inline constexpr std::string_view CAPTION = "Traffic Monitor";
inline constexpr std::array<std::string_view, 9> COLUMNS{"Time [s]", "Dir", "Slave",    "Function", "Summary",
                                                         "Bytes",    "Gap", "Response", "Verdict"};
inline constexpr std::string_view ALL_CHOICES = "(all)";
inline constexpr std::string_view FUNCTION_LABEL = "Function";
inline constexpr std::string_view SLAVE_LABEL = "Slave";
inline constexpr std::string_view FAILURES_ONLY = "Failures only";
inline constexpr std::string_view PAUSE = "Pause";
inline constexpr std::string_view RESUME = "Resume";
inline constexpr std::string_view CLEAR = "Clear";
inline constexpr std::string_view SAVE_TEXT = "Save as Text...";
inline constexpr std::string_view SAVE_PCAP = "Save as PCAP...";
inline constexpr std::string_view SAVE_FAILED = "The traffic could not be saved.";
inline constexpr std::string_view TEXT_FILTER = "Text file (*.txt)";
inline constexpr std::string_view PCAPNG_FILTER = "pcapng capture (*.pcapng)";
inline constexpr std::string_view PCAP_FILTER = "PCAP capture (*.pcap)";
// Frames shown, frames kept, the most frames kept.
inline constexpr std::string_view FRAME_COUNT = "%zu of %zu frames shown (the newest %zu are kept)";
}  // namespace TrafficMonitorText
