#include "view/paint_box.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace qv2;

namespace {

TEST(PaintBox, ShowsThePictureOnlyOnceOneIsSet) {
    PaintBox box;
    box.setFixedSize(40, 30);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QImage empty = box.grab().toImage();
    EXPECT_NE(empty.pixelColor(5, 5), QColor(Qt::red));
    box.setPicture(&picture);
    EXPECT_EQ(box.grab().toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST(PaintBox, ReportsPressesOfAnyButtonAndTakesNoFocus) {
    PaintBox box;
    box.resize(608, 328);
    EXPECT_EQ(box.objectName(), "PaintBox1");
    EXPECT_EQ(box.focusPolicy(), Qt::NoFocus);
    QSignalSpy spy(&box, &PaintBox::pressed);
    QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(176, 128));
    QTest::mousePress(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(80, 128));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[0][0].toPoint(), QPoint(176, 128));
    EXPECT_EQ(spy[1][0].toPoint(), QPoint(80, 128));
}

TEST(PaintBox, ZoomedPressesLandOnThePicturePixelUnderTheMouse) {
    const struct {
        const char *name;
        int zoom;
        QPoint pressed;  // in the box
        QPoint expected; // in the picture
    } cases[] = {
        {"1x, first picture pixel", 1, {2, 2}, {0, 0}},
        {"1x, the frame", 1, {1, 5}, {-1, 3}},
        {"2x, last screen pixel of tile 0, 0", 2, {2 + 2 * 175 + 1, 2 + 2 * 127 + 1}, {175, 127}},
        {"2x, first screen pixel of tile 1, 1", 2, {2 + 2 * 176, 2 + 2 * 128}, {176, 128}},
        {"3x, middle of a pixel", 3, {2 + 3 * 464 + 1, 2 + 3 * 255 + 2}, {464, 255}},
    };
    for (const auto &c : cases) {
        PaintBox box;
        box.setFrameWidth(2);
        box.setShownSize(QSize(608, 328));
        box.setZoom(c.zoom);
        EXPECT_EQ(box.size(), QSize(608 * c.zoom + 4, 328 * c.zoom + 4)) << c.name;
        QSignalSpy spy(&box, &PaintBox::pressed);
        QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, c.pressed);
        ASSERT_EQ(spy.count(), 1) << c.name;
        EXPECT_EQ(spy[0][0].toPoint(), c.expected) << c.name;
    }
}

TEST(PaintBox, ZoomShowsSharpSquares) {
    PaintBox box;
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(1, 0, Qt::black);
    box.setPicture(&picture);
    box.setShownSize(picture.size());
    box.setZoom(3);
    const QImage shown = box.grab().toImage();
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(shown.pixelColor(x, y),
                      x / 3 == 1 && y / 3 == 0 ? QColor(Qt::black) : QColor(Qt::white))
                << x << "," << y;
    }
}

} // namespace
