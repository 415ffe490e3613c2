#include "engine/BoardRows.h"

TMessageText BoardRowsText(const TBoard& board) {
    TMessageText text;
    for (std::int32_t r = 1; r <= 9; ++r) {
        if (r > 1) text.Append("/");
        for (std::int32_t c = 1; c <= 9; ++c) {
            const std::int32_t value = board[c][r].Value;
            const char square = value == 0                 ? '.'
                                : value >= 1 && value <= 9 ? static_cast<char>('0' + value)
                                                           : '?';
            text.Append(std::string_view(&square, 1));
        }
    }
    return text;
}

bool ParseBoardRows(std::string_view text, TBoard& board) {
    constexpr std::size_t RowsLength = 9 * 9 + 8;
    if (text.size() != RowsLength) return false;
    TBoard parsed{};
    for (std::int32_t r = 1; r <= 9; ++r) {
        const std::size_t start = static_cast<std::size_t>(r - 1) * 10;
        if (r > 1 && text[start - 1] != '/') return false;
        for (std::int32_t c = 1; c <= 9; ++c) {
            const char square = text[start + static_cast<std::size_t>(c - 1)];
            if (square == '.') continue;
            if (square < '1' || square > '9') return false;
            parsed[c][r].Value = square - '0';
        }
    }
    board = parsed;
    return true;
}
