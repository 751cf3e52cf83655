#include "view/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv2 {

PaintBox::PaintBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setFocusPolicy(Qt::NoFocus);
}

void PaintBox::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), *m_picture);
}

void PaintBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->position().toPoint());
}

} // namespace qv2
