#include "widgets/ToolIcons.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

static QImage Argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ToolIcons, EveryButtonHasItsOwnVisiblePicture) {
    std::set<QByteArray> seen;
    for (int i = tiNew; i <= tiExit; ++i) {
        const QImage img = Argb(ToolIconPixmap(static_cast<TToolIcon>(i), 22));
        ASSERT_EQ(img.size(), QSize(22, 22));
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                opaque += qAlpha(img.pixel(x, y)) > 0;
        EXPECT_GT(opaque, 22 * 22 / 8) << "icon " << i << " is nearly empty";
        EXPECT_LT(opaque, 22 * 22) << "icon " << i << " has no transparent surround";
        EXPECT_TRUE(
            seen.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes())).second)
            << "icon " << i << " repeats another";
    }
    EXPECT_EQ(ToolIconPixmap(tiPrint, 32).size(), QSize(32, 32));
}

TEST(ToolIcons, DisabledLookIsGreyLighterAndKeepsTheShape) {
    const QImage normal = Argb(ToolIconPixmap(tiHelp));
    const QImage grey = Argb(DisabledPixmap(QPixmap::fromImage(normal)));
    ASSERT_EQ(grey.size(), normal.size());
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x < normal.width(); ++x) {
            const QRgb n = normal.pixel(x, y), g = grey.pixel(x, y);
            ASSERT_EQ(qAlpha(n) == 0, qAlpha(g) == 0) << x << "," << y;
            if (qAlpha(g) > 0) {
                ASSERT_TRUE(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g) && qRed(g) >= 128) << x << "," << y;
            }
        }
    }
    // The icon a button shows draws the disabled look by itself.
    const QIcon icon = ToolIcon(tiSave);
    EXPECT_NE(Argb(icon.pixmap(22, 22, QIcon::Disabled)), Argb(icon.pixmap(22, 22, QIcon::Normal)));
    EXPECT_EQ(Argb(icon.pixmap(22, 22, QIcon::Normal)), Argb(ToolIconPixmap(tiSave)));
}
