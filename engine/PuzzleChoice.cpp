#include "engine/PuzzleChoice.h"

#include "engine/Generator.h"
#include "engine/HoleWindows.h"

#include <charconv>

namespace {

constexpr std::uint32_t NewNumberRange = 2147483646u;
constexpr std::uint32_t RandomPuzzleRange = 2147483648u;

std::string_view TrimBlanks(std::string_view text) {
    constexpr std::string_view Blanks = " \t";
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool WindowSet(const TGameState& state) {
    return HoleWindowReachable({state.MinHoles, state.MaxHoles});
}

} // namespace

std::int32_t DrawNewNumber(TRandomGenerator& random) {
    return static_cast<std::int32_t>(random.RandomInt(NewNumberRange));
}

std::int32_t DrawRandomPuzzleNumber(TRandomGenerator& random) {
    // 2^31 itself does not fit: the bit pattern is kept, which reads as -2147483648.
    return static_cast<std::int32_t>(random.RandomInt(RandomPuzzleRange) + 1u);
}

std::int32_t FindNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    // from_chars takes a leading '-' itself; anything but a digit after the sign is not a number.
    const std::size_t firstDigit = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() <= firstDigit || text[firstDigit] < '0' || text[firstDigit] > '9') return 1;
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return 1;
    return number < 1 ? 1 : number;
}

void SetLevel(TGameState& state, std::int32_t level) {
    const THoleWindow window = LevelWindow(level);
    state.Difficulty = NormalizeLevel(level);
    state.MinHoles = window.MinHoles;
    state.MaxHoles = window.MaxHoles;
}

void SetStartupLevel(TGameState& state, std::int32_t level) {
    const THoleWindow window = StartupWindow(level);
    state.Difficulty = NormalizeLevel(level);
    state.MinHoles = window.MinHoles;
    state.MaxHoles = window.MaxHoles;
}

bool DealNew(TGameState& state, TRandomGenerator& random) {
    if (!WindowSet(state)) return false;
    return SelectPuzzle(state, random, DrawNewNumber(random));
}

bool DealLevel(TGameState& state, TRandomGenerator& random, std::int32_t level) {
    const std::int32_t number = DrawNewNumber(random); // drawn before the level changes anything
    SetLevel(state, level);
    return SelectPuzzle(state, random, number);
}

bool DealFind(TGameState& state, TRandomGenerator& random, std::string_view text) {
    return SelectPuzzle(state, random, FindNumber(text));
}

bool DealRandomPuzzle(TGameState& state, TRandomGenerator& random) {
    if (!WindowSet(state)) return false;
    return SelectPuzzle(state, random, DrawRandomPuzzleNumber(random));
}
