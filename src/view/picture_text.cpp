#include "view/picture_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace qv2 {

void WriteText(QPainter &painter, QPoint topLeft, const QString &text)
{
    QFont font = painter.font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.drawText(topLeft + QPoint(0, QFontMetrics(painter.font()).ascent()), text);
    painter.setBackgroundMode(Qt::TransparentMode);
}

} // namespace qv2
