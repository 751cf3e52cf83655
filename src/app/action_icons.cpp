#include "app/action_icons.h"

#include "ui/deferred_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv2 {

namespace {

// Drawn when first shown: most of them are seen only in menus.
QIcon drawIcon(void (*draw)(QPainter &)) {
    return DeferredIcon([draw] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        return QIcon(pixmap);
    });
}

void openFolder(QPainter &p) {
    p.setPen(QColor(120, 80, 10));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void saveDisk(QPainter &p) {
    p.setPen(QColor(20, 40, 90));
    p.setBrush(QColor(60, 100, 190));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void startFlag(QPainter &p) {
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawLine(QPointF(3, 1), QPointF(3, 15));
    p.setPen(QColor(20, 110, 20));
    p.setBrush(QColor(40, 180, 40));
    p.drawPolygon(QPolygonF({{4, 2}, {14, 5}, {4, 8}}));
}

void restartRing(QPainter &p) {
    p.setPen(QPen(QColor(200, 120, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 90 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 120, 0));
    p.drawPolygon(QPolygonF({{8, 0}, {12, 3}, {8, 6}}));
}

void chainLink(QPainter &p) {
    p.setPen(QPen(QColor(90, 90, 110), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 5.5, 8, 5), 2.5, 2.5);
    p.drawRoundedRect(QRectF(6.5, 5.5, 8, 5), 2.5, 2.5);
}

void sword(QPainter &p) {
    p.setPen(QPen(QColor(150, 150, 170), 2));
    p.drawLine(QPointF(3, 13), QPointF(13, 3));
    p.setPen(QPen(QColor(130, 70, 20), 2));
    p.drawLine(QPointF(2, 10), QPointF(6, 14));
    p.setPen(QPen(QColor(200, 30, 30), 2));
    p.drawPoint(QPointF(2.5, 13.5));
}

void comingGuard(QPainter &p) {
    p.setPen(QPen(QColor(120, 40, 160), 1.5));
    p.setBrush(QColor(200, 160, 230));
    p.drawEllipse(QRectF(5, 1, 6, 6));
    p.drawRoundedRect(QRectF(4, 7, 8, 8), 2, 2);
    p.setPen(QPen(QColor(120, 40, 160), 1));
    p.drawLine(QPointF(1, 15), QPointF(1, 10));
    p.drawLine(QPointF(15, 15), QPointF(15, 10));
}

void neighbourArrows(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 200));
    p.drawRect(QRectF(6, 6, 4, 4));
    p.drawPolygon(QPolygonF({{8, 0}, {11, 4}, {5, 4}}));
    p.drawPolygon(QPolygonF({{8, 16}, {11, 12}, {5, 12}}));
    p.drawPolygon(QPolygonF({{0, 8}, {4, 5}, {4, 11}}));
    p.drawPolygon(QPolygonF({{16, 8}, {12, 5}, {12, 11}}));
}

// A hooked arrow turning back to the left; redo is its mirror image.
void turnArrow(QPainter &p, bool mirrored) {
    if (mirrored)
        p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
    p.setPen(QPen(QColor(30, 90, 160), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook(QPointF(5, 6));
    hook.cubicTo(QPointF(16, 6), QPointF(16, 15), QPointF(7, 14));
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 160));
    p.drawPolygon(QPolygonF({{1, 6}, {6, 1.5}, {6, 10.5}}));
}

void undoArrow(QPainter &p) {
    turnArrow(p, false);
}

void redoArrow(QPainter &p) {
    turnArrow(p, true);
}

void selectArrow(QPainter &p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {{3.5, 1.5}, {12.5, 10.5}, {8, 10.5}, {10.5, 15}, {8.5, 15.5}, {6.5, 11.5}, {3.5, 14.5}}));
}

void paintBrush(QPainter &p) {
    p.setPen(QPen(QColor(130, 70, 20), 2.5));
    p.drawLine(QPointF(14, 2), QPointF(8, 8));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(6.5, 7.5, 3, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 40));
    p.drawPolygon(QPolygonF({{6, 9}, {8, 11}, {4, 15}, {1, 15}, {1, 13}}));
}

void fillBucket(QPainter &p) {
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.setBrush(QColor(200, 200, 210));
    p.drawPolygon(QPolygonF({{2.5, 7.5}, {8.5, 1.5}, {14.5, 7.5}, {8.5, 13.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 220));
    p.drawPolygon(QPolygonF({{2.5, 7.5}, {14.5, 7.5}, {8.5, 13.5}}));
    p.drawEllipse(QRectF(13, 10, 3, 5));
}

} // namespace

std::array<QIcon, kToolIconCount> MakeToolIcons() {
    return {drawIcon(selectArrow), drawIcon(paintBrush), drawIcon(fillBucket)};
}

std::array<QIcon, kActionIconCount> MakeActionIcons() {
    return {drawIcon(openFolder),  drawIcon(saveDisk),        drawIcon(startFlag),
            drawIcon(restartRing), drawIcon(chainLink),       drawIcon(sword),
            drawIcon(comingGuard), drawIcon(neighbourArrows), drawIcon(undoArrow),
            drawIcon(redoArrow)};
}

} // namespace qv2
