// The saved-game text on arbitrary bytes. A text the parser accepts has a solution that keeps its
// givens (when one is found) and comes back unchanged through the writer; a text it refuses leaves
// a running game exactly as it was.
#include "fuzz/FuzzTarget.h"
#include "game/SavedGame.h"
#include "game/TGame.h"

#include <string_view>

namespace {

bool SameGame(const TGame& a, const TGame& b) {
    return a.State().Solution == b.State().Solution && a.State().Puzzle == b.State().Puzzle &&
           a.Board() == b.Board() && a.State().PuzzleNumber == b.State().PuzzleNumber &&
           a.ElapsedSeconds() == b.ElapsedSeconds() && a.GameInProgress() == b.GameInProgress() &&
           a.ClockRunning() == b.ClockRunning() && a.Display().PostEnabled == b.Display().PostEnabled;
}

void CheckRoundTrip(const TSavedGame& game) {
    const std::string text = FormatSavedGame(game);
    const TSavedGameParse again = ParseSavedGame(text);
    FuzzCheck(again.Game.has_value(), "a written game reads back");
    FuzzCheck(*again.Game == game, "a written game reads back unchanged");
    FuzzCheck(FormatSavedGame(*again.Game) == text, "writing is stable");
}

// A game in progress, so that a refused load has something to spoil.
TGame PlayingGame() {
    TGame game;
    game.DealFind("1");
    game.EnterDigit(4, 1, 5);
    return game;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TSavedGameParse parsed = ParseSavedGame(text);
    if (parsed.Game) {
        FuzzCheck(parsed.Error == TSavedGameError::sgNone, "an accepted game has no error");
        FuzzCheck(!parsed.SolutionFound || IsSolved(parsed.Solution), "a found solution is solved");
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (parsed.Game->Board[c][r].Given)
                    FuzzCheck(parsed.Solution[c][r].Value == parsed.Game->Board[c][r].Value,
                              "the solution keeps the givens");
        CheckRoundTrip(*parsed.Game);
    } else {
        FuzzCheck(parsed.Error != TSavedGameError::sgNone, "a refused game says why");
        FuzzCheck(parsed.Line >= 1 && parsed.Line <= 83, "a refused game names its line");
    }

    static const TGame before = PlayingGame();
    TGame game = before;
    // The parse above already ran the solution search, which is the slow part under sanitizers.
    const TLoadOutcome outcome = game.LoadParsedGame(parsed).Outcome;
    if (outcome == TLoadOutcome::loDamaged) {
        FuzzCheck(!parsed.Game, "only a refused text is damaged");
        FuzzCheck(SameGame(game, before), "a damaged file changes nothing");
    } else {
        FuzzCheck(outcome == TLoadOutcome::loLoaded && parsed.Game, "an accepted text loads");
        FuzzCheck(game.Board() == parsed.Game->Board, "the loaded board is the file's");
        FuzzCheck(game.GameInProgress(), "a loaded game is in progress");
    }
    return 0;
}
