// SPDX-License-Identifier: GPL-3.0-or-later
#include "SectionParts.h"

#include "DrawingBasics.h"
#include "Palette.h"

#include <cmath>

void drawSectionBody(QPainter &p, const QRect &body)
{
    p.fillRect(body, QColor::fromRgb(Colour::Black));
    p.fillRect(body.adjusted(2, 2, -2, -2), QColor::fromRgb(Colour::LightGrey));
}

// The cavity grown by the one-pixel wall it leaves in the body, except on a side that
// lies on the body's edge: there the hollow breaks through and its walls run to the edge.
static QRect wallsOf(const QRect &hollow, const QRect &body)
{
    return hollow.adjusted(hollow.left() <= body.left() ? 0 : -1, hollow.top() <= body.top() ? 0 : -1,
                           hollow.right() >= body.right() ? 0 : 1, hollow.bottom() >= body.bottom() ? 0 : 1);
}

void drawCavities(QPainter &p, const QRect &body, const QList<Cavity> &cavities)
{
    for (const Cavity &cavity : cavities) {
        if (const QRect hollow = cavity.rect & body; !hollow.isEmpty())
            p.fillRect(wallsOf(hollow, body), QColor::fromRgb(Colour::Black));
    }
    for (const Cavity &cavity : cavities)
        p.fillRect(cavity.rect & body, QColor::fromRgb(cavity.colour));
}

Cavity portPassage(const QRect &body, Side side, int centre, int width, int inner, QRgb colour)
{
    const int start = centre - width / 2;
    const int end = start + width - 1;
    switch (side) {
    case Side::Top:
        return {QRect(QPoint(start, body.top()), QPoint(end, inner)), colour};
    case Side::Bottom:
        return {QRect(QPoint(start, inner), QPoint(end, body.bottom())), colour};
    case Side::Left:
        return {QRect(QPoint(body.left(), start), QPoint(inner, end)), colour};
    case Side::Right:
        return {QRect(QPoint(inner, start), QPoint(body.right(), end)), colour};
    }
    return {};
}

void drawSealSquare(QPainter &p, QPoint centre, int size)
{
    p.fillRect(QRect(centre.x() - size / 2, centre.y() - size / 2, size, size), QColor::fromRgb(Colour::Black));
}

// A moving part in dark grey with a lighter streak near its top edge, so the round
// spool and rod read as solid cylinders.
static void drawRoundPart(QPainter &p, const QRect &part)
{
    fillOutlined(p, part, Colour::DarkGrey);
    if (part.width() > 6 && part.height() > 10)
        p.fillRect(QRect(part.left() + 2, part.top() + 3, part.width() - 4, 2), QColor::fromRgb(Colour::MidGrey));
}

void drawSpool(QPainter &p, const Spool &spool)
{
    if (spool.lands.isEmpty())
        return;
    const int centre = (spool.boreTop + spool.boreBottom + 1) / 2;
    const int stemTop = centre - spool.stemHeight / 2;
    const int first = spool.lands.first().first;
    const int last = spool.lands.last().second;
    drawRoundPart(p, QRect(first, stemTop, last - first, spool.stemHeight));

    for (const auto &[left, right] : spool.lands) {
        drawRoundPart(p, QRect(left, spool.boreTop - 1, right - left, spool.boreBottom - spool.boreTop + 3));
        const int width = right - left;
        const QList<int> seals = width >= 36 ? QList<int>{left + 9, right - 9} : QList<int>{left + width / 2};
        for (int x : seals) {
            drawSealSquare(p, QPoint(x, spool.boreTop + 1));
            drawSealSquare(p, QPoint(x, spool.boreBottom));
        }
    }
}

void drawCoilSpring(QPainter &p, const QRect &span, int coils, Qt::Orientation axis)
{
    const bool horizontal = axis == Qt::Horizontal;
    const int start = horizontal ? span.left() : span.top();
    const int length = horizontal ? span.width() : span.height();
    const int near = (horizontal ? span.top() : span.left()) + 1;
    const int far = (horizontal ? span.bottom() : span.right()) - 1;
    auto at = [&](double along, int across) {
        const int a = start + qRound(along);
        return horizontal ? QPoint(a, across) : QPoint(across, a);
    };
    const double pitch = double(length - 2) / coils;

    // The far half of every turn, seen through the coil, then the near half over it.
    for (int i = 0; i < coils; ++i)
        drawLine(p, at(1 + (i + 0.5) * pitch, far), at(1 + (i + 1) * pitch, near), Colour::MidGrey, 1);
    for (int i = 0; i < coils; ++i)
        drawLine(p, at(1 + i * pitch, near), at(1 + (i + 0.5) * pitch, far), Colour::Black, 1);
    // The wire, cut where each turn passes the top and the bottom of the coil.
    for (int i = 0; i <= coils; ++i) {
        p.fillRect(QRect(at(1 + i * pitch, near) - QPoint(1, 1), QSize(3, 3)), QColor::fromRgb(Colour::Black));
        if (i < coils)
            p.fillRect(QRect(at(1 + (i + 0.5) * pitch, far) - QPoint(1, 1), QSize(3, 3)), QColor::fromRgb(Colour::Black));
    }
    // Closed, ground ends.
    drawLine(p, at(0, near), at(0, far), Colour::Black, 2);
    drawLine(p, at(length - 2, near), at(length - 2, far), Colour::Black, 2);
}

void drawPushRod(QPainter &p, int fromX, int headX, int centreY, Side outward, int rodHeight, int headHeight,
                 int headDepth)
{
    const int rodTop = centreY - rodHeight / 2;
    const int headTop = centreY - headHeight / 2;
    const int plate = qMax(3, headDepth * 2 / 5);
    const int dome = headDepth - plate + 1;
    const bool right = outward == Side::Right;

    const int rodLeft = right ? fromX : headX;
    const int rodRight = right ? headX : fromX;
    drawRoundPart(p, QRect(QPoint(rodLeft, rodTop), QPoint(rodRight, rodTop + rodHeight - 1)));

    // The dome, row by row: a half ellipse in black with a one-pixel smaller one in
    // dark grey inside it.
    const int base = right ? headX + plate - 1 : headX - plate + 1;
    const int step = right ? 1 : -1;
    const double radius = (headHeight - 1) / 2.0;
    const double middle = headTop + radius;
    auto reach = [](double depth, double halfHeight, double dy) {
        const double t = 1.0 - (dy * dy) / (halfHeight * halfHeight);
        return t <= 0 ? -1 : int(std::lround(depth * std::sqrt(t)));
    };
    for (int y = headTop; y < headTop + headHeight; ++y) {
        const double dy = y - middle;
        const int outer = reach(dome, radius + 0.5, dy);
        const int inner = reach(dome - 1, radius - 0.5, dy);
        for (int i = 0; i <= outer; ++i)
            p.fillRect(QRect(base + step * i, y, 1, 1), QColor::fromRgb(i <= inner ? Colour::DarkGrey : Colour::Black));
    }
    const QRect plateRect = right ? QRect(headX, headTop, plate, headHeight) : QRect(headX - plate + 1, headTop, plate, headHeight);
    fillOutlined(p, plateRect, Colour::DarkGrey);
}

void drawPortArrow(QPainter &p, QPoint mouth, Side side, Flow flow, int across, int length)
{
    const int gap = 3;
    const bool out = flow == Flow::Out;
    switch (side) {
    case Side::Top: {
        const int x = mouth.x() + across;
        if (out)
            drawArrow(p, QPoint(x, mouth.y() - gap), Direction::Up, length, Colour::Black);
        else
            drawArrow(p, QPoint(x, mouth.y() - gap - length), Direction::Down, length, Colour::Black);
        break;
    }
    case Side::Bottom: {
        const int x = mouth.x() + across;
        if (out)
            drawArrow(p, QPoint(x, mouth.y() + gap), Direction::Down, length, Colour::Black);
        else
            drawArrow(p, QPoint(x, mouth.y() + gap + length), Direction::Up, length, Colour::Black);
        break;
    }
    case Side::Left: {
        const int y = mouth.y() + across;
        if (out)
            drawArrow(p, QPoint(mouth.x() - gap, y), Direction::Left, length, Colour::Black);
        else
            drawArrow(p, QPoint(mouth.x() - gap - length, y), Direction::Right, length, Colour::Black);
        break;
    }
    case Side::Right: {
        const int y = mouth.y() + across;
        if (out)
            drawArrow(p, QPoint(mouth.x() + gap, y), Direction::Right, length, Colour::Black);
        else
            drawArrow(p, QPoint(mouth.x() + gap + length, y), Direction::Left, length, Colour::Black);
        break;
    }
    }
}
