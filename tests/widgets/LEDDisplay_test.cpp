#include "TestFiles.h"
#include "widgets/LEDDisplay.h"
#include "widgets/LedFont.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// The clock in the game's toolbar: its size, its groove border and its colours.
void MakeClock(TLEDDisplay& led) {
    led.resize(125, 28);
    led.SetBorderOuter(fsGroove);
}
const QColor On(0, 255, 0), Off(0, 51, 0), Back(0, 0, 0);
// A panel's own colours.
const QColor OwnOn(255, 0, 0), OwnOff(40, 0, 0), OwnBack(0, 0, 90);

// The panel as text, a character a pixel: '#' a lit dot, '+' an unlit one, '.' the background, '?'
// any other colour.
::testing::AssertionResult LooksLike(const QImage& img, const char* golden, bool ownColours = false) {
    std::string text;
    const QColor shades[] = {ownColours ? OwnOn : On, ownColours ? OwnOff : Off, ownColours ? OwnBack : Back};
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x)
            text += "#+.?"[std::find(shades, shades + 3, img.pixelColor(x, y)) - shades];
        text += '\n';
    }
    return test::MatchesGoldenFile(text, std::string(WIDGETS_TEST_DATA "/led-") + golden);
}

} // namespace

// What the panel shows: dots sized by the client area within the border, every dot a square of its
// colour framed by background lines, the last cell cut at the edge, control characters as the block,
// big dots with gaps, the text placed by the alignment, only the background on a panel too low for a
// dot row; a scroll type alone changes nothing, and without a type a scrolling text stands still.
TEST(LEDDisplay, PanelsLookAsTheirPictures) {
    const struct {
        const char* Name;
        QString Caption;
        TAlignment Alignment;
        const char* Golden;
        QSize Size = {125, 28}; // the game's clock
        bool OwnColours = false;
        TScrollType ScrollType = stRightToLeft;
        bool Scrolling = false;
    } rows[] = {
        {"clock", " 12:34", taLeftJustify, "clock.txt"},
        {"stars wider than the panel", " * * * ", taLeftJustify, "stars.txt"},
        {"tab", "\t", taLeftJustify, "block.txt"},
        {"delete", QString(QChar(127)), taLeftJustify, "block.txt"},
        {"control character 1", QString(QChar(1)), taLeftJustify, "block.txt"},
        {"right", "4", taRightJustify, "right.txt"},
        {"centre", "4", taCenter, "centre.txt"},
        {"dots of size 1 are only their outline", "88", taLeftJustify, "lowest.txt", {100, 12}},
        {"big dots in the panel's own colours", "1", taLeftJustify, "big.txt", {74, 80}, true},
        {"scroll type, not scrolling", " 12:34", taLeftJustify, "clock.txt", {125, 28}, false, stLeftToRight},
        {"scrolling, no type: still", " 12:34", taLeftJustify, "clock.txt", {125, 28}, false, stNone, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TLEDDisplay led;
        led.resize(row.Size);
        led.SetBorderOuter(fsGroove);
        if (row.OwnColours) {
            led.SetSegOnColor(OwnOn);
            led.SetSegOffColor(OwnOff);
            led.SetBackColor(OwnBack);
        }
        led.SetAlignment(row.Alignment);
        led.SetScrollType(row.ScrollType);
        led.SetScrolling(row.Scrolling);
        led.SetCaption(row.Caption);
        EXPECT_EQ(led.ScrollTimerActive(), row.Scrolling); // the timer follows Scrolling, whatever the type
        EXPECT_TRUE(LooksLike(led.RenderClient(), row.Golden, row.OwnColours));
    }
    TLEDDisplay low;
    low.resize(100, 17);
    low.SetBorderWidth(5); // client height 7
    low.SetCaption("88");
    EXPECT_TRUE(low.RenderClient().isNull());
}

// Under a display scale factor every panel pixel becomes a block of device pixels of one colour:
// the dots stay sharp instead of being stretched and blurred.
TEST(LEDDisplay, ScaledPanelIsTheNormalOneInDevicePixelBlocks) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption(" 12:34");
    const QImage normal = led.RenderClient();
    const QImage scaled = led.RenderClient(2.0).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(scaled, normal.scaled(242, 48).convertToFormat(QImage::Format_RGB32)); // nearest pixel
}

TEST(LEDDisplay, ScrollStepsByDotPitchAndCompletesAtTheLimit) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption("12");
    QSignalSpy complete(&led, &TLEDDisplay::ScrollComplete);
    led.SetScrolling(true);
    EXPECT_TRUE(led.ScrollTimerActive());
    EXPECT_EQ(led.DotSize(), 3); // the client height inside the groove, 24
    const int limit = led.ScrollLimit();
    EXPECT_EQ(limit, 2 * 18 + 125); // the control's width, not the client's; not a multiple of the pitch
    int ticks = 0;
    for (; complete.count() == 0 && ticks < 1000; ++ticks) {
        ASSERT_EQ(led.ScrollPos(), 3 * ticks);
        led.ScrollTimerTick();
    }
    EXPECT_EQ(complete.count(), 1);
    EXPECT_EQ(ticks, (limit + 2) / 3); // the first step that reaches or passes the limit
    EXPECT_EQ(led.ScrollPos(), 0);

    // Mid-way the text has moved left by ScrollPos from where it entered: "1" at 120 - 60.
    for (int i = 0; i < 20; ++i)
        led.ScrollTimerTick();
    EXPECT_TRUE(LooksLike(led.RenderClient(), "scrolled.txt"));

    led.SetScrolling(false);
    EXPECT_FALSE(led.ScrollTimerActive());
    EXPECT_EQ(led.ScrollPos(), 0);
}

TEST(LEDDisplay, ScrollTimerRunsWithTheDelayAndReportsCompletion) {
    TLEDDisplay led;
    led.resize(12, 30);
    led.SetCaption("x");
    led.SetScrollDelay(2);
    EXPECT_EQ(led.ScrollDelay(), 2);
    QSignalSpy complete(&led, &TLEDDisplay::ScrollComplete);
    led.SetScrolling(true);
    EXPECT_TRUE(complete.wait(5000));
    EXPECT_LT(led.ScrollPos(), led.ScrollLimit());
}

TEST(LedFont, PrintableCharactersAreDistinctAndUseOnlySevenRows) {
    std::map<TLedGlyph, int> seen;
    for (int code = 0; code < 256; ++code) {
        for (std::uint8_t column : LedFont[static_cast<std::size_t>(code)])
            EXPECT_EQ(column & 1, 0) << "bit 0 is never drawn, code " << code;
        const bool printable = (code > 32 && code < 127) || (code > 160 && code != 173);
        if (!printable) continue;
        const TLedGlyph& g = LedFont[static_cast<std::size_t>(code)];
        EXPECT_NE(g, TLedGlyph{}) << "blank glyph for code " << code;
        const auto [it, fresh] = seen.emplace(g, code);
        EXPECT_TRUE(fresh) << "codes " << it->second << " and " << code << " look the same";
    }
}

TEST(LedFont, CharactersMapToWindows1252Codes) {
    const std::pair<char32_t, int> rows[] = {
        {U'A', 'A'},       {U'\t', '\t'},    {U'\u00e9', 0xE9}, {U'\u20ac', 0x80},
        {U'\u2014', 0x97}, {U'\u4e2d', '?'}, {U'\u0081', '?'},  {U'\U0001F600', '?'},
    };
    for (const auto& [ch, code] : rows)
        EXPECT_EQ(LedCharCode(ch), code) << static_cast<std::uint32_t>(ch);
}
