// The two hole-window tables, indexed by level 1-4 (entry 0 unused). Part of the puzzle numbering.
#pragma once

#include "engine/HoleWindows.h"

#include <array>

inline constexpr std::array<THoleWindow, 5> LevelWindowTable{{
    {0, 0},
    {25, 40}, // Easy
    {35, 45}, // Medium
    {48, 81}, // Hard
    {52, 81}, // Extra Hard
}};

inline constexpr std::array<THoleWindow, 5> StartupWindowTable{{
    {0, 0},
    {25, 40}, // Easy
    {35, 48}, // Medium
    {48, 52}, // Hard
    {52, 81}, // Extra Hard
}};
