// The game behind the window, without a window: the game state, the options, the clock count,
// the mark and everything the window shows (help line, status bar, clock text, which buttons are
// enabled, whether the clock runs). Each command changes the state and says what it changed;
// the window redraws only that, from the read-only accessors. Tests drive the same commands.
#pragma once

#include "engine/Solver.h"
#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"
#include "game/BoardCursor.h"
#include "game/Notes.h"
#include "game/PlayHistory.h"
#include "game/SavedGame.h"
#include "game/Settings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct TGameOptions {
    bool HiliteRowAndColumn = true;
    bool HiliteCell = true;
    bool HiliteErrors = false; // clashing digits are shown red
    bool UserFont = true;
    bool TimedGame = true;
    bool HiliteSameDigit = true; // every square holding the digit under the cursor or pointer is tinted
};

// The texts and switches the window shows besides the board.
struct TGameDisplay {
    std::string HelpText;
    bool HelpVisible = true;
    std::string PuzzlePane;   // status bar, left
    std::string ProgressPane; // status bar, middle
    std::int32_t Percentage = 0;
    std::string ClockText;
    bool PostEnabled = false;
    bool HelpEnabled = false;
    bool FinishEnabled = false;
};

// The square marked by a hint or a failed check, and the blinking marker that frames it.
struct TGameMark {
    std::int32_t Col = -1; // -1: no mark
    std::int32_t Row = -1;
    bool MarkerShown = false;       // the blinking marker frames the mark
    bool MarkerTimeoutArmed = true; // the 5-second timer that hides the marker is enabled
};

// One thing a command changed.
enum TChange : unsigned {
    chBoard = 1u << 0,        // a new board: dealt, restarted or loaded
    chSquares = 1u << 1,      // one or more squares of the board
    chMark = 1u << 2,         // the marked square
    chMarker = 1u << 3,       // the blinking marker or its timer
    chHelp = 1u << 4,         // the help line's text or visibility
    chProgress = 1u << 5,     // the status bar
    chClock = 1u << 6,        // the clock text
    chClockRun = 1u << 7,     // the game started or stopped the clock
    chCommands = 1u << 8,     // which of Post, Help and Finish are enabled
    chOptions = 1u << 9,      // an option
    chGameStarted = 1u << 10, // a game is now in progress
    chGameEnded = 1u << 11,   // the game in progress ended
    chNotes = 1u << 12,       // pencil marks or the notes mode
    chCursor = 1u << 13,      // the keyboard cursor moved or showed
    chHistory = 1u << 14,     // what Undo and Redo can do
    chPaused = 1u << 15,      // the game paused or resumed
    chRecord = 1u << 16,      // a completed game counts for the best times: see CountedGame
};

// What a command changed: a set of TChange.
class TChanges {
  public:
    constexpr TChanges() = default;
    constexpr TChanges(TChange change) : Bits(change) {}
    static constexpr TChanges All() { return TChanges(~0u); }

    constexpr bool Has(TChange change) const { return (Bits & change) != 0; }
    constexpr bool HasAny(TChanges changes) const { return (Bits & changes.Bits) != 0; }
    constexpr bool Empty() const { return Bits == 0; }
    friend constexpr TChanges operator|(TChanges a, TChanges b) { return TChanges(a.Bits | b.Bits); }
    TChanges& operator|=(TChanges other) {
        Bits |= other.Bits;
        return *this;
    }
    bool operator==(const TChanges&) const = default;

  private:
    constexpr explicit TChanges(unsigned bits) : Bits(bits) {}
    unsigned Bits = 0;
};

constexpr TChanges operator|(TChange a, TChange b) {
    return TChanges(a) | b;
}

// What happened to a Load.
enum class TLoadOutcome {
    loLoaded,
    loNoFile,  // nothing saved yet: the window says "No saved game found"
    loDamaged, // the file could not be read or holds a bad value: nothing changed
};

struct TLoadResult {
    TLoadOutcome Outcome = TLoadOutcome::loNoFile;
    TChanges Changes;
};

// A game completed by the player, as the best times count it.
struct TCountedGame {
    std::int32_t Level = 0; // 1-4
    std::int32_t Seconds = 0;
};

class TGame {
  public:
    TGame();

    // --- Reading -----------------------------------------------------------------------------
    const TGameState& State() const { return FState; }
    const TBoard& Board() const { return FState.Board; }
    const TGameOptions& Options() const { return FOptions; }
    const TGameDisplay& Display() const { return FDisplay; }
    const TGameMark& Mark() const { return FMark; }
    bool GameInProgress() const { return FGameInProgress; }
    std::int32_t ElapsedSeconds() const { return FElapsedSeconds; }
    bool ClockRunning() const { return FClockRunning; } // the one-second clock timer is enabled
    std::uint32_t RandomSeed() const { return FRandom.RandomSeed; }
    const TNotes& Notes() const { return FNotes; }
    bool NotesMode() const { return FNotesMode; }
    const TBoardCursor& Cursor() const { return FCursor; }
    bool CanUndo() const { return !FPaused && FHistory.CanUndo(); }
    bool CanRedo() const { return !FPaused && FHistory.CanRedo(); }
    bool Paused() const { return FPaused; }
    bool CanPause() const { return FPaused || (FGameInProgress && FClockRunning); }
    // The level the game was dealt at (0: unknown, as for a loaded game without its notes) and
    // whether completing it still counts for the best times (not after Finish, only once).
    std::int32_t GameLevel() const { return FGameLevel; }
    bool CountsForRecords() const { return FCountsForRecords; }
    const TCountedGame& CountedGame() const { return FCountedGame; } // after chRecord

    // --- Settings ------------------------------------------------------------------------------
    // Takes the options, level and puzzle number as read at start-up; the hole window comes from
    // the start-up table.
    TChanges ApplySettings(const TSettings& settings);
    TSettings CurrentSettings() const;

    // --- Dealing ---------------------------------------------------------------------------------
    TChanges DealNew();                       // New
    TChanges DealLevel(std::int32_t level);   // a level button, 1-4
    TChanges DealFind(std::string_view text); // Find confirmed with the typed text
    TChanges DealRandomPuzzle();              // Goto random puzzle
    TChanges Restart();

    // --- Playing ---------------------------------------------------------------------------------
    // The player puts Digit (0 erases) into square (c, r) and the progress is recounted. A given
    // square or a value out of range is left alone: nothing changes.
    TChanges EnterDigit(std::int32_t c, std::int32_t r, std::int32_t digit);
    // A press in the number picker: the help line hides, the mark goes, and Digit (-1: none, the
    // outer circle) goes into square (c, r) as EnterDigit does, or in notes mode toggles its mark.
    TChanges ChooseDigit(std::int32_t c, std::int32_t r, std::int32_t digit);
    TChanges Check();
    TChanges Hint();
    // Fills single candidates one at a time, calling AfterEachDigit (the window repaints and
    // pauses there), then ends the game.
    TChanges Finish(const std::function<void(const TBoard&, const TSquareDigit&)>& afterEachDigit = {});
    TChanges HideHelp();

    // --- Keyboard, notes and history (a paused game takes none of these) ------------------------
    TChanges MoveCursor(std::int32_t dCol, std::int32_t dRow); // wraps at the edges
    // A digit key on the cursor square: 1-9 enters the digit, or in notes mode toggles its mark;
    // 0 erases the square's digit, or its marks when it has none.
    TChanges KeyDigit(std::int32_t digit);
    TChanges SetNotesMode(bool on);
    // Toggles Digit's mark in an empty square that is not a given.
    TChanges ToggleNote(std::int32_t c, std::int32_t r, std::int32_t digit);
    TChanges FillNotes(); // every empty square gets its candidates
    TChanges Undo();
    TChanges Redo();
    // Pausing stops the clock and hides the board; only a game whose clock runs can pause.
    TChanges SetPaused(bool on);

    // --- Marks and the marker -----------------------------------------------------------------
    TChanges PressOnBoard();  // any press on the board hides the marker and clears the mark
    TChanges PressOnMarker(); // a press on the marker itself does the same
    TChanges MarkerTimeout(); // the 5-second timer fired: it stops and the marker hides

    // --- Clock and options -----------------------------------------------------------------------
    TChanges Tick();
    TChanges SetTimedGame(bool on);
    TChanges SetHiliteRowAndColumn(bool on);
    TChanges SetHiliteCell(bool on);
    TChanges SetHiliteErrors(bool on);
    TChanges SetHiliteSameDigit(bool on);
    static std::string ClockTextFor(std::int32_t elapsedSeconds);

    // --- Saved game ------------------------------------------------------------------------------
    TSavedGame SavedGame() const;
    bool SaveGameFile(const std::string& path); // false (help line says so) when it failed
    TLoadResult LoadGameText(std::string_view text);
    // The load of a text already parsed (its solution search done once).
    TLoadResult LoadParsedGame(const TSavedGameParse& parsed);
    TLoadResult LoadGameFile(const std::string& path);
    // The companion of the saved game: the notes and what the best times need.
    TNotesFile NotesFile() const;
    bool SaveNotesFile(const std::string& path) const;
    // Takes the notes, level and record flag of a companion that belongs to the game just
    // loaded; without one (missing, damaged or of another game) the game has no notes and does
    // not count for the best times.
    TChanges RestoreNotes(const std::optional<TNotesFile>& file);
    TChanges LoadNotesFile(const std::string& path);

  private:
    // Every change of the board goes through one of these two: a whole new board (which starts
    // a new history and drops the notes), or one square (whose digit leaves the notes around it).
    TChanges NewBoard(TBoard board);
    TChanges PutDigit(std::int32_t c, std::int32_t r, std::int32_t digit);
    // Runs one step of the player (or a hint, or Finish) and keeps it for Undo.
    TChanges Step(const std::function<TChanges()>& step);
    TPlayPosition Position() const;
    TChanges GoTo(const TPlayPosition& position);
    TChanges EndPause();
    TChanges CountCompletion();

    // Deal fills in the puzzle, its solution, number and level on a copy of the state.
    TChanges DealWith(const std::function<void(TGameState&)>& deal);
    TChanges RecountProgress();
    TChanges ShowHelp(std::string_view text);
    TChanges SetClock(bool running);
    TChanges EndGame();
    TChanges ClearMark();
    TChanges DropMark(); // the mark and the marker both go
    TChanges MarkSquare(const TSquareDigit& square, std::string_view text);
    TChanges MarkWrong(const TSquareDigit& wrong);

    TGameState FState;
    TRandomGenerator FRandom; // seeded with 1 when the game is created
    TGameOptions FOptions;
    TGameDisplay FDisplay;
    TGameMark FMark;
    bool FGameInProgress = false;
    std::int32_t FElapsedSeconds = 0;
    bool FClockRunning = false;
    TNotes FNotes;
    bool FNotesMode = false;
    TBoardCursor FCursor;
    TPlayHistory FHistory;
    bool FPaused = false;
    std::int32_t FGameLevel = 0;
    bool FCountsForRecords = false;
    TCountedGame FCountedGame;
    bool FHasPuzzle = false;    // a puzzle was dealt or loaded, so Restart has one to restart
    bool FSolutionKnown = true; // false after loading givens whose solution was not found
    // The square and digit the help line's wrong-digit message is about (column 0: none);
    // changing that square makes the message stale.
    TSquareDigit FWrongShown;
};
