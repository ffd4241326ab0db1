// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressorParts.h"

#include "DrawingBasics.h"
#include "Palette.h"

#include <QImage>
#include <QLineF>
#include <QPolygonF>
#include <cmath>

QPainterPath pixelRect(const QRect &pixels)
{
    QPainterPath path;
    path.addRect(QRectF(pixels.left(), pixels.top(), pixels.width(), pixels.height()));
    return path;
}

QPainterPath disk(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath taperedBar(QPointF from, QPointF to, double halfFrom, double halfTo)
{
    const QLineF axis(from, to);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
    return polygonShape({from + normal * halfFrom, to + normal * halfTo, to - normal * halfTo, from - normal * halfFrom});
}

QPainterPath polygonShape(const QList<QPointF> &corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

static QSize pictureSize(const QPainter &p)
{
    return {p.device()->width(), p.device()->height()};
}

// Which pixels the shape covers: 255 inside, 0 outside.
static QImage coverage(const Shape &shape, QSize size)
{
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QPainterPath &piece : shape)
        painter.fillPath(piece, Qt::white);
    return mask;
}

static void paintLayer(QPainter &p, const QImage &layer)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(0, 0, layer);
    p.restore();
}

void drawSolid(QPainter &p, const Shape &shape, QRgb fill, int outline)
{
    const QSize size = pictureSize(p);
    const QImage mask = coverage(shape, size);
    auto covered = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= size.width() || y >= size.height())
            return true;  // the part goes on beyond the picture's edge
        return mask.constScanLine(y)[x] != 0;
    };
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (!covered(x, y))
                continue;
            bool edge = false;
            for (int dy = -outline; dy <= outline && !edge; ++dy)
                for (int dx = -outline; dx <= outline && !edge; ++dx)
                    if (std::abs(dx) + std::abs(dy) <= outline && !covered(x + dx, y + dy))
                        edge = true;
            layer.setPixel(x, y, edge ? Colour::Black : fill);
        }
    }
    paintLayer(p, layer);
}

void drawHollows(QPainter &p, const QList<ShapedHollow> &hollows)
{
    const QSize size = pictureSize(p);
    Shape all;
    for (const ShapedHollow &hollow : hollows)
        all += hollow.shape;
    const QImage mask = coverage(all, size);
    auto covered = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < size.width() && y < size.height() && mask.constScanLine(y)[x] != 0;
    };
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (covered(x, y))
                continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (covered(x + dx, y + dy))
                        layer.setPixel(x, y, Colour::Black);
        }
    }
    paintLayer(p, layer);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const ShapedHollow &hollow : hollows)
        for (const QPainterPath &piece : hollow.shape)
            p.fillPath(piece, QColor::fromRgb(hollow.colour));
    p.restore();
}

void drawUprightSpring(QPainter &p, const QRect &span, int coils)
{
    const double pitch = double(span.height() - 1) / coils;
    const int left = span.left();
    const int right = span.right();
    auto row = [&](double fromBottom) { return span.bottom() - int(std::lround(fromBottom)); };
    // Each turn rises across the front from left to right and back behind the stem.
    for (int i = 0; i < coils; ++i)
        drawLine(p, QPoint(right, row((i + 0.5) * pitch)), QPoint(left, row((i + 1) * pitch)), Colour::MidGrey);
    for (int i = 0; i < coils; ++i)
        drawLine(p, QPoint(left, row(i * pitch)), QPoint(right, row((i + 0.5) * pitch)), Colour::Black);
    // Closed, ground ends.
    drawLine(p, QPoint(left, span.bottom()), QPoint(right, span.bottom()), Colour::Black);
    drawLine(p, QPoint(left, span.top()), QPoint(right, span.top()), Colour::Black);
}

void drawCurvedArrow(QPainter &p, QPointF centre, double radius, double fromDegrees, double toDegrees)
{
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgb(Colour::Black), 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(circle, int(std::lround(fromDegrees * 16)), int(std::lround((toDegrees - fromDegrees) * 16)));
    p.restore();

    const double angle = toDegrees * M_PI / 180.0;
    const QPointF outward(std::cos(angle), -std::sin(angle));
    const QPointF along(-std::sin(angle), -std::cos(angle));
    const QPointF end = centre + outward * radius;
    const QPolygonF head({end + along * 12, end + outward * 6, end - outward * 6});
    fillPolygon(p, head.toPolygon(), Colour::Black, Colour::Black);
}
