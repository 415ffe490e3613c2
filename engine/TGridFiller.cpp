#include "engine/TGridFiller.h"

#include <bit>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VELMORA_GRID_FILLER_AVX2 1
#endif

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

std::int32_t TGridFiller::FirstHitScalar(std::uint32_t free, std::uint32_t& seed) {
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

#ifdef VELMORA_GRID_FILLER_AVX2

namespace {

constexpr std::size_t VectorAttempts = 8;
// Blocks for the attempts after the first, which is tried on its own; the last block is partly used.
constexpr std::size_t VectorBlocks = (Attempts - 1 + VectorAttempts - 1) / VectorAttempts;

template <std::size_t First>
constexpr std::array<TRandomStep, VectorAttempts> EveryOtherStep() {
    std::array<TRandomStep, VectorAttempts> steps{};
    for (std::size_t j = 0; j < VectorAttempts; ++j) steps[j] = TRandomStep::Of(static_cast<std::uint32_t>(First + 2 * j));
    return steps;
}
constexpr std::array<TRandomStep, VectorAttempts> VectorColumnDraw = EveryOtherStep<1>();
constexpr std::array<TRandomStep, VectorAttempts> VectorRowDraw = EveryOtherStep<2>();

struct alignas(32) TLanes {
    std::array<std::uint32_t, VectorAttempts> Values;
};

constexpr TLanes LanesOf(const std::array<TRandomStep, VectorAttempts>& steps, bool multiplier) {
    TLanes lanes{};
    for (std::size_t j = 0; j < VectorAttempts; ++j)
        lanes.Values[j] = multiplier ? steps[j].Multiplier : steps[j].Increment;
    return lanes;
}
constexpr TLanes ColumnMultipliers = LanesOf(VectorColumnDraw, true);
constexpr TLanes ColumnIncrements = LanesOf(VectorColumnDraw, false);
constexpr TLanes RowMultipliers = LanesOf(VectorRowDraw, true);
constexpr TLanes RowIncrements = LanesOf(VectorRowDraw, false);

__attribute__((target("avx2"))) __m256i Load(const TLanes& lanes) {
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes.Values.data()));
}

// (value > 0x55555555) + (value > 0xAAAAAAAA) per lane, as unsigned comparisons.
__attribute__((target("avx2"))) __m256i Thirds(__m256i values) {
    const __m256i flip = _mm256_set1_epi32(static_cast<int>(0x80000000u));
    const __m256i low = _mm256_set1_epi32(static_cast<int>(0x55555555u ^ 0x80000000u));
    const __m256i high = _mm256_set1_epi32(static_cast<int>(0xAAAAAAAAu ^ 0x80000000u));
    const __m256i flipped = _mm256_xor_si256(values, flip);
    return _mm256_sub_epi32(_mm256_sub_epi32(_mm256_setzero_si256(), _mm256_cmpgt_epi32(flipped, low)),
                            _mm256_cmpgt_epi32(flipped, high));
}

// The vector search, inlined into the vector grid loop.
__attribute__((target("avx2"))) inline std::int32_t VectorFirstHit(std::uint32_t free,
                                                                                          std::uint32_t& seed) {
    // Early digits find most of their box free and usually hit at once: the first attempt alone
    // costs less than a vector block.
    const std::uint32_t start = seed;
    const std::uint32_t firstColumn = ColumnDraw[0].Apply(seed), firstRow = RowDraw[0].Apply(seed);
    const std::uint32_t firstSquare = Third(firstColumn) * 3 + Third(firstRow);
    if ((free >> firstSquare & 1u) != 0) {
        seed = firstRow;
        return static_cast<std::int32_t>(firstSquare);
    }
    seed = firstRow;
    const __m256i columnMultiplier = Load(ColumnMultipliers), columnIncrement = Load(ColumnIncrements);
    const __m256i rowMultiplier = Load(RowMultipliers), rowIncrement = Load(RowIncrements);
    const __m256i freeLanes = _mm256_set1_epi32(static_cast<int>(free));
    const __m256i one = _mm256_set1_epi32(1);
    for (std::size_t block = 0; block < VectorBlocks; ++block) {
        const __m256i seeds = _mm256_set1_epi32(static_cast<int>(seed));
        const __m256i columns = _mm256_add_epi32(_mm256_mullo_epi32(seeds, columnMultiplier), columnIncrement);
        const __m256i rows = _mm256_add_epi32(_mm256_mullo_epi32(seeds, rowMultiplier), rowIncrement);
        const __m256i columnThirds = Thirds(columns);
        const __m256i squares = _mm256_add_epi32(
            _mm256_add_epi32(_mm256_add_epi32(columnThirds, columnThirds), columnThirds), Thirds(rows));
        const __m256i hit = _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_srlv_epi32(freeLanes, squares), one), one);
        auto hits = static_cast<std::uint32_t>(_mm256_movemask_ps(_mm256_castsi256_ps(hit)));
        const std::size_t left = static_cast<std::size_t>(Attempts - 1) - block * VectorAttempts;
        if (left < VectorAttempts) hits &= (1u << left) - 1u;
        if (hits != 0) {
            const auto j = static_cast<std::size_t>(std::countr_zero(hits));
            std::array<std::uint32_t, VectorAttempts> squareOf{};
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(squareOf.data()), squares);
            seed = VectorRowDraw[j].Apply(seed);
            return static_cast<std::int32_t>(squareOf[j]);
        }
        seed = VectorRowDraw[VectorAttempts - 1].Apply(seed);
    }
    seed = AllAttempts.Apply(start);
    return -1;
}

} // namespace

__attribute__((target("avx2"))) std::int32_t TGridFiller::FirstHitVector(std::uint32_t free, std::uint32_t& seed) {
    return VectorFirstHit(free, seed);
}

bool TGridFiller::VectorAvailable() {
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}

#else

std::int32_t TGridFiller::FirstHitVector(std::uint32_t free, std::uint32_t& seed) { return FirstHitScalar(free, seed); }

bool TGridFiller::VectorAvailable() { return false; }

#endif

std::int32_t TGridFiller::FirstHit(std::uint32_t free, std::uint32_t& seed) {
    return VectorAvailable() ? FirstHitVector(free, seed) : FirstHitScalar(free, seed);
}

[[gnu::always_inline]] inline std::uint32_t TGridFiller::FreeSquares(std::int32_t d, std::int32_t bx, std::int32_t by) const {
    const auto dd = static_cast<std::size_t>(d);
    const unsigned columns = ColumnsWith[dd] >> (3 * bx) & 7u;
    const unsigned rows = RowsWith[dd] >> (3 * by) & 7u;
    return BoxEmpty[static_cast<std::size_t>(bx + 3 * by)] & ~ColumnSquares[columns] & ~RowSquares[rows] & 0x1FFu;
}

template <bool Vector>
[[gnu::always_inline]] inline bool TGridFiller::TryGridWith(std::uint32_t& seed) {
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
                std::int32_t hit = 0;
                if constexpr (Vector)
                    hit = VectorFirstHit(free, seed);
                else
                    hit = FirstHitScalar(free, seed);
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

#ifdef VELMORA_GRID_FILLER_AVX2
__attribute__((target("avx2"))) bool TGridFiller::TryGridVector(std::uint32_t& seed) { return TryGridWith<true>(seed); }
#else
bool TGridFiller::TryGridVector(std::uint32_t& seed) { return TryGridScalar(seed); }
#endif

bool TGridFiller::TryGridScalar(std::uint32_t& seed) { return TryGridWith<false>(seed); }

void TGridFiller::Fill(TBoard& solution, TRandomGenerator& random) {
    std::uint32_t seed = random.RandomSeed;
    // A grid that cannot be completed is refilled; the draws just continue.
    if (VectorAvailable()) {
        while (!TryGridVector(seed)) {
        }
    } else {
        while (!TryGridScalar(seed)) {
        }
    }
    random.RandomSeed = seed;
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            solution[c][r] = {Values[static_cast<std::size_t>((c - 1) * 9 + (r - 1))], false};
}
