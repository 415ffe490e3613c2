// The windows of empty squares per level. The level buttons and start-up use different tables;
// which one set the window changes the puzzle a number deals at Medium and Hard.
#pragma once

#include <cstdint>

struct THoleWindow {
    std::int32_t MinHoles; // inclusive
    std::int32_t MaxHoles; // inclusive; 81 means no upper limit

    friend bool operator==(const THoleWindow&, const THoleWindow&) = default;
};

constexpr std::int32_t MinLevel = 1;
constexpr std::int32_t MaxLevel = 4;

// A level outside 1-4 is taken as 2 (Medium), so that a window is always set.
std::int32_t NormalizeLevel(std::int32_t level);

// The window a level button sets.
THoleWindow LevelWindow(std::int32_t level);

// The window set for the level read from the settings at start-up.
THoleWindow StartupWindow(std::int32_t level);

// False for a window no dig can land in: empty, below one hole, or above 64 holes (a grid needs at
// least 17 digits to have one solution). Generating for such a window would never end.
bool HoleWindowReachable(const THoleWindow& window);
