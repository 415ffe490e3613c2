// Every file the program writes is written whole or not at all: when the write cannot complete,
// the old file survives byte for byte, no temporary file is left beside it, and the caller gets a
// failure with a reason to show. Each writer meets the same failures.
#include "FileWriters.h"
#include "MountSandbox.h"
#include "pdf/TRenderPDF.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string OldBytes = "old file\r\nwith two lines\r\n";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class WholeOrNothing : public ::testing::TestWithParam<TFileWriter> {
  protected:
    void SetUp() override {
        char folderTemplate[] = "/tmp/velmora-hardening-XXXXXX";
        ASSERT_NE(mkdtemp(folderTemplate), nullptr);
        Folder = folderTemplate;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(Folder, fs::perms::owner_all, ignored);
        fs::remove_all(Folder, ignored);
    }

    void ExpectToldWhy(const TWriteOutcome& outcome) {
        EXPECT_FALSE(outcome.Ok);
        EXPECT_FALSE(outcome.Error.empty()) << "the user must be told why the file was not written";
    }

    fs::path Folder;
};

TEST_P(WholeOrNothing, ReplacesAnOldFileWholeAndLeavesNothingElse) {
    const fs::path target = Folder / "target.out";
    WriteFile(target, OldBytes);
    // Left by an earlier writer that was killed: a successful save clears it away.
    const fs::path stale = Folder / "target.out.tmp-Xy12Ab";
    WriteFile(stale, OldBytes);
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(1));
    const TWriteOutcome outcome = GetParam().Write(target.string());
    ASSERT_TRUE(outcome.Ok) << outcome.Error;
    EXPECT_TRUE(outcome.Error.empty());
    const std::string written = ReadFile(target);
    EXPECT_NE(written, OldBytes);
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(Names(Folder), std::set<std::string>{"target.out"});
}

// A replaced file keeps its read and write bits, never execute or set-ID bits; a symbolic link is
// replaced by a file of the default mode and its target is left alone.
TEST_P(WholeOrNothing, PermissionsNeverCarryExecuteOrSetIdBits) {
    const mode_t mask = ::umask(022);
    struct TCase {
        const char* What;
        mode_t Before;
        bool Link;
        mode_t After;
    };
    const TCase cases[] = {
        {"private file", 0600, false, 0600},
        {"group-writable file", 0664, false, 0664},
        {"set-uid program", 06755, false, 0644},
        {"sticky executable", 01777, false, 0666},
        {"link to a set-uid program", 04755, true, 0644},
        {"link to a private file", 0600, true, 0644},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        const fs::path target = Folder / "target.out";
        const fs::path linked = Folder / "linked";
        fs::remove(target);
        WriteFile(c.Link ? linked : target, OldBytes);
        ::chmod((c.Link ? linked : target).c_str(), c.Before);
        if (c.Link) fs::create_symlink(linked, target);

        const TWriteOutcome outcome = GetParam().Write(target.string());
        ASSERT_TRUE(outcome.Ok) << outcome.Error;
        struct stat info {};
        ASSERT_EQ(::lstat(target.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(info.st_mode & 07777, c.After);
        if (c.Link) {
            ASSERT_EQ(::stat(linked.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 07777, c.Before);
            EXPECT_EQ(ReadFile(linked), OldBytes);
            fs::remove(linked);
        }
    }
    ::umask(mask);
}

TEST_P(WholeOrNothing, DirectoryInTheWayIsLeftAsItWas) {
    const fs::path target = Folder / "target.out";
    fs::create_directory(target);
    WriteFile(target / "inside", OldBytes);
    const auto before = Names(Folder);

    ExpectToldWhy(GetParam().Write(target.string()));
    ASSERT_TRUE(fs::is_directory(target));
    EXPECT_EQ(ReadFile(target / "inside"), OldBytes);
    EXPECT_EQ(Names(target), std::set<std::string>{"inside"});
    EXPECT_EQ(Names(Folder), before) << "a temporary file was left behind";
}

TEST_P(WholeOrNothing, ParentThatIsAFileIsLeftAsItWas) {
    const fs::path parent = Folder / "not-a-folder";
    WriteFile(parent, OldBytes);
    ExpectToldWhy(GetParam().Write((parent / "target.out").string()));
    EXPECT_EQ(ReadFile(parent), OldBytes);
    EXPECT_EQ(Names(Folder), std::set<std::string>{"not-a-folder"});
}

TEST_P(WholeOrNothing, ReadOnlyFolderKeepsTheOldFile) {
    const fs::path target = Folder / "target.out";
    WriteFile(target, OldBytes);
    const TFileWriter writer = GetParam();
    const test::SandboxOutcome result = test::WithReadOnlyFolder(Folder.string(), [&]() -> std::string {
        const TWriteOutcome outcome = writer.Write(target.string());
        if (outcome.Ok) return "the write reported success in a read-only folder";
        if (outcome.Error.empty()) return "the failure carried no reason";
        return "";
    });
    if (!result.Ran) GTEST_SKIP() << result.Reason;
    EXPECT_EQ(result.Reason, "");
    EXPECT_EQ(ReadFile(target), OldBytes);
    EXPECT_EQ(Names(Folder), std::set<std::string>{"target.out"});
}

TEST_P(WholeOrNothing, FullDiskKeepsTheOldFile) {
    const TFileWriter writer = GetParam();
    const test::SandboxOutcome result = test::OnSmallTmpfs([&](const std::string& folder) -> std::string {
        const fs::path target = fs::path(folder) / "target.out";
        WriteFile(target, OldBytes);
        if (ReadFile(target) != OldBytes) return "could not write the old file";
        if (!test::FillDisk(folder, "filler")) return "could not fill the disk";
        const TWriteOutcome outcome = writer.Write(target.string());
        if (outcome.Ok) return "the write reported success on a full disk";
        if (outcome.Error.empty()) return "the failure carried no reason";
        if (ReadFile(target) != OldBytes) return "the old file changed";
        if (Names(folder) != std::set<std::string>{"filler", "target.out"})
            return "a temporary file was left behind";
        return "";
    });
    if (!result.Ran) GTEST_SKIP() << "no small tmpfs available: " << result.Reason;
    EXPECT_EQ(result.Reason, "");
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WholeOrNothing, ::testing::ValuesIn(AllFileWriters()),
                         [](const ::testing::TestParamInfo<TFileWriter>& info) { return info.param.Name; });

} // namespace

namespace {

// A replay that fails on a damaged stream must not leave the output's temporary file behind while
// the renderer lives on (the game keeps its PDF renderer for the whole run), nor touch the target.
TEST(PdfReplayFailure, LeavesTheOldFileAndNoTemporaryFile) {
    char folderTemplate[] = "/tmp/velmora-hardening-XXXXXX";
    ASSERT_NE(mkdtemp(folderTemplate), nullptr);
    const fs::path folder = folderTemplate;
    const fs::path target = folder / "puzzle.pdf";
    WriteFile(target, OldBytes);

    pdf::TRenderPDF render;
    std::vector<std::uint8_t> cut = RecordedPage();
    cut.resize(cut.size() - 12);
    for (const std::vector<std::uint8_t>& damaged :
         {std::vector<std::uint8_t>{'X', 1, 2, 3}, std::vector<std::uint8_t>{'Z', 0xE1, 0x07}, cut}) {
        TMemoryStream input(damaged);
        EXPECT_THROW(render.RenderToFile(&input, target.string()), EReportError);
        EXPECT_EQ(ReadFile(target), OldBytes);
        EXPECT_EQ(Names(folder), std::set<std::string>{"puzzle.pdf"}) << "a temporary file was left behind";
    }
    fs::remove_all(folder);
}

} // namespace
