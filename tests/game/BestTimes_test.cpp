// Best times: what a completion adds, and the file that keeps them.
#include "game/BestTimes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(BestTimes, CompletionsCountPerLevelAndOnlyFasterOnesAreRecords) {
    TBestTimes times;
    EXPECT_TRUE(times.AddCompletion(2, 300)) << "the first completion is a record";
    EXPECT_FALSE(times.AddCompletion(2, 300)) << "equalling it is not";
    EXPECT_TRUE(times.AddCompletion(2, 299));
    EXPECT_FALSE(times.AddCompletion(0, 1));
    EXPECT_FALSE(times.AddCompletion(5, 1));
    EXPECT_EQ(times.Levels[1], (TLevelRecord{299, 3, 899}));
    EXPECT_EQ(times.Levels[1].AverageSeconds(), 300); // 299.67 rounds up
    EXPECT_EQ(times.Levels[0], TLevelRecord{});
    EXPECT_EQ(times.Levels[0].AverageSeconds(), 0);
}

TEST(BestTimes, FileRoundTripsAndDamageStartsAfresh) {
    TBestTimes times;
    times.AddCompletion(1, 61);
    times.AddCompletion(4, 3600);
    const std::string text = FormatBestTimes(times);
    EXPECT_EQ(text, "Velmora best times 1\r\n1 61 1 61\r\n2 0 0 0\r\n3 0 0 0\r\n4 3600 1 3600\r\n");
    EXPECT_EQ(ParseBestTimes(text), times);

    struct Row {
        const char* Name;
        std::string Text;
    };
    const Row rows[] = {
        {"empty", ""},
        {"cut short", text.substr(0, text.size() - 1)},
        {"levels out of order", "Velmora best times 1\r\n2 0 0 0\r\n1 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
        {"negative count", "Velmora best times 1\r\n1 0 -1 0\r\n2 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
        {"best beyond total", "Velmora best times 1\r\n1 9 1 8\r\n2 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
        {"a time without games", "Velmora best times 1\r\n1 5 0 5\r\n2 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
        {"a field too many", "Velmora best times 1\r\n1 0 0 0 0\r\n2 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
        {"letters", "Velmora best times 1\r\n1 a 0 0\r\n2 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
    };
    for (const Row& row : rows)
        EXPECT_FALSE(ParseBestTimes(row.Text)) << row.Name;

    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "best-times-test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "velmora-puzzle.times").string();
    std::filesystem::remove(path);
    EXPECT_EQ(LoadBestTimesFile(path).Damaged, false) << "a missing file is no damage";
    ASSERT_TRUE(SaveBestTimesFile(path, times));
    const TBestTimesLoad loaded = LoadBestTimesFile(path);
    EXPECT_FALSE(loaded.Damaged);
    EXPECT_EQ(loaded.Times, times);
    std::ofstream(path, std::ios::binary) << "garbage";
    const TBestTimesLoad damaged = LoadBestTimesFile(path);
    EXPECT_TRUE(damaged.Damaged);
    EXPECT_EQ(damaged.Times, TBestTimes{});
}

} // namespace
