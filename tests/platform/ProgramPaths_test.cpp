#include "platform/ProgramPaths.h"

#include "CaseTable.h"
#include "RunCommand.h"
#include "TestFiles.h"

#include <filesystem>

namespace fs = std::filesystem;
using namespace platform;
using namespace test;

namespace {

// A game folder "game/" and an empty home folder "home/" in a temporary folder, with the menu
// entry of an installed copy on request; the game folder is writable again at the end.
struct GameFolder {
    explicit GameFolder(bool installed) {
        for (const char* folder : {"game", "home", "share/applications"})
            fs::create_directories(Temp.File(folder));
        if (installed)
            WriteWholeFile(Temp.File("share/applications/velmora-puzzle.desktop"), "[Desktop Entry]\n");
    }
    ~GameFolder() { fs::permissions(Game(), fs::perms::owner_all); }
    std::string Game() const { return Temp.File("game"); }
    std::string Home() const { return Temp.File("home"); }
    std::string Executable() const { return Game() + "/velmora-puzzle"; }
    void MakeReadOnly() const { fs::permissions(Game(), fs::perms::owner_read | fs::perms::owner_exec); }
    TempFolder Temp;
};

} // namespace

TEST(ProgramPaths, ExtensionIsReplacedOrAppended) {
    EXPECT_TRUE(MatchesCaseTable(PLATFORM_TEST_DATA "/program-extensions.txt", [](const std::string& path) {
        return ProgramPaths::ChangeExtension(path, ".ini");
    }));
}

// Files stay beside a copy in a folder the player can write, and move to the XDG folders (created
// private) for a read-only folder or an installed copy.
TEST(ProgramPaths, WritableFolderKeepsTheFilesBesideTheExecutable) {
    struct Row {
        const char* Name;
        bool Installed;
        bool ReadOnly;
        bool Beside;
    };
    for (const Row& row :
         {Row{"portable copy", false, false, true}, Row{"read-only folder", false, true, false},
          Row{"installed copy", true, false, false}}) {
        SCOPED_TRACE(row.Name);
        GameFolder folder(row.Installed);
        if (row.ReadOnly) folder.MakeReadOnly();
        TProgramFiles files(folder.Executable(), TProgramEnvironment{folder.Home(), "", ""});
        EXPECT_EQ(files.BesideExecutable(), row.Beside);
        EXPECT_EQ(platform::FolderWritable(folder.Game()), !row.ReadOnly);
        const std::string config = row.Beside ? folder.Game() : folder.Home() + "/.config/velmora-puzzle";
        const std::string data = row.Beside ? folder.Game() : folder.Home() + "/.local/share/velmora-puzzle";
        EXPECT_EQ(files.BesideSettings(".ini"), config + "/velmora-puzzle.ini");
        EXPECT_EQ(files.BesideSavedGame(".sav"), data + "/velmora-puzzle.sav");
        if (!row.Beside) {
            EXPECT_EQ(fs::status(config).permissions(), fs::perms::owner_all);
            EXPECT_EQ(fs::status(data).permissions(), fs::perms::owner_all);
        }
    }
}

TEST(ProgramPaths, XdgVariablesCountOnlyWhenAbsolute) {
    GameFolder folder(true);
    const std::string config = folder.Home() + "/cfg";
    TProgramFiles absolute(folder.Executable(),
                           TProgramEnvironment{folder.Home(), config, folder.Home() + "/d"});
    EXPECT_EQ(absolute.BesideSettings(".ini"), config + "/velmora-puzzle/velmora-puzzle.ini");
    EXPECT_EQ(absolute.BesideSavedGame(".sav"), folder.Home() + "/d/velmora-puzzle/velmora-puzzle.sav");
    TProgramFiles relative(folder.Executable(), TProgramEnvironment{folder.Home(), "cfg", "d"});
    EXPECT_EQ(relative.BesideSettings(".ini"), folder.Home() + "/.config/velmora-puzzle/velmora-puzzle.ini");
    EXPECT_EQ(relative.BesideSavedGame(".sav"),
              folder.Home() + "/.local/share/velmora-puzzle/velmora-puzzle.sav");
}

// A player who played from the folder before it became read-only keeps their files: each is copied
// once into the XDG folders unless one is there already, and the old file stays.
TEST(ProgramPaths, FilesBesideAReadOnlyExecutableAreCopiedNotLost) {
    GameFolder folder(false);
    WriteWholeFile(folder.Game() + "/velmora-puzzle.sav", "old save");
    WriteWholeFile(folder.Game() + "/velmora-puzzle.ini", "old settings");
    folder.MakeReadOnly();
    const std::string config = folder.Home() + "/.config/velmora-puzzle";
    fs::create_directories(config);
    WriteWholeFile(config + "/velmora-puzzle.ini", "newer settings");

    TProgramFiles files(folder.Executable(), TProgramEnvironment{folder.Home(), "", ""});
    const std::string save = files.BesideSavedGame(".sav");
    EXPECT_EQ(ReadWholeFile(save), "old save");
    EXPECT_EQ(ReadWholeFile(files.BesideSettings(".ini")), "newer settings");
    EXPECT_EQ(ReadWholeFile(folder.Game() + "/velmora-puzzle.sav"), "old save");

    // Once the game has removed its own file, the old one is not brought back in the same run.
    fs::remove(save);
    EXPECT_FALSE(fs::exists(files.BesideSavedGame(".sav")));
}

TEST(ProgramPaths, ExecutableIsThisProgramUnlessOverridden) {
    const std::string own = ProgramPaths::ExecutablePath();
    ASSERT_FALSE(own.empty());
    EXPECT_TRUE(fs::equivalent(own, "/proc/self/exe"));

    GameFolder folder(false);
    ProgramPaths::SetExecutablePathOverride(folder.Executable());
    EXPECT_EQ(ProgramPaths::SettingsFile(), folder.Game() + "/velmora-puzzle.ini");
    EXPECT_EQ(ProgramPaths::SavedGameFile(), folder.Game() + "/velmora-puzzle.sav");
    ProgramPaths::SetExecutablePathOverride("");
    EXPECT_EQ(ProgramPaths::ExecutablePath(), own);
}

// Runs a copy of this program whose executable is replaced while it runs (the disabled test below).
TEST(ProgramPaths, ReplacingTheExecutableKeepsTheFilesItStartedWith) {
    TempFolder folder;
    const std::string copy = folder.File("velmora-puzzle");
    fs::copy_file("/proc/self/exe", copy);
    const CommandResult run =
        RunCommand({copy, "--gtest_also_run_disabled_tests",
                    "--gtest_filter=ProgramPathsCopy.DISABLED_ExecutableReplacedWhileRunning"});
    EXPECT_EQ(run.Status, 0) << "the copy's own test failed:\n" << run.Out << run.Err;
}

TEST(ProgramPathsCopy, DISABLED_ExecutableReplacedWhileRunning) {
    ProgramPaths::Resolve();
    const std::string executable = ProgramPaths::ExecutablePath();
    const std::string settings = ProgramPaths::SettingsFile();
    // An upgrade writes the new program beside the old one and renames it over it.
    WriteWholeFile(executable + ".new", "the next version");
    fs::rename(executable + ".new", executable);
    ASSERT_NE(fs::read_symlink("/proc/self/exe").string(), executable) << "the running file is gone";

    EXPECT_EQ(ProgramPaths::ExecutablePath(), executable);
    EXPECT_EQ(ProgramPaths::SettingsFile(), settings);
    EXPECT_EQ(settings, ProgramPaths::ChangeExtension(executable, ".ini"));
    EXPECT_EQ(ProgramPaths::SavedGameFile(), ProgramPaths::ChangeExtension(executable, ".sav"));
}
