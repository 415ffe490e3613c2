// The game's one pseudo-random generator. The puzzle numbering depends on every draw, so the
// formula below can never change. The window owns one; tests and tools may run several.
#pragma once

#include <cstdint>

// One or more generator steps as one affine map: seed -> Multiplier * seed + Increment (mod 2^32).
struct TRandomStep {
    std::uint32_t Multiplier;
    std::uint32_t Increment;

    constexpr std::uint32_t Apply(std::uint32_t seed) const { return Multiplier * seed + Increment; }

    // This map followed by next.
    constexpr TRandomStep Then(const TRandomStep& next) const {
        return {next.Multiplier * Multiplier, next.Multiplier * Increment + next.Increment};
    }

    // The map of `draws` consecutive steps.
    static constexpr TRandomStep Of(std::uint32_t draws) {
        TRandomStep result{1u, 0u};
        TRandomStep power{134775813u, 1u};
        for (; draws != 0; draws >>= 1) {
            if ((draws & 1u) != 0) result = result.Then(power);
            power = power.Then(power);
        }
        return result;
    }
};

struct TRandomGenerator {
    // The whole state. 1 is what the window sets when it is created.
    std::uint32_t RandomSeed = 1;

    // Advances the generator and returns a value in 0 .. Range - 1 (0 when Range is 0).
    // Inline: the dig draws it hundreds of times per puzzle.
    std::uint32_t RandomInt(std::uint32_t Range) {
        RandomSeed = RandomSeed * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Range) * RandomSeed) >> 32);
    }

    // Moves the state on as `draws` calls of RandomInt would, without their results.
    void Skip(std::uint32_t draws) { RandomSeed = TRandomStep::Of(draws).Apply(RandomSeed); }
};
