// The game's one pseudo-random generator. The puzzle numbering depends on every draw, so the
// formula below can never change. The window owns one; tests and tools may run several.
#pragma once

#include <cstdint>

struct TRandomGenerator {
    // The whole state. 1 is what the window sets when it is created.
    std::uint32_t RandomSeed = 1;

    // Advances the generator and returns a value in 0 .. Range - 1 (0 when Range is 0).
    std::uint32_t RandomInt(std::uint32_t Range);
};
