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

// The holes a dig can leave. A dig removes digits until single candidates can no longer finish the
// puzzle and then only removes more, so its holes never go below what its first run of removals
// left, and never past the most a whole dig reaches. Measured over 800,000 digs from random grids:
// the fewest were 5 and the most 59 (at least 3 can be proved: any three holes are finished by
// singles, and a grid needs 17 digits for one solution).
constexpr std::int32_t FewestDugHoles = 5;
constexpr std::int32_t MostDugHoles = 59;

// False for a window no dig lands in: empty, or outside FewestDugHoles-MostDugHoles. Generating for
// such a window would never end.
bool HoleWindowReachable(const THoleWindow& window);
