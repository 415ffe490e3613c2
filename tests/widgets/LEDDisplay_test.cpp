#include "widgets/LEDDisplay.h"
#include "widgets/LedFont.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

const QColor Back(0, 0, 0);
const QColor On(0, 255, 0);
const QColor Off(0, 51, 0);

// The clock in the game's toolbar.
void MakeClock(TLEDDisplay& led) {
    led.resize(125, 28);
    led.SetBorderOuter(fsGroove);
}

// Column bytes of the clock's glyphs as the game draws them.
const std::map<char, TLedGlyph> ClockGlyphs = {
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00}}, {'1', {0x00, 0x42, 0xFE, 0x02, 0x00}},
    {'2', {0x46, 0x8A, 0x92, 0x92, 0x62}}, {'3', {0x44, 0x92, 0x92, 0x92, 0x6C}},
    {'4', {0xF0, 0x10, 0x10, 0x10, 0xFE}}, {':', {0x00, 0x00, 0x24, 0x00, 0x00}},
};

// Checks one cell of a 3-pixel-pitch panel: every dot a 2 x 2 square of its colour framed by
// background lines.
void ExpectCell(const QImage& img, int left, int top, const TLedGlyph& glyph, const std::string& what) {
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 6; ++c) {
            const bool lit = c < 5 && ((glyph[c] >> (7 - r)) & 1);
            const int x = left + 3 * c, y = top + 3 * r;
            for (int dy = 1; dy <= 2; ++dy) {
                for (int dx = 1; dx <= 2; ++dx) {
                    if (x + dx < img.width()) {
                        ASSERT_EQ(img.pixelColor(x + dx, y + dy), lit ? On : Off)
                            << what << " row " << r << " column " << c;
                    }
                }
            }
            if (x < img.width()) {
                ASSERT_EQ(img.pixelColor(x, y + 1), Back) << what << " outline, row " << r << " column " << c;
            }
            ASSERT_EQ(img.pixelColor(std::min(x + 1, img.width() - 1), y), Back) << what << " outline above";
        }
    }
}

} // namespace

TEST(LEDDisplay, GeometryFollowsTheClientAreaAndScrollingTheControlWidth) {
    TLEDDisplay led;
    MakeClock(led);
    EXPECT_EQ(led.DotSize(), 3); // client height 24
    led.SetCaption(" 00:00");
    EXPECT_EQ(led.ScrollLimit(), 6 * 18 + 125); // the control's width, not the client's
    led.resize(125, 80);                        // client height 76
    EXPECT_EQ(led.DotSize(), 10);
    led.SetBorderWidth(5); // client height 66
    EXPECT_EQ(led.DotSize(), 8);
}

TEST(LEDDisplay, ClockTextOnTheGamePanel) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption(" 12:34");
    const QImage img = led.RenderClient();
    ASSERT_EQ(img.size(), QSize(121, 24));
    // The row above the dots and the rows below them are background.
    for (int x = 0; x < 121; ++x) {
        ASSERT_EQ(img.pixelColor(x, 0), Back) << x;
        ASSERT_EQ(img.pixelColor(x, 22), Back) << x;
        ASSERT_EQ(img.pixelColor(x, 23), Back) << x;
    }
    const std::string text = " 12:34";
    for (int i = 0; i < 6; ++i)
        ExpectCell(img, 18 * i, 1, ClockGlyphs.at(text[i]), std::string("cell ") + text[i]);
    // The seventh cell shows unlit dots as far as the panel reaches.
    ExpectCell(img, 108, 1, ClockGlyphs.at(' '), "partial cell");
    EXPECT_EQ(img.pixelColor(120, 5), Back);
}

// Under a display scale factor every panel pixel becomes a block of device pixels of one colour:
// the dots stay sharp instead of being stretched and blurred.
TEST(LEDDisplay, ScaledPanelIsTheNormalOneInDevicePixelBlocks) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption(" 12:34");
    const QImage normal = led.RenderClient();
    const QImage scaled = led.RenderClient(2.0).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(scaled.size(), QSize(242, 48));
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            ASSERT_EQ(scaled.pixelColor(x, y), normal.pixelColor(x / 2, y / 2)) << x << "," << y;
}

TEST(LEDDisplay, WidgetCopiesThePanelInsideItsBorder) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption(" 05:07");
    const QImage shot = led.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage client = led.RenderClient();
    ASSERT_EQ(shot.size(), QSize(125, 28));
    EXPECT_EQ(shot.copy(2, 2, 121, 24), client);
    // The groove is drawn in two shades, neither of them the panel's black.
    EXPECT_NE(shot.pixelColor(0, 10), Back);
    EXPECT_NE(shot.pixelColor(1, 10), shot.pixelColor(0, 10));
}

TEST(LEDDisplay, StarsWiderThanThePanelAreClipped) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption(" * * * ");
    const QImage img = led.RenderClient();
    ASSERT_EQ(img.size(), QSize(121, 24));
    const TLedGlyph star = {0x54, 0x38, 0xFE, 0x38, 0x54};
    ExpectCell(img, 18, 1, star, "first star");
    ExpectCell(img, 90, 1, star, "third star");
    ExpectCell(img, 108, 1, ClockGlyphs.at(' '), "clipped trailing space");
}

TEST(LEDDisplay, TabAndOtherControlCharactersShowTheBlock) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption("\t");
    const QImage tab = led.RenderClient();
    ExpectCell(tab, 0, 1, {0x00, 0x7C, 0x7C, 0x7C, 0x00}, "tab");
    led.SetCaption(QString(QChar(127)));
    EXPECT_EQ(led.RenderClient(), tab);
    led.SetCaption(QString(QChar(1)));
    EXPECT_EQ(led.RenderClient(), tab);
}

TEST(LEDDisplay, LowPanelsShowOnlyTheBorder) {
    TLEDDisplay led;
    led.SetCaption("88");
    led.resize(100, 11);
    led.SetBorderOuter(fsGroove); // client height 7
    EXPECT_TRUE(led.RenderClient().isNull());
    led.resize(100, 12); // client height 8: dots of size 1 are only their outline
    const QImage img = led.RenderClient();
    ASSERT_EQ(img.size(), QSize(96, 8));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixelColor(x, y), Back);
}

TEST(LEDDisplay, BigDotsHaveGapsAndColoursAreTheirs) {
    TLEDDisplay led;
    led.resize(200, 76);
    led.SetSegOnColor(QColor(255, 0, 0));
    led.SetSegOffColor(QColor(40, 0, 0));
    led.SetBackColor(QColor(0, 0, 90));
    led.SetCaption("1");
    const QImage img = led.RenderClient();
    // "1" column 2 (0xFE) is lit in its top row; its dot starts at 2 * 11 and fills 9 x 9 inside.
    EXPECT_EQ(img.pixelColor(22 + 1, 1), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(22 + 9, 9), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(22 + 10, 5), QColor(0, 0, 90)); // outline
    EXPECT_EQ(img.pixelColor(1, 1), QColor(40, 0, 0));       // column 0 unlit
    EXPECT_EQ(img.pixelColor(55 + 1, 1), QColor(40, 0, 0));  // sixth column always unlit
}

TEST(LEDDisplay, AlignmentMovesTheTextOnScreen) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption("4");
    const TLedGlyph four = {0xF0, 0x10, 0x10, 0x10, 0xFE};
    led.SetAlignment(taRightJustify);
    ExpectCell(led.RenderClient(), 103, 1, four, "right");
    led.SetAlignment(taCenter);
    ExpectCell(led.RenderClient(), 51, 1, four, "centre"); // (121 - 18) / 2
}

TEST(LEDDisplay, ScrollStepsByDotPitchAndCompletesAtTheLimit) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption("12");
    QSignalSpy complete(&led, &TLEDDisplay::ScrollComplete);
    led.SetScrolling(true);
    EXPECT_TRUE(led.ScrollTimerActive());
    const int limit = led.ScrollLimit(); // 2 * 18 + 125 = 161, not a multiple of the pitch
    int ticks = 0;
    while (complete.count() == 0 && ticks < 1000) {
        const int before = led.ScrollPos();
        led.ScrollTimerTick();
        ++ticks;
        if (complete.count() == 0) {
            ASSERT_EQ(led.ScrollPos(), before + 3);
        }
    }
    EXPECT_EQ(complete.count(), 1);
    EXPECT_EQ(ticks, (limit + 2) / 3); // the first step that reaches or passes the limit
    EXPECT_EQ(led.ScrollPos(), 0);

    // Mid-way the text has moved left by ScrollPos from where it entered.
    for (int i = 0; i < 20; ++i)
        led.ScrollTimerTick();
    ExpectCell(led.RenderClient(), 120 - 60, 1, ClockGlyphs.at('1'), "scrolled");

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

TEST(LEDDisplay, ScrollTypeAloneChangesNothingWhileNotScrolling) {
    TLEDDisplay led;
    MakeClock(led);
    led.SetCaption(" 12:34");
    const QImage before = led.RenderClient();
    led.SetScrollType(stLeftToRight);
    EXPECT_FALSE(led.ScrollTimerActive());
    EXPECT_EQ(led.RenderClient(), before);
    led.SetScrollType(stNone);
    led.SetScrolling(true);
    EXPECT_TRUE(led.ScrollTimerActive());  // the timer follows Scrolling, whatever the type
    EXPECT_EQ(led.RenderClient(), before); // stNone stands still at the left
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
