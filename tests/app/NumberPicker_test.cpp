// The picker's parts: a press goes to the topmost part under the pointer, labels light up red.
#include "app/NumberPicker.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using P = TNumberPicker;

TEST(NumberPicker, PressesGoToTheTopmostPartAndReportItsTag) {
    EXPECT_EQ(P::PartAt({49, 49}), P::ptCentre); // the centre digit lies on the yellow disc
    EXPECT_EQ(P::PartAt({28, 50}), P::ptShape2);
    EXPECT_EQ(P::PartAt({70, 10}), P::ptDigit1);
    EXPECT_EQ(P::PartAt({28, 10}), P::ptDigit9);
    EXPECT_EQ(P::PartAt({50, 5}), P::ptErase);
    EXPECT_EQ(P::PartAt({2, 2}), P::ptShape1);  // the circle's whole square counts
    EXPECT_EQ(P::PartAt({50, 120}), P::ptNone); // the panel below the circle takes no press
    // The erase symbol's tag; the digits', the centre's and the circle's are pressed below and in
    // the window tests.
    EXPECT_EQ(P::PartTag(P::ptErase), 0);

    TNumberPicker picker;
    picker.show();
    QSignalSpy shape1(&picker, &TNumberPicker::Shape1MouseDown);
    QSignalSpy shape2(&picker, &TNumberPicker::Shape2MouseDown);
    QTest::mouseClick(&picker, Qt::RightButton, {}, {70, 10});
    QTest::mouseClick(&picker, Qt::LeftButton, {}, {2, 2});
    QTest::mouseClick(&picker, Qt::LeftButton, {}, {28, 50});
    QTest::mouseClick(&picker, Qt::LeftButton, {}, {50, 120});
    ASSERT_EQ(shape1.count(), 2);
    EXPECT_EQ(shape1.at(0).at(0).toInt(), 1);
    EXPECT_EQ(shape1.at(1).at(0).toInt(), -1);
    EXPECT_EQ(shape2.count(), 1);
}

TEST(NumberPicker, TheLabelUnderThePointerIsTheHotOne) {
    TNumberPicker picker;
    picker.show();
    QTest::mouseMove(&picker, {70, 10});
    EXPECT_EQ(picker.HotPart(), P::ptDigit1);
    QTest::mouseMove(&picker, {28, 50});
    EXPECT_EQ(picker.HotPart(), P::ptNone) << "the disc is no label";
    QTest::mouseMove(&picker, {50, 5});
    EXPECT_EQ(picker.HotPart(), P::ptErase);
}

} // namespace
