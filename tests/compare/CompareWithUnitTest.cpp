// Compare with unit and Compare with file on a session whose port is the simulated gateway on a
// pseudo-terminal.
#include <fstream>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/compare/CompareCommands.h"
#include "core/files/ParameterFileReader.h"
#include "core/link/CommResult.h"
#include "core/procedures/ReadParameters.h"
#include "tests/files/ImageCompare.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

std::string GoldenPath(const char* name) {
    return std::string(GW_TEST_DATA_DIR) + "/" + name;
}

class CompareOnSim : public SessionOnSim {
protected:
    // The window holds the golden VOSK file's set, the unit its own.
    void SetUp() override {
        Start(SimOf(GW_VOSK));
        std::ifstream in(GoldenPath("vosk.vogw"), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_EQ(LoadParameterText(bytes, GW_VOSK, session.image), PFILE_LOADED);
        session.Refresh();
        session.form.caption = "window caption";
        session.form.flags.specialParamsModified = true;
    }

    // Runs the command and remembers what the window showed; `take` answers the window.
    int CompareWithUnit(bool take) {
        return CompareWithUnitCommand(session, [this, take](const SCompareFormState& state) {
            shown = state;
            ++windows;
            return take;
        });
    }

    SCompareFormState shown;
    int windows = 0;
};

TEST_F(CompareOnSim, KeepingTheWindowsSetLeavesTheWindowUntouched) {
    SetUnitRegister(0xF201, 1);
    const ParameterImage before = session.image;
    const SMainFormState formBefore = session.form;
    const std::size_t boxes = host.boxes.size();

    ASSERT_EQ(CompareWithUnit(false), COMM_OK);

    EXPECT_TRUE(SameImage(session.image, before));
    EXPECT_EQ(session.form.caption, formBefore.caption);
    EXPECT_EQ(session.form.cbNTYP.index, formBefore.cbNTYP.index);
    EXPECT_EQ(session.form.StringGrid1.cells, formBefore.StringGrid1.cells);
    EXPECT_TRUE(session.form.flags.specialParamsModified);
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);
    EXPECT_EQ(host.boxes.size(), boxes) << "no question and no success message";
    // The unit was read, not written.
    for (const auto& frame : RequestLog()) EXPECT_TRUE(frame[1] != 0x10 || frame[0] == 0) << int(frame[1]);

    ASSERT_EQ(windows, 1);
    EXPECT_EQ(shown.sgDifferences.Cell(3, 0), "Unit");
    bool unitNumberListed = false;
    for (int row = 1; row < shown.sgDifferences.rowCount; ++row) {
        if (shown.sgDifferences.Cell(0, row) != "UnitNo.") continue;
        unitNumberListed = true;
        EXPECT_EQ(shown.sgDifferences.Cell(2, row), "0");
        EXPECT_EQ(shown.sgDifferences.Cell(3, row), "1");
    }
    EXPECT_TRUE(unitNumberListed);
    EXPECT_TRUE(shown.btnTake.visible);
}

// Taking the unit's set leaves the window as a read of the unit would.
TEST_F(CompareOnSim, TakingTheUnitsSetEqualsARead) {
    ASSERT_EQ(CompareWithUnit(true), COMM_OK);
    ParameterImage taken = session.image;
    EXPECT_EQ(session.form.caption, UiText[0]);
    EXPECT_FALSE(session.form.flags.specialParamsModified);

    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    // F187, the last module information word, is the unit's scan time, which moves between two reads.
    taken.ModuleInfo[7] = session.image.ModuleInfo[7];
    EXPECT_TRUE(SameImage(session.image, taken));
    // Now the window holds the unit's set: nothing differs and nothing is offered to take.
    taken = session.image;
    ASSERT_EQ(CompareWithUnit(true), COMM_OK);
    EXPECT_EQ(shown.sgDifferences.rowCount, 1);
    EXPECT_FALSE(shown.btnTake.visible);
    EXPECT_TRUE(SameImage(session.image, taken));
}

TEST_F(CompareOnSim, AFailedReadShowsNoWindowAndKeepsTheImage) {
    const ParameterImage before = session.image;
    SSimFaults faults;
    faults.silent = true;
    SetFaults(faults);
    EXPECT_NE(CompareWithUnit(true), COMM_OK);
    EXPECT_EQ(windows, 0);
    EXPECT_TRUE(SameImage(session.image, before));
    EXPECT_FALSE(host.boxes.empty());
    EXPECT_FALSE(session.form.flags.commBusy);
    EXPECT_TRUE(session.windowEnabled);

    // While another exchange runs the comparison is refused without a word.
    session.form.flags.commBusy = true;
    EXPECT_EQ(CompareWithUnit(true), READ_REFUSED_BUSY);
    EXPECT_EQ(windows, 0);
}

class CompareWithFile : public CompareOnSim {
protected:
    int Run(const std::string& path, bool take) {
        SParameterFileContext ctx{
            session.image, session.program, session.form, files, host, DefaultParameterFileHooks()};
        ctx.hooks.refreshDisplay = [this] { session.Refresh(); };
        ctx.hooks.askFilePath = [path](const SFileDialogRequest&) {
            return std::optional<std::string>(path);
        };
        ctx.hooks.documentsFolder = [] { return std::string("/tmp/"); };
        return CompareWithFileCommand(ctx, [this, take](const SCompareFormState& state) {
            shown = state;
            ++windows;
            return take;
        });
    }
    SParameterFileState files;
};

TEST_F(CompareWithFile, TheFilesSetIsShownBesideAndTakenOnlyWhenAsked) {
    const ParameterImage before = session.image;
    ASSERT_EQ(Run(GoldenPath("vosk.vogw"), true), 0);
    EXPECT_EQ(shown.sgDifferences.rowCount, 1) << "the window holds that file's set";
    EXPECT_TRUE(SameImage(session.image, before));

    ParameterImage unitSet;
    ASSERT_EQ(CompareWithUnit(true), COMM_OK);  // the window now holds the unit's set
    unitSet = session.image;
    ASSERT_EQ(Run(GoldenPath("vosk.vogw"), false), 0);
    EXPECT_GT(shown.sgDifferences.rowCount, 1);
    EXPECT_EQ(shown.sgDifferences.Cell(3, 0), "File");
    EXPECT_TRUE(SameImage(session.image, unitSet));

    ASSERT_EQ(Run(GoldenPath("vosk.vogw"), true), 0);
    EXPECT_EQ(session.form.caption, std::string(UiText[0]) + " - vosk.vogw");
    EXPECT_EQ(session.image.GwConfigBlock, before.GwConfigBlock);
    EXPECT_EQ(session.image.AxisMode, before.AxisMode);
}

TEST_F(CompareWithFile, AFileThatCannotBeReadGivesTheReadersMessage) {
    const ParameterImage before = session.image;
    for (const std::string& path : {GoldenPath("missing.vogw"), GoldenPath("dravo.dvgw")}) {
        host.boxes.clear();
        EXPECT_EQ(Run(path, true), -1);
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, MsgText[18]);
        EXPECT_NE(host.boxes[0].detail.find(path), std::string::npos);
    }
    EXPECT_EQ(windows, 0);
    EXPECT_TRUE(SameImage(session.image, before));
}

}  // namespace
