// The parameter file writer: header lines, line formats, line counts and CR LF ends.
#include <gtest/gtest.h>

#include "core/files/ParameterFileReader.h"
#include "core/files/ParameterFileWriter.h"
#include "tests/files/FileTestSupport.h"

namespace {

const SFileStamp Stamp{2027, 3, 4, 9, 8, 7};

ParameterImage SampleImage() {
    ParameterImage image;
    image.Word(GVER) = 0x0019;
    image.Word(NTYP) = 0x0085;
    image.Word(DADR) = 0xABCD;
    image.AxisMode.fill(0xFFFF);
    image.NetAddress = {0x0A000001, 0xFFFF0000, 0x0A0000FE};
    image.UnitNo = 1;
    image.TopAxisNo = 0x0E;
    image.MDRP = MDRP_ENABLED;
    image.AxisModeMirror.fill(0x8001);
    image.ExtParam1 = 0x1234;
    image.ExtParam2 = 0xFEDC;
    image.SlaveIdWord = 0xD1000203;
    return image;
}

TEST(ParameterFileWriter, HeaderLines) {
    const CFileLines kavelis(FormatParameterText(SampleImage(), GW_KAVELIS, Stamp));
    const CFileLines dravo(FormatParameterText(SampleImage(), GW_DRAVO, Stamp));
    const std::vector<std::string> expectedKavelis = {";DATE=2027/03/04", ";TIME=09:08:07", ";KGW=00000019",
                                                      ";PC=02000000", ";FMT=00000000"};
    EXPECT_EQ(std::vector<std::string>(kavelis.Lines().begin(), kavelis.Lines().begin() + 5),
              expectedKavelis);
    EXPECT_EQ(dravo.Lines()[2], ";DRAVOGW=D1000203");
    EXPECT_EQ(CFileLines(FormatParameterText(SampleImage(), GW_VOSK_ML3, Stamp)).Lines()[2],
              ";VOSKGW=D1000203");
    EXPECT_EQ(CFileLines(FormatParameterText(SampleImage(), GW_VOSK_LC, Stamp)).Lines()[2],
              ";VOSKLC=D1000203");
    EXPECT_EQ(CFileLines(FormatParameterText(SampleImage(), GW_NUB3GW, Stamp)).Lines()[2],
              ";NUB3GW=D1000203");
}

TEST(ParameterFileWriter, LineCountsFormatsAndLineEnds) {
    for (const GwType type : {GW_KAVELIS, GW_VOSK, GW_VOSK_ML3, GW_VOSK_LC, GW_NUB3GW, GW_DRAVO}) {
        const std::string text = FormatParameterText(SampleImage(), type, Stamp);
        const CFileLines lines(text);
        EXPECT_EQ(static_cast<int>(lines.Lines().size()),
                  type == GW_KAVELIS ? KAVELIS_FILE_LINES : UNIT_FILE_LINES);
        EXPECT_TRUE(text.ends_with("\r\n"));
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
        EXPECT_EQ(lines.Lines()[5], "F100,0000");
        EXPECT_EQ(lines.Lines()[12], "F107,ABCD");
        EXPECT_EQ(lines.Lines()[36], "F11F,FFFF");
    }
    const CFileLines kavelis(FormatParameterText(SampleImage(), GW_KAVELIS, Stamp));
    EXPECT_EQ(kavelis.Lines()[37], "F120,0A000001");
    EXPECT_EQ(kavelis.Lines()[39], "F124,0A0000FE");
    const CFileLines vosk(FormatParameterText(SampleImage(), GW_VOSK, Stamp));
    const std::vector<std::string> unitLines(vosk.Lines().begin() + 37, vosk.Lines().end());
    const std::vector<std::string> expected = {
        "F200,00000001", "F202,0000000E", "F204,0A000001", "F206,FFFF0000", "F208,0A0000FE", "F20A,44524F50",
        "F280,8001",     "F281,8001",     "F282,8001",     "F283,8001",     "F284,8001",     "F285,8001",
        "F286,8001",     "F287,8001",     "F380,1234",     "F381,FEDC"};
    EXPECT_EQ(unitLines, expected);
}

TEST(ParameterFileWriter, SavedSetsComeBack) {
    // KAVELIS: every written word, the version through ;KGW=.
    ParameterImage kavelis;
    ASSERT_EQ(LoadParameterText(FormatParameterText(SampleImage(), GW_KAVELIS, Stamp), GW_KAVELIS, kavelis),
              PFILE_INVALID_DATA)
        << "F107 ABCD is beyond the station address rule for EtherNet/IP";
    ParameterImage sample = SampleImage();
    sample.Word(DADR) = 0x12;
    ASSERT_EQ(LoadParameterText(FormatParameterText(sample, GW_KAVELIS, Stamp), GW_KAVELIS, kavelis),
              PFILE_LOADED);
    EXPECT_EQ(kavelis.GwConfigBlock, sample.GwConfigBlock);
    EXPECT_EQ(kavelis.AxisMode, sample.AxisMode);
    EXPECT_EQ(kavelis.NetAddress, sample.NetAddress);
    // VOSK: every word and SlaveIdWord, while GVER becomes 0.
    ParameterImage vosk;
    ASSERT_EQ(LoadParameterText(FormatParameterText(sample, GW_VOSK, Stamp), GW_VOSK, vosk), PFILE_LOADED);
    EXPECT_EQ(vosk.Word(GVER), 0);
    vosk.Word(GVER) = sample.Word(GVER);
    EXPECT_EQ(vosk.GwConfigBlock, sample.GwConfigBlock);
    EXPECT_EQ(vosk.UnitNo, sample.UnitNo);
    EXPECT_EQ(vosk.TopAxisNo, sample.TopAxisNo);
    EXPECT_EQ(vosk.MDRP, sample.MDRP);
    EXPECT_EQ(vosk.AxisModeMirror, sample.AxisModeMirror);
    EXPECT_EQ(vosk.ExtParam1, sample.ExtParam1);
    EXPECT_EQ(vosk.ExtParam2, sample.ExtParam2);
    EXPECT_EQ(vosk.SlaveIdWord, sample.SlaveIdWord);
}

}  // namespace
