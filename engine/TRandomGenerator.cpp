#include "engine/TRandomGenerator.h"

std::uint32_t TRandomGenerator::RandomInt(std::uint32_t Range) {
    RandomSeed = RandomSeed * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Range) * RandomSeed) >> 32);
}
