// Save, Open, Open by name, drops and the command line: the checks and messages, the dialog request,
// and what a successful save or open does to the title, the marks, the snapshots and the menus.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/files/ParameterFileCommands.h"
#include "core/files/ParameterFileIo.h"
#include "core/files/ParameterFileReader.h"
#include "core/files/NewFileForm.h"
#include "core/files/UnsavedEditsQuestion.h"
#include "core/app/texts/ToolQuestionText.h"
#include "core/params/edit/ParameterSetEdits.h"
#include "core/params/validation/Validation.h"
#include "tests/files/FileTestSupport.h"
#include "tests/support/ScriptedHost.h"

namespace {

const std::string Title = std::string(UiText[0]);

// The main window around the file commands, with every hook recorded.
class FileCommandsFixture : public testing::Test {
public:
    FileCommandsFixture() {
        program.SelectedGwType = GW_VOSK;
        program.Comm.LastFolder = folder.Path().string() + "/";
        form.caption = Title;
        hooks.commitStationAddress = [this] {
            ++commits;
            return rejectStationAddress;
        };
        hooks.refreshDisplay = [this] { ++refreshes; };
        hooks.askFilePath = [this](const SFileDialogRequest& r) -> std::optional<std::string> {
            requests.push_back(r);
            return answer;
        };
        hooks.checkCompleteness = [this](const ParameterImage&, const SMainFormState&,
                                         const SProgramValues&) { return completeness; };
        hooks.prepareAndValidate = [this](ParameterImage&, SMainFormState&, const SProgramValues&) {
            return validation;
        };
        hooks.documentsFolder = [this] { return documents.Path().string() + "/"; };
        image.Word(NTYP) = 0x0085;
        image.Word(GMOD) = 0x0012;
        image.NetAddress = {1, 2, 3};
        image.AxisMode.fill(0xFFFF);
        image.SlaveIdWord = 0x52000001;
    }

    SParameterFileContext Context() { return {image, program, form, files, host, hooks}; }
    std::vector<std::string> Texts() const { return host.Texts(); }
    void SetAllMarks() {
        form.flags.specialParamsModified = form.flags.etherIpModified = form.flags.unitNoModified = true;
    }

    CScratchFolder folder;
    CScratchFolder documents;
    ParameterImage image;
    SProgramValues program;
    SMainFormState form;
    SParameterFileState files;
    ScriptedHost host;
    SParameterFileHooks hooks;
    std::vector<SFileDialogRequest> requests;
    std::optional<std::string> answer;
    bool rejectStationAddress = false;
    int completeness = 0;
    int validation = 0;
    int commits = 0;
    int refreshes = 0;
};

using SaveCommand = FileCommandsFixture;

TEST_F(SaveCommand, WritesFileAndResetsMarksTitleAndSnapshots) {
    answer = folder.File("line 3.vogw");
    SetAllMarks();
    auto ctx = Context();
    ASSERT_EQ(SaveParameterFileCommand(ctx), 0);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_NE(ReadBytes(*answer).find(";VOSKGW=52000001\r\n"), std::string::npos);
    EXPECT_EQ(form.caption, Title + " - line 3.vogw");
    EXPECT_EQ(files.currentFileName, *answer);
    EXPECT_EQ(program.Comm.LastFolder, folder.Path().string() + "/");
    EXPECT_FALSE(form.flags.specialParamsModified);
    EXPECT_FALSE(form.flags.etherIpModified);
    EXPECT_TRUE(form.flags.unitNoModified);
    EXPECT_EQ(image.GmodSnapshot, 0x0012);
    EXPECT_EQ(image.NetAddressSnapshot, (std::array<std::uint32_t, 3>{1, 2, 3}));
}

TEST_F(SaveCommand, DialogRequestForTheType) {
    program.SelectedGwType = GW_KAVELIS;
    answer = folder.File("a.pkgw");
    auto ctx = Context();
    ASSERT_EQ(SaveParameterFileCommand(ctx), 0);
    ASSERT_EQ(SaveParameterFileCommand(ctx), 0);
    ASSERT_EQ(requests.size(), 2u);
    const SFileDialogRequest& first = requests[0];
    EXPECT_EQ(first.kind, EFileDialogKind::Save);
    EXPECT_EQ(first.filter, "Parameter for KGW(*.pkgw)|*.pkgw|");
    EXPECT_EQ(first.filterName, "Parameter for KGW(*.pkgw)");
    EXPECT_EQ(first.filterPattern, "*.pkgw");
    EXPECT_EQ(first.defaultSuffix, "pkgw");
    EXPECT_EQ(first.startFolder, folder.Path().string() + "/");
    EXPECT_TRUE(first.confirmOverwrite);
    EXPECT_EQ(first.initialPath, "");
    EXPECT_EQ(requests[1].initialPath, *answer) << "the saved file pre-fills the next dialog";

    std::filesystem::remove(*answer);
    EXPECT_EQ(SaveParameterFileCommand(ctx), 0);
    EXPECT_EQ(requests[2].initialPath, "") << "a current file that is gone starts with an empty name";
}

TEST_F(SaveCommand, LastFolderGoneStartsInDocuments) {
    program.Comm.LastFolder = folder.File("gone") + "/";
    auto ctx = Context();
    EXPECT_EQ(SaveParameterFileCommand(ctx), -1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].startFolder, documents.Path().string() + "/");
    EXPECT_EQ(program.Comm.LastFolder, documents.Path().string() + "/");
}

TEST_F(SaveCommand, EndsEarlyWithoutChange) {
    struct SCase {
        const char* name;
        std::function<void(FileCommandsFixture&)> arrange;
        std::vector<std::string> messages;
        std::size_t dialogs;
    };
    const std::string omission(MsgText[10]);
    const SCase cases[] = {
        {"rejected station address", [](auto& f) { f.rejectStationAddress = true; }, {}, 0},
        {"selection missing", [](auto& f) { f.completeness = COMPLETENESS_MISSING; }, {omission}, 0},
        {"validation finding",
         [](auto& f) { f.validation = VALIDATION_ILLEGAL_UNIT_NO; },
         {std::string(MsgText[75]) + "\r\n" + std::string(MsgText[77])},
         0},
        {"cancelled", [](auto&) {}, {}, 1},
        {"empty path", [](auto& f) { f.answer = ""; }, {}, 1},
        {"file cannot be created",
         [](auto& f) { f.answer = f.folder.File("missing/x.vogw"); },
         {std::string(MsgText[17])},
         1},
    };
    for (const SCase& c : cases) {
        host.boxes.clear();
        requests.clear();
        answer.reset();
        rejectStationAddress = false;
        completeness = validation = 0;
        form.caption = Title;
        SetAllMarks();
        c.arrange(*this);
        auto ctx = Context();
        EXPECT_EQ(SaveParameterFileCommand(ctx), -1) << c.name;
        EXPECT_EQ(Texts(), c.messages) << c.name;
        EXPECT_EQ(requests.size(), c.dialogs) << c.name;
        EXPECT_EQ(form.caption, Title) << c.name;
        EXPECT_TRUE(form.flags.specialParamsModified && form.flags.etherIpModified) << c.name;
        EXPECT_EQ(image.GmodSnapshot, 0) << c.name;
        EXPECT_TRUE(folder.Names().empty()) << c.name;
    }
    EXPECT_EQ(refreshes, 5) << "every command but the rejected address refreshes before its checks";
}

// A set the reader would refuse is not saved: every file the tool writes opens again.
TEST_F(SaveCommand, SetTheReaderWouldRefuseIsNotSaved) {
    const struct {
        const char* what;
        GwType type;
        std::function<void(ParameterImage&)> arrange;
        std::size_t message;
    } cases[] = {
        {"station 300 without fieldbus", GW_VOSK_LC,
         [](ParameterImage& i) {
             i.Word(NTYP) = 0x8000;
             i.Word(DADR) = 300;
         },
         78},
        {"network code the reader does not know", GW_VOSK, [](ParameterImage& i) { i.Word(NTYP) = 0x0090; },
         69},
        {"unit number above 8", GW_VOSK, [](ParameterImage& i) { i.UnitNo = 9; }, 75},
        {"axis word of no mode", GW_KAVELIS, [](ParameterImage& i) { i.AxisMode[3] = 0x0007; }, 72},
    };
    for (const auto& c : cases) {
        host.boxes.clear();
        ParameterImage saved = image;
        c.arrange(image);
        program.SelectedGwType = c.type;
        answer = folder.File(std::string("refused") + std::string(GwUnitDataOf(c.type).extension));
        auto ctx = Context();
        EXPECT_EQ(SaveParameterFileCommand(ctx), -1) << c.what;
        EXPECT_EQ(Texts(), std::vector<std::string>{std::string(MsgText[c.message]) + "\r\n" +
                                                    std::string(MsgText[77])})
            << c.what;
        EXPECT_TRUE(requests.empty()) << c.what;
        EXPECT_TRUE(folder.Names().empty()) << c.what;
        image = saved;
    }
    // With the value back in range the same set is saved and opens again.
    image.Word(NTYP) = 0x8000;
    image.Word(DADR) = 239;
    program.SelectedGwType = GW_VOSK_LC;
    answer = folder.File("kept.volc");
    auto ctx = Context();
    ASSERT_EQ(SaveParameterFileCommand(ctx), 0);
    ParameterImage reopened;
    EXPECT_EQ(ReadParameterFile(*answer, GW_VOSK_LC, reopened, host), PFILE_LOADED);
}

// A file marked read-only is refused with the save failure and stays as it was.
TEST_F(SaveCommand, WriteProtectedFileIsRefusedAndKept) {
    answer = folder.File("protected.vogw");
    WriteBytes(*answer, "kept\r\n");
    ASSERT_EQ(::chmod(answer->c_str(), 0444), 0);
    SetAllMarks();
    auto ctx = Context();
    EXPECT_EQ(SaveParameterFileCommand(ctx), -1);
    EXPECT_EQ(Texts(), std::vector<std::string>{std::string(MsgText[17])});
    EXPECT_EQ(ReadBytes(*answer), "kept\r\n");
    EXPECT_EQ(form.caption, Title);
    EXPECT_TRUE(form.flags.specialParamsModified);
}

// A save that fails keeps its message and names the file and why it could not be written.
TEST_F(SaveCommand, FailureNamesTheFileAndWhy) {
    std::filesystem::create_directory(folder.Path() / "taken.vogw");
    const std::pair<std::string, const char*> cases[] = {
        {folder.File("missing/x.vogw"), "The folder does not exist"},
        {folder.File("taken.vogw"), "This is a folder, not a file"},
    };
    for (const auto& [path, why] : cases) {
        host.boxes.clear();
        answer = path;
        auto ctx = Context();
        EXPECT_EQ(SaveParameterFileCommand(ctx), -1) << path;
        ASSERT_EQ(host.boxes.size(), 1u) << path;
        EXPECT_EQ(host.boxes[0].text, MsgText[17]);
        EXPECT_EQ(host.boxes[0].detail, "File: " + path + "\n" + why);
    }
}

TEST_F(SaveCommand, MessageBoxStyles) {
    completeness = COMPLETENESS_MISSING;
    auto ctx = Context();
    SaveParameterFileCommand(ctx);
    completeness = 0;
    answer = folder.File("missing/x.vogw");
    SaveParameterFileCommand(ctx);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].style, unsigned{MB_ICON_WARNING});
    EXPECT_EQ(host.boxes[1].style, unsigned{MB_ICON_ERROR});
}

TEST(SaveFindingMessage, EveryValidationResult) {
    const auto withSuffix = [](std::size_t index) {
        return std::string(MsgText[index]) + "\r\n" + "Saving of a file is aborted.";
    };
    const std::pair<int, std::string> cases[] = {
        {0x8005, withSuffix(69)},
        {0x8001, withSuffix(70)},
        {0x8006, withSuffix(78)},
        {0x8007, withSuffix(71)},
        {0x000B, withSuffix(72)},
        {0x0020, withSuffix(72)},
        {0x8004, withSuffix(72)},
        {0x8009, withSuffix(75)},
        {0x800A, withSuffix(74)},
        {0x800C, withSuffix(84)},
        {0x800B, withSuffix(73)},
        {0x1234, withSuffix(73)},
        {0xDDDE, "      There is an omission.\nPlease check the data and try again."},
    };
    for (const auto& [code, message] : cases)
        EXPECT_EQ(SaveFindingMessage(code), message) << std::hex << code;
}

using OpenCommand = FileCommandsFixture;

TEST_F(OpenCommand, LoadsEtherNetIpSetAndSwitchesMenus) {
    const std::string path = folder.File("plant.VOGW");
    WriteBytes(path, ReadBytes(GoldenPath("vosk.vogw")));
    answer = path;
    SetAllMarks();
    form.MenuMoniter1.enabled = true;
    form.MenuSpecial1.enabled = false;
    form.MenuEtherIp.enabled = form.MenuEtherIp.visible = false;
    form.MenuUnitNo.enabled = form.MenuUnitNo.visible = false;
    image.Word(GMOD) = 0;
    auto ctx = Context();
    ASSERT_EQ(OpenParameterFileCommand(ctx), 0);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, EFileDialogKind::Open);
    EXPECT_FALSE(requests[0].confirmOverwrite);
    EXPECT_EQ(requests[0].filter, "VOSK Parameter(*.vogw)|*.vogw|");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(image.Word(NTYP), 0x0085);
    EXPECT_EQ(form.caption, Title + " - plant.VOGW");
    EXPECT_EQ(files.currentFileName, path);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(program.Comm.LastFolder, folder.Path().string() + "/");
    EXPECT_FALSE(form.flags.specialParamsModified);
    EXPECT_FALSE(form.flags.etherIpModified);
    EXPECT_TRUE(form.flags.unitNoModified);
    EXPECT_TRUE(form.MenuSpecial1.enabled);
    EXPECT_TRUE(form.MenuEtherIp.enabled && form.MenuEtherIp.visible);
    EXPECT_TRUE(form.MenuUnitNo.enabled && form.MenuUnitNo.visible);
    EXPECT_FALSE(form.MenuMoniter1.enabled);
    EXPECT_EQ(image.GmodSnapshot, 0x0010);
    EXPECT_EQ(image.NetAddressSnapshot, (std::array<std::uint32_t, 3>{0xC0A8010A, 0xFFFFFF00, 0xC0A80101}));
}

TEST_F(OpenCommand, OtherNetworkHidesEtherNetIpAndKavelisHidesUnitNumber) {
    program.SelectedGwType = GW_KAVELIS;
    const std::string path = folder.File("k.pkgw");
    WriteBytes(path, ReadBytes(GoldenPath("kavelis.pkgw")));
    form.MenuEtherIp.enabled = form.MenuEtherIp.visible = true;
    form.MenuUnitNo.enabled = form.MenuUnitNo.visible = true;
    form.flags.etherIpModified = true;
    auto ctx = Context();
    ASSERT_EQ(OpenParameterFileByName(ctx, path), 0);
    EXPECT_EQ(image.Word(NTYP), 0x0005);
    EXPECT_FALSE(form.MenuEtherIp.enabled || form.MenuEtherIp.visible);
    EXPECT_FALSE(form.MenuUnitNo.enabled || form.MenuUnitNo.visible);
    EXPECT_FALSE(form.flags.etherIpModified);
    EXPECT_EQ(image.NetAddressSnapshot, (std::array<std::uint32_t, 3>{}))
        << "only EtherNet/IP takes the snapshot";
}

// The number (from 1) of the first line of `text` that starts with `start`.
int LineNumberOf(const std::string& text, const std::string& start) {
    int number = 1;
    for (std::size_t pos = 0; pos < text.size(); ++number) {
        if (text.compare(pos, start.size(), start) == 0) return number;
        pos = text.find('\n', pos);
        if (pos == std::string::npos) break;
        ++pos;
    }
    return 0;
}

std::string LineDetail(const std::string& text, const std::string& line) {
    return "Line " + std::to_string(LineNumberOf(text, line)) + ": " + line;
}

TEST_F(OpenCommand, FailuresShowTheirMessageAndChangeNothingButTheMonitorMenu) {
    const std::string golden = ReadBytes(GoldenPath("vosk.vogw"));
    const std::string foreign = golden + "F1FF,0000\r\n";
    const std::string invalid = CFileLines(golden).Replace("F104", "F104,0014").Text();
    const std::string newFormat = CFileLines(golden).Replace(";FMT=", ";FMT=00000001").Text();
    struct SCase {
        const char* file;
        std::string contents;
        std::size_t message;
        bool read;        // the extension matched and the file was read: SlaveIdWord is then 0
        std::string why;  // the detail's line after the file's path
    };
    const std::string wrongExtension = "The file name does not end with .vogw";
    const SCase cases[] = {
        {"other-type.pkgw", golden, 18, false, wrongExtension},
        {"no-extension", golden, 18, false, wrongExtension},
        {"empty.vogw", "", 18, true, "The file is empty"},
        {"foreign.vogw", foreign, 21, true, LineDetail(foreign, "F1FF,0000")},
        {"invalid.vogw", invalid, 22, true, LineDetail(invalid, "F104,0014")},
        {"new-format.vogw", newFormat, 23, true, LineDetail(newFormat, ";FMT=00000001")},
        {"too-long.vogw", golden + std::string(120, '0') + "\r\n", 18, true,
         "Line " + std::to_string(LineNumberOf(golden + "\x01", "\x01")) +
             " is longer than a parameter file line may be"},
    };
    for (const SCase& c : cases) {
        host.boxes.clear();
        const std::string path = folder.File(c.file);
        WriteBytes(path, c.contents);
        form.MenuMoniter1.enabled = true;
        SetAllMarks();
        const ParameterImage before = image;
        auto ctx = Context();
        EXPECT_EQ(OpenParameterFileByName(ctx, path), -1) << c.file;
        ASSERT_EQ(host.boxes.size(), 1u) << c.file;
        EXPECT_EQ(host.boxes[0].text, MsgText[c.message]) << c.file;
        EXPECT_EQ(host.boxes[0].detail, "File: " + path + "\n" + c.why) << c.file;
        EXPECT_EQ(host.boxes[0].style, unsigned{MB_ICON_ERROR}) << c.file;
        ParameterImage expected = before;
        if (c.read) expected.SlaveIdWord = 0;
        EXPECT_TRUE(SameImage(image, expected)) << c.file;
        EXPECT_EQ(form.caption, Title) << c.file;
        EXPECT_TRUE(form.flags.specialParamsModified) << c.file;
        EXPECT_FALSE(form.MenuMoniter1.enabled) << c.file;
        image.SlaveIdWord = before.SlaveIdWord;
    }
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(program.Comm.LastFolder, folder.Path().string() + "/");
}

TEST_F(OpenCommand, FolderPipeAndMissingFileCannotBeOpened) {
    std::filesystem::create_directory(folder.Path() / "folder.vogw");
    ASSERT_EQ(::mkfifo(folder.File("pipe.vogw").c_str(), 0600), 0);
    auto ctx = Context();
    const std::pair<const char*, const char*> cases[] = {{"folder.vogw", "This is a folder, not a file"},
                                                         {"pipe.vogw", "This is not a regular file"},
                                                         {"missing.vogw", "The file does not exist"}};
    for (const auto& [name, why] : cases) {
        host.boxes.clear();
        EXPECT_EQ(OpenParameterFileByName(ctx, folder.File(name)), -1) << name;
        EXPECT_EQ(Texts(), std::vector<std::string>{std::string(MsgText[18])}) << name;
        EXPECT_EQ(host.boxes[0].detail, "File: " + folder.File(name) + "\n" + why);
    }
    EXPECT_EQ(image.SlaveIdWord, 0u);
}

TEST_F(OpenCommand, CancelledDialogOpensNothing) {
    form.MenuMoniter1.enabled = true;
    auto ctx = Context();
    EXPECT_EQ(OpenParameterFileCommand(ctx), -1);
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_TRUE(form.MenuMoniter1.enabled);
    rejectStationAddress = true;
    EXPECT_EQ(OpenParameterFileCommand(ctx), -1);
    EXPECT_EQ(requests.size(), 1u) << "a rejected station address ends the command before the dialog";
}

TEST_F(OpenCommand, DropsAndCommandLine) {
    const std::string path = folder.File("one.vogw");
    WriteBytes(path, ReadBytes(GoldenPath("vosk.vogw")));
    auto ctx = Context();

    form.MenuMoniter1.enabled = true;
    EXPECT_EQ(OpenDroppedFiles(ctx, {path, path}), -1);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Please choose a file only one."});
    EXPECT_EQ(form.caption, Title);
    EXPECT_TRUE(form.MenuMoniter1.enabled) << "a refused drop opens nothing";

    EXPECT_EQ(OpenCommandLineFiles(ctx, {path, path}), -1);
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_FALSE(form.MenuMoniter1.enabled) << "any command-line argument disables the Monitor menu";

    EXPECT_EQ(OpenDroppedFiles(ctx, {path}), 0);
    EXPECT_EQ(form.caption, Title + " - one.vogw");
    EXPECT_EQ(host.boxes.size(), 2u);
}

TEST(SetParameterFileTitle, NamesTheFileOrNone) {
    SMainFormState form;
    SParameterFileState files;
    SetParameterFileTitle(form, files, "/plant/line 1/press.dvgw");
    EXPECT_EQ(form.caption, "Parameter Configuration Tool for Orvane GateWay Unit - press.dvgw");
    EXPECT_EQ(files.currentFileName, "/plant/line 1/press.dvgw");
    SetParameterFileTitle(form, files, "");
    EXPECT_EQ(form.caption, "Parameter Configuration Tool for Orvane GateWay Unit");
    EXPECT_EQ(files.currentFileName, "/plant/line 1/press.dvgw");
}

TEST(StartFolder, LastFolderOrDocuments) {
    CScratchFolder folder;
    const std::string last = folder.Path().string() + "/";
    EXPECT_EQ(StartFolderOf(last, "/docs/"), last);
    EXPECT_EQ(StartFolderOf(folder.Path().string(), "/docs/"), folder.Path().string());
    EXPECT_EQ(StartFolderOf(last + "gone/", "/docs/"), "/docs/");
    EXPECT_EQ(StartFolderOf("0", "/docs/"), "/docs/") << "the settings default";
    EXPECT_EQ(StartFolderOf("", "/docs/"), "/docs/");
}

using UnsavedEdits = FileCommandsFixture;

// An event marks the set only when it changed a register; the title carries the mark.
TEST_F(UnsavedEdits, OnlyAChangedRegisterMarksTheSet) {
    const struct {
        const char* what;
        std::function<void()> edit;
        bool marks;
    } cases[] = {
        {"nothing changed", [] {}, false},
        {"a run-time value", [this] { image.RecountPending = !image.RecountPending; }, false},
        {"GMOD", [this] { image.Word(GMOD) ^= 0x0001; }, true},
        {"an axis word", [this] { image.AxisMode[3] = 0x0001; }, true},
        {"the unit number", [this] { image.UnitNo = 1; }, true},
        {"an EtherNet/IP address", [this] { image.NetAddress[2] = 7; }, true},
    };
    for (const auto& c : cases) {
        form.setModified = false;
        EditParameterSet(image, form, c.edit);
        EXPECT_EQ(form.setModified, c.marks) << c.what;
        EXPECT_EQ(MainWindowTitle(form), c.marks ? Title + " *" : Title) << c.what;
    }
}

// Open, a drop, New and the close query ask before unsaved edits are thrown away: Cancel keeps the set
// and shows no file dialog, a save that does not happen keeps it too, Discard goes on, Save saves first.
TEST_F(UnsavedEdits, ReplacingTheSetOrClosingAsksFirst) {
    const std::string other = folder.File("other.vogw");
    answer = other;
    auto saved = Context();
    ASSERT_EQ(SaveParameterFileCommand(saved), 0);
    const struct {
        const char* what;
        std::function<bool(SParameterFileContext&)> run;
        bool replacesTheSet;
    } commands[] = {
        {"Open", [](SParameterFileContext& ctx) { return OpenParameterFileCommand(ctx) == 0; }, true},
        {"drop", [&](SParameterFileContext& ctx) { return OpenDroppedFiles(ctx, {other}) == 0; }, true},
        {"New", [](SParameterFileContext& ctx) { return NewFileCommand(ctx, [](SNewFileFormState&) { return true; }) == 0; }, true},
        {"close", [](SParameterFileContext& ctx) { return CloseQueryWithUnsavedEdits(ctx); }, false},
    };
    for (const auto& c : commands) {
        auto ctx = Context();
        const auto edit = [&] {
            image.Word(GMOD) = 0x0055;
            form.setModified = true;
            host.boxes.clear();
            requests.clear();
        };
        edit();
        host.answers = {ID_CANCEL};
        EXPECT_FALSE(c.run(ctx)) << c.what;
        ASSERT_EQ(host.boxes.size(), 1u) << c.what;
        EXPECT_EQ(host.boxes[0].text, ToolQuestionText::UNSAVED_EDITS);
        EXPECT_EQ(host.boxes[0].style, MB_SAVE_DISCARD_CANCEL | MB_ICON_QUESTION);
        EXPECT_TRUE(requests.empty()) << c.what << ": no file dialog after Cancel";
        EXPECT_EQ(image.Word(GMOD), 0x0055) << c.what;
        EXPECT_TRUE(form.setModified) << c.what;

        answer.reset();  // the save dialog is cancelled
        host.answers = {ID_YES};
        EXPECT_FALSE(c.run(ctx)) << c.what;
        ASSERT_EQ(requests.size(), 1u) << c.what;
        EXPECT_EQ(requests[0].kind, EFileDialogKind::Save) << c.what;
        EXPECT_TRUE(form.setModified) << c.what;

        edit();
        answer = other;
        host.answers = {ID_NO};
        EXPECT_TRUE(c.run(ctx)) << c.what;
        EXPECT_NE(image.Word(GMOD) == 0x0055, c.replacesTheSet) << c.what;
        EXPECT_NE(form.setModified, c.replacesTheSet) << c.what;

        const std::string saveTo = folder.File(std::string("saved before ") + c.what + ".vogw");
        edit();
        answer = saveTo;
        host.answers = {ID_YES};
        EXPECT_TRUE(c.run(ctx)) << c.what;
        EXPECT_EQ(requests.front().kind, EFileDialogKind::Save) << c.what;
        EXPECT_NE(ReadBytes(saveTo).find("F10F,0055"), std::string::npos) << c.what << ": the edits were saved";
        EXPECT_FALSE(form.setModified) << c.what;
    }
}

TEST_F(UnsavedEdits, NoQuestionWithoutEdits) {
    auto ctx = Context();
    EXPECT_TRUE(CloseQueryWithUnsavedEdits(ctx));
    EXPECT_TRUE(UnsavedEditsSettled(ctx));
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
