// Undo and redo for one game: each step keeps the whole position before it, so undoing a step
// restores the board, the notes and whether the game was still being played in one copy.
#pragma once

#include "engine/Board.h"
#include "game/Notes.h"

#include <vector>

// What a step of the player (or a hint, or Finish) can change.
struct TPlayPosition {
    TBoard Board{};
    TNotes Notes;
    bool InProgress = false; // the game was still being played

    friend bool operator==(const TPlayPosition&, const TPlayPosition&) = default;
};

class TPlayHistory {
  public:
    // A step has been made from Before; the steps undone so far can no longer be redone. A step
    // that changed nothing is not kept.
    void Record(const TPlayPosition& before, const TPlayPosition& after);

    bool CanUndo() const { return !UndoStack.empty(); }
    bool CanRedo() const { return !RedoStack.empty(); }

    // Current is the position now; the result is the position to go to. Calling either without
    // a step to take returns Current unchanged.
    TPlayPosition Undo(const TPlayPosition& current);
    TPlayPosition Redo(const TPlayPosition& current);

    void Clear();

  private:
    std::vector<TPlayPosition> UndoStack;
    std::vector<TPlayPosition> RedoStack;
};
