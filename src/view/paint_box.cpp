#include "view/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace qv2 {

PaintBox::PaintBox(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox1"));
    setFocusPolicy(Qt::NoFocus);
}

void PaintBox::setShownSize(QSize size) {
    m_shown = size;
    setFixedSize(size * m_zoom + QSize(2 * m_frame, 2 * m_frame));
}

void PaintBox::setZoom(int zoom) {
    m_zoom = zoom;
    if (m_shown.isValid())
        setShownSize(m_shown);
    update();
}

void PaintBox::setFrameWidth(int width) {
    m_frame = width;
    if (m_shown.isValid())
        setShownSize(m_shown);
}

void PaintBox::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    if (m_frame > 0 && hasFocus()) {
        const int half = m_frame / 2;
        painter.setPen(QPen(palette().color(QPalette::Highlight), m_frame));
        painter.drawRect(rect().adjusted(half, half, -m_frame + half, -m_frame + half));
    }
    if (!m_picture)
        return;
    // Whole factors without smoothing keep every picture pixel a sharp square.
    const QSize shown = m_shown.isValid() ? m_shown : m_picture->size();
    painter.drawImage(QRect(QPoint(m_frame, m_frame), shown * m_zoom), *m_picture,
                      QRect(QPoint(0, 0), shown));
}

QPoint PaintBox::pictureAt(QPointF position) const {
    const QPointF inPicture = (position - QPointF(m_frame, m_frame)) / m_zoom;
    return QPoint(static_cast<int>(std::floor(inPicture.x())),
                  static_cast<int>(std::floor(inPicture.y())));
}

void PaintBox::updatePicture(const QRect &area) {
    update(QRect(area.topLeft() * m_zoom, area.size() * m_zoom).translated(m_frame, m_frame));
}

void PaintBox::mousePressEvent(QMouseEvent *event) {
    emit pressed(pictureAt(event->position()));
    // The press handler clears the focus so that a field stores its typed value first; a box that
    // takes the focus by clicks gets it back afterwards.
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
}

} // namespace qv2
