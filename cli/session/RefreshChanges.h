#pragma once
// What the display refresh changed in a parameter set opened from a file. On its way the window puts an
// out-of-range station address or baud code back to the network's first one, settles the axis counts
// and normalises the axis words, so the set it shows (and would save or write) may differ from the
// file's. gwcli names each change as the window names the field.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/console/CliJson.h"
#include "cli/console/ConsoleHost.h"
#include "cli/session/CliFileContext.h"

struct SRefreshChange {
    std::string field;   // the field as the window names it ("Address", "Axis3")
    std::string inFile;  // the value the file holds
    std::string kept;    // the value the refresh left
};

// The fields of `fileSet` (the set as the reader loaded it) that the refresh changed into `kept`;
// `form` is the window after that refresh.
std::vector<SRefreshChange> RefreshChanges(const ParameterImage& fileSet, const ParameterImage& kept,
                                           const SMainFormState& form, GwType type);

// How a file opened.
enum class EFileOpening {
    Refused,           // the reader's message has been printed; the session holds no set of the file
    AsItStands,        // the window shows the file's set unchanged
    ChangedByRefresh,  // the refresh changed the set or warned about it (its warning has been printed)
};
struct SFileOpening {
    EFileOpening result = EFileOpening::Refused;
    std::vector<SRefreshChange> changes;
};

// Opens `path` as Open does and compares the set the reader loaded with the one the refresh left.
SFileOpening OpenFileWatchingRefresh(SCliFileContext& file, CConsoleHost& host, const std::string& path);

// One remark per change: "gwcli: Address: 0 in the file, 1 kept".
void PrintRefreshChanges(CConsoleHost& host, const std::vector<SRefreshChange>& changes);
// [{"field","file","kept"}, ...]
CliJson RefreshChangesJson(const std::vector<SRefreshChange>& changes);

// Open by name, keeping the set exactly as the file holds it: false after the reader's message, and
// false after the lines of what the display refresh changed (or its warning), since the set in the
// window is then no longer the file's.
bool OpenFileAsItStands(SCliFileContext& file, CConsoleHost& host, const std::string& path);
