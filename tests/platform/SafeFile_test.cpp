#include "platform/SafeFile.h"

#include "MountSandbox.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::SafeFile;
using test::ReadWholeFile;
using test::TempFolder;
using test::WriteWholeFile;

TEST(SafeFileWriting, ReplacesTheWholeFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.File("game.sav");
    WriteWholeFile(path, "old contents that are longer than the new ones");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(SafeFile::WriteAll(path, std::string_view("new")));
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"game.sav"});
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u) << "a replaced file keeps its permissions";

    const std::vector<std::uint8_t> binary = {0, 1, 2, 0xFF, 0, 13, 10};
    ASSERT_TRUE(SafeFile::WriteAll(folder.File("bin"), binary));
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(SafeFile::ReadAll(folder.File("bin"), back));
    EXPECT_EQ(back, binary);
}

TEST(SafeFileWriting, FailureKeepsTheOldFileAndSaysWhy) {
    TempFolder folder;
    // A folder in the way of the target: the rename fails after the data was written.
    const std::string blocked = folder.File("blocked");
    std::filesystem::create_directory(blocked);
    WriteWholeFile(blocked + "/inside", "keep");
    const platform::FileResult result = SafeFile::WriteAll(blocked, std::string_view("data"));
    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find(blocked), std::string::npos) << result.Error;
    EXPECT_EQ(ReadWholeFile(blocked + "/inside"), "keep");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"blocked"}) << "no temporary file is left";

    const platform::FileResult noFolder =
        SafeFile::WriteAll(folder.File("missing/file"), std::string_view("x"));
    EXPECT_FALSE(noFolder);
    EXPECT_NE(noFolder.Error.find("temporary"), std::string::npos) << noFolder.Error;
    EXPECT_FALSE(SafeFile::WriteAll("", std::string_view("x")));
}

TEST(SafeFileWriting, ReadOnlyFolderKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder.File("settings.ini");
    WriteWholeFile(path, "old");
    const test::SandboxOutcome outcome = test::WithReadOnlyFolder(folder.Path(), [&]() -> std::string {
        if (SafeFile::WriteAll(path, std::string_view("new"))) return "the write reported success";
        return "";
    });
    if (!outcome.Ran) GTEST_SKIP() << outcome.Reason;
    EXPECT_EQ(outcome.Reason, "");
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"settings.ini"});
}

TEST(SafeFileWriting, FullDiskKeepsTheOldFile) {
    TempFolder folder;
    const std::string disk = folder.File("disk");
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs";
    const std::string path = disk + "/page.ndr";
    WriteWholeFile(path, "old page stream");
    const std::string big(256 * 1024, 'x');
    const platform::FileResult result = SafeFile::WriteAll(path, std::string_view(big));
    const std::string after = ReadWholeFile(path);
    const auto entries = std::distance(std::filesystem::directory_iterator(disk), {});
    ::umount(disk.c_str());
    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find("No space"), std::string::npos) << result.Error;
    EXPECT_EQ(after, "old page stream");
    EXPECT_EQ(entries, 1) << "the temporary file was removed";
}

TEST(SafeFileReading, RefusesMissingFoldersAndOversizedFiles) {
    TempFolder folder;
    std::string text;
    EXPECT_FALSE(SafeFile::ReadAll(folder.File("absent"), text));
    EXPECT_FALSE(SafeFile::ReadAll(folder.Path(), text)) << "a folder is not a file";
    WriteWholeFile(folder.File("ten"), "0123456789");
    const platform::FileResult tooBig = SafeFile::ReadAll(folder.File("ten"), text, 9);
    EXPECT_FALSE(tooBig);
    EXPECT_TRUE(text.empty());
    ASSERT_TRUE(SafeFile::ReadAll(folder.File("ten"), text, 10));
    EXPECT_EQ(text, "0123456789");
}

// A save killed halfway leaves "<target>.tmp-XXXXXX"; the next successful save of that target
// removes such files once they are stale, and nothing else.
TEST(SafeFileWriting, RemovesStaleTemporariesOfItsTargetOnly) {
    TempFolder folder;
    const auto plant = [&](const std::string& name, bool old) {
        WriteWholeFile(folder.File(name), "left over");
        const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        if (old) ::utimensat(AT_FDCWD, folder.File(name).c_str(), hourAgo, 0);
    };
    plant("game.sav.tmp-Ab3xY9", true);  // stale: removed
    plant("game.sav.tmp-Fresh1", false); // may be a live writer's
    plant("game.sav.tmp-Lockd1", true);  // a live writer holds it
    plant("game.sav.tmp-short", true);
    plant("game.sav.tmp-ab_d12", true);
    plant("other.sav.tmp-Ab3xY9", true);
    plant("game.sav.Ab3xY9", true);
    std::filesystem::create_directory(folder.File("game.sav.tmp-Folder"));
    std::filesystem::create_symlink(folder.File("other.sav.tmp-Ab3xY9"), folder.File("game.sav.tmp-Link12"));
    const int lock = ::open(folder.File("game.sav.tmp-Lockd1").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);

    ASSERT_TRUE(SafeFile::WriteAll(folder.File("game.sav"), std::string_view("saved")));
    ::close(lock);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{
                                    "game.sav", "game.sav.Ab3xY9", "game.sav.tmp-Folder",
                                    "game.sav.tmp-Fresh1", "game.sav.tmp-Link12", "game.sav.tmp-Lockd1",
                                    "game.sav.tmp-ab_d12", "game.sav.tmp-short", "other.sav.tmp-Ab3xY9"}));
    EXPECT_EQ(SafeFile::RemoveStaleTemporaries(folder.File("game.sav")), 1) << "the lock is gone";
}

// What a writer that is handed the pending file (the printer output) relies on: the temporary
// file sits beside the target, is not inherited by programs the process starts, and is locked
// against a clean-up while it lives.
TEST(SafeFileWriting, APendingFileIsPrivateToItsWriterUntilCommitted) {
    TempFolder folder;
    const std::string target = folder.File("out.prn");
    {
        platform::PendingFile pending(target);
        ASSERT_TRUE(pending.Status()) << pending.Status().Error;
        EXPECT_EQ(pending.TemporaryPath().rfind(target + ".tmp-", 0), 0u) << pending.TemporaryPath();
        EXPECT_NE(::fcntl(pending.Descriptor(), F_GETFD) & FD_CLOEXEC, 0);
        const int other = ::open(pending.TemporaryPath().c_str(), O_RDONLY | O_CLOEXEC);
        EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0) << "the writer holds no lock";
        ::close(other);
        WriteWholeFile(pending.TemporaryPath(), "written by name");
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{}) << "an uncommitted file leaves nothing";

    platform::PendingFile pending(target);
    WriteWholeFile(pending.TemporaryPath(), "written by name");
    ASSERT_TRUE(pending.Commit());
    EXPECT_EQ(ReadWholeFile(target), "written by name");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"out.prn"});
}
