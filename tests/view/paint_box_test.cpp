#include "view/paint_box.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace qv2;

namespace {

TEST(PaintBox, ShowsThePictureOnlyOnceOneIsSet)
{
    PaintBox box;
    box.setFixedSize(40, 30);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QImage empty = box.grab().toImage();
    EXPECT_NE(empty.pixelColor(5, 5), QColor(Qt::red));
    box.setPicture(&picture);
    EXPECT_EQ(box.grab().toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST(PaintBox, ReportsPressesOfAnyButtonAndTakesNoFocus)
{
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

} // namespace
