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

// A file marked read-only is refused, whoever saves, and stays exactly as it was.
TEST(SafeFileReplace, WriteProtectedFileIsRefusedAndLeftAsItIs) {
    for (const mode_t mode : {0444, 0400, 0555}) {
        CScratchFolder folder;
        const std::string path = folder.File("set.vogw");
        WriteBytes(path, OldContents);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        EXPECT_EQ(ReplaceFileContents(path, "new"), FILE_WRITE_PROTECTED) << std::oct << mode;
        EXPECT_EQ(ReadBytes(path), OldContents) << std::oct << mode;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"set.vogw"});
    }
}

// Where no temporary file can be made beside it (here: its name leaves no room for the temporary's),
// a writable file is written in place; a missing one is created.
TEST(SafeFileReplace, FolderWithoutRoomForATemporaryWritesInPlace) {
    CScratchFolder folder;
    const std::string path = folder.File(std::string(240, 'p') + ".vogw");
    WriteBytes(path, OldContents);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(ReplaceFileContents(path, "short"), FILE_WRITE_OK);
    EXPECT_EQ(ReadBytes(path), "short") << "the old, longer contents are cut off";
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Names().size(), 1u);

    const std::string fresh = folder.File(std::string(240, 'f') + ".vogw");
    ASSERT_EQ(ReplaceFileContents(fresh, "created"), FILE_WRITE_OK);
    EXPECT_EQ(ReadBytes(fresh), "created");
}

TEST(SafeFileReplace, ReadOnlyFolderWritesAWritableFileInPlace) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    CScratchFolder folder;
    const std::string path = folder.File("set.vogw");
    WriteBytes(path, OldContents);
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    EXPECT_EQ(ReplaceFileContents(path, "new"), FILE_WRITE_OK);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReplaceFileContents(folder.File("other.vogw"), "x"), FILE_CANNOT_CREATE);
}

// Every name of a hard-linked file sees the new contents.
TEST(SafeFileReplace, HardLinkedFileIsWrittenInPlace) {
    CScratchFolder folder;
    const std::string path = folder.File("set.vogw");
    const std::string other = folder.File("copy.vogw");
    WriteBytes(path, OldContents);
    std::filesystem::create_hard_link(path, other);
    ASSERT_EQ(ReplaceFileContents(path, "shared"), FILE_WRITE_OK);
    EXPECT_EQ(ReadBytes(other), "shared");
    EXPECT_EQ(std::filesystem::hard_link_count(path), 2u);
}

// The replaced file's owner and group are kept where the system allows it.
TEST(SafeFileReplace, ReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file another owner";
    CScratchFolder folder;
    const std::string path = folder.File("set.vogw");
    WriteBytes(path, OldContents);
    ASSERT_EQ(::chown(path.c_str(), 12345, 23456), 0);
    ASSERT_EQ(ReplaceFileContents(path, "new"), FILE_WRITE_OK);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 12345u);
    EXPECT_EQ(st.st_gid, 23456u);
    EXPECT_EQ(ReadBytes(path), "new");
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
