#include "engine/TGridFiller.h"

#include "engine/TBandFiller.h"

#include <bit>

namespace {

constexpr std::int32_t Attempts = 100;
constexpr std::size_t AttemptsPerBlock = 4;
static_assert(Attempts % AttemptsPerBlock == 0);

// Attempt j of a block draws its column at step 2j + 1 and its row at step 2j + 2 from the
// block's seed.
constexpr std::array<TRandomStep, AttemptsPerBlock> ColumnDraw{TRandomStep::Of(1), TRandomStep::Of(3),
                                                               TRandomStep::Of(5), TRandomStep::Of(7)};
constexpr std::array<TRandomStep, AttemptsPerBlock> RowDraw{TRandomStep::Of(2), TRandomStep::Of(4),
                                                            TRandomStep::Of(6), TRandomStep::Of(8)};
constexpr TRandomStep AllAttempts = TRandomStep::Of(2 * Attempts);

// RandomInt(3) of an advanced seed, (3 * seed) div 2^32, by its two thresholds.
constexpr std::uint32_t Third(std::uint32_t seed) {
    return static_cast<std::uint32_t>(seed > 0x55555555u) + static_cast<std::uint32_t>(seed > 0xAAAAAAAAu);
}
static_assert(Third(0x55555555u) == 0 && Third(0x55555556u) == 1 && Third(0xAAAAAAAAu) == 1 &&
              Third(0xAAAAAAABu) == 2 && Third(0xFFFFFFFFu) == 2);

// The box squares lying in the columns (or rows) of a band named by a 3-bit mask of offsets.
constexpr std::array<std::uint16_t, 8> MakeColumnSquares() {
    std::array<std::uint16_t, 8> squares{};
    for (unsigned k = 0; k < 8; ++k)
        for (unsigned i = 0; i < 3; ++i)
            if ((k >> i & 1u) != 0) squares[k] = static_cast<std::uint16_t>(squares[k] | 7u << (3 * i));
    return squares;
}
constexpr std::array<std::uint16_t, 8> MakeRowSquares() {
    std::array<std::uint16_t, 8> squares{};
    for (unsigned k = 0; k < 8; ++k)
        for (unsigned j = 0; j < 3; ++j)
            if ((k >> j & 1u) != 0) squares[k] = static_cast<std::uint16_t>(squares[k] | 0x49u << j);
    return squares;
}
constexpr std::array<std::uint16_t, 8> ColumnSquares = MakeColumnSquares();
constexpr std::array<std::uint16_t, 8> RowSquares = MakeRowSquares();

} // namespace

std::int32_t TGridFiller::FirstHit(std::uint32_t free, std::uint32_t& seed) {
    for (std::int32_t block = 0; block < Attempts; block += static_cast<std::int32_t>(AttemptsPerBlock)) {
        std::array<std::uint32_t, AttemptsPerBlock> squares{};
        std::uint32_t hits = 0;
#pragma GCC unroll 8
        for (std::size_t j = 0; j < AttemptsPerBlock; ++j) {
            squares[j] = Third(ColumnDraw[j].Apply(seed)) * 3 + Third(RowDraw[j].Apply(seed));
            hits |= ((free >> squares[j]) & 1u) << j;
        }
        if (hits != 0) {
            const auto j = static_cast<std::size_t>(std::countr_zero(hits));
            seed = RowDraw[j].Apply(seed);
            return static_cast<std::int32_t>(squares[j]);
        }
        seed = RowDraw[AttemptsPerBlock - 1].Apply(seed);
    }
    return -1;
}

[[gnu::always_inline]] inline std::uint32_t TGridFiller::FreeSquares(std::int32_t d, std::int32_t bx,
                                                                     std::int32_t by) const {
    const auto dd = static_cast<std::size_t>(d);
    const unsigned columns = ColumnsWith[dd] >> (3 * bx) & 7u;
    const unsigned rows = RowsWith[dd] >> (3 * by) & 7u;
    return BoxEmpty[static_cast<std::size_t>(bx + 3 * by)] & ~ColumnSquares[columns] & ~RowSquares[rows] &
           0x1FFu;
}

bool TGridFiller::TryGrid(std::uint32_t& seed) {
    BoxEmpty.fill(0x1FF);
    ColumnsWith.fill(0);
    RowsWith.fill(0);
    for (std::int32_t d = 1; d <= 9; ++d) {
        for (std::int32_t bx = 0; bx < 3; ++bx) {
            for (std::int32_t by = 0; by < 3; ++by) {
                const std::uint32_t free = FreeSquares(d, bx, by);
                if (free == 0) {
                    seed = AllAttempts.Apply(seed); // every attempt would miss
                    return false;
                }
                const std::int32_t hit = FirstHit(free, seed);
                if (hit < 0) return false;
                const std::int32_t c = bx * 3 + hit / 3; // zero-based
                const std::int32_t r = by * 3 + hit % 3;
                Values[static_cast<std::size_t>(c * 9 + r)] = static_cast<std::uint8_t>(d);
                BoxEmpty[static_cast<std::size_t>(bx + 3 * by)] &= static_cast<std::uint16_t>(~(1u << hit));
                ColumnsWith[static_cast<std::size_t>(d)] |= static_cast<std::uint16_t>(1u << c);
                RowsWith[static_cast<std::size_t>(d)] |= static_cast<std::uint16_t>(1u << r);
            }
        }
    }
    return true;
}

void TGridFiller::Fill(TBoard& solution, TRandomGenerator& random) {
    if (TBandFiller::Available()) {
        TBandFiller band; // left uninitialised: it only reads what it has written
        band.Fill(solution, random);
        return;
    }
    TGridFiller portable;
    portable.FillPortable(solution, random);
}

void TGridFiller::FillPortable(TBoard& solution, TRandomGenerator& random) {
    std::uint32_t seed = random.RandomSeed;
    // A grid that cannot be completed is refilled; the draws just continue.
    while (!TryGrid(seed)) {
    }
    random.RandomSeed = seed;
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            solution[c][r] = {Values[static_cast<std::size_t>((c - 1) * 9 + (r - 1))], false};
}
