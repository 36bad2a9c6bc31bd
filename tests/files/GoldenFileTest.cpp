// Golden parameter files, one per gateway type: each loads and saves back to the same bytes, apart from
// the date and time of the save.
#include <gtest/gtest.h>

#include <regex>

#include "core/files/ParameterFileIo.h"
#include "core/files/ParameterFileReader.h"
#include "core/files/SafeFileReplace.h"
#include "tests/files/FileTestSupport.h"
#include "tests/support/ScriptedHost.h"

namespace {

struct SGolden {
    const char* file;
    GwType type;
};

void PrintTo(const SGolden& g, std::ostream* os) {
    *os << g.file;
}

const SGolden Goldens[] = {{"kavelis.pkgw", GW_KAVELIS},     {"vosk.vogw", GW_VOSK},
                           {"vosk-mliii.vmgw", GW_VOSK_ML3}, {"vosk-lc.volc", GW_VOSK_LC},
                           {"nub3gw.nugw", GW_NUB3GW},       {"dravo.dvgw", GW_DRAVO}};

// Where the third line begins: the first two lines are the date and the time of the save.
std::size_t AfterDateAndTime(const std::string& text) {
    return text.find('\n', text.find('\n') + 1) + 1;
}

class GoldenFileTest : public testing::TestWithParam<SGolden> {};

TEST_P(GoldenFileTest, LoadSaveGivesTheSameBytes) {
    const std::string golden = ReadBytes(GoldenPath(GetParam().file));
    ASSERT_FALSE(golden.empty());
    ScriptedHost host;
    ParameterImage image;
    ASSERT_EQ(ReadParameterFile(GoldenPath(GetParam().file), GetParam().type, image, host), PFILE_LOADED);
    CScratchFolder folder;
    ASSERT_EQ(WriteParameterFile(folder.File(GetParam().file), image, GetParam().type), FILE_WRITE_OK);
    const std::string saved = ReadBytes(folder.File(GetParam().file));
    EXPECT_TRUE(host.boxes.empty());

    const std::regex dateTime(";DATE=\\d{4}/\\d{2}/\\d{2}\r\n;TIME=\\d{2}:\\d{2}:\\d{2}\r\n");
    EXPECT_TRUE(std::regex_match(golden.substr(0, AfterDateAndTime(golden)), dateTime));
    EXPECT_TRUE(std::regex_match(saved.substr(0, AfterDateAndTime(saved)), dateTime));
    EXPECT_EQ(saved.substr(AfterDateAndTime(saved)), golden.substr(AfterDateAndTime(golden)));
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenFileTest, testing::ValuesIn(Goldens),
                         [](const testing::TestParamInfo<SGolden>& info) {
                             std::string name = info.param.file;
                             std::erase_if(
                                 name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                             return name;
                         });

}  // namespace
