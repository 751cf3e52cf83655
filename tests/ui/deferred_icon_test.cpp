#include "ui/deferred_icon.h"
#include "ui/deferred_icon_style.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace qv2 {
namespace {

QImage Painted(const QIcon &icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    return image;
}

// The overflow arrows are read later, but they are the base style's pictures in every size and
// however they are drawn; every other icon is the base style's as it stands.
TEST(DeferredIconStyle, GivesTheBaseStylesIcons) {
    DeferredIconStyle style;
    for (const QStyle::StandardPixmap which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning}) {
        const QIcon icon = style.standardIcon(which);
        const QIcon expected = style.baseStyle()->standardIcon(which);
        ASSERT_FALSE(expected.isNull()) << which;
        EXPECT_FALSE(icon.isNull()) << which;
        EXPECT_EQ(icon.availableSizes(), expected.availableSizes()) << which;
        for (int size : {8, 16, 32}) {
            EXPECT_EQ(icon.actualSize(QSize(size, size)), expected.actualSize(QSize(size, size)))
                << which;
            EXPECT_EQ(icon.pixmap(size).toImage(), expected.pixmap(size).toImage())
                << which << " " << size;
            EXPECT_EQ(Painted(icon, size), Painted(expected, size)) << which << " " << size;
        }
    }
}

// Made once, by whichever copy is first drawn or measured, and not before.
TEST(DeferredIcon, IsMadeOnceWhenFirstNeeded) {
    int made = 0;
    const QIcon icon = DeferredIcon([&made] {
        ++made;
        QPixmap red(4, 4);
        red.fill(Qt::red);
        return QIcon(red);
    });
    const QIcon copy = icon;
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(made, 0);
    EXPECT_EQ(copy.pixmap(4).toImage().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(icon.actualSize(QSize(8, 8)), QSize(4, 4));
    EXPECT_EQ(Painted(icon, 4).pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(made, 1);
}

} // namespace
} // namespace qv2
