// The game without a window, played from scripts against their records; the clock's text and the
// settings it takes.
#include "game/TGame.h"

#include "TestFiles.h"

#include "GameTestHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// Each script in data plays a game through its commands; its record is what each step reported as
// changed and what the window shows after it. The scripts say what they play.
class GameScript : public testing::TestWithParam<const char*> {};

TEST_P(GameScript, PlaysAsRecorded) {
    const std::string path = GAME_TEST_DATA "/" + std::string(GetParam()) + ".txt";
    EXPECT_TRUE(test::MatchesGoldenFile(Played(test::ReadWholeFile(path)), path));
}

INSTANTIATE_TEST_SUITE_P(Games, GameScript, testing::Values("played", "aids", "history", "records", "loaded"),
                         [](const auto& info) { return std::string(info.param); });

TEST(GameClock, ShowsMinutesAndSeconds) {
    const std::pair<int, const char*> rows[] = {
        {59, " 00:59"}, {60, " 01:00"}, {307, " 05:07"}, {3600, " 60:00"}, {6000, " 100:00"}};
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(TGame::ClockTextFor(seconds), text);
}

TEST(GameSettings, ApplyAndReadBackTheSevenValues) {
    const TSettings settings{false, true, true, false, false, 3, 4711, false};
    TGame game;
    game.ApplySettings(settings);
    EXPECT_EQ(game.CurrentSettings(), settings);
}

} // namespace
