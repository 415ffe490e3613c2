// The keyboard's square: it starts at column 1, row 1, stays put across deals and wraps at the
// edges. It is only drawn once the player has used the keyboard on the board.
#pragma once

#include <cstdint>

struct TBoardCursor {
    std::int32_t Col = 1;
    std::int32_t Row = 1;
    bool Shown = false;

    void Move(std::int32_t dCol, std::int32_t dRow) {
        Col = Wrap(Col + dCol);
        Row = Wrap(Row + dRow);
        Shown = true;
    }

  private:
    static std::int32_t Wrap(std::int32_t v) { return ((v - 1) % 9 + 9) % 9 + 1; }
};
