#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace qv2 {

// Shows a picture that its owner composed and reports mouse presses in picture pixels. It takes
// no focus unless its owner gives it a focus policy; the room view does, and then shows a focus
// frame around the picture.
class PaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit PaintBox(QWidget *parent = nullptr);

    // The picture is owned by the caller; nullptr shows nothing.
    void setPicture(const QImage *picture) { m_picture = picture; }

    // Sizes the box to show `size` picture pixels at the zoom, with the focus frame around them.
    void setShownSize(QSize size);
    // Shows every picture pixel as zoom x zoom screen pixels, sharp.
    void setZoom(int zoom);
    int zoom() const { return m_zoom; }
    // Room for a focus frame of this width around the picture.
    void setFrameWidth(int width);
    // The picture pixel under a position in the box, rounded down: a position on the frame lies
    // outside the picture, not on its edge.
    QPoint pictureAt(QPointF position) const;
    // Repaints the part of the box that shows this rectangle of the picture.
    void updatePicture(const QRect &area);

  signals:
    void pressed(QPoint point);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    const QImage *m_picture = nullptr;
    QSize m_shown;
    int m_zoom = 1;
    int m_frame = 0;
};

} // namespace qv2
