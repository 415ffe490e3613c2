// The best time, the number of completed games and their total time for each of the four levels,
// kept in a small file beside the settings.
#pragma once

#include "platform/SafeFile.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct TLevelRecord {
    std::int32_t BestSeconds = 0; // meaningless while Completed is 0
    std::int32_t Completed = 0;
    std::int64_t TotalSeconds = 0;

    // Whole seconds, rounded to the nearest; 0 while nothing is completed.
    std::int32_t AverageSeconds() const;

    friend bool operator==(const TLevelRecord&, const TLevelRecord&) = default;
};

struct TBestTimes {
    std::array<TLevelRecord, 4> Levels{}; // Easy, Medium, Hard, Extra Hard

    // A game of Level (1-4) completed in Seconds. True when it is a new best time for the level
    // (the first completion of a level is one). Levels outside 1-4 are not recorded.
    bool AddCompletion(std::int32_t level, std::int32_t seconds);

    friend bool operator==(const TBestTimes&, const TBestTimes&) = default;
};

std::string FormatBestTimes(const TBestTimes& times);
// Nullopt for a text that is not a complete, consistent best-times file.
std::optional<TBestTimes> ParseBestTimes(std::string_view text);

struct TBestTimesLoad {
    TBestTimes Times;
    bool Damaged = false; // the file was there but unreadable: Times starts afresh
};

// A missing file gives empty records without complaint.
TBestTimesLoad LoadBestTimesFile(const std::string& path);
platform::FileResult SaveBestTimesFile(const std::string& path, const TBestTimes& times);

// "05:07", "100:00": minutes and seconds, each at least two digits.
std::string FormatMinutes(std::int32_t seconds);

// "Easy", "Medium", "Hard", "Extra Hard"; empty outside 1-4.
std::string_view LevelName(std::int32_t level);
