#include "app/room_zoom.h"

#include "view/paint_box.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace qv2 {

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

} // namespace

QPoint ScrollKeepingPoint(QPointF inBox, QPoint inView, int frame, int oldZoom, int newZoom) {
    const QPointF inPicture = (inBox - QPointF(frame, frame)) / oldZoom;
    const QPointF newInBox = inPicture * newZoom + QPointF(frame, frame);
    return newInBox.toPoint() - inView;
}

int FitZoom(QSize picture, int frame, QSize view, int maxZoom) {
    for (int zoom = maxZoom; zoom > 1; --zoom) {
        const QSize shown = picture * zoom + QSize(2 * frame, 2 * frame);
        if (shown.width() <= view.width() && shown.height() <= view.height())
            return zoom;
    }
    return 1;
}

WheelZoom::WheelZoom(QScrollArea &area, PaintBox &box, int frame, std::function<void(int)> setZoom)
    : QObject(&area), m_area(area), m_box(box), m_frame(frame), m_setZoom(std::move(setZoom)) {
    area.viewport()->installEventFilter(this);
}

bool WheelZoom::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) {
        m_pendingAngle = 0;
        return false;
    }
    m_pendingAngle += wheel->angleDelta().y();
    const int notches = m_pendingAngle / kNotch;
    m_pendingAngle -= notches * kNotch;
    const int oldZoom = m_box.zoom();
    if (notches != 0)
        m_setZoom(oldZoom + notches);
    const int newZoom = m_box.zoom();
    if (newZoom != oldZoom) {
        const QPoint inView = wheel->position().toPoint();
        const QPointF inBox = m_box.mapFrom(m_area.viewport(), wheel->position());
        const QPoint scroll = ScrollKeepingPoint(inBox, inView, m_frame, oldZoom, newZoom);
        m_area.horizontalScrollBar()->setValue(scroll.x());
        m_area.verticalScrollBar()->setValue(scroll.y());
    }
    return true; // Ctrl+wheel never scrolls
}

} // namespace qv2
