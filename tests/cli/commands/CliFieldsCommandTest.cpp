// fields, edit --set and new of the built program, against the main window's own handlers: a set made
// by name through gwcli gives the file the window's handlers give for the same clicks and choices.
#include <functional>
#include <nlohmann/json.hpp>

#include "cli/session/CliFileContext.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/FileAxisSlots.h"
#include "core/app/SilentHost.h"
#include "core/app/texts/MsgText.h"
#include "core/files/NewFileForm.h"
#include "core/params/edit/AxisGridEditing.h"
#include "core/params/edit/DravoPanelEvents.h"
#include "core/params/edit/FieldEditing.h"
#include "tests/cli/CliTestSupport.h"

namespace {

// The desktop window on a file: laid out for the type as gwcli lays it out, the file opened as Open
// does, then edited through the window's handlers and saved with Save.
struct SWindowOnFile {
    CSilentHost host;
    CSession session{host};
    std::unique_ptr<SCliFileContext> file;

    SWindowOnFile(GwType type, const std::string& path, bool extended) {
        session.program.SelectedGwType = type;
        if (extended) session.program.Comm.ToolFlags |= TOOLFLAG_EXTENDED_MODE;
        LayOutMainWindow(session, FileAxisSlots(path, type));
        file = std::make_unique<SCliFileContext>(session, path);
        EXPECT_EQ(OpenParameterFileByName(file->context, path), 0);
    }
    ParameterImage& image() { return session.image; }
    SMainFormState& form() { return session.form; }
    int Save() { return SaveParameterFileCommand(file->context); }
};

using WindowEdit = std::function<void(SWindowOnFile&)>;

// The lines of a parameter file but its date and time.
std::vector<std::string> SetLines(const std::string& path) {
    std::vector<std::string> lines;
    for (const std::string& line : Lines(ReadWholeFile(path)))
        if (!line.starts_with(";DATE=") && !line.starts_with(";TIME=")) lines.push_back(line);
    return lines;
}

class CliFields : public CliTest {
protected:
    std::string Copy(std::string_view golden, const std::string& name) {
        const std::string path = PathOf(name);
        WriteWholeFile(path, ReadWholeFile(GoldenFile(golden)));
        return path;
    }
};

struct SSetCase {
    const char* golden;
    GwType type;
    std::vector<std::string> sets;
    WindowEdit window;
    bool extended = false;
};

#define HANDLER(call) [](SWindowOnFile& w) { call; }
#define ON_WINDOW w.image(), w.form(), w.session.program, w.host

TEST_F(CliFields, SetsByNameGiveTheFileTheWindowsHandlersGive) {
    const SSetCase cases[] = {
        // VOSK: a pair taken from Point2 to Simple with the slot's reserve mark kept (the first click
        // clears it), a reserve mark, the axis count raised and the new pair given a mode, and a network
        // chosen in ExtendedMode.
        {"vosk.vogw", GW_VOSK, {"Axis3=Simple"},
         HANDLER(StringGrid1Click(ON_WINDOW, 1, 4); StringGrid1Click(ON_WINDOW, 1, 4))},
        {"vosk.vogw", GW_VOSK, {"Axis1 Rsv=on"}, HANDLER(StringGrid1Click(ON_WINDOW, 2, 2))},
        {"vosk.vogw", GW_VOSK, {"Size 1W=6", "Axis4=Point3"},
         HANDLER(cbW1NChange(ON_WINDOW, 3); StringGrid1Click(ON_WINDOW, 5, 5))},
        {"vosk.vogw", GW_VOSK, {"Network Type=DeviceNet", "Address=12", "size 1w=2", "Axis0=Point1"},
         HANDLER(cbNTYPChange(ON_WINDOW, 1); cbDADRChange(ON_WINDOW, 12); cbW1NChange(ON_WINDOW, 1);
                 StringGrid1Click(ON_WINDOW, 2, 1)),
         true},
        // KAVELIS: a station address, a 4W slot's mode, fewer Full axes, and a reserve mark the grid
        // clears in two clicks (8001h, 3FFFh, 0001h).
        {"kavelis.pkgw", GW_KAVELIS, {"Address=17"}, HANDLER(cbDADRChange(ON_WINDOW, 16))},
        {"kavelis.pkgw", GW_KAVELIS, {"Axis0=Simple"}, HANDLER(StringGrid1Click(ON_WINDOW, 1, 1))},
        {"kavelis.pkgw", GW_KAVELIS, {"Size 8W=1"}, HANDLER(cbW8NChange(ON_WINDOW, 1))},
        {"kavelis.pkgw", GW_KAVELIS, {"Axis2 Rsv=off"},
         HANDLER(StringGrid1Click(ON_WINDOW, 2, 3); StringGrid1Click(ON_WINDOW, 2, 3))},
        // NUB3 GW: the EtherCAT address typed, a reserved Point3 made a reserved Full, fewer axes.
        {"nub3gw.nugw", GW_NUB3GW, {"Address=1001"},
         HANDLER(w.form().edDADR.text = "1001"; edDADRExit(ON_WINDOW))},
        {"nub3gw.nugw", GW_NUB3GW, {"Axis3=Full"},
         HANDLER(StringGrid1Click(ON_WINDOW, 3, 4); StringGrid1Click(ON_WINDOW, 3, 4))},
        {"nub3gw.nugw", GW_NUB3GW, {"Size 1W=2"}, HANDLER(cbW1NChange(ON_WINDOW, 2))},
        // VOSK(MLIII): more axes and a servo pair taken from A to P (two clicks), the data size, a reserve.
        {"vosk-mliii.vmgw", GW_VOSK_ML3, {"Axis Type=4", "Axis2=ML-IIIServo P"},
         HANDLER(ComboBox1Change(ON_WINDOW, 2); StringGrid2Click(ON_WINDOW, 1, 3); StringGrid2Click(ON_WINDOW, 1, 3))},
        {"vosk-mliii.vmgw", GW_VOSK_ML3, {"Date Size=48byte"}, HANDLER(cbDSZChange(ON_WINDOW, 1))},
        {"vosk-mliii.vmgw", GW_VOSK_ML3, {"Axis0 Rsv=on"}, HANDLER(StringGrid2Click(ON_WINDOW, 1, 1))},
        // VOSK-LC: the TP port baud rate and the node address.
        {"vosk-lc.volc", GW_VOSK_LC, {"TP Port Baud Rate=115200bps"}, HANDLER(cbTBPSChange(ON_WINDOW, 4))},
        {"vosk-lc.volc", GW_VOSK_LC, {"Address=5"}, HANDLER(cbDADRChange(ON_WINDOW, 5))},
        // DRAVO: a drive unit by its mode's name, a reserve box, the last unit left out, and the
        // RemoteI/O group chosen before its one mode.
        {"dravo.dvgw", GW_DRAVO, {"Drive Unit1=Positioner1"}, HANDLER(cbAxisCtrlChange(ON_WINDOW, 1, 1))},
        {"dravo.dvgw", GW_DRAVO, {"Axis3 Rsv=off"}, HANDLER(chkRsvAxisClick(ON_WINDOW, 1, 1, false))},
        {"dravo.dvgw", GW_DRAVO, {"Drive Unit2=Undefined"}, HANDLER(cbAxisCtrlChange(ON_WINDOW, 2, 0))},
        {"dravo.dvgw", GW_DRAVO, {"Axis Type=RemoteI/O", "Drive Unit0=RemoteI/O(Size:1W)"},
         HANDLER(rbRemIOClick(ON_WINDOW); cbAxisCtrlChange(ON_WINDOW, 0, 1))},
    };
    int n = 0;
    for (const SSetCase& c : cases) {
        const std::string label = std::string(c.golden) + " " + std::to_string(n++);
        SCOPED_TRACE(label);
        const std::string byName = Copy(c.golden, "name-" + std::to_string(n) + c.golden);
        const std::string byWindow = Copy(c.golden, "window-" + std::to_string(n) + c.golden);
        std::vector<std::string> args = {"edit", byName};
        for (const std::string& set : c.sets) args.insert(args.end(), {"--set", set});
        if (c.extended) args.push_back("--extended");
        const SCliRun run = Cli(c.type, args);
        ASSERT_EQ(run.status, 0) << run.out << run.err;

        SWindowOnFile window(c.type, byWindow, c.extended);
        c.window(window);
        ASSERT_EQ(window.Save(), 0);
        EXPECT_EQ(SetLines(byName), SetLines(byWindow));
        EXPECT_NE(SetLines(byName), SetLines(GoldenFile(c.golden))) << "the set changed nothing";
    }
}

// What a set changed besides its field is named as check names a change of the window's refresh.
TEST_F(CliFields, PairPartnerThatFollowsIsNamed) {
    const std::string file = Copy("vosk.vogw", "pair.vogw");
    const SCliRun run = Cli(GW_VOSK, {"edit", file, "--set", "Axis3=Point1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "gwcli: Axis2: 0010h in the file, 0001h kept\n");
    const SCliRun shown = Cli(GW_VOSK, {"show", file});
    EXPECT_NE(shown.out.find("Axis2:  Point1"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Axis3:  Point1"), std::string::npos) << shown.out;
}

// A set the window does not allow leaves the file as it was: a disabled field and an unknown name or
// value are usage errors with the reason, a value the window refuses gets its message, and a set that
// fails Save's checks is not written.
TEST_F(CliFields, RefusedSetsLeaveTheFileAlone) {
    const struct {
        const char* golden;
        GwType type;
        std::vector<std::string> sets;
        int status;
        std::string err;
    } cases[] = {
        {"vosk.vogw", GW_VOSK, {"Size nibble=2"}, 2,
         "gwcli: edit: Size nibble cannot be set: the window disables it while Size 1W is not 0\n"},
        {"vosk.vogw", GW_VOSK, {"Axis5=Simple"}, 2,
         "gwcli: edit: Axis5 cannot be set: the slot lies beyond the axes Size 1W, Size nibble configure\n"},
        {"vosk.vogw", GW_VOSK, {"Network Type=DeviceNet"}, 2,
         "gwcli: edit: Network Type cannot be set: the window shows the network type as text without "
         "ExtendedMode (--extended offers the list; new --network starts a set on another network)\n"},
        {"dravo.dvgw", GW_DRAVO, {"Drive Unit2=Undefined", "Axis5 Rsv=on"}, 2,
         "gwcli: edit: Axis5 Rsv cannot be set: the window disables it while Drive Unit2 is Undefined\n"},
        {"vosk.vogw", GW_VOSK, {"Axsi3=Simple"}, 2,
         "gwcli: edit: the window shows no field \"Axsi3\"; nearest: \"Axis3\", \"Axis0\", \"Axis1\"\n"},
        {"kavelis.pkgw", GW_KAVELIS, {"Address=200"}, 2,
         "gwcli: edit: Address offers no \"200\"; choices: 1..125\n"},
        {"vosk.vogw", GW_VOSK, {"Axis3=TEV I/O"}, 2,
         "gwcli: edit: Axis3 offers no \"TEV I/O\"; choices: Simple | Point1 | Full | Point2 | Point3 | -\n"},
        {"kavelis.pkgw", GW_KAVELIS, {"Axis3=Point1"}, 2,
         "gwcli: edit: Axis3 cannot be set: no click in its row changes it on this network and axis "
         "configuration\n"},
        {"nub3gw.nugw", GW_NUB3GW, {"Address=12a"}, 2,
         "gwcli: edit: Address takes a number 0..65535, not \"12a\"\n"},
        {"nub3gw.nugw", GW_NUB3GW, {"Address=70000"}, 1, Printed(MsgText[47])},
        {"vosk.vogw", GW_VOSK, {"Size 1W=6"}, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sets.back());
        const std::string file = Copy(c.golden, std::string("refused-") + c.golden);
        std::vector<std::string> args = {"edit", file};
        for (const std::string& set : c.sets) args.insert(args.end(), {"--set", set});
        const SCliRun run = Cli(c.type, args);
        EXPECT_EQ(run.status, c.status) << run.err;
        if (!c.err.empty()) {
            EXPECT_EQ(run.err, c.err);
        }
        EXPECT_EQ(ReadWholeFile(file), ReadWholeFile(GoldenFile(c.golden)));
    }
}

// The fields of each type's golden file, as text and as JSON, name what the window shows.
TEST_F(CliFields, FieldsListTheWindowsFieldsOfEachType) {
    const struct {
        const char* golden;
        GwType type;
        std::vector<std::string> lines;
    } cases[] = {
        {"vosk.vogw",
         GW_VOSK,
         {"Address (F107): (none)  [disabled: the window fixes it on EtherNet/IP]",
          "Size 1W (F10A): 4  [choices: 0 | 2 | 4 | 6 | 8]",
          "Axis3 (F113): Point2  [choices: Simple | Point1 | Full | Point2 | Point3 | -]", "Axis3 Rsv (F113): on  [choices: on | off]"}},
        {"kavelis.pkgw", GW_KAVELIS, {"Address (F107): 5  [choices: 1..125]", "Size 8W (F10B): 2  [choices: 0..6]"}},
        {"nub3gw.nugw", GW_NUB3GW, {"Address (F107): 1000  [range: 0..65535]"}},
        {"vosk-mliii.vmgw", GW_VOSK_ML3, {"Axis1 (F111): ML-IIIServo A  [choices: ML-IIIServo A | ML-IIIServo P]"}},
        {"vosk-lc.volc", GW_VOSK_LC, {"TP Port Baud Rate (F10E): 57600bps  [choices: 9600bps | 19200bps | 38400bps | 57600bps | 115200bps | 230400bps]"}},
        {"dravo.dvgw",
         GW_DRAVO,
         {"Axis Type (F110): Direct,Positioner  [choices: Direct,Positioner | RemoteI/O]",
          "Axis3 Rsv (F113): on  [choices: on | off]"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const SCliRun run = Cli(c.type, {"fields", GoldenFile(c.golden)});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        for (const std::string& line : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line << "\n" << run.out;

        const SCliRun json = Cli(c.type, {"--json", "fields", GoldenFile(c.golden)});
        ASSERT_EQ(json.status, 0) << json.err;
        const auto document = nlohmann::json::parse(json.out);
        ASSERT_EQ(document["fields"].size(), lines.size());
        for (const auto& field : document["fields"]) {
            EXPECT_TRUE(field.contains("name") && field.contains("value") && field.contains("enabled") &&
                        field.contains("register"));
            EXPECT_EQ(field.contains("reason"), !field["enabled"].get<bool>()) << field.dump();
        }
    }
}

// new makes the set File > New makes, saved with Save; a network the dialog does not list is refused
// with its list.
TEST_F(CliFields, NewFileIsTheWindowsNewSet) {
    for (const GwType type : {GW_KAVELIS, GW_VOSK, GW_VOSK_ML3, GW_VOSK_LC, GW_NUB3GW, GW_DRAVO}) {
        SCOPED_TRACE(TypeArgument(type));
        const std::string ext(GwUnitDataOf(type).extension);
        const std::string network = type == GW_VOSK_ML3 ? "MECHATROLINK III" : "EtherNet/IP";
        const std::string byName = PathOf("new" + ext);
        const SCliRun run = Cli(type, {"new", byName, "--network", network});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, byName + ": new parameter set, Network Type " + network + "\n");

        CSilentHost host;
        CSession session(host);
        session.program.SelectedGwType = type;
        LayOutMainWindow(session, 0);
        const std::string byWindow = PathOf("window" + ext);
        SCliFileContext file(session, byWindow);
        ASSERT_EQ(NewFileCommand(file.context,
                                 [&network](SNewFileFormState& dialog) {
                                     const auto& items = dialog.cbNetworkType.items;
                                     dialog.cbNetworkType.index =
                                         static_cast<int>(std::find(items.begin(), items.end(), network) - items.begin());
                                     return true;
                                 }),
                  0);
        ASSERT_EQ(SaveParameterFileCommand(file.context), 0);
        EXPECT_EQ(SetLines(byName), SetLines(byWindow));
        EXPECT_EQ(Cli(type, {"check", byName}).status, 0);
    }
    const SCliRun refused = Cli(GW_VOSK, {"new", PathOf("x.vogw"), "--network", "RS485"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err,
              "gwcli: new: the New dialog offers no network \"RS485\"; choices: Profibus-DP | DeviceNet | CC-Link | "
              "CompoNet | EtherCAT | EtherNet/IP | PIO | PROFINET IO\n");
    EXPECT_FALSE(std::filesystem::exists(PathOf("x.vogw")));
    EXPECT_EQ(Cli(GW_VOSK, {"--extended", "new", PathOf("x.vogw"), "--network", "RS485"}).status, 0);
}

}  // namespace
