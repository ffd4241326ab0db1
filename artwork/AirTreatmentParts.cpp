// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirTreatmentParts.h"

#include "Palette.h"

#include <QLineF>
#include <QPolygon>
#include <QPolygonF>
#include <cmath>

FleckSequence::FleckSequence(quint32 seed) : m_state(seed * 2654435761u + 0x9E3779B9u) {}

quint32 FleckSequence::next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return m_state >> 8;
}

bool FleckSequence::chance(double probability)
{
    return next() < quint32(probability * double(1u << 24));
}

int FleckSequence::below(int bound)
{
    return int(next() % quint32(bound));
}

static void fleckAt(QImage &picture, int x, int y, const FleckColours &fleckFor)
{
    if (!picture.rect().contains(x, y))
        return;
    const auto fleck = fleckFor.constFind(picture.pixel(x, y));
    if (fleck != fleckFor.constEnd())
        picture.setPixel(x, y, *fleck);
}

void scatterFlecks(QImage &picture, const QRect &area, const FleckColours &fleckFor, double density, quint32 seed)
{
    FleckSequence random(seed);
    const QRect clipped = area.intersected(picture.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (random.chance(density))
                fleckAt(picture, x, y, fleckFor);
}

void drawStreaks(QImage &picture, const QList<QPoint> &path, int width, const FleckColours &fleckFor, quint32 seed)
{
    if (path.size() < 2)
        return;
    QList<QLineF> segments;
    double total = 0;
    for (qsizetype i = 1; i < path.size(); ++i) {
        segments.append(QLineF(path[i - 1], path[i]));
        total += segments.last().length();
    }
    auto at = [&](double along, double across) {
        for (const QLineF &segment : segments) {
            if (along <= segment.length() || &segment == &segments.last()) {
                const QPointF direction = (segment.p2() - segment.p1()) / segment.length();
                const QPointF normal(-direction.y(), direction.x());
                const QPointF point = segment.p1() + direction * qMin(along, segment.length()) + normal * across;
                return QPoint(int(std::floor(point.x() + 0.5)), int(std::floor(point.y() + 0.5)));
            }
            along -= segment.length();
        }
        return path.last();
    };

    // Each streak is a thread of dashes that drifts a little across the band.
    FleckSequence random(seed);
    const int half = width / 2;
    const int threads = qMax(2, width / 3);
    for (int thread = 0; thread < threads; ++thread) {
        int across = -half + (thread * width + random.below(3)) / threads;
        double along = random.below(8);
        while (along < total) {
            const int dash = 5 + random.below(12);
            for (int i = 0; i < dash && along < total; ++i, along += 1.0) {
                if (random.chance(0.7)) {
                    const QPoint point = at(along, across);
                    fleckAt(picture, point.x(), point.y(), fleckFor);
                }
                if (random.chance(0.12))
                    across = qBound(-half, across + (random.chance(0.5) ? 1 : -1), half);
            }
            along += 3 + random.below(7);
        }
    }
}

void dotTexture(QImage &picture, const QRect &area, QRgb base, QRgb dot)
{
    const QRect clipped = area.intersected(picture.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (x % 2 == 0 && y % 2 == 0 && picture.pixel(x, y) == base)
                picture.setPixel(x, y, dot);
}

void cutHollows(QPainter &p, const QRect &body, const QList<BoreHollow> &hollows)
{
    for (const BoreHollow &hollow : hollows) {
        const QRect &r = hollow.rect;
        const QRect walls = r.adjusted(r.left() <= body.left() ? 0 : -1, r.top() <= body.top() ? 0 : -1,
                                       r.right() >= body.right() ? 0 : 1, r.bottom() >= body.bottom() ? 0 : 1);
        p.fillRect(walls & body, QColor::fromRgb(Colour::Black));
    }
    for (const BoreHollow &hollow : hollows)
        p.fillRect(hollow.rect & body, QColor::fromRgb(hollow.colour));
}

void drawStroke(QPainter &p, const QList<QPoint> &points, QRgb colour, int width)
{
    const int before = width / 2;
    const int after = width - before - 1;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1];
        const QPoint b = points[i];
        const QRect line(QPoint(qMin(a.x(), b.x()) - before, qMin(a.y(), b.y()) - before),
                         QPoint(qMax(a.x(), b.x()) + after, qMax(a.y(), b.y()) + after));
        p.fillRect(line, QColor::fromRgb(colour));
    }
}

void drawDashedStroke(QPainter &p, const QList<QPoint> &points, int dash, int gap)
{
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPoint from = points[i - 1];
        const QPoint to = points[i];
        const int length = qMax(qAbs(to.x() - from.x()), qAbs(to.y() - from.y()));
        const QPoint step = (to - from) / qMax(1, length);
        for (int start = 0; start < length; start += dash + gap)
            drawStroke(p, {from + step * start, from + step * qMin(start + dash, length)});
    }
}

void drawArrowhead(QPainter &p, QPointF from, QPointF tip, double length, double halfWidth)
{
    const QLineF shaft(from, tip);
    const QPointF along = (tip - from) / shaft.length();
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(Colour::Black));
    p.drawPolygon(QPolygonF({tip, base + across * halfWidth, base - across * halfWidth}));
    p.restore();
}

void drawDiamond(QPainter &p, QPoint centre, int half)
{
    p.save();
    p.setPen(QPen(QColor::fromRgb(Colour::Black), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygon({centre + QPoint(-half, 0), centre + QPoint(0, -half), centre + QPoint(half, 0),
                            centre + QPoint(0, half)}));
    p.restore();
}

void drawUprightZigZag(QPainter &p, const QRect &area, int peaks)
{
    const int segments = 2 * peaks;
    const double step = double(area.height() - 1) / segments;
    QPolygon zigzag;
    for (int i = 0; i <= segments; ++i) {
        const int y = area.bottom() - int(std::lround(i * step));
        int x = area.center().x();
        if (i != 0 && i != segments)
            x = (i % 2 == 1) ? area.left() : area.right();
        zigzag << QPoint(x, y);
    }
    p.save();
    p.setPen(QPen(QColor::fromRgb(Colour::Black), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(zigzag);
    p.restore();
}
