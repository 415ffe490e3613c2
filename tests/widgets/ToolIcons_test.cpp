#include "widgets/ToolIcons.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

namespace {

int OpaquePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 0;
    return n;
}

bool IsGrey(QRgb px) {
    return qRed(px) == qGreen(px) && qGreen(px) == qBlue(px);
}

} // namespace

TEST(ToolIcons, EveryButtonHasItsOwnVisiblePicture) {
    std::set<QByteArray> seen;
    for (int i = tiNew; i <= tiExit; ++i) {
        const QImage img = ToolIconPixmap(static_cast<TToolIcon>(i), 22).toImage();
        ASSERT_EQ(img.size(), QSize(22, 22));
        const int opaque = OpaquePixels(img);
        EXPECT_GT(opaque, 22 * 22 / 8) << "icon " << i << " is nearly empty";
        EXPECT_LT(opaque, 22 * 22) << "icon " << i << " has no transparent surround";
        const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(
            seen.insert(QByteArray(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes()))
                .second)
            << "icon " << i << " repeats another";
    }
    EXPECT_EQ(ToolIconPixmap(tiPrint, 32).size(), QSize(32, 32));
}

TEST(ToolIcons, DisabledLookIsGreyLighterAndKeepsTheShape) {
    const QImage normal = ToolIconPixmap(tiHelp).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage grey =
        DisabledPixmap(QPixmap::fromImage(normal)).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(grey.size(), normal.size());
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb n = normal.pixel(x, y), g = grey.pixel(x, y);
            ASSERT_EQ(qAlpha(n) == 0, qAlpha(g) == 0) << x << "," << y;
            if (qAlpha(g) > 0) {
                ASSERT_TRUE(IsGrey(g)) << x << "," << y;
                ASSERT_GE(qRed(g), 128) << x << "," << y;
            }
        }
    }
    const QIcon icon = ToolIcon(tiSave);
    const QImage shownDisabled =
        icon.pixmap(22, 22, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage shownNormal =
        icon.pixmap(22, 22, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_NE(shownDisabled, shownNormal);
    EXPECT_EQ(shownNormal, ToolIconPixmap(tiSave).toImage().convertToFormat(QImage::Format_ARGB32));
}
