#pragma once

#include <QPoint>
#include <QString>

class QPainter;

namespace qv2 {

// Black text on an opaque white background, its top-left corner at the given point; plain pixels,
// without smoothing, as numbers are written on the editor's pictures.
void WriteText(QPainter &painter, QPoint topLeft, const QString &text);

} // namespace qv2
