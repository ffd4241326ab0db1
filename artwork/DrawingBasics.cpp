// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingBasics.h"

#include <QFont>
#include <QPolygon>

void drawArrow(QPainter &p, QPoint tail, Direction direction, int length, QRgb colour, int headSize)
{
    QPoint step;
    QPoint side;
    switch (direction) {
    case Direction::Up: step = {0, -1}; side = {1, 0}; break;
    case Direction::Down: step = {0, 1}; side = {1, 0}; break;
    case Direction::Left: step = {-1, 0}; side = {0, 1}; break;
    case Direction::Right: step = {1, 0}; side = {0, 1}; break;
    }
    const QPoint tip = tail + step * length;
    const QPoint base = tip - step * (headSize * 2);
    drawLine(p, tail, base, colour);
    const QPolygon head({tip, base + side * headSize, base - side * headSize});
    fillPolygon(p, head, colour, colour);
}

void drawLetter(QPainter &p, QPoint centre, const QString &text, int pixelSize, QRgb colour)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    p.save();
    p.setFont(font);
    p.setPen(QColor::fromRgb(colour));
    const QRect box(centre.x() - 50, centre.y() - 50, 100, 100);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void fillOutlined(QPainter &p, const QRect &rect, QRgb fill, QRgb outline)
{
    p.fillRect(rect, QColor::fromRgb(outline));
    p.fillRect(rect.adjusted(1, 1, -1, -1), QColor::fromRgb(fill));
}

void fillPolygon(QPainter &p, const QPolygon &polygon, QRgb fill, QRgb outline)
{
    p.save();
    p.setPen(QPen(QColor::fromRgb(outline), 1));
    p.setBrush(QColor::fromRgb(fill));
    p.drawPolygon(polygon);
    p.restore();
}

void fillShape(QPainter &p, const QPolygonF &shape, QRgb colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(colour));
    p.drawPolygon(shape);
    p.restore();
}

void fillDisc(QPainter &p, QPointF centre, double radius, QRgb colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(colour));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void strokePolyline(QPainter &p, const QPolygonF &line, QRgb colour, int width)
{
    p.save();
    p.setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    p.restore();
}

void drawLine(QPainter &p, QPoint from, QPoint to, QRgb colour, int width)
{
    p.save();
    p.setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLine(from, to);
    p.restore();
}

void drawDashedLine(QPainter &p, QPoint from, QPoint to, QRgb colour, int dash)
{
    const QPoint delta = to - from;
    const int length = qMax(qAbs(delta.x()), qAbs(delta.y()));
    if (length == 0)
        return;
    for (int start = 0; start < length; start += 2 * dash) {
        const int end = qMin(start + dash - 1, length);
        drawLine(p, from + delta * start / length, from + delta * end / length, colour);
    }
}
