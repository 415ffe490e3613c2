// Every file the program writes is written whole or not at all: when the write cannot complete,
// the old file survives byte for byte, no temporary file is left beside it, and the caller gets a
// failure with a reason to show. Each writer meets the same failures.
#include "FileWriters.h"
#include "MountSandbox.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string OldBytes = "old file\r\nwith two lines\r\n";

class WholeOrNothing : public ::testing::TestWithParam<TFileWriter> {
  protected:
    // The writer's outcome when it cannot write: a failure, with the reason the user is told.
    std::string Refusal(const std::string& path) {
        const TFileOutcome outcome = GetParam().Write(path);
        if (outcome.Ok) return "the write reported success";
        return outcome.Error.empty() ? "the failure carried no reason" : "";
    }
    // The same for the old file in Folder, which must stay as it was, with no file added beside the
    // Count files there.
    std::string RefusalKeepingTheOldFile(const std::string& folder, long count) {
        if (std::string refused = Refusal(folder + "/target.out"); !refused.empty()) return refused;
        if (test::ReadWholeFile(folder + "/target.out") != OldBytes) return "the old file changed";
        const bool added = std::distance(fs::directory_iterator(folder), {}) != count;
        return added ? "a temporary file was left behind" : "";
    }

    test::TempFolder Folder;
    const std::string Target = Folder.File("target.out");
};

// A successful save replaces the old file whole and clears away the temporary file of an earlier
// writer that was killed. The file keeps its read and write bits, never execute or set-ID bits; a
// symbolic link is replaced by a file of the default mode and its target is left alone.
TEST_P(WholeOrNothing, ReplacesTheOldFileWholeWithoutExecuteOrSetIdBits) {
    const mode_t mask = ::umask(022);
    const struct {
        const char* What;
        bool Link;
        mode_t Before, After;
    } cases[] = {
        {"private file", false, 0600, 0600},
        {"group-writable file", false, 0664, 0664},
        {"set-uid program", false, 06755, 0644},
        {"sticky executable", false, 01777, 0666},
        {"link to a set-uid program", true, 04755, 0644},
        {"link to a private file", true, 0600, 0644},
    };
    const std::string linked = Folder.File("linked"), stale = Target + ".tmp-Xy12Ab";
    test::WriteWholeFile(stale, OldBytes);
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(1));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove(Target);
        test::WriteWholeFile(c.Link ? linked : Target, OldBytes);
        ::chmod((c.Link ? linked : Target).c_str(), c.Before);
        if (c.Link) fs::create_symlink(linked, Target);

        const TFileOutcome outcome = GetParam().Write(Target);
        ASSERT_TRUE(outcome.Ok) << outcome.Error;
        const std::string written = test::ReadWholeFile(Target);
        EXPECT_TRUE(written != OldBytes && !written.empty());
        EXPECT_EQ(Folder.Entries(), (c.Link ? Names{"linked", "target.out"} : Names{"target.out"}));
        struct stat info {};
        ASSERT_EQ(::lstat(Target.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & (S_IFMT | 07777), S_IFREG | c.After) << "a regular file of the mode";
        if (c.Link) {
            ASSERT_EQ(::stat(linked.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, c.Before);
            EXPECT_EQ(test::ReadWholeFile(linked), OldBytes);
            fs::remove(linked);
        }
    }
    ::umask(mask);
}

// A folder where the file should go, or a file where its folder should be: both stay as they were.
TEST_P(WholeOrNothing, ObstacleInThePathIsLeftAsItWas) {
    fs::create_directory(Target);
    test::WriteWholeFile(Target + "/inside", OldBytes);
    EXPECT_EQ(Refusal(Target), "");
    EXPECT_EQ(test::ReadWholeFile(Target + "/inside"), OldBytes);

    const std::string parent = Folder.File("not-a-folder");
    test::WriteWholeFile(parent, OldBytes);
    EXPECT_EQ(Refusal(parent + "/target.out"), "");
    EXPECT_EQ(test::ReadWholeFile(parent), OldBytes);
    EXPECT_EQ(Folder.Entries(), (Names{"not-a-folder", "target.out"})) << "a temporary file was left behind";
}

// Both run as root too: the sandbox remounts the folder read-only, or gives a 64 KiB disk.
TEST_P(WholeOrNothing, ReadOnlyFolderOrFullDiskKeepsTheOldFile) {
    test::WriteWholeFile(Target, OldBytes);
    const test::SandboxOutcome readOnly =
        test::WithReadOnlyFolder(Folder.Path(), [&] { return RefusalKeepingTheOldFile(Folder.Path(), 1); });
    const test::SandboxOutcome fullDisk = test::OnSmallTmpfs([&](const std::string& folder) -> std::string {
        test::WriteWholeFile(folder + "/target.out", OldBytes);
        if (!test::FillDisk(folder, "filler")) return "could not fill the disk";
        return RefusalKeepingTheOldFile(folder, 2);
    });
    for (const test::SandboxOutcome& sandbox : {readOnly, fullDisk})
        EXPECT_TRUE(!sandbox.Ran || sandbox.Reason.empty()) << sandbox.Reason;
    if (!readOnly.Ran || !fullDisk.Ran) GTEST_SKIP() << "no sandbox: " << readOnly.Reason << fullDisk.Reason;
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WholeOrNothing, ::testing::ValuesIn(AllFileWriters()),
                         [](const ::testing::TestParamInfo<TFileWriter>& info) { return info.param.Name; });

} // namespace
