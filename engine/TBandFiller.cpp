#include "engine/TBandFiller.h"

#if defined(__x86_64__) && defined(__GNUC__)

#include <immintrin.h>

#include <bit>
#include <cassert>

#define VELMORA_AVX2 __attribute__((target("avx2,bmi,bmi2")))

namespace {

constexpr std::uint32_t Multiplier = 134775813u;
constexpr std::size_t Lanes = 8;

// Jumps over 2j draws (j attempts), for finding the seed at any attempt near a known one.
constexpr std::size_t JumpCount = 256;
constexpr std::array<TRandomStep, JumpCount> MakeAttemptJumps() {
    std::array<TRandomStep, JumpCount> jumps{};
    for (std::size_t j = 0; j < JumpCount; ++j)
        jumps[j] = TRandomStep::Of(static_cast<std::uint32_t>(2 * j));
    return jumps;
}
constexpr std::array<TRandomStep, JumpCount> AttemptJumps = MakeAttemptJumps();

// Lane j of group q computes attempt 8q + j of a block: its column draw is step 2(8q + j) + 1.
struct alignas(32) TLaneWords {
    std::array<std::uint32_t, Lanes> Words;
};
struct TLaneSteps {
    std::array<TLaneWords, 4> Multipliers;
    std::array<TLaneWords, 4> Increments;
};
constexpr TLaneSteps MakeColumnSteps() {
    TLaneSteps steps{};
    for (std::size_t q = 0; q < 4; ++q) {
        for (std::size_t j = 0; j < Lanes; ++j) {
            const TRandomStep step = TRandomStep::Of(static_cast<std::uint32_t>(2 * (Lanes * q + j) + 1));
            steps.Multipliers[q].Words[j] = step.Multiplier;
            steps.Increments[q].Words[j] = step.Increment;
        }
    }
    return steps;
}
constexpr TLaneSteps ColumnSteps = MakeColumnSteps();
constexpr TRandomStep BlockStep = TRandomStep::Of(64);

// Per set of free squares (9 bits), a shuffle table marking them: byte k has its top bit set when
// square k is free.
struct alignas(16) TShuffleRow {
    std::array<std::uint8_t, 16> Bytes;
};
constexpr std::array<TShuffleRow, 512> MakeFreeTables() {
    std::array<TShuffleRow, 512> tables{};
    for (std::size_t free = 0; free < 512; ++free)
        for (std::size_t k = 0; k < 9; ++k)
            if ((free >> k & 1u) != 0) tables[free].Bytes[k] = 0x80;
    return tables;
}
constexpr std::array<TShuffleRow, 512> FreeTables = MakeFreeTables();

// The box squares of a column offset, and per box square those in its column and in its row.
constexpr std::uint32_t ColumnSquares(std::uint32_t columnOffset) {
    return 7u << (3 * columnOffset);
}
constexpr std::array<std::uint32_t, 9> SquaresInColumnOf{07, 07, 07, 070, 070, 070, 0700, 0700, 0700};
constexpr std::array<std::uint32_t, 9> SquaresInRowOf{0x49,  0x92, 0x124, 0x49, 0x92,
                                                      0x124, 0x49, 0x92,  0x124};

VELMORA_AVX2 inline __m256i FreeTable(std::uint32_t free) {
    return _mm256_broadcastsi128_si256(
        _mm_load_si128(reinterpret_cast<const __m128i*>(FreeTables[free].Bytes.data())));
}

// One bit per attempt, set when the table marks the attempt's square.
VELMORA_AVX2 inline std::uint32_t Hits32(__m256i table, __m256i squares) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_shuffle_epi8(table, squares)));
}
VELMORA_AVX2 inline std::uint64_t Hits64(__m256i table, __m256i low, __m256i high) {
    return Hits32(table, low) | static_cast<std::uint64_t>(Hits32(table, high)) << 32;
}

// RandomInt(3) of eight advanced seeds: (seed > 0x55555555) + (seed > 0xAAAAAAAA), unsigned.
VELMORA_AVX2 inline __m256i Thirds(__m256i seeds) {
    const __m256i flip = _mm256_set1_epi32(static_cast<int>(0x80000000u));
    const __m256i low = _mm256_set1_epi32(static_cast<int>(0x55555555u ^ 0x80000000u));
    const __m256i high = _mm256_set1_epi32(static_cast<int>(0xAAAAAAAAu ^ 0x80000000u));
    const __m256i flipped = _mm256_xor_si256(seeds, flip);
    return _mm256_sub_epi32(_mm256_sub_epi32(_mm256_setzero_si256(), _mm256_cmpgt_epi32(flipped, low)),
                            _mm256_cmpgt_epi32(flipped, high));
}

VELMORA_AVX2 inline __m256i LoadLanes(const TLaneWords& words) {
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(words.Words.data()));
}

// The attempts of the window whose square shares its column offset with the one attempt in `bit`;
// x1 and x2 mark the window's attempts in column offsets 1 and 2.
VELMORA_AVX2 inline std::uint64_t SameColumn(std::uint64_t bit, std::uint64_t x1, std::uint64_t x2) {
    const std::uint64_t in1 = 0 - static_cast<std::uint64_t>((x1 & bit) != 0);
    const std::uint64_t in2 = 0 - static_cast<std::uint64_t>((x2 & bit) != 0);
    return (x1 & in1) | (x2 & in2) | (~(x1 | x2) & ~(in1 | in2));
}

// The lowest set bit, and every bit above it.
constexpr std::uint64_t Lowest(std::uint64_t bits) {
    return bits & (0 - bits);
}
constexpr std::uint64_t Beyond(std::uint64_t bit) {
    return 0 - (bit << 1);
}

} // namespace

bool TBandFiller::Available() {
    static const bool available =
        __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
    return available;
}

void TBandFiller::Restart(std::uint32_t seed) {
    NextSeed = seed;
    Generated = 0;
}

VELMORA_AVX2 void TBandFiller::GenerateUpTo(std::int32_t attempts) {
    // The furthest a grid reads: a band starts at most 78 boxes of 100 attempts in and reads a
    // window plus what is computed ahead; the last box's search reads a block from its 97th attempt.
    static_assert(Capacity >= 78 * Attempts + Window + Ahead && Capacity >= 80 * Attempts + 96 + Block);
    assert(attempts <= Capacity);
    const __m256i multiplier = _mm256_set1_epi32(static_cast<int>(Multiplier));
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    std::uint32_t seed = NextSeed;
    std::int32_t generated = Generated;
    while (generated < attempts) {
        BlockSeed[static_cast<std::size_t>(generated / Block)] = seed;
        const __m256i seeds = _mm256_set1_epi32(static_cast<int>(seed));
        __m256i squares[4];
        for (std::size_t q = 0; q < 4; ++q) {
            const __m256i columns =
                _mm256_add_epi32(_mm256_mullo_epi32(seeds, LoadLanes(ColumnSteps.Multipliers[q])),
                                 LoadLanes(ColumnSteps.Increments[q]));
            const __m256i rows = _mm256_add_epi32(_mm256_mullo_epi32(columns, multiplier), one);
            const __m256i columnThirds = Thirds(columns);
            squares[q] = _mm256_add_epi32(
                _mm256_add_epi32(columnThirds, _mm256_add_epi32(columnThirds, columnThirds)), Thirds(rows));
        }
        // Narrow 32 words to 32 bytes; the packs work per 128-bit half, so put the dwords back in order.
        const __m256i packed = _mm256_packus_epi16(_mm256_packus_epi32(squares[0], squares[1]),
                                                   _mm256_packus_epi32(squares[2], squares[3]));
        _mm256_store_si256(reinterpret_cast<__m256i*>(Squares + generated),
                           _mm256_permutevar8x32_epi32(packed, order));
        seed = BlockStep.Apply(seed);
        generated += Block;
    }
    NextSeed = seed;
    Generated = generated;
}

std::uint32_t TBandFiller::SeedAt(std::int32_t attempt) const {
    std::uint32_t seed = NextSeed;
    std::int32_t from = Generated;
    if (attempt < Generated) {
        seed = BlockSeed[static_cast<std::size_t>(attempt / Block)];
        from = attempt / Block * Block;
    }
    const auto distance = static_cast<std::uint32_t>(attempt - from);
    return (distance < JumpCount ? AttemptJumps[distance] : TRandomStep::Of(2 * distance)).Apply(seed);
}

VELMORA_AVX2 std::int32_t TBandFiller::Search(std::uint32_t free, std::int32_t& next) {
    const __m256i table = FreeTable(free);
    for (std::int32_t used = 0; used < Attempts; used += Block) {
        const std::int32_t first = next + used;
        GenerateUpTo(first + Block);
        std::uint32_t hits =
            Hits32(table, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(Squares + first)));
        if (Attempts - used < Block) hits &= (1u << (Attempts - used)) - 1u;
        if (hits != 0) {
            const std::int32_t at = first + std::countr_zero(hits);
            next = at + 1;
            return at;
        }
    }
    next += Attempts;
    return -1;
}

template <bool Record>
void TBandFiller::Place(std::int32_t d, std::int32_t box, std::uint32_t square,
                        std::array<std::uint32_t, 9>& boxEmpty, std::uint32_t& rowsTaken) {
    boxEmpty[static_cast<std::size_t>(box)] &= ~(1u << square);
    rowsTaken |= SquaresInRowOf[square];
    if constexpr (Record) Placed[static_cast<std::size_t>(d * 9 + box)] = static_cast<std::uint8_t>(square);
}

template <bool Record>
VELMORA_AVX2 TBandFiller::TBandEnd
TBandFiller::BandByBoxes(std::int32_t d, std::int32_t bx, std::int32_t firstBy, std::uint32_t columnsTaken,
                         std::array<std::uint32_t, 9>& boxEmpty, std::array<std::uint32_t, 3>& rowsTaken,
                         std::int32_t next) {
    for (std::int32_t by = firstBy; by < 3; ++by) {
        const std::int32_t box = bx + 3 * by;
        std::uint32_t& rows = rowsTaken[static_cast<std::size_t>(by)];
        const std::uint32_t free = boxEmpty[static_cast<std::size_t>(box)] & ~rows & ~columnsTaken & 0x1FFu;
        if (free == 0) return {next + Attempts, false}; // every attempt would miss
        const std::int32_t at = Search(free, next);
        if (at < 0) return {next, false};
        Place<Record>(d, box, Squares[at], boxEmpty, rows);
        columnsTaken |= SquaresInColumnOf[Squares[at]];
    }
    return {next, true};
}

template <bool Record> VELMORA_AVX2 bool TBandFiller::TryGrid(std::int32_t& end) {
    std::int32_t next = 0; // kept local so that it stays in a register
    std::array<std::uint32_t, 9> boxEmpty{};
    boxEmpty.fill(0x1FF);
    const __m256i column1 = FreeTable(ColumnSquares(1)), column2 = FreeTable(ColumnSquares(2));
    for (std::int32_t d = 0; d < 9; ++d) {
        std::array<std::uint32_t, 3> rowsTaken{}; // per row band, the box squares in rows holding d
#pragma GCC unroll 3
        for (std::int32_t bx = 0; bx < 3; ++bx) {
            if (next + Window > Generated) [[unlikely]]
                GenerateUpTo(next + Window + Ahead);
            const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(Squares + next));
            const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(Squares + next + Block));
            const std::uint64_t x1 = Hits64(column1, low, high), x2 = Hits64(column2, low, high);
            std::array<std::uint64_t, 3> hits{}; // per row band, the attempts hitting a free square
            for (std::size_t by = 0; by < 3; ++by)
                hits[by] = Hits64(
                    FreeTable(boxEmpty[static_cast<std::size_t>(bx) + 3 * by] & ~rowsTaken[by] & 0x1FFu), low,
                    high);
            const std::uint64_t first = Lowest(hits[0]);
            const std::uint64_t column0 = SameColumn(first, x1, x2);
            const std::uint64_t second = Lowest(hits[1] & ~column0 & Beyond(first));
            const std::uint64_t third =
                Lowest(hits[2] & ~column0 & ~SameColumn(second, x1, x2) & Beyond(second));
            const std::array<std::uint64_t, 3> found{first, second, third};
            if ((first == 0) | (second == 0) | (third == 0)) [[unlikely]] {
                // Keep the boxes found in the window, then go on box by box: a box with no free
                // square, or whose hit lies beyond the window.
                std::int32_t by = 0, after = next;
                std::uint32_t columnsTaken = 0;
                for (; by < 3 && found[static_cast<std::size_t>(by)] != 0; ++by) {
                    const std::int32_t at = next + std::countr_zero(found[static_cast<std::size_t>(by)]);
                    Place<Record>(d, bx + 3 * by, Squares[at], boxEmpty,
                                  rowsTaken[static_cast<std::size_t>(by)]);
                    columnsTaken |= SquaresInColumnOf[Squares[at]];
                    after = at + 1;
                }
                next = after;
                const TBandEnd band = BandByBoxes<Record>(d, bx, by, columnsTaken, boxEmpty, rowsTaken, next);
                next = band.Next;
                if (!band.Complete) {
                    end = next;
                    return false;
                }
                continue;
            }
            for (std::size_t by = 0; by < 3; ++by)
                Place<Record>(d, bx + 3 * static_cast<std::int32_t>(by),
                              Squares[next + std::countr_zero(found[by])], boxEmpty, rowsTaken[by]);
            next += std::countr_zero(third) + 1;
        }
    }
    end = next;
    return true;
}

VELMORA_AVX2 void TBandFiller::Fill(TBoard& solution, TRandomGenerator& random) {
    std::uint32_t seed = random.RandomSeed;
    for (;;) {
        Restart(seed);
        std::int32_t end = 0;
        if (TryGrid<false>(end)) {
            // Only this grid's squares are wanted: go through it again, writing them down.
            Restart(seed);
            TryGrid<true>(end);
            seed = SeedAt(end);
            break;
        }
        seed = SeedAt(end);
    }
    random.RandomSeed = seed;
    for (std::int32_t d = 0; d < 9; ++d) {
        for (std::int32_t box = 0; box < 9; ++box) {
            const std::int32_t square = Placed[static_cast<std::size_t>(d * 9 + box)];
            const std::int32_t c = (box % 3) * 3 + square / 3 + 1, r = (box / 3) * 3 + square % 3 + 1;
            solution[c][r] = {d + 1, false};
        }
    }
}

#else

#include <exception>

bool TBandFiller::Available() {
    return false;
}

// Never called: callers check Available() first.
void TBandFiller::Fill(TBoard&, TRandomGenerator&) {
    std::terminate();
}

#endif
