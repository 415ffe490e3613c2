// Held digit keys count by their place on the keyboard, not by the character they type, so they
// work whatever the layout and whether it needs Shift for digits.
#pragma once

#include <Qt>

#include <cstdint>

// The digit (0-9) of the main keyboard's digit row that a key comes from, or -1. NativeScanCode is
// the X keyboard keycode: 10-18 are the keys 1-9, 19 is 0. Where the platform gives none (0), the
// Qt key decides. Keys of the numeric keypad never count.
constexpr int DigitRowKey(std::uint32_t nativeScanCode, int qtKey, bool keypad) {
    constexpr std::uint32_t KeyOne = 10;
    constexpr std::uint32_t KeyZero = 19;
    if (keypad) return -1;
    if (nativeScanCode == KeyZero) return 0;
    if (nativeScanCode >= KeyOne && nativeScanCode < KeyZero)
        return static_cast<int>(nativeScanCode - KeyOne) + 1;
    if (nativeScanCode != 0) return -1;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey - Qt::Key_0;
    return -1;
}
