#include "GameTestHelpers.h"

#include "TestFiles.h"
#include "engine/BoardRows.h"
#include "engine/Progress.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

TGame DealtGame(std::string_view number) {
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealFind(number);
    return game;
}

namespace {

// Fills empty squares, column by column, with their solution digits: as many as count, or all.
TChanges ByHand(TGame& game, int count) {
    TChanges changes;
    for (int c = 1, left = count > 0 ? count : 81; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (game.Board()[c][r].Value == 0 && left-- > 0)
                changes |= game.EnterDigit(c, r, game.State().Solution[c][r].Value);
    return changes;
}

// Finish, with the board redrawn after every digit it places.
TChanges FinishedOneByOne(TGame& game) {
    int holes = CountProgress(game.Board()).ToGo;
    const TChanges changes = game.Finish([&](const TBoard& board, const TSquareDigit&) {
        EXPECT_EQ(CountProgress(board).ToGo, --holes) << "one digit at a time";
    });
    EXPECT_EQ(CountProgress(game.Board()).ToGo, holes) << "a redraw for every digit";
    return changes;
}

// The game loaded from its own saved text, with or without the notes it had.
TChanges Reloaded(TGame& game, bool withNotes) {
    const TNotesFile notes = game.NotesFile();
    const TChanges changes = game.LoadGameText(FormatSavedGame(game.SavedGame())).Changes;
    return withNotes ? changes | game.RestoreNotes(notes) : changes;
}

// One command: its name, then its numbers, "on" or "off", the text Find reads, or the name of a file
// in folder to save or load. Most are the game's commands by a short name; "anew" starts a fresh game
// (with default settings, or "untimed"), "hand" and "reload" are the helpers above, "tick" ticks
// as often as it says.
TChanges Run(TGame& g, const std::string& command, const test::TempFolder& folder) {
    std::istringstream words(command);
    std::string name, rest;
    words >> name >> std::ws;
    std::getline(words, rest);
    rest.erase(rest.find_last_not_of(' ') + 1);
    int a = 0, b = 0, c = 0;
    std::istringstream(rest) >> a >> b >> c;
    const bool on = rest.starts_with("on");
    if (name == "anew") return g = TGame(), g.ApplySettings({.TimedGame = rest != "untimed"});
    if (name == "new") return g.DealNew();
    if (name == "level") return g.DealLevel(a);
    if (name == "find") return g.DealFind(rest);
    if (name == "restart") return g.Restart();
    if (name == "digit") return g.EnterDigit(a, b, c);
    if (name == "pick") return g.ChooseDigit(a, b, c);
    if (name == "hand") return ByHand(g, a);
    if (name == "check") return g.Check();
    if (name == "hint") return g.Hint();
    if (name == "finish") return FinishedOneByOne(g);
    if (name == "hide-help") return g.HideHelp();
    if (name == "press") return g.PressOnBoard();
    if (name == "timeout") return g.MarkerTimeout();
    if (name == "timed") return g.SetTimedGame(on);
    if (name == "tint-cell") return g.SetHiliteCell(on);
    if (name == "show-clashes") return g.SetHiliteErrors(on);
    if (name == "move") return g.MoveCursor(a, b);
    if (name == "key") return g.KeyDigit(a);
    if (name == "notes-mode") return g.SetNotesMode(on);
    if (name == "note") return g.ToggleNote(a, b, c);
    if (name == "fill-notes") return g.FillNotes();
    if (name == "undo") return g.Undo();
    if (name == "redo") return g.Redo();
    if (name == "pause") return g.SetPaused(on);
    if (name == "reload") return Reloaded(g, rest == "with notes");
    if (name == "save") return g.SaveGameFile(folder.File(rest)), TChanges();
    if (name == "load") return g.LoadGameFile(folder.File(rest)).Changes;
    EXPECT_EQ(name, "tick") << "no such command";
    TChanges changes;
    for (int tick = 0; tick < a; ++tick)
        changes |= g.Tick();
    return changes;
}

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

std::string Played(const std::string& script) {
    const test::TempFolder folder;
    TGame game;
    game.ApplySettings(TSettings{});
    std::istringstream lines(script);
    std::string record;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("#")) record += line + "\n";
        if (!line.starts_with("> ")) continue;
        std::istringstream commands(line.substr(2, line.find('#') - 2));
        TChanges changes;
        for (std::string command; std::getline(commands, command, ';');)
            changes |= Run(game, command, folder);
        record += line + "\n" + Shown(game, changes);
    }
    return record;
}
