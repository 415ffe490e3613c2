#include "engine/DigSolvability.h"

#include <bit>

namespace {

// Each square with every square of its row, column and box, itself included.
std::array<TSquareSet, 81> MakePeers() {
    std::array<TSquareSet, 81> peers{};
    for (std::int32_t s = 0; s < 81; ++s) {
        for (std::int32_t t = 0; t < 81; ++t) {
            const std::int32_t sc = s / 9, sr = s % 9, tc = t / 9, tr = t % 9;
            if (sc == tc || sr == tr || (sc / 3 == tc / 3 && sr / 3 == tr / 3))
                peers[static_cast<std::size_t>(s)] |= TSquareSet::Of(t);
        }
    }
    return peers;
}

const std::array<TSquareSet, 81> Peers = MakePeers();

// seeing |= the peers of every square in squares.
void AddPeers(TSquareSet& seeing, TSquareSet squares) {
    for (std::size_t word = 0; word < 2; ++word)
        for (std::uint64_t bits = squares.Words[word]; bits != 0; bits &= bits - 1)
            seeing |= Peers[64 * word + static_cast<std::size_t>(std::countr_zero(bits))];
}

} // namespace

bool TDigBoard::LoadGrid(const TBoard& grid) {
    *this = TDigBoard{};
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r) {
            const std::int32_t value = grid[c][r].Value;
            if (value < 1 || value > 9) return false;
            const std::int32_t square = (c - 1) * 9 + (r - 1);
            // A digit seen where it is placed again is a repeat in a row, column or box.
            if (Seeing[static_cast<std::size_t>(value)].Has(square)) return false;
            Holding[static_cast<std::size_t>(value)] |= TSquareSet::Of(square);
            Seeing[static_cast<std::size_t>(value)] |= Peers[static_cast<std::size_t>(square)];
        }
    }
    return true;
}

void TDigBoard::ComputeSeeing(std::int32_t digit) {
    TSquareSet& seeing = Seeing[static_cast<std::size_t>(digit)];
    seeing = {};
    AddPeers(seeing, Holding[static_cast<std::size_t>(digit)]);
}

void TDigBoard::Remove(std::int32_t square, std::int32_t digit) {
    Holding[static_cast<std::size_t>(digit)] &= ~TSquareSet::Of(square);
    Open |= TSquareSet::Of(square);
    ComputeSeeing(digit);
}

void TDigBoard::Restore(std::int32_t square, std::int32_t digit) {
    Holding[static_cast<std::size_t>(digit)] |= TSquareSet::Of(square);
    Open &= ~TSquareSet::Of(square);
    Seeing[static_cast<std::size_t>(digit)] |= Peers[static_cast<std::size_t>(square)];
}

bool TDigBoard::RefillsBySingles(std::int32_t square) const {
    // Most removals early in a dig leave the square a single at once.
    std::int32_t candidates = 0;
    for (std::size_t d = 1; d <= 9; ++d)
        candidates += Seeing[d].Has(square) ? 0 : 1;
    if (candidates == 1) return true;

    std::array<TSquareSet, 10> seeing = Seeing;
    TSquareSet open = Open;
    for (;;) {
        // Per open square, whether it has one candidate or more; never none, see the header.
        TSquareSet one{}, more{};
        for (std::size_t d = 1; d <= 9; ++d) {
            const TSquareSet candidates = open & ~seeing[d];
            more |= one & candidates;
            one |= candidates;
        }
        const TSquareSet singles = one & ~more;
        if (singles.Has(square)) return true;
        if (singles.Empty()) return false;
        for (std::size_t d = 1; d <= 9; ++d)
            AddPeers(seeing[d], singles & ~seeing[d]);
        open &= ~singles;
    }
}
