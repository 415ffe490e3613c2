#include "platform/ProgramPaths.h"

#include "CaseTable.h"
#include "RunCommand.h"
#include "TestFiles.h"

#include <filesystem>
#include <sstream>

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

// A copy of the game in <tmp>/game, portable or installed (a menu entry in <tmp>/share), in a
// folder the player can write or not, with or without XDG folders (absolute ones under <tmp>); where
// its settings and saved game go, and the mode of their folder. Files stay beside a portable copy in
// a writable folder, else they move to the XDG folders, created private.
TEST(ProgramPaths, FilesStayBesideAWritablePortableCopyElseMoveToTheXdgFolders) {
    EXPECT_TRUE(MatchesCaseTable(PLATFORM_TEST_DATA "/program-files.txt", [](const std::string& setup) {
        GameFolder folder(setup.find("installed") != std::string::npos);
        if (setup.find("read-only") != std::string::npos) folder.MakeReadOnly();
        TProgramEnvironment environment{folder.Home(), "", ""};
        std::istringstream words(setup);
        for (std::string word; words >> word;) {
            const std::string value = word.substr(word.find('=') + 1);
            const std::string rooted = value.rfind('/', 0) == 0 ? folder.Temp.Path() + value : value;
            if (word.rfind("XDG_CONFIG_HOME=", 0) == 0) environment.XdgConfigHome = rooted;
            if (word.rfind("XDG_DATA_HOME=", 0) == 0) environment.XdgDataHome = rooted;
        }
        TProgramFiles files(folder.Executable(), environment);
        const auto shown = [&](const std::string& path) {
            const auto mode = static_cast<unsigned>(fs::status(fs::path(path).parent_path()).permissions());
            return fs::relative(path, folder.Temp.Path()).string() + (mode == 0700 ? " (private)" : "");
        };
        return std::string(files.BesideExecutable() ? "beside: " : "moved: ") + "settings " +
               shown(files.BesideSettings(".ini")) + ", saved game " + shown(files.BesideSavedGame(".sav"));
    }));
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

// Runs a copy of this program whose executable is replaced while it runs (the disabled test below).
// The window tests place their files through the executable path override.
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
    ASSERT_TRUE(fs::equivalent(executable, "/proc/self/exe"));
    // An upgrade writes the new program beside the old one and renames it over it.
    WriteWholeFile(executable + ".new", "the next version");
    fs::rename(executable + ".new", executable);
    ASSERT_NE(fs::read_symlink("/proc/self/exe").string(), executable) << "the running file is gone";

    EXPECT_EQ(ProgramPaths::ExecutablePath(), executable);
    EXPECT_EQ(ProgramPaths::SettingsFile(), settings);
    EXPECT_EQ(settings, ProgramPaths::ChangeExtension(executable, ".ini"));
    EXPECT_EQ(ProgramPaths::SavedGameFile(), ProgramPaths::ChangeExtension(executable, ".sav"));
}
