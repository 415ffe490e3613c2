// The game's keyboard cursor, pencil marks, undo and redo, pause, the conflict and same-digit
// options, the notes' companion file and what counts for the best times.
#include "game/TGame.h"

#include "platform/SafeFile.h"

namespace {

// A companion file is about 400 bytes; anything far larger is not one of ours.
constexpr std::size_t MaxNotesFileBytes = std::size_t{1} << 16;

} // namespace

TChanges TGame::Step(const std::function<TChanges()>& step) {
    const TPlayPosition before = Position();
    const TChanges changes = step();
    FHistory.Record(before, Position());
    return changes | chHistory;
}

TPlayPosition TGame::Position() const {
    return {FState.Board, FNotes, FGameInProgress};
}

// Undo and redo move between whole positions; a step back over the end of the game takes the
// game up again with its clock.
TChanges TGame::GoTo(const TPlayPosition& position) {
    FState.Board = position.Board;
    FNotes = position.Notes;
    TChanges changes = chSquares | chNotes | chHistory | DropMark();
    if (position.InProgress && !FGameInProgress) {
        FGameInProgress = true;
        changes |= chGameStarted | HideHelp() | SetClock(true);
    } else if (!position.InProgress && FGameInProgress) {
        changes |= EndGame();
    }
    return changes | RecountProgress();
}

TChanges TGame::Undo() {
    if (!CanUndo()) return {};
    return GoTo(FHistory.Undo(Position()));
}

TChanges TGame::Redo() {
    if (!CanRedo()) return {};
    return GoTo(FHistory.Redo(Position()));
}

TChanges TGame::MoveCursor(std::int32_t dCol, std::int32_t dRow) {
    if (FPaused) return {};
    FCursor.Move(dCol, dRow);
    return chCursor;
}

TChanges TGame::KeyDigit(std::int32_t digit) {
    if (FPaused || digit < 0 || digit > 9) return {};
    FCursor.Shown = true;
    const std::int32_t c = FCursor.Col;
    const std::int32_t r = FCursor.Row;
    TChanges changes = chCursor;
    if (digit == 0 && FState.Board[c][r].Value == 0 && !FState.Board[c][r].Given) {
        if (FNotes.At(c, r) == 0) return changes;
        return changes | Step([&] {
                   FNotes.Set(c, r, 0);
                   return TChanges(chNotes);
               });
    }
    if (digit != 0 && FNotesMode) return changes | ToggleNote(c, r, digit);
    return changes | EnterDigit(c, r, digit);
}

TChanges TGame::SetNotesMode(bool on) {
    FNotesMode = on;
    return chNotes;
}

TChanges TGame::ToggleNote(std::int32_t c, std::int32_t r, std::int32_t digit) {
    if (FPaused || c < 1 || c > 9 || r < 1 || r > 9 || digit < 1 || digit > 9) return {};
    const TCell& square = FState.Board[c][r];
    if (square.Given || square.Value != 0) return {};
    return Step([&] {
        FNotes.Toggle(c, r, digit);
        return TChanges(chNotes);
    });
}

TChanges TGame::FillNotes() {
    if (FPaused) return {};
    return Step([&] {
        FNotes.FillCandidates(FState.Board);
        return TChanges(chNotes);
    });
}

TChanges TGame::EndPause() {
    if (!FPaused) return {};
    FPaused = false;
    return chPaused | chHistory;
}

TChanges TGame::SetPaused(bool on) {
    if (on == FPaused || !CanPause()) return {};
    if (!on) return EndPause() | SetClock(true);
    FPaused = true;
    return chPaused | chHistory | SetClock(false);
}

TChanges TGame::SetHiliteErrors(bool on) {
    FOptions.HiliteErrors = on;
    return chOptions;
}

TChanges TGame::SetHiliteSameDigit(bool on) {
    FOptions.HiliteSameDigit = on;
    return chOptions;
}

// Only the player's own completion counts, once per deal or restart.
TChanges TGame::CountCompletion() {
    if (!FCountsForRecords || FGameLevel < 1 || FGameLevel > 4) return {};
    FCountsForRecords = false;
    FCountedGame = {FGameLevel, FElapsedSeconds};
    return chRecord;
}

TNotesFile TGame::NotesFile() const {
    return {FState.PuzzleNumber, FState.Board, FGameLevel, FCountsForRecords, FNotes};
}

bool TGame::SaveNotesFile(const std::string& path) const {
    return static_cast<bool>(platform::SafeFile::WriteAll(path, FormatNotesFile(NotesFile())));
}

TChanges TGame::RestoreNotes(const std::optional<TNotesFile>& file) {
    if (file && file->PuzzleNumber == FState.PuzzleNumber && file->Board == FState.Board) {
        FNotes = file->Notes;
        FGameLevel = file->Level;
        FCountsForRecords = file->CountsForRecords && FGameInProgress;
    } else {
        FNotes.Clear();
        FGameLevel = 0;
        FCountsForRecords = false;
    }
    return chNotes;
}

TChanges TGame::LoadNotesFile(const std::string& path) {
    std::string text;
    if (path.empty() || !platform::SafeFile::ReadAll(path, text, MaxNotesFileBytes)) return RestoreNotes({});
    return RestoreNotes(ParseNotesFile(text));
}
