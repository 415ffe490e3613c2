// Best times: what a completion adds, and the file that keeps them.
#include "TestFiles.h"
#include "game/BestTimes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

    const auto file = [](const char* level1) {
        return std::string("Velmora best times 1\r\n") + level1 + "\r\n2 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n";
    };
    const std::pair<const char*, std::string> rows[] = {
        {"empty", ""},
        {"cut short", text.substr(0, text.size() - 1)},
        {"levels out of order", "Velmora best times 1\r\n2 0 0 0\r\n1 0 0 0\r\n3 0 0 0\r\n4 0 0 0\r\n"},
        {"negative count", file("1 0 -1 0")},
        {"best beyond total", file("1 9 1 8")},
        {"a time without games", file("1 5 0 5")},
        {"a field too many", file("1 0 0 0 0")},
        {"letters", file("1 a 0 0")},
    };
    for (const auto& [name, damaged] : rows)
        EXPECT_FALSE(ParseBestTimes(damaged)) << name;

    const test::TempFolder folder;
    const std::string path = folder.File("velmora-puzzle.times");
    EXPECT_EQ(LoadBestTimesFile(path).Damaged, false) << "a missing file is no damage";
    ASSERT_TRUE(SaveBestTimesFile(path, times));
    EXPECT_EQ(LoadBestTimesFile(path).Times, times);
    test::WriteWholeFile(path, "garbage");
    const TBestTimesLoad damaged = LoadBestTimesFile(path);
    EXPECT_TRUE(damaged.Damaged && damaged.Times == TBestTimes{});
}

} // namespace
