// edit of the built program: one file per unit from a template, written to the simulated gateway.
#include "core/app/texts/MsgText.h"
#include "tests/cli/CliTestSupport.h"

namespace {

class CliEdit : public CliOnSim {
protected:
    // A template read from an EtherNet/IP unit, so both dialogs are offered for it.
    std::string EtherIpTemplate() {
        Serve(SimOf(GW_VOSK));
        SetUnitRegister(0xF103, 0x0085);
        const std::string path = PathOf("template.vogw");
        const SCliRun read = Cli(GW_VOSK, {"read", path});
        EXPECT_EQ(read.status, 0) << read.err;
        return path;
    }
    std::uint32_t UnitLong(std::uint16_t first) {
        return std::uint32_t{UnitRegister(first)} << 16 | UnitRegister(static_cast<std::uint16_t>(first + 1));
    }
};

TEST_F(CliEdit, EditedFilePassesCheckAndMovesTheUnitWhenWrittenWithRestart) {
    const std::string file = EtherIpTemplate();
    const SCliRun edit = Cli(GW_VOSK, {"edit", file, "--unit-number", "1", "--multidrop", "on", "--top-axis",
                                       "4", "--ip", "10.0.0.7", "--mask", "255.255.255.0"});
    ASSERT_EQ(edit.status, 0) << edit.out << edit.err;
    const std::string text = ReadWholeFile(file);
    EXPECT_EQ(Cli(GW_VOSK, {"check", file}).status, 0);

    const SCliRun write = Cli(GW_VOSK, {"write", file, "--restart"});
    ASSERT_EQ(write.status, 0) << write.out << write.err;
    EXPECT_EQ(UnitLong(0xF200), 1u);
    EXPECT_EQ(UnitLong(0xF202), 4u);
    EXPECT_EQ(UnitLong(0xF204), 0x0A000007u);
    EXPECT_EQ(UnitLong(0xF206), 0xFFFFFF00u);
    EXPECT_EQ(UnitLong(0xF20A), 0x44524F50u);
    EXPECT_EQ(sim->WithCore([](CGwSimCore& core) { return core.SlaveAddress(0); }), 0xD1);
    // The tool finds the unit at its new address: a search lists unit 1.
    EXPECT_EQ(Cli(GW_VOSK, {"search"}).out, "unit 1 slots 8\n");
}

// Edit writes anew only the line of the register it changes: every other line keeps what the file
// held, also a value the reader does not take into the set (F101 of a unit file) and a comment.
TEST_F(CliTest, EditRewritesOnlyTheChangedRegister) {
    const struct {
        const char* golden;
        GwType type;
        std::vector<std::string> edit;
        std::string changedLine;
    } cases[] = {
        {"kavelis.pkgw", GW_KAVELIS, {"--option", "Latch in ERR_T/C=valid"}, "F10F,"},
        {"vosk.vogw", GW_VOSK, {"--unit-number", "1"}, "F200,00000001"},
        {"vosk-mliii.vmgw", GW_VOSK_ML3, {"--unit-number", "1"}, "F200,00000001"},
        {"vosk-lc.volc", GW_VOSK_LC, {"--unit-number", "0"}, "F200,00000000"},
        {"dravo.dvgw", GW_DRAVO, {"--unit-number", "1"}, "F200,00000001"},
        {"nub3gw.nugw", GW_NUB3GW, {"--option", "Latch in ERR_T/C=valid"}, "F10F,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        const std::string file =
            EditedGolden(c.golden, std::string("edited-") + c.golden, {"F101,0020", ";a comment line"});
        const std::vector<std::string> before = Lines(ReadWholeFile(file));
        std::vector<std::string> args = {"edit", file};
        args.insert(args.end(), c.edit.begin(), c.edit.end());
        const SCliRun run = Cli(c.type, args);
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        const std::vector<std::string> after = Lines(ReadWholeFile(file));
        ASSERT_EQ(after.size(), before.size());
        int changed = 0;
        for (std::size_t n = 0; n < before.size(); ++n) {
            if (before[n].starts_with(";DATE=") || before[n].starts_with(";TIME=")) continue;
            if (after[n] == before[n]) continue;
            ++changed;
            EXPECT_EQ(after[n].substr(0, c.changedLine.size()), c.changedLine) << before[n];
        }
        EXPECT_EQ(changed, 1);
        EXPECT_NE(std::find(after.begin(), after.end(), "F101,0020\r"), after.end());
        EXPECT_EQ(Cli(c.type, {"check", file}).status, 0);
    }
}

struct SRefusedEdit {
    const char* name;
    std::vector<std::string> options;
    int status;
    const char* printed;  // the dialog's message, or nullptr
};

TEST_F(CliEdit, RefusedEditsLeaveTheFileAsItWas) {
    const std::string file = EtherIpTemplate();
    const std::string before = ReadWholeFile(file);
    const SRefusedEdit cases[] = {
        {"octet beyond 255", {"--ip", "300.1.1.1"}, 1, "Data Error"},
        {"three octets", {"--ip", "1.2.3"}, 2, nullptr},
        {"letters", {"--gateway", "a.b.c.d"}, 2, nullptr},
        {"unit number 2", {"--unit-number", "2"}, 2, nullptr},
        {"odd top axis", {"--multidrop", "on", "--top-axis", "3"}, 2, nullptr},
        {"top axis without multi-drop", {"--top-axis", "4"}, 2, nullptr},
        {"multidrop maybe", {"--multidrop", "maybe"}, 2, nullptr},
        {"nothing to change", {}, 2, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = {"edit", file};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const SCliRun run = Cli(GW_VOSK, args);
        EXPECT_EQ(run.status, c.status) << run.out << run.err;
        if (c.printed) {
            EXPECT_NE(run.err.find(c.printed), std::string::npos) << run.err;
        }
        EXPECT_EQ(ReadWholeFile(file), before);
    }
}

TEST_F(CliEdit, OptionsTheDialogsDoNotOfferForTheFileExitWithAReason) {
    const std::string profinet = PathOf("plain.dvgw");
    WriteWholeFile(profinet, ReadWholeFile(GoldenFile("dravo.dvgw")));
    const SCliRun ip = Cli(GW_DRAVO, {"edit", profinet, "--ip", "10.0.0.1"});
    EXPECT_EQ(ip.status, 2) << ip.err;
    EXPECT_NE(ip.err.find("EtherNet/IP"), std::string::npos) << ip.err;

    const std::string nub3 = PathOf("plain.nugw");
    WriteWholeFile(nub3, ReadWholeFile(GoldenFile("nub3gw.nugw")));
    const SCliRun unit = Cli(GW_NUB3GW, {"edit", nub3, "--unit-number", "1"});
    EXPECT_EQ(unit.status, 2) << unit.err;
    EXPECT_EQ(ReadWholeFile(nub3), ReadWholeFile(GoldenFile("nub3gw.nugw")));
}

}  // namespace
