// Draws the application icon into the folder given as the only argument: qv2leved.svg and
// qv2leved_<size>.png for the sizes desktops look for. One list of shapes makes both, so the
// scalable and the pixel icons show the same picture: a room corner with a brick wall, two floor
// ledges and the green start flag, and a pencil for editing.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cstdio>
#include <vector>

namespace {

constexpr double kCanvas = 64; // the shapes' coordinate space

struct Shape {
    QColor colour;
    QPolygonF points; // a polygon; four points with `radius` > 0 make a rounded rectangle
    double radius = 0;
};

QPolygonF Box(double x, double y, double w, double h) {
    return QPolygonF({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

std::vector<Shape> IconShapes() {
    const QColor night(32, 38, 74), stone(196, 184, 152), seam(110, 100, 80);
    const QColor brick(150, 78, 46), mortar(222, 204, 170);
    std::vector<Shape> shapes = {
        {night, Box(2, 2, 60, 60), 9},
        {brick, Box(6, 12, 16, 30)},
        {stone, Box(2, 42, 60, 7)},
        {stone, Box(22, 27, 36, 6)},
        {QColor(236, 236, 228), Box(36, 8, 2, 19)},
        {QColor(64, 190, 76), QPolygonF({{38, 8}, {50, 11.5}, {38, 15}})},
        // The pencil, lying from the lower right towards the middle.
        {QColor(246, 196, 64), QPolygonF({{34, 52}, {50, 36}, {57, 43}, {41, 59}})},
        {QColor(236, 140, 150), QPolygonF({{50, 36}, {53, 33}, {60, 40}, {57, 43}})},
        {QColor(238, 214, 170), QPolygonF({{34, 52}, {41, 59}, {29, 63}})},
        {QColor(40, 40, 40), QPolygonF({{31.2, 59.5}, {32.6, 60.9}, {29, 63}})},
    };
    for (double y : {19.0, 26.0, 33.0})
        shapes.push_back({mortar, Box(6, y, 16, 1.2)});
    for (double x : {16.0, 30.0, 44.0})
        shapes.push_back({seam, Box(x, 42, 1.2, 7)});
    shapes.push_back({seam, Box(40, 27, 1.2, 6)});
    return shapes;
}

QString SvgOf(const std::vector<Shape> &shapes) {
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(kCanvas);
    for (const Shape &shape : shapes) {
        const QString fill = shape.colour.name();
        if (shape.radius > 0) {
            const QRectF box = shape.points.boundingRect();
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                                  "fill=\"%6\"/>\n")
                       .arg(box.x())
                       .arg(box.y())
                       .arg(box.width())
                       .arg(box.height())
                       .arg(shape.radius)
                       .arg(fill);
            continue;
        }
        QString points;
        for (const QPointF &point : shape.points)
            points += QStringLiteral("%1,%2 ").arg(point.x()).arg(point.y());
        svg +=
            QStringLiteral("  <polygon points=\"%1\" fill=\"%2\"/>\n").arg(points.trimmed(), fill);
    }
    return svg + QStringLiteral("</svg>\n");
}

QImage PictureOf(const std::vector<Shape> &shapes, int size) {
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);
    painter.setPen(Qt::NoPen);
    for (const Shape &shape : shapes) {
        painter.setBrush(shape.colour);
        if (shape.radius > 0)
            painter.drawRoundedRect(shape.points.boundingRect(), shape.radius, shape.radius);
        else
            painter.drawPolygon(shape.points);
    }
    return picture;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const std::vector<Shape> shapes = IconShapes();
    QFile svg(folder + QStringLiteral("/qv2leved.svg"));
    bool written = svg.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   svg.write(SvgOf(shapes).toUtf8()) > 0;
    svg.close();
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        written =
            written && PictureOf(shapes, size)
                           .save(folder + QStringLiteral("/qv2leved_%1.png").arg(size), "PNG");
    if (!written) {
        std::fprintf(stderr, "make_icon: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
