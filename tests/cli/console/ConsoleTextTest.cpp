// The console host: where each box goes, how it is printed and how questions are answered.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/console/ConsoleHost.h"
#include "core/app/texts/MsgText.h"

namespace {

// A FILE* whose contents the test can read back.
class CMemoryStream {
public:
    CMemoryStream() : stream(open_memstream(&buffer, &size)) {}
    ~CMemoryStream() {
        std::fclose(stream);
        std::free(buffer);
    }
    std::string Text() {
        std::fflush(stream);
        return std::string(buffer, size);
    }
    std::FILE* stream;

private:
    char* buffer = nullptr;
    std::size_t size = 0;
};

constexpr unsigned QUESTION = MB_YES_NO | MB_ICON_QUESTION | MB_SECOND_DEFAULT;
constexpr unsigned WARNING_QUESTION = MB_YES_NO | MB_ICON_WARNING | MB_SECOND_DEFAULT;

TEST(ConsoleHost, TerminalTextTurnsOnlyCrLfIntoLineFeeds) {
    EXPECT_EQ(TerminalText("a\r\nb\nc\rd\r\n"), "a\nb\nc\rd\n");
    EXPECT_EQ(TerminalText(""), "");
    EXPECT_EQ(TerminalText("\r"), "\r");
}

TEST(ConsoleHost, InformationOnStdoutProblemsOnStderrEachEndingWithOneLineFeed) {
    CMemoryStream out, err;
    CConsoleHost host({}, out.stream, err.stream);
    EXPECT_EQ(host.ShowMessageBox(MsgText[2], MB_ICON_INFORMATION), ID_OK);
    EXPECT_EQ(host.ShowMessageBox(MsgText[57], MB_ICON_ERROR), ID_OK);  // ends with CR LF already
    EXPECT_EQ(host.ShowMessageBox(MsgText[16], MB_ICON_WARNING), ID_OK);
    EXPECT_EQ(host.ShowMessageBox("plain", MB_OK_ONLY), ID_OK);
    EXPECT_EQ(out.Text(),
              "Reading the parameter from the Gateway unit was\n                  successful.\nplain\n");
    EXPECT_EQ(
        err.Text(),
        "Nothing GW Unit\n                   The Gateway Unit is AUTO mode now. \nThe transmission of the "
        "parameter is permissible only in the MANU mode.\n");
}

// The progress bar on a terminal: one line redrawn in place, cleared before any other text and when the
// procedure puts the bar back to 0; nothing at all when standard error is not a terminal.
TEST(ConsoleHost, ProgressIsOneLineOnATerminalOnly) {
    CMemoryStream out, err;
    CConsoleHost host({}, out.stream, err.stream);
    host.DrawProgress(true);
    host.AdvanceProgress(30);
    host.ShowMessageBox(MsgText[57], MB_ICON_ERROR);
    host.AdvanceProgress(140);  // beyond the bar's maximum
    host.SetProgress(0);
    EXPECT_EQ(err.Text(),
              "\r\033[Kgwcli: [#########.....................]  30 %"
              "\r\033[KNothing GW Unit\n"
              "\r\033[Kgwcli: [##############################] 100 %"
              "\r\033[K");

    CMemoryStream quietErr;
    CConsoleHost quiet({}, out.stream, quietErr.stream);
    quiet.DrawProgress(false);
    quiet.AdvanceProgress(30);
    quiet.SetProgress(0);
    EXPECT_EQ(quietErr.Text(), "");
}

// The detail of a box follows it on standard error, each line starting with "gwcli: ", also when the
// box itself is an information on standard output; a question is still answered after it.
TEST(ConsoleHost, DetailLinesFollowOnStderrWithTheProgramName) {
    CMemoryStream out, err;
    CConsoleHost host({}, out.stream, err.stream);
    EXPECT_EQ(host.ShowMessageBoxWithDetail("Communication port open error", MB_ICON_ERROR,
                                            "Device: /dev/ttyUSB0\r\nNo such device"),
              ID_OK);
    EXPECT_EQ(host.ShowMessageBoxWithDetail("plain", MB_OK_ONLY, "File: /tmp/a.vogw"), ID_OK);
    EXPECT_EQ(host.ShowMessageBoxWithDetail("asked", QUESTION, "why"), ID_YES);
    EXPECT_EQ(err.Text(),
              "Communication port open error\ngwcli: Device: /dev/ttyUSB0\ngwcli: No such device\n"
              "gwcli: File: /tmp/a.vogw\ngwcli: why\n");
    EXPECT_EQ(out.Text(), "plain\nasked\nYes\n");
}

struct SAnswerCase {
    bool restart;
    bool force;
    int restartAnswer;
    int networkAnswer;
};

TEST(ConsoleHost, QuestionsAreAnsweredFromTheCommandLine) {
    const SAnswerCase cases[] = {{false, false, ID_NO, ID_NO},
                                 {true, false, ID_YES, ID_NO},
                                 {false, true, ID_NO, ID_YES},
                                 {true, true, ID_YES, ID_YES}};
    for (const auto& c : cases) {
        CMemoryStream out, err;
        CConsoleHost host({c.restart, c.force}, out.stream, err.stream);
        EXPECT_EQ(host.ShowMessageBox(MsgText[7], QUESTION), ID_YES);
        EXPECT_EQ(host.ShowMessageBox(MsgText[14], QUESTION), c.restartAnswer);
        EXPECT_EQ(host.ShowMessageBox(MsgText[24], WARNING_QUESTION), c.networkAnswer);
        EXPECT_EQ(out.Text(), std::string("Are the transmitted parameters correct?\nYes\n") +
                                  "Is the Gateway unit reactivated?\n" + (c.restart ? "Yes\n" : "No\n"));
        EXPECT_EQ(err.Text(),
                  "When a different network type is set up, \nit becomes a cause of fatal failure of "
                  "a controller.\nMay I transmit?\n" +
                      std::string(c.force ? "Yes\n" : "No\n"));
    }
}

// A copy of a question's text with another line break is not the question.
TEST(ConsoleHost, QuestionsAreKnownByTheirExactText) {
    CMemoryStream out, err;
    CConsoleHost host({true, true}, out.stream, err.stream);
    EXPECT_EQ(host.ShowMessageBox("Is the Gateway unit reactivated? ", QUESTION), ID_YES);
    CConsoleHost declining({false, false}, out.stream, err.stream);
    EXPECT_EQ(declining.ShowMessageBox(TerminalText(MsgText[24]), WARNING_QUESTION), ID_YES);
    EXPECT_EQ(declining.ShowMessageBox(MsgText[24], WARNING_QUESTION), ID_NO);
}

}  // namespace
