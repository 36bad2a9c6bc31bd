// Saving never destroys the previous file: a failure at any point leaves it as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "core/files/ParameterFileIo.h"
#include "core/files/SafeFileReplace.h"
#include "tests/files/FileTestSupport.h"

namespace {

const std::string OldContents = "old contents that must survive a failed save\r\n";

TEST(SafeFileReplace, WritesNewFileAndReplacesOldOneLeavingNoTemporary) {
    CScratchFolder folder;
    const std::string path = folder.File("set.vogw");
    ASSERT_EQ(ReplaceFileContents(path, "first"), FILE_WRITE_OK);
    EXPECT_EQ(ReadBytes(path), "first");
    ASSERT_EQ(ReplaceFileContents(path, "second, longer"), FILE_WRITE_OK);
    EXPECT_EQ(ReadBytes(path), "second, longer");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"set.vogw"});
}

TEST(SafeFileReplace, ReplacedFileKeepsItsPermissionsAndLinksKeepPointing) {
    CScratchFolder folder;
    const std::string real = folder.File("real.pkgw");
    const std::string link = folder.File("link.pkgw");
    WriteBytes(real, OldContents);
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    std::filesystem::create_symlink(real, link);
    ASSERT_EQ(ReplaceFileContents(link, "through the link"), FILE_WRITE_OK);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "through the link");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(SafeFileReplace, MissingFolderCannotCreate) {
    CScratchFolder folder;
    EXPECT_EQ(ReplaceFileContents(folder.File("no-such-folder/set.vogw"), "x"), FILE_CANNOT_CREATE);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(SafeFileReplace, UnwritableFolderKeepsOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    CScratchFolder folder;
    const std::string path = folder.File("set.vogw");
    WriteBytes(path, OldContents);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    EXPECT_EQ(ReplaceFileContents(path, "new"), FILE_CANNOT_CREATE);
    EXPECT_EQ(ReadBytes(path), OldContents);
}

// A file size limit makes the write fail half-way, as a full disk would.
class FailingWriteTest : public testing::Test {
protected:
    void SetUp() override {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit_), 0);
        rlimit small = previousLimit_;
        small.rlim_cur = 100;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    void TearDown() override {
        ::setrlimit(RLIMIT_FSIZE, &previousLimit_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previousLimit_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

TEST_F(FailingWriteTest, OldFileUnchangedAndNoTemporaryLeft) {
    CScratchFolder folder;
    const std::string path = folder.File("set.dvgw");
    WriteBytes(path, OldContents);
    EXPECT_EQ(ReplaceFileContents(path, std::string(1000, 'N')), FILE_WRITE_FAILED);
    EXPECT_EQ(ReadBytes(path), OldContents);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"set.dvgw"});

    ParameterImage image;
    EXPECT_EQ(WriteParameterFile(path, image, GW_DRAVO), FILE_WRITE_FAILED)
        << "a parameter file is > 100 bytes";
    EXPECT_EQ(ReadBytes(path), OldContents);
}

}  // namespace
