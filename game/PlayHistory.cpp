#include "game/PlayHistory.h"

#include <utility>

void TPlayHistory::Record(const TPlayPosition& before, const TPlayPosition& after) {
    if (before == after) return;
    UndoStack.push_back(before);
    RedoStack.clear();
}

TPlayPosition TPlayHistory::Undo(const TPlayPosition& current) {
    if (UndoStack.empty()) return current;
    TPlayPosition target = std::move(UndoStack.back());
    UndoStack.pop_back();
    RedoStack.push_back(current);
    return target;
}

TPlayPosition TPlayHistory::Redo(const TPlayPosition& current) {
    if (RedoStack.empty()) return current;
    TPlayPosition target = std::move(RedoStack.back());
    RedoStack.pop_back();
    UndoStack.push_back(current);
    return target;
}

void TPlayHistory::Clear() {
    UndoStack.clear();
    RedoStack.clear();
}
