#include "engine/Generator.h"

#include "engine/HoleWindows.h"
#include "engine/SinglesSolvability.h"
#include "engine/Solver.h"

namespace {

constexpr std::int32_t PlacementAttempts = 100;
constexpr std::int32_t DigIterationsAfterFirst = 250; // a dig runs at most 251 iterations
constexpr std::int32_t DigsPerGrid = 101;

bool InWindow(const TGameState& state) {
    return state.MinHoles <= state.Holes && state.Holes <= state.MaxHoles;
}

// One pass of placements over a cleared Solution; false when a box found no square for a digit
// within the attempts, which abandons the grid.
bool TryFillGrid(TGameState& state, TRandomGenerator& random) {
    for (std::int32_t d = 1; d <= 9; ++d) {
        for (std::int32_t bx = 1; bx <= 3; ++bx) {
            for (std::int32_t by = 1; by <= 3; ++by) {
                bool placed = false;
                for (std::int32_t attempt = 0; attempt < PlacementAttempts && !placed; ++attempt) {
                    // Both draws are made on every attempt, column first.
                    const auto c = static_cast<std::int32_t>(random.RandomInt(3)) + 1 + 3 * (bx - 1);
                    const auto r = static_cast<std::int32_t>(random.RandomInt(3)) + 1 + 3 * (by - 1);
                    if (state.Solution[c][r].Value == 0 && NotInColumn(state.Solution, c, d) &&
                        NotInRow(state.Solution, r, d)) {
                        state.Solution[c][r].Value = d;
                        placed = true;
                    }
                }
                if (!placed) return false;
            }
        }
    }
    return true;
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
// For a valid Solution, Puzzle before the removal was complete or solvable, so single candidates
// solve the new puzzle exactly when they can fill (c, r) again: once it is refilled, the rest
// follows. That lets the test stop early, and answer at once when (c, r) is itself a single.
class TDigTester {
public:
    void Start(const TGameState& state) {
        Valid = IsSolved(state.Solution) && Base.Load(state.Puzzle);
    }

    bool SolvableAfterRemoval(const TBoard& puzzle, std::int32_t c, std::int32_t r, std::int32_t v) {
        if (!Valid) {
            TBoard scratch = puzzle;
            return SolveBySingles(scratch);
        }
        const std::int32_t square = (c - 1) * 9 + (r - 1);
        TSinglesBoard trial = Base;
        trial.Remove(square, v);
        if (trial.CandidateMask(square) == (1u << v) || trial.FillBySingles(square)) {
            Base.Remove(square, v); // the removal stands
            return true;
        }
        return false;
    }

private:
    TSinglesBoard Base;
    bool Valid = false;
};

} // namespace

void FillSolution(TGameState& state, TRandomGenerator& random) {
    do {
        ClearSolution(state);
        TryFillGrid(state, random);
    } while (!IsSolved(state.Solution)); // the stream of draws continues into the next grid
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

bool GeneratePuzzle(TGameState& state, TRandomGenerator& random) {
    if (!HoleWindowReachable({state.MinHoles, state.MaxHoles})) return false;
    for (;;) {
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
}

bool SelectPuzzle(TGameState& state, TRandomGenerator& random, std::int32_t number) {
    if (!HoleWindowReachable({state.MinHoles, state.MaxHoles})) return false;
    random.RandomSeed = static_cast<std::uint32_t>(number);
    state.PuzzleNumber = number;
    return GeneratePuzzle(state, random);
}
