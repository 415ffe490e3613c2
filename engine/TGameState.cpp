#include "engine/TGameState.h"

void ClearSolution(TGameState& state) {
    for (std::int32_t c = 1; c <= 9; ++c)
        for (std::int32_t r = 1; r <= 9; ++r)
            state.Solution[c][r] = TCell{};
}
