#include "view/picture_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace qv2 {

void WriteText(QPainter &painter, QPoint topLeft, const QString &text) {
    // Made once per picture: a new font makes the next text look up its glyphs anew, which costs
    // more than writing it.
    if (painter.font().styleStrategy() != QFont::NoAntialias) {
        QFont font = painter.font();
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
    }
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.drawText(topLeft + QPoint(0, QFontMetrics(painter.font()).ascent()), text);
    painter.setBackgroundMode(Qt::TransparentMode);
}

} // namespace qv2
