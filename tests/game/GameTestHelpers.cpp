#include "GameTestHelpers.h"

#include "engine/BoardRows.h"

#include <iterator>
#include <sstream>

TGame DealtGame(std::string_view number) {
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealFind(number);
    return game;
}

TSquare FirstEmpty(const TBoard& board) {
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (board[c][r].Value == 0) return {c, r};
    return {};
}

TChanges SolveByHand(TGame& game) {
    TChanges changes;
    for (TSquare s = FirstEmpty(game.Board()); s.Col != 0; s = FirstEmpty(game.Board()))
        changes |= game.EnterDigit(s.Col, s.Row, game.State().Solution[s.Col][s.Row].Value);
    return changes;
}

namespace {

std::string Shown(const TGame& game, TChanges changes) {
    const TGameDisplay& shown = game.Display();
    const TGameMark& mark = game.Mark();
    std::ostringstream out;
    // In the order of the TChange bits.
    const char* const names[] = {"board", "squares",   "mark",    "marker",  "help",    "progress",
                                 "clock", "clock run", "buttons", "options", "started", "ended",
                                 "notes", "cursor",    "history", "paused",  "record"};
    out << "changes:";
    for (unsigned bit = 0; bit < std::size(names); ++bit)
        if (changes.Has(static_cast<TChange>(1u << bit))) out << " " << names[bit];
    out << (changes.Empty() ? " none" : "") << "; help " << (shown.HelpVisible ? "shown" : "hidden") << " \""
        << shown.HelpText << "\"; \"" << shown.PuzzlePane << "\" \"" << shown.ProgressPane << "\" "
        << shown.Percentage << "%; clock \"" << shown.ClockText << "\" " << game.ElapsedSeconds() << " s "
        << (game.ClockRunning() ? "runs" : "stopped") << "; mark ";
    if (mark.Col == -1)
        out << "none";
    else
        out << mark.Col << "," << mark.Row << (mark.MarkerShown ? " framed" : "")
            << (mark.MarkerTimeoutArmed ? "" : " (no timeout)");
    out << (game.GameInProgress() ? "; in progress" : "; no game")
        << "; buttons:" << (shown.PostEnabled ? " Post" : "") << (shown.HelpEnabled ? " Help" : "")
        << (shown.FinishEnabled ? " Finish" : "") << (game.Paused() ? "; paused" : "")
        << (game.NotesMode() ? "; notes mode" : "") << (game.CanUndo() ? "; undo" : "")
        << (game.CanRedo() ? "; redo" : "");
    if (game.Cursor().Shown) out << "; cursor " << game.Cursor().Col << "," << game.Cursor().Row;
    if (game.CountsForRecords()) out << "; counts for the best times";
    if (game.CountedGame().Level != 0)
        out << "; counted: level " << game.CountedGame().Level << " in " << game.CountedGame().Seconds
            << " s";
    out << "\n    " << BoardRowsText(game.Board()).View() << "\n";
    if (game.Notes().Empty()) return out.str();
    out << "    notes";
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            if (game.Notes().At(c, r) == 0) continue;
            out << " " << c << "," << r << ":";
            for (int digit = 1; digit <= 9; ++digit)
                if (game.Notes().Has(c, r, digit)) out << digit;
        }
    }
    out << "\n";
    return out.str();
}

} // namespace

std::string Played(TGame& game, const std::vector<TStep>& steps) {
    std::string record;
    for (const TStep& step : steps)
        record += step.Name + std::string(": ") + Shown(game, step.Command(game));
    return record;
}
