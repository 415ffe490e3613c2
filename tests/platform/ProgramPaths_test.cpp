#include "platform/ProgramPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

using platform::ProgramPaths;

TEST(ProgramPaths, ExtensionIsReplacedOrAppended) {
    EXPECT_EQ(ProgramPaths::ChangeExtension("/opt/velmora/velmora-puzzle", ".ini"),
              "/opt/velmora/velmora-puzzle.ini");
    EXPECT_EQ(ProgramPaths::ChangeExtension("/games/Sudoku.exe", ".ini"), "/games/Sudoku.ini");
    EXPECT_EQ(ProgramPaths::ChangeExtension("/games/a.b.c", ".sav"), "/games/a.b.sav");
    EXPECT_EQ(ProgramPaths::ChangeExtension("/dir.with.dots/game", ".sav"), "/dir.with.dots/game.sav");
    EXPECT_EQ(ProgramPaths::ChangeExtension("game", ".ini"), "game.ini");
    EXPECT_EQ(ProgramPaths::ChangeExtension("/games/game.", ".ini"), "/games/game.ini");
}

TEST(ProgramPaths, ExecutableIsThisProgramUnlessOverridden) {
    const std::string own = ProgramPaths::ExecutablePath();
    ASSERT_FALSE(own.empty());
    EXPECT_TRUE(std::filesystem::equivalent(own, "/proc/self/exe"));
    EXPECT_EQ(ProgramPaths::BesideExecutable(".ini"), own + ".ini");

    ProgramPaths::SetExecutablePathOverride("/tmp/test/velmora-puzzle");
    EXPECT_EQ(ProgramPaths::BesideExecutable(".sav"), "/tmp/test/velmora-puzzle.sav");
    ProgramPaths::SetExecutablePathOverride("");
    EXPECT_EQ(ProgramPaths::ExecutablePath(), own);
}
