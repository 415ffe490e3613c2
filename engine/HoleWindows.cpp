#include "engine/HoleWindows.h"

#include "engine/HoleWindowTables.h"

std::int32_t NormalizeLevel(std::int32_t level) {
    return level >= MinLevel && level <= MaxLevel ? level : 2;
}

THoleWindow LevelWindow(std::int32_t level) {
    return LevelWindowTable[static_cast<std::size_t>(NormalizeLevel(level))];
}

THoleWindow StartupWindow(std::int32_t level) {
    return StartupWindowTable[static_cast<std::size_t>(NormalizeLevel(level))];
}

bool HoleWindowReachable(const THoleWindow& window) {
    return window.MinHoles <= window.MaxHoles && window.MaxHoles >= FewestDugHoles &&
           window.MinHoles <= MostDugHoles;
}
