#include "core/files/ParameterFileCommands.h"

#include "core/app/texts/DetailText.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/files/DocumentsFolder.h"
#include "core/files/FilePathParts.h"
#include "core/files/FileProblem.h"
#include "core/files/ParameterFileIo.h"
#include "core/files/ParameterFileReader.h"
#include "core/files/ParameterFileReopenCheck.h"
#include "core/files/SafeFileReplace.h"
#include "core/files/UnsavedEditsQuestion.h"
#include "core/params/image/NetworkTypeTable.h"
#include "core/params/validation/Validation.h"

namespace {

constexpr std::size_t MSG_OMISSION = 10;
constexpr std::size_t MSG_CANNOT_SAVE = 17;
constexpr std::size_t MSG_CANNOT_OPEN = 18;
constexpr std::size_t MSG_ONLY_ONE_FILE = 19;
constexpr std::size_t MSG_SAVING_ABORTED = 77;

void Show(HostServices& host, std::size_t msgIndex, unsigned style) {
    host.ShowMessageBox(MsgText[msgIndex], style);
}

bool StationAddressRejected(const SParameterFileContext& ctx) {
    return ctx.hooks.commitStationAddress && ctx.hooks.commitStationAddress();
}

void RefreshDisplay(const SParameterFileContext& ctx) {
    if (ctx.hooks.refreshDisplay) ctx.hooks.refreshDisplay();
}

// The completeness and consistency checks, and that the file will open again; false after their
// message was shown.
bool ReadyToSave(SParameterFileContext& ctx) {
    if (ctx.hooks.checkCompleteness(ctx.image, ctx.form, ctx.program) != 0) {
        Show(ctx.host, MSG_OMISSION, MB_ICON_WARNING);
        return false;
    }
    int finding = ctx.hooks.prepareAndValidate(ctx.image, ctx.form, ctx.program);
    if (finding == VALIDATION_OK) finding = ReopenFindingOf(ctx.image, ctx.program.SelectedGwType);
    if (finding != VALIDATION_OK) {
        ctx.host.ShowMessageBox(SaveFindingMessage(finding), MB_ICON_WARNING);
        return false;
    }
    return true;
}

void TakeSnapshots(ParameterImage& image) {
    image.GmodSnapshot = image.Word(GMOD);
    image.NetAddressSnapshot = image.NetAddress;
}

void ShowMenu(MenuItemState& item, bool on) {
    item.enabled = on;
    item.visible = on;
}

}  // namespace

std::optional<std::string> AskParameterFilePath(SParameterFileContext& ctx, EFileDialogKind kind) {
    std::string& lastFolder = ctx.program.Comm.LastFolder;
    const std::string documents = ctx.hooks.documentsFolder ? ctx.hooks.documentsFolder() : DocumentsFolder();
    lastFolder = StartFolderOf(lastFolder, documents);
    if (!ctx.hooks.askFilePath) return std::nullopt;
    const auto path = ctx.hooks.askFilePath(
        BuildFileDialogRequest(kind, ctx.program.SelectedGwType, lastFolder, ctx.files.currentFileName));
    if (!path || path->empty()) return std::nullopt;
    return path;
}

SParameterFileHooks DefaultParameterFileHooks() {
    SParameterFileHooks hooks;
    hooks.checkCompleteness = CheckCompleteness;
    hooks.prepareAndValidate = PrepareAndValidate;
    hooks.documentsFolder = DocumentsFolder;
    return hooks;
}

std::string SaveFindingMessage(int validationResult) {
    std::size_t index = 73;  // "An illegal parameter was specified."
    switch (validationResult) {
        case VALIDATION_OMISSION:
            return std::string(MsgText[MSG_OMISSION]);
        case VALIDATION_ILLEGAL_NETWORK:
            index = 69;
            break;
        case VALIDATION_ILLEGAL_DATA_SIZE:
            index = 70;
            break;
        case VALIDATION_ILLEGAL_STATION:
            index = 78;
            break;
        case VALIDATION_ILLEGAL_BAUD:
            index = 71;
            break;
        case VALIDATION_MIXED_2W_4W:
        case VALIDATION_MIXED_IO_MODE:
        case VALIDATION_ILLEGAL_MODE:
            index = 72;
            break;
        case VALIDATION_ILLEGAL_UNIT_NO:
            index = 75;
            break;
        case VALIDATION_ILLEGAL_TOP_AXIS:
            index = 74;
            break;
        case VALIDATION_ILLEGAL_TP_BAUD:
            index = 84;
            break;
        default:
            break;
    }
    return std::string(MsgText[index]) + "\r\n" + std::string(MsgText[MSG_SAVING_ABORTED]);
}

void SetParameterFileTitle(SMainFormState& form, SParameterFileState& files, const std::string& path) {
    form.caption = std::string(UiText[0]);
    if (path.empty()) return;
    form.caption += " - " + FileNamePart(path);
    files.currentFileName = path;
}

void MarkParameterSetReplaced(ParameterImage& image, SMainFormState& form, const SProgramValues& program) {
    form.setModified = false;
    form.flags.specialParamsModified = false;
    form.MenuSpecial1.enabled = true;
    image.GmodSnapshot = image.Word(GMOD);
    form.flags.etherIpModified = false;
    const bool etherIp = image.Word(NTYP) == NTYP_ETHERNET_IP;
    ShowMenu(form.MenuEtherIp, etherIp);
    if (etherIp) image.NetAddressSnapshot = image.NetAddress;
    ShowMenu(form.MenuUnitNo, (program.SelectedGwType & GW_UNIT_NUMBERED_MASK) != 0);
}

int SaveParameterFileCommand(SParameterFileContext& ctx) {
    if (StationAddressRejected(ctx)) return -1;
    RefreshDisplay(ctx);
    if (!ReadyToSave(ctx)) return -1;
    const auto path = AskParameterFilePath(ctx, EFileDialogKind::Save);
    if (!path) return -1;
    const int written = ctx.hooks.fileText ? ReplaceFileContents(*path, ctx.hooks.fileText(ctx.image))
                                           : WriteParameterFile(*path, ctx.image, ctx.program.SelectedGwType);
    if (written != FILE_WRITE_OK) {
        ctx.host.ShowMessageBoxWithDetail(MsgText[MSG_CANNOT_SAVE], MB_ICON_ERROR,
                                          FileDetail(*path, FileWriteProblem(*path)));
        return -1;
    }
    ctx.program.Comm.LastFolder = FolderPart(*path);
    SetParameterFileTitle(ctx.form, ctx.files, *path);
    ctx.form.setModified = false;
    ctx.form.flags.specialParamsModified = false;
    ctx.form.flags.etherIpModified = false;
    TakeSnapshots(ctx.image);
    return 0;
}

int OpenParameterFileCommand(SParameterFileContext& ctx) {
    if (StationAddressRejected(ctx)) return -1;
    if (!UnsavedEditsSettled(ctx)) return -1;
    const auto path = AskParameterFilePath(ctx, EFileDialogKind::Open);
    return path ? OpenParameterFileByName(ctx, *path) : -1;
}

bool HasTypeExtension(HostServices& host, const std::string& path, GwType type) {
    if (EqualIgnoringCase(ExtensionPart(path), GwUnitDataOf(type).extension)) return true;
    host.ShowMessageBoxWithDetail(MsgText[MSG_CANNOT_OPEN], MB_ICON_ERROR,
                                  FileDetail(path, std::string(DetailText::WRONG_EXTENSION) +
                                                       std::string(GwUnitDataOf(type).extension)));
    return false;
}

void AdoptOpenedFile(SParameterFileContext& ctx, const std::string& path) {
    SetParameterFileTitle(ctx.form, ctx.files, path);
    RefreshDisplay(ctx);
    ctx.program.Comm.LastFolder = FolderPart(path);
    MarkParameterSetReplaced(ctx.image, ctx.form, ctx.program);
    // The monitors need a unit read from the gateway, not a parameter set from a file.
    ctx.form.MenuMoniter1.enabled = false;
}

int OpenParameterFileByName(SParameterFileContext& ctx, const std::string& path) {
    const GwType type = ctx.program.SelectedGwType;
    if (HasTypeExtension(ctx.host, path, type) &&
        ReadParameterFile(path, type, ctx.image, ctx.host) == PFILE_LOADED) {
        AdoptOpenedFile(ctx, path);
        return 0;
    }
    ctx.form.MenuMoniter1.enabled = false;
    return -1;
}

int OpenDroppedFiles(SParameterFileContext& ctx, const std::vector<std::string>& paths) {
    // During a read or write the image belongs to the transfer: a file must not replace it between
    // two register blocks.
    if (paths.empty() || ctx.form.flags.commBusy) return -1;
    if (paths.size() > 1) {
        Show(ctx.host, MSG_ONLY_ONE_FILE, MB_ICON_ERROR);
        return -1;
    }
    if (!UnsavedEditsSettled(ctx)) return -1;
    return OpenParameterFileByName(ctx, paths.front());
}

int OpenCommandLineFiles(SParameterFileContext& ctx, const std::vector<std::string>& arguments) {
    if (arguments.empty()) return -1;
    const int result = OpenDroppedFiles(ctx, arguments);
    ctx.form.MenuMoniter1.enabled = false;
    return result;
}
