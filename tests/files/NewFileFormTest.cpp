// The New command: the network list per gateway type and mode, OK with everything it resets, Cancel.
#include <gtest/gtest.h>

#include "core/app/texts/UiText.h"
#include "core/files/DocumentsFolder.h"
#include "core/files/NewFileForm.h"
#include "tests/files/FileTestSupport.h"
#include "tests/support/ScriptedHost.h"

namespace {

SProgramValues Program(GwType type, bool extended) {
    SProgramValues program;
    program.SelectedGwType = type;
    program.Comm.ToolFlags = TOOLFLAG_VALID | (extended ? TOOLFLAG_EXTENDED_MODE : 0);
    return program;
}

TEST(NewFileForm, NetworkListPerTypeAndMode) {
    struct SCase {
        GwType type;
        bool extended;
        std::vector<std::string> items;
    };
    const SCase cases[] = {
        {GW_KAVELIS, false, {"Profibus-DP", "DeviceNet", "CC-Link", "RS485", "EtherNet/IP", "PROFINET IO"}},
        {GW_KAVELIS, true, {"Profibus-DP", "DeviceNet", "CC-Link", "RS485", "EtherNet/IP", "PROFINET IO"}},
        {GW_VOSK_ML3, false, {"MECHATROLINK III"}},
        {GW_VOSK_ML3, true, {"MECHATROLINK III"}},
        {GW_VOSK_LC,
         false,
         {"Profibus-DP", "DeviceNet", "CC-Link", "CompoNet", "EtherCAT", "EtherNet/IP", "PIO", "PROFINET IO",
          "<None>"}},
        {GW_VOSK_LC,
         true,
         {"Profibus-DP", "DeviceNet", "CC-Link", "RS485", "CompoNet", "MECHATROLINK", "EtherCAT",
          "EtherNet/IP", "PIO", "PROFINET IO", "<None>"}},
        {GW_VOSK,
         true,
         {"Profibus-DP", "DeviceNet", "CC-Link", "RS485", "CompoNet", "MECHATROLINK", "EtherCAT",
          "EtherNet/IP", "PIO", "PROFINET IO"}},
        {GW_DRAVO,
         false,
         {"Profibus-DP", "DeviceNet", "CC-Link", "CompoNet", "EtherCAT", "EtherNet/IP", "PROFINET IO"}},
        {GW_DRAVO,
         true,
         {"Profibus-DP", "DeviceNet", "CC-Link", "CompoNet", "MECHATROLINK", "EtherCAT", "EtherNet/IP",
          "PROFINET IO"}},
    };
    for (const SCase& c : cases) {
        const SNewFileFormState dialog = CreateNewFileForm(Program(c.type, c.extended));
        EXPECT_EQ(dialog.cbNetworkType.items, c.items) << "type " << c.type << " extended " << c.extended;
        EXPECT_EQ(dialog.cbNetworkType.index, 0);
    }
    const SNewFileFormState dialog = CreateNewFileForm(Program(GW_NUB3GW, false));
    EXPECT_EQ(dialog.caption, "NewFile");
    EXPECT_EQ(dialog.lNetworkType.text, "Network Type");
    EXPECT_EQ(dialog.bOK.text, "OK");
    EXPECT_EQ(dialog.bCancel.text, "Cancel");
}

class NewFileCommandTest : public testing::Test {
protected:
    NewFileCommandTest() {
        image = SentinelImage();
        image.Word(GMOD) = 0x00FF;
        image.RecountPending = true;
        form.caption = "Parameter Configuration Tool for Orvane GateWay Unit - old.pkgw";
        form.flags.specialParamsModified = form.flags.etherIpModified = form.flags.unitNoModified = true;
        form.MenuMoniter1.enabled = true;
        form.MenuSpecial1.enabled = false;
        files.currentFileName = "/plant/old.pkgw";
        hooks.refreshDisplay = [this] { ++refreshes; };
        hooks.commitStationAddress = [this] { return rejectStationAddress; };
    }
    int Run(int chosen, bool ok) {
        SParameterFileContext ctx{image, program, form, files, host, hooks};
        return NewFileCommand(ctx, [&](SNewFileFormState& dialog) {
            ++dialogs;
            shownItems = dialog.cbNetworkType.items;
            dialog.cbNetworkType.index = chosen;
            return ok;
        });
    }

    ParameterImage image;
    SProgramValues program = Program(GW_KAVELIS, false);
    SMainFormState form;
    SParameterFileState files;
    ScriptedHost host;
    SParameterFileHooks hooks;
    std::vector<std::string> shownItems;
    bool rejectStationAddress = false;
    int refreshes = 0;
    int dialogs = 0;
};

TEST_F(NewFileCommandTest, OkClearsTheSetDownToTheChosenNetwork) {
    const auto mirror = image.AxisModeMirror;
    ASSERT_EQ(Run(3, true), 0);
    EXPECT_EQ(shownItems[3], "RS485");
    EXPECT_EQ(image.Word(NTYP), 0xF485);
    for (std::size_t i = 0; i < image.GwConfigBlock.size(); ++i)
        if (i != NTYP) {
            EXPECT_EQ(image.GwConfigBlock[i], 0) << "word " << i;
        }
    EXPECT_EQ(image.AxisMode, (std::array<std::uint16_t, 16>{}));
    EXPECT_EQ(image.UnitNo, 0);
    EXPECT_EQ(image.TopAxisNo, 0);
    EXPECT_EQ(image.NetAddress, (std::array<std::uint32_t, 3>{}));
    EXPECT_EQ(image.MDRP, 0u);
    EXPECT_EQ(image.ModuleInfo, (std::array<std::uint16_t, 8>{}));
    EXPECT_EQ(image.ProfinetInfo, (std::array<std::uint32_t, 12>{}));
    EXPECT_EQ(image.SlaveIdWord, 0u);
    EXPECT_EQ(image.ExtParam1, 0);
    EXPECT_EQ(image.ExtParam2, 0);
    EXPECT_EQ(image.AxisCount, 0);
    EXPECT_EQ(image.IoAxisCount, 0);
    EXPECT_EQ(image.DravoMode, 1);
    EXPECT_EQ(image.AxisModeMirror, mirror) << "the mirror keeps the previous set";
    EXPECT_TRUE(image.RecountPending) << "New leaves the recount alone";
    EXPECT_EQ(image.GmodSnapshot, 0);
    EXPECT_EQ(form.caption, std::string(UiText[0]) + " -  ");
    EXPECT_EQ(files.currentFileName, " ");
    EXPECT_FALSE(form.MenuMoniter1.enabled);
    EXPECT_FALSE(form.flags.specialParamsModified);
    EXPECT_FALSE(form.flags.etherIpModified);
    EXPECT_TRUE(form.flags.unitNoModified);
    EXPECT_TRUE(form.MenuSpecial1.enabled);
    EXPECT_FALSE(form.MenuEtherIp.visible || form.MenuEtherIp.enabled);
    EXPECT_FALSE(form.MenuUnitNo.visible || form.MenuUnitNo.enabled);
    EXPECT_TRUE(form.PanelReinitPending);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(NewFileCommandTest, EtherNetIpShowsItsMenuAndUnitTypesTheUnitMenu) {
    program = Program(GW_VOSK_LC, false);
    ASSERT_EQ(Run(5, true), 0);
    EXPECT_EQ(shownItems[5], "EtherNet/IP");
    EXPECT_EQ(image.Word(NTYP), 0x0085);
    EXPECT_TRUE(form.MenuEtherIp.visible && form.MenuEtherIp.enabled);
    EXPECT_EQ(image.NetAddressSnapshot, (std::array<std::uint32_t, 3>{}));
    EXPECT_TRUE(form.MenuUnitNo.visible && form.MenuUnitNo.enabled);
}

TEST_F(NewFileCommandTest, CancelChangesNothingButRefreshes) {
    const ParameterImage before = image;
    const SMainFormState formBefore = form;
    EXPECT_EQ(Run(1, false), -1);
    EXPECT_TRUE(SameImage(image, before));
    EXPECT_EQ(form.caption, formBefore.caption);
    EXPECT_EQ(files.currentFileName, "/plant/old.pkgw");
    EXPECT_TRUE(form.MenuMoniter1.enabled);
    EXPECT_FALSE(form.MenuSpecial1.enabled);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(NewFileCommandTest, RejectedStationAddressEndsBeforeTheDialog) {
    rejectStationAddress = true;
    EXPECT_EQ(Run(0, true), -1);
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(image.Word(NTYP), 0x0025);
}

TEST(DocumentsFolder, XdgFolderThenDocumentsThenHome) {
    CScratchFolder home;
    CScratchFolder xdg;
    const std::string homeFolder = home.Path().string() + "/";
    EXPECT_EQ(DocumentsFolderFrom(nullptr, home.Path().c_str()), homeFolder);
    std::filesystem::create_directory(home.Path() / "Documents");
    EXPECT_EQ(DocumentsFolderFrom(nullptr, home.Path().c_str()), homeFolder + "Documents/");
    EXPECT_EQ(DocumentsFolderFrom((xdg.Path() / "gone").c_str(), home.Path().c_str()),
              homeFolder + "Documents/");
    EXPECT_EQ(DocumentsFolderFrom(xdg.Path().c_str(), home.Path().c_str()), xdg.Path().string() + "/");
    EXPECT_EQ(DocumentsFolderFrom(nullptr, nullptr), "");
}

}  // namespace
