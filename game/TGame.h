// The game behind the window, without a window: the game state, the options, the clock count,
// the mark and everything the window shows (help line, status bar, clock text, which buttons are
// enabled, whether the clock runs). The window's handlers call one method each and then show
// what changed; tests drive the same methods directly.
#pragma once

#include "engine/Solver.h"
#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"
#include "game/SavedGame.h"
#include "game/Settings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct TGameOptions {
    bool HiliteRowAndColumn = true;
    bool HiliteCell = true;
    bool HiliteErrors = false;
    bool UserFont = true;
    bool TimedGame = true;
};

// What happened to a Load.
enum class TLoadOutcome {
    loLoaded,
    loNoFile,  // nothing saved yet: the window says "No saved game found"
    loDamaged, // the file could not be read or holds a bad value: nothing changed
};

class TGame {
  public:
    TGame();

    // --- State -----------------------------------------------------------------------------
    TGameState State;
    TRandomGenerator Random; // seeded with 1 when the game is created
    TGameOptions Options;
    bool GameInProgress = false;
    std::int32_t ElapsedSeconds = 0;
    std::int32_t MarkCol = -1; // -1: no mark
    std::int32_t MarkRow = -1;

    // --- What the window shows ---------------------------------------------------------------
    std::string HelpText;
    bool HelpVisible = true;
    std::string PuzzlePane;   // status bar, left
    std::string ProgressPane; // status bar, middle
    std::int32_t Percentage = 0;
    std::string ClockText;
    bool ClockRunning = false; // the one-second clock timer is enabled
    // Counts the game's own starts and stops of the clock: the window applies ClockRunning only
    // when this moved, so a pause made by the window itself (printing) lasts until the game
    // next starts or stops the clock.
    std::uint32_t ClockChanges = 0;
    bool MarkerShown = false;       // the blinking marker frames the mark
    bool MarkerTimeoutArmed = true; // the 5-second timer that hides the marker is enabled
    bool PostEnabled = false;
    bool HelpEnabled = false;
    bool FinishEnabled = false;

    // --- Settings ------------------------------------------------------------------------------
    // Takes the options, level and puzzle number as read at start-up; the hole window comes from
    // the start-up table.
    void ApplySettings(const TSettings& settings);
    TSettings CurrentSettings() const;

    // --- Dealing ---------------------------------------------------------------------------------
    void DealNew();                       // New
    void DealLevel(std::int32_t level);   // a level button, 1-4
    void DealFind(std::string_view text); // Find confirmed with the typed text
    void DealRandomPuzzle();              // Goto random puzzle
    void Restart();

    // --- Playing ---------------------------------------------------------------------------------
    // The player puts Digit (0 erases) into square (c, r). A given square is left alone and the
    // result is false. The progress is recounted after an entry.
    bool EnterDigit(std::int32_t c, std::int32_t r, std::int32_t digit);
    void Check();
    void Hint();
    // Fills single candidates one at a time, calling AfterEachDigit (the window repaints and
    // pauses there), then ends the game.
    void Finish(const std::function<void(const TBoard&, const TSquareDigit&)>& afterEachDigit = {});
    void UpdateProgress();

    // --- Marks and the marker -----------------------------------------------------------------
    void ClearMark() { MarkCol = -1; }
    void PressOnBoard();  // any press on the board hides the marker and clears the mark
    void PressOnMarker(); // a press on the marker itself does the same
    void MarkerTimeout(); // the 5-second timer fired: it stops and the marker hides

    // --- Clock and options -----------------------------------------------------------------------
    void Tick();
    void SetTimedGame(bool on);
    static std::string ClockTextFor(std::int32_t elapsedSeconds);

    // --- Saved game ------------------------------------------------------------------------------
    TSavedGame SavedGame() const;
    bool SaveGameFile(const std::string& path); // false (help line says so) when it failed
    TLoadOutcome LoadGameText(std::string_view text);
    TLoadOutcome LoadGameFile(const std::string& path);

  private:
    void StartDeal();
    void EndDeal();
    void ShowHelp(std::string_view text);
    void SetClock(bool running);
    void MarkWrong(const TSquareDigit& wrong);
};
