#include "engine/Generator.h"

#include "engine/DigSolvability.h"
#include "engine/HoleWindows.h"
#include "engine/Solver.h"
#include "engine/TGridFiller.h"

#include <array>

namespace {

constexpr std::int32_t DigIterationsAfterFirst = 250; // a dig runs at most 251 iterations
constexpr std::int32_t DigsPerGrid = 101;

bool InWindow(const TGameState& state) {
    return state.MinHoles <= state.Holes && state.Holes <= state.MaxHoles;
}

bool HasDigit(const TBoard& board) {
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            if (board[c][r].Value != 0) return true;
    return false;
}

// Draws squares, column first, until one of Puzzle still holds a digit.
void PickFilledSquare(const TBoard& puzzle, TRandomGenerator& random, std::int32_t& c, std::int32_t& r) {
    do {
        c = static_cast<std::int32_t>(random.RandomInt(9)) + 1;
        r = static_cast<std::int32_t>(random.RandomInt(9)) + 1;
    } while (puzzle[c][r].Value == 0);
}

// Answers what SolveBySingles answers on a copy of Puzzle after (c, r), holding v, was emptied.
// When Solution is a valid grid, the dig board answers far faster (see DigSolvability.h). Within
// one dig Puzzle only loses digits (a failed removal is put back), and candidates only grow as
// digits go, so a square whose removal failed would fail again from any smaller puzzle: each square
// is tried at most once per dig, however many of the 251 iterations pick it.
class TDigTester {
  public:
    void Start(const TGameState& state) {
        Valid = Board.LoadGrid(state.Puzzle);
        Unremovable.fill(false);
    }

    bool SolvableAfterRemoval(const TBoard& puzzle, std::int32_t c, std::int32_t r, std::int32_t v) {
        if (!Valid) {
            TBoard scratch = puzzle;
            return SolveBySingles(scratch);
        }
        const std::int32_t square = (c - 1) * 9 + (r - 1);
        if (Unremovable[static_cast<std::size_t>(square)]) return false;
        Board.Remove(square, v);
        if (Board.RefillsBySingles(square)) return true; // the removal stands
        Board.Restore(square, v);
        Unremovable[static_cast<std::size_t>(square)] = true;
        return false;
    }

  private:
    TDigBoard Board;
    std::array<bool, 81> Unremovable{};
    bool Valid = false;
};

} // namespace

void FillSolution(TGameState& state, TRandomGenerator& random) {
    ClearSolution(state);
    TGridFiller::Fill(state.Solution, random);
}

void DigHoles(TGameState& state, TRandomGenerator& random) {
    state.Holes = 0;
    CopyBoard(state.Solution, state.Puzzle);
    if (!HasDigit(state.Puzzle)) return; // nothing to dig; only an unfilled Solution gets here

    TDigTester tester;
    tester.Start(state);
    std::int32_t iteration = 0;
    for (;;) {
        ++iteration;
        std::int32_t c = 0, r = 0, v = 0;
        do {
            ++state.Holes;
            PickFilledSquare(state.Puzzle, random, c, r);
            v = state.Puzzle[c][r].Value;
            state.Puzzle[c][r].Value = 0;
        } while (tester.SolvableAfterRemoval(state.Puzzle, c, r, v));
        // The last removal left a puzzle single candidates cannot finish: put it back.
        --state.Holes;
        state.Puzzle[c][r].Value = v;
        if (InWindow(state)) return;
        // Past the window the remaining iterations still run: their draws fix the next dig.
        if (iteration > DigIterationsAfterFirst) return;
    }
}

bool GeneratePuzzle(TGameState& state, TRandomGenerator& random, std::int32_t maxGrids) {
    if (!HoleWindowReachable({state.MinHoles, state.MaxHoles})) return false;
    const TGameState before = state;
    const TRandomGenerator randomBefore = random;
    for (std::int32_t grid = 0; grid < maxGrids; ++grid) {
        ClearSolution(state);
        FillSolution(state, random);
        CopyBoard(state.Solution, state.Puzzle);
        for (std::int32_t dig = 0; dig < DigsPerGrid; ++dig) {
            DigHoles(state, random);
            if (InWindow(state)) {
                CopyBoard(state.Puzzle, state.Board);
                MarkGivens(state.Board);
                return true;
            }
        }
    }
    state = before;
    random = randomBefore;
    return false;
}

bool SelectPuzzle(TGameState& state, TRandomGenerator& random, std::int32_t number) {
    if (!HoleWindowReachable({state.MinHoles, state.MaxHoles})) return false;
    const std::uint32_t seedBefore = random.RandomSeed;
    const std::int32_t numberBefore = state.PuzzleNumber;
    random.RandomSeed = static_cast<std::uint32_t>(number);
    state.PuzzleNumber = number;
    if (GeneratePuzzle(state, random)) return true;
    random.RandomSeed = seedBefore;
    state.PuzzleNumber = numberBefore;
    return false;
}
