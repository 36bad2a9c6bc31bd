#pragma once
// The settings file `GWComConfig.env`: section [GW] with BaudRate, PortNum, Flag and Path, and the
// section [Ports] that maps COM numbers to device paths (keys COM<n>). Any other section or key is kept
// as it stands when the file is written back.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "core/app/IniDocument.h"
#include "core/app/ProgramValues.h"

inline constexpr int BAUD_INDEX_COUNT = 7;  // entries of BaudTable

struct SGwComConfig {
    SGWCommunicate comm;               // the [GW] values after the start-up rules
    std::map<int, std::string> ports;  // [Ports]: COM number -> device path
    CIniDocument document;             // the file as read, written back with [GW] updated
    // A settings file was there but could not be read (unreadable, not a file, oversized): the run
    // uses the defaults, and the file is never overwritten, so nothing in it is lost.
    bool unreadable = false;
    std::filesystem::path file;  // the file read, or that was to be read
};

// `ToolFlags` from the text of `Flag`: 0 unless pure hexadecimal; a word without the validity bit (1)
// gets it and loses `ExtendedMode` (bit 31).
std::uint32_t ToolFlagsOfFlagText(std::string_view text);

// The settings held in an INI text; defaults for every missing or unusable value.
SGwComConfig ParseGwComConfig(std::string_view text);

// Reads one file; a missing, unreadable or oversized file gives the defaults (`unreadable` tells the
// last two from a missing one).
SGwComConfig ReadGwComConfigFile(const std::filesystem::path& file);

// Reads the settings at start from the settings folder, else from the program folder.
SGwComConfig LoadGwComConfig();

// The document with [GW] set from `comm` (Flag as eight upper-case hex digits). A key whose text the
// program already reads as the value it holds keeps its text; a missing key is added.
std::string GwComConfigText(CIniDocument document, const SGWCommunicate& comm);

// Writes one file (through a temporary file in the same folder). 0 on success, -1 on failure.
int WriteGwComConfigFile(const std::filesystem::path& file, const CIniDocument& document,
                         const SGWCommunicate& comm);

// Writes the settings at close: into the settings folder, creating every missing level, or into the
// program folder when no configuration folder is known. A configuration whose file could not be read
// is not written. Nothing is reported; returns 0 or -1.
int SaveGwComConfig(const SGwComConfig& config, const SGWCommunicate& comm);

// What the user is told, once, about a settings file that could not be read.
std::string UnreadableSettingsNotice(const std::filesystem::path& file);
