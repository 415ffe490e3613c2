#include "platform/SafeFile.h"

#include "ReadOnlyFolder.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
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
    const test::ReadOnlyOutcome outcome = test::WithReadOnlyFolder(folder.Path(), [&]() -> std::string {
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
