#pragma once
// The main window's file commands: Save, Open, Open by name (also for a dropped file and the command
// line) and Set title. They work on the one parameter image, the program values, the main window's
// state and the host; the window supplies the few things only it can do through hooks.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/files/FileDialogRequest.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// The file state of the main window: the current file name both dialogs are pre-filled with.
struct SParameterFileState {
    std::string currentFileName;
};

struct SParameterFileHooks {
    // Commits the station-address field `edDADR` when it has the focus, as on losing it; true when that
    // replaced the field's text (the entry was rejected), which ends the command.
    std::function<bool()> commitStationAddress;
    // The main window's display refresh from the image.
    std::function<void()> refreshDisplay;
    // Shows the open or save dialog; the chosen path, or nothing when the user cancelled.
    std::function<std::optional<std::string>(const SFileDialogRequest&)> askFilePath;
    // The checks before a save; the tool's own by default.
    std::function<int(const ParameterImage&, const SMainFormState&, const SProgramValues&)> checkCompleteness;
    std::function<int(ParameterImage&, SMainFormState&, const SProgramValues&)> prepareAndValidate;
    // The documents folder, where the dialogs start when `LastFolder` is gone.
    std::function<std::string()> documentsFolder;
    // The whole text a save writes for the image; when unset, the writer's text of the image.
    std::function<std::string(const ParameterImage&)> fileText;
};

// Hooks with the tool's own checks and documents folder; the window fills in the rest.
SParameterFileHooks DefaultParameterFileHooks();

struct SParameterFileContext {
    ParameterImage& image;
    SProgramValues& program;
    SMainFormState& form;
    SParameterFileState& files;
    HostServices& host;
    SParameterFileHooks hooks;
};

// Runs the open or save dialog for the current type, starting in `LastFolder` (moved to the documents
// folder when it is gone); the chosen path, or nothing when cancelled or empty.
std::optional<std::string> AskParameterFilePath(SParameterFileContext& ctx, EFileDialogKind kind);

// Save (`tbSaveFile`, `MenuSave1`). 0 when the file was written; -1 when the command ended early (a
// rejected station address, a finding shown to the user, a cancelled dialog or a failed write).
int SaveParameterFileCommand(SParameterFileContext& ctx);

// Open (`tbOpenFile`, `MenuOpen1`). 0 when a file was loaded, -1 otherwise.
int OpenParameterFileCommand(SParameterFileContext& ctx);

// Open by name: checks the extension, reads the file, and on success sets the title, the marks and the
// menus. The Monitor menu is disabled whatever the outcome. 0 when loaded, else -1 (already reported).
int OpenParameterFileByName(SParameterFileContext& ctx, const std::string& path);

// Whether `path` bears the file extension of `type`; otherwise the refusal has been shown.
bool HasTypeExtension(HostServices& host, const std::string& path, GwType type);

// What opening the file at `path` leaves behind once the image holds its set: the title, the display
// refresh, the last folder, the marks and menus of a replaced set, and the Monitor menu disabled.
void AdoptOpenedFile(SParameterFileContext& ctx, const std::string& path);

// Files dropped on the main window: one is opened by name, more are refused with a message. While an
// exchange with the gateway runs (`commBusy`) a drop is ignored.
int OpenDroppedFiles(SParameterFileContext& ctx, const std::vector<std::string>& paths);

// The command line's arguments at start: as a drop, and with any argument the Monitor menu is disabled.
int OpenCommandLineFiles(SParameterFileContext& ctx, const std::vector<std::string>& arguments);

// Set title: the caption names the file, and the path pre-fills both dialogs from now on. An empty path
// gives the bare caption and keeps the current file name.
void SetParameterFileTitle(SMainFormState& form, SParameterFileState& files, const std::string& path);

// After a new parameter set came from a file or the New command: the specialty, EtherNet/IP and unit
// number menus and their modified-marks and snapshots follow the image.
void MarkParameterSetReplaced(ParameterImage& image, SMainFormState& form, const SProgramValues& program);

// The message a save shows for a validation finding (MsgText[77] appended, the omission alone).
std::string SaveFindingMessage(int validationResult);
