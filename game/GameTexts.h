// The window's own texts: captions, the start-up help line, the initial status bar and clock,
// message boxes. The texts for the engine's results come from engine/MessageTexts.h.
#pragma once

namespace GameTexts {

inline constexpr const char* ApplicationTitle = "Velmora 9x9 Puzzle";
inline constexpr const char* WindowCaption = "Velmora 9 x 9 Puzzle";

// Help line above the board.
inline constexpr const char* ChooseLevel = "Click on the coloured buttons to choose a difficulty level";
inline constexpr const char* NoSingleFound = "No square can be worked out from the numbers so far";
inline constexpr const char* SaveFailed = "Your game could not be saved";
inline constexpr const char* LoadFailed = "The saved game could not be read";
inline constexpr const char* NotWorkedOut = "The puzzle could not be worked out";

// Status bar.
inline constexpr const char* InitialPuzzlePane = "Puzzle Nr. 0";
inline constexpr const char* InitialProgressPane = "Your progress ";

// Clock display.
inline constexpr const char* InitialClock = " 00:00";
inline constexpr const char* UntimedClock = " * * * ";

// Message boxes and the input box.
inline constexpr const char* ConfirmTitle = "Confirm";
inline constexpr const char* SaveQuestion = "You have a game in progress. \r\n\r\nWould you like to save it?";
inline constexpr const char* InformationTitle = "Information";
inline constexpr const char* NoSavedGame = "No saved game found";
inline constexpr const char* FindCaption = "Enter Puzzle Number";
inline constexpr const char* FindPrompt = "Enter a value between 1 and 2147483647";
inline constexpr const char* FindDefault = "1";
inline constexpr const char* UnableToWrite = "Unable to write to %s";

// Best times.
inline constexpr const char* BestTimesCaption = "Best Times";
inline constexpr const char* NewBestTime = "New best time for %1: %2";
inline constexpr const char* BestTimesDamaged =
    "The best times file could not be read. The best times have been started afresh.";

// Tool-tip of the board until the first press on it.
inline constexpr const char* BoardHint = "Click on an empty square to choose the number to be added";

} // namespace GameTexts
