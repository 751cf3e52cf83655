#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>

class QScrollArea;

namespace qv2 {

class PaintBox;

// The scroll position that keeps the picture pixel under the pointer where it is when the zoom
// changes. `inBox` is the pointer in the room view's box, `inView` in the scroll area's viewport;
// the box has a frame of `frame` pixels around the picture.
QPoint ScrollKeepingPoint(QPointF inBox, QPoint inView, int frame, int oldZoom, int newZoom);

// The largest zoom, from 1 to `maxZoom`, at which `picture` with its frame fits into `view`
// without scrolling; 1 when not even that fits.
int FitZoom(QSize picture, int frame, QSize view, int maxZoom);

// Ctrl+wheel over the room view zooms around the pointer, one step per notch (a touchpad's small
// steps add up to notches). The wheel without Ctrl scrolls as usual.
class WheelZoom : public QObject {
    Q_OBJECT
  public:
    // `setZoom` sets the zoom as the zoom actions do, within their range.
    WheelZoom(QScrollArea &area, PaintBox &box, int frame, std::function<void(int)> setZoom);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QScrollArea &m_area;
    PaintBox &m_box;
    int m_frame;
    std::function<void(int)> m_setZoom;
    int m_pendingAngle = 0; // wheel turn not yet a whole notch
};

} // namespace qv2
