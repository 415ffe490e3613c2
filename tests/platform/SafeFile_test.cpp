#include "platform/SafeFile.h"

#include "TestFiles.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::SafeFile;
using namespace test;

// That a file is replaced whole with its mode kept and nothing left beside it, and that a folder in
// the way, a read-only folder or a full disk keep the old file (also as root, in a mount sandbox),
// is pinned by the hardening tests for every writer of the program, all of which write through
// SafeFile; so is the refusal of folders, devices and FIFOs by every reader, and that an aborted
// write leaves no temporary file. Here: the byte overloads, the reasons, the file size limit, and
// reading up to a limit.
TEST(SafeFile, BytesRoundTripAndFailuresSayWhy) {
    TempFolder folder;
    const std::vector<std::uint8_t> binary = {0, 1, 2, 0xFF, 0, 13, 10};
    ASSERT_TRUE(SafeFile::WriteAll(folder.File("bin"), binary));
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(SafeFile::ReadAll(folder.File("bin"), back));
    EXPECT_EQ(back, binary);

    fs::create_directory(folder.File("blocked"));
    const platform::FileResult blocked = SafeFile::WriteAll(folder.File("blocked"), std::string_view("data"));
    EXPECT_TRUE(!blocked && blocked.Error.find(folder.File("blocked")) != std::string::npos) << blocked.Error;
    const platform::FileResult noFolder =
        SafeFile::WriteAll(folder.File("missing/file"), std::string_view("x"));
    EXPECT_TRUE(!noFolder && noFolder.Error.find("temporary") != std::string::npos) << noFolder.Error;
    EXPECT_FALSE(SafeFile::WriteAll("", std::string_view("x")));

    // Beyond the process's file size limit a write fails like on a full disk, here in this process.
    WriteWholeFile(folder.File("limited"), "old");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limited{1024, saved.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    const platform::FileResult tooLarge = SafeFile::WriteAll(folder.File("limited"), std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(!tooLarge && tooLarge.Error.find("too large") != std::string::npos) << tooLarge.Error;
    EXPECT_EQ(ReadWholeFile(folder.File("limited")), "old");

    std::string text = "before";
    EXPECT_FALSE(SafeFile::ReadAll(folder.File("absent"), text));
    WriteWholeFile(folder.File("ten"), "0123456789");
    EXPECT_FALSE(SafeFile::ReadAll(folder.File("ten"), text, 9));
    EXPECT_TRUE(text.empty()) << "no partial text";
    ASSERT_TRUE(SafeFile::ReadAll(folder.File("ten"), text, 10));
    EXPECT_EQ(text, "0123456789");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"bin", "blocked", "limited", "ten"}))
        << "no temporary";
}

// A save killed halfway leaves "<target>.tmp-XXXXXX"; the next successful save of that target
// removes such files once they are stale, and nothing else.
TEST(SafeFileWriting, RemovesStaleTemporariesOfItsTargetOnly) {
    TempFolder folder;
    // An hour old; only the first is a stale temporary of game.sav that no live writer locks.
    for (const char* old : {"game.sav.tmp-Ab3xY9", "game.sav.tmp-Lockd1", "game.sav.tmp-short",
                            "game.sav.tmp-ab_d12", "other.sav.tmp-Ab3xY9", "game.sav.Ab3xY9"}) {
        WriteWholeFile(folder.File(old), "left over");
        fs::last_write_time(folder.File(old), fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    WriteWholeFile(folder.File("game.sav.tmp-Fresh1"), "may be a live writer's");
    fs::create_directory(folder.File("game.sav.tmp-Folder"));
    fs::create_symlink(folder.File("other.sav.tmp-Ab3xY9"), folder.File("game.sav.tmp-Link12"));
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

// The temporary file sits beside its target, is not inherited by programs the process starts,
// and is locked against another process's clean-up while it lives.
TEST(SafeFileWriting, APendingFileIsPrivateToItsWriter) {
    TempFolder folder;
    const platform::PendingFile pending(folder.File("out.prn"));
    ASSERT_TRUE(pending.Status()) << pending.Status().Error;
    EXPECT_EQ(pending.TemporaryPath().rfind(folder.File("out.prn.tmp-"), 0), 0u) << pending.TemporaryPath();
    EXPECT_NE(::fcntl(pending.Descriptor(), F_GETFD) & FD_CLOEXEC, 0);
    const int other = ::open(pending.TemporaryPath().c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0) << "the writer holds no lock";
    ::close(other);
}
