// While a read or write talks to the unit, the main window's event pumping may deliver a dropped file
// or a click on the close box. Neither may touch the image nor end the program under the transfer.
#include <gtest/gtest.h>

#include "core/app/MainWindowPrompts.h"
#include "core/files/ParameterFileCommands.h"
#include "core/files/ParameterFileIo.h"
#include "core/files/SafeFileReplace.h"
#include "core/link/CommResult.h"
#include "core/procedures/ReadParameters.h"
#include "core/procedures/WriteParameters.h"
#include "tests/files/FileTestSupport.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

class TransferRefusesInput : public SessionOnSim {
protected:
    void SetUp() override {
        Start(SimOf(GW_VOSK));
        host.answers = {ID_YES};
        ASSERT_EQ(ReadParameters(session), COMM_OK);
        // A valid file of the type whose extension parameters differ from the unit's.
        ParameterImage other = session.image;
        other.ExtParam1 = static_cast<std::uint16_t>(other.ExtParam1 ^ 0x00FF);
        ASSERT_EQ(WriteParameterFile(droppedFile, other, GW_VOSK), FILE_WRITE_OK);
        host.boxes.clear();
    }
    // From inside the transfer's pumping, once it has sent a request of `function`: a drop of the
    // other file and a close request, each remembered with its outcome.
    void InputDuringTransfer(std::uint8_t function) {
        host.onPump = [this, function] {
            if (tried) return;
            const auto log = RequestLog();
            if (log.empty() || log.back()[1] != function) return;
            tried = true;
            SParameterFileContext ctx{session.image, session.program, session.form,
                                      files,         session.host,    DefaultParameterFileHooks()};
            ctx.hooks.refreshDisplay = [] {};
            dropResult = OpenDroppedFiles(ctx, {droppedFile});
            closeAllowed = CloseQueryAllowsExit(session.form.flags, session.host);
            imageAfterInput = session.image;
            boxesAfterInput = host.boxes.size();
        };
    }

    CScratchFolder folder;
    std::string droppedFile = folder.File("other.vogw");
    SParameterFileState files;
    bool tried = false;
    int dropResult = 0;
    bool closeAllowed = true;
    ParameterImage imageAfterInput;
    std::size_t boxesAfterInput = 0;
};

TEST_F(TransferRefusesInput, DuringAWriteTheUnitGetsTheImageItStartedWith) {
    session.form.flags.unitNoModified = true;  // with a change waiting the close would ask
    const ParameterImage before = session.image;
    InputDuringTransfer(0x10);
    host.answers = {ID_NO};  // no restart
    ASSERT_EQ(WriteParameters(session).code, 0);
    ASSERT_TRUE(tried);
    EXPECT_EQ(dropResult, -1);
    EXPECT_FALSE(closeAllowed);
    EXPECT_EQ(boxesAfterInput, 0u) << "neither the drop nor the close asked or told anything";
    EXPECT_EQ(imageAfterInput.ExtParam1, before.ExtParam1);
    EXPECT_EQ(UnitRegister(0xF380), before.ExtParam1) << "the unit got the set the write started with";
    EXPECT_TRUE(files.currentFileName.empty());
    EXPECT_TRUE(session.form.flags.portOpen);
    EXPECT_TRUE(session.link.IsOpen());
}

TEST_F(TransferRefusesInput, DuringAReadNothingChangesAndTheReadEnds) {
    InputDuringTransfer(0x03);
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    ASSERT_TRUE(tried);
    EXPECT_EQ(dropResult, -1);
    EXPECT_FALSE(closeAllowed);
    EXPECT_EQ(boxesAfterInput, 1u) << "only the read's own question";
    EXPECT_TRUE(files.currentFileName.empty()) << "the window does not name the dropped file";

    // Once the transfer has ended, both are taken again.
    host.onPump = nullptr;
    SParameterFileContext ctx{session.image, session.program, session.form,
                              files,         session.host,    DefaultParameterFileHooks()};
    ctx.hooks.refreshDisplay = [] {};
    EXPECT_EQ(OpenDroppedFiles(ctx, {droppedFile}), 0);
    EXPECT_NE(session.image.ExtParam1, UnitRegister(0xF380));
    EXPECT_TRUE(CloseQueryAllowsExit(session.form.flags, session.host));
}

}  // namespace
