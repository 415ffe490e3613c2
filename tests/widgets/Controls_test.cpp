#include "widgets/BalloonHints.h"
#include "widgets/BalloonWindow.h"
#include "widgets/BlinkLabel.h"
#include "widgets/ColourProgressBar.h"
#include "widgets/LevelButton.h"
#include "widgets/StatusPane.h"
#include "widgets/URLLabel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(LevelButton, OneGroupKeepsExactlyOneDownAndAnyMouseButtonPresses) {
    QWidget bar;
    QButtonGroup group; // exclusive
    std::vector<TLevelButton*> buttons;
    for (int level = 1; level <= 4; ++level) {
        buttons.push_back(new TLevelButton(level, &bar));
        group.addButton(buttons.back(), level);
    }
    buttons[1]->setChecked(true);
    QSignalSpy pressed(buttons[3], &TLevelButton::Pressed);
    QTest::mousePress(buttons[3], Qt::RightButton);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_TRUE(buttons[3]->isChecked());
    EXPECT_FALSE(buttons[1]->isChecked());
    EXPECT_EQ(group.checkedId(), 4);

    buttons[0]->setEnabled(false);
    QTest::mousePress(buttons[0], Qt::LeftButton);
    EXPECT_EQ(group.checkedId(), 4);
}

TEST(BlinkLabel, AlternatesColoursWithItsOnAndOffTimes) {
    TBlinkLabel label("o");
    EXPECT_EQ(label.OnTime(), 100);
    EXPECT_EQ(label.OffTime(), 900);
    EXPECT_FALSE(label.Blinking()); // hidden labels do not blink
    label.SetOnTime(20);
    label.SetOffTime(60);
    label.show();
    EXPECT_TRUE(label.Blinking());
    EXPECT_TRUE(label.IsOn());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(128, 0, 128));
    label.Toggle();
    EXPECT_FALSE(label.IsOn());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(255, 255, 128));
    // The real timer brings the on colour back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.IsOn(); }, 2000));
    label.hide();
    EXPECT_FALSE(label.Blinking());
    label.Toggle();
    label.show(); // shown again: starts on
    EXPECT_TRUE(label.IsOn());
}

TEST(ColourProgressBar, DrawsTheGameColoursWithReadablePercentage) {
    TColourProgressBar bar;
    bar.resize(246, 18);
    bar.setValue(58);
    EXPECT_EQ(bar.text(), "58 %");
    EXPECT_EQ(bar.BarWidth(244), 141); // truncated, never rounded up
    const QImage img = bar.grab().toImage();
    EXPECT_EQ(img.pixelColor(5, 2), QColor(255, 255, 128)); // bar
    EXPECT_EQ(img.pixelColor(240, 2), QColor(128, 0, 128)); // background
    // Maximum, value and the bar's width: empty, a busy bar with no width to fill, full.
    for (const auto& [maximum, value, width] : {std::tuple(100, 0, 0), {0, 0, 0}, {100, 100, 244}}) {
        bar.setRange(0, maximum);
        bar.setValue(value);
        EXPECT_EQ(bar.BarWidth(244), width) << maximum << " " << value;
    }
}

TEST(StatusPane, KeepsItsWidthAndAlignment) {
    const TStatusPane pane(125, Qt::AlignRight); // by way of the constructor with a text
    EXPECT_EQ(pane.width(), 125);
    EXPECT_TRUE(pane.alignment() & Qt::AlignRight);
}

TEST(BalloonHints, ToolTipEventsShowTheTipInABalloonThatGoesAway) {
    TBalloonHints hints;
    hints.SetHidePause(50);
    QWidget window;
    auto* button = new QWidget(&window);
    button->setToolTip("Click here to create a new puzzle.");
    auto* plain = new QWidget(&window);
    window.show();

    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), QPoint(100, 100));
    QApplication::sendEvent(button, &tip);
    ASSERT_TRUE(hints.IsShowing());
    EXPECT_EQ(hints.Balloon()->Text(), "Click here to create a new puzzle.");
    EXPECT_EQ(hints.Owner(), button);
    EXPECT_EQ(hints.Balloon()->font().pixelSize(), 16);
    EXPECT_TRUE(hints.Balloon()->font().family().contains("Narrow"))
        << hints.Balloon()->font().family().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hints.IsShowing(); }, 2000)); // hide pause

    // No tip on the widget or its parents: nothing shows.
    QHelpEvent none(QEvent::ToolTip, QPoint(2, 2), QPoint(100, 100));
    QApplication::sendEvent(plain, &none);
    EXPECT_FALSE(hints.IsShowing());

    // A press anywhere hides the balloon.
    hints.SetHidePause(10000);
    QApplication::sendEvent(button, &tip);
    ASSERT_TRUE(hints.IsShowing());
    QTest::mousePress(plain, Qt::LeftButton);
    EXPECT_FALSE(hints.IsShowing());

    // A widget's own duration wins over the hide pause.
    plain->setToolTip("gone soon");
    plain->setToolTipDuration(30);
    QApplication::sendEvent(plain, &none);
    ASSERT_TRUE(hints.IsShowing());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hints.IsShowing(); }, 2000));
}

TEST(BalloonHints, BalloonOutlineHasItsTail) {
    const QPainterPath top = TBalloonWindow::Outline(QSize(100, 40), true);
    EXPECT_TRUE(top.contains(QPointF(15, 3)));  // in the tail above the box
    EXPECT_FALSE(top.contains(QPointF(80, 3))); // beside the tail
    EXPECT_TRUE(top.contains(QPointF(50, 25))); // in the box
    const QPainterPath bottom = TBalloonWindow::Outline(QSize(100, 40), false);
    EXPECT_TRUE(bottom.contains(QPointF(15, 37)));
    EXPECT_FALSE(bottom.contains(QPointF(80, 37)));
}

TEST(URLLabel, FollowsOnlyRealAddresses) {
    TURLLabel link("somewhere");
    EXPECT_FALSE(link.Follow()); // no address yet
    EXPECT_FALSE(link.Visited());
    EXPECT_EQ(link.ShownColor(), link.Color());
    link.SetVisitedColor(QColor(1, 2, 3));
    link.SetVisited(true);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), QColor(1, 2, 3));
}
