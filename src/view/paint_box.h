#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace qv2 {

// The room view: shows the room picture that the refresh composed and reports mouse presses.
// It never takes the focus, so a press leaves the focus where the mouse handler puts it.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget *parent = nullptr);

    // The picture is owned by the caller; nullptr shows nothing.
    void setPicture(const QImage *picture) { m_picture = picture; }

signals:
    void pressed(QPoint point);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QImage *m_picture = nullptr;
};

} // namespace qv2
