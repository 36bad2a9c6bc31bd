#pragma once
// What the open and save dialogs must offer, as plain data: the desktop window turns it into its file
// dialog, the command line front end ignores it, tests inspect it.
#include <string>

#include "core/app/GwType.h"

enum class EFileDialogKind { Open, Save };

struct SFileDialogRequest {
    EFileDialogKind kind = EFileDialogKind::Open;
    std::string filter;         // the type's one file type, "Parameter for KGW(*.pkgw)|*.pkgw|"
    std::string filterName;     // its display name, "Parameter for KGW(*.pkgw)"
    std::string filterPattern;  // its mask, "*.pkgw"
    std::string defaultSuffix;  // the extension without its dot, added to a name typed without one
    std::string startFolder;    // the folder the dialog opens in, ending in '/'
    std::string initialPath;    // pre-filled file: the current file name, or empty for an empty name field
    bool confirmOverwrite = false;  // ask before an existing file is replaced
};

// The request of the gateway type; `initialPath` follows the initial-name rule for `currentFileName`.
SFileDialogRequest BuildFileDialogRequest(EFileDialogKind kind, GwType type, const std::string& startFolder,
                                          const std::string& currentFileName);

// The start folder of both dialogs: `lastFolder` when that entry exists (looked up without its trailing
// '/'), else the documents folder `documentsFolder`.
std::string StartFolderOf(const std::string& lastFolder, const std::string& documentsFolder);
