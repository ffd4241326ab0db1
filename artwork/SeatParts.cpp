// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeatParts.h"

#include "Canvas.h"
#include "DrawingBasics.h"
#include "Palette.h"
#include "SectionParts.h"

#include <cmath>

static QList<QPoint> pixelsOf(const ConicalSeat &seat)
{
    QList<QPoint> pixels;
    const int length = qAbs(seat.wideAt - seat.narrowAt);
    const int step = seat.wideAt >= seat.narrowAt ? 1 : -1;
    for (int i = 0; i <= length; ++i) {
        const int along = seat.narrowAt + step * i;
        const int half = length == 0 ? seat.wideHalf
                                     : qRound(seat.narrowHalf + double(seat.wideHalf - seat.narrowHalf) * i / length);
        for (int across = seat.axis - half; across < seat.axis + half; ++across)
            pixels.append(seat.orientation == Qt::Horizontal ? QPoint(along, across) : QPoint(across, along));
    }
    return pixels;
}

void drawBodyWithSeats(QImage &picture, const QRect &body, const QList<QRect> &bores,
                       const QList<ConicalSeat> &seats, const AirColour &air)
{
    {
        PicturePainter p(&picture);
        drawSectionBody(p, body);
        QList<Cavity> cavities;
        for (const QRect &bore : bores)
            cavities.append({bore, Colour::White});
        drawCavities(p, body, cavities);
    }

    // While the hollow is being cut it is white: the body holds no other white.
    QList<QPoint> seatPixels;
    for (const ConicalSeat &seat : seats)
        seatPixels += pixelsOf(seat);
    for (const QPoint &pixel : seatPixels)
        if (body.contains(pixel))
            picture.setPixel(pixel, Colour::White);
    for (const QPoint &pixel : seatPixels) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint next = pixel + QPoint(dx, dy);
                if (body.contains(next) && picture.pixel(next) != Colour::White)
                    picture.setPixel(next, Colour::Black);
            }
        }
    }

    for (int y = body.top(); y <= body.bottom(); ++y)
        for (int x = body.left(); x <= body.right(); ++x)
            if (picture.pixel(x, y) == Colour::White)
                picture.setPixel(x, y, air(QPoint(x, y)));
}

// The cone's wall in (along, half-width) terms: half-width = narrowHalf + slope *
// distance from the narrow end. A ball resting in it lies half a pixel clear of the
// hollow's edge, so its rim falls on the wall and never on the body beyond.
struct ConeContact {
    double centre;
    double seal;
};

static ConeContact contactOf(const ConicalSeat &seat, double radius)
{
    const double length = qAbs(seat.wideAt - seat.narrowAt);
    const double direction = seat.wideAt >= seat.narrowAt ? 1.0 : -1.0;
    const double slope = (seat.wideHalf - seat.narrowHalf) / length;
    const double norm = std::sqrt(1.0 + slope * slope);
    const double reach = radius + 0.5;
    const double fromNarrow = (reach * norm - seat.narrowHalf) / slope;
    const double sealFromNarrow = fromNarrow - reach * slope / norm;
    return {seat.narrowAt + direction * fromNarrow, seat.narrowAt + direction * sealFromNarrow};
}

double restingBallCentre(const ConicalSeat &seat, double radius)
{
    return contactOf(seat, radius).centre;
}

double ballSealLine(const ConicalSeat &seat, double radius)
{
    return contactOf(seat, radius).seal;
}

void drawBall(QPainter &p, QPointF centre, double radius)
{
    const QPointF spot = centre - QPointF(radius, radius) * 0.38;
    const double spotRadius = radius * 0.28;
    for (int y = int(std::floor(centre.y() - radius)); y <= int(std::ceil(centre.y() + radius)); ++y) {
        for (int x = int(std::floor(centre.x() - radius)); x <= int(std::ceil(centre.x() + radius)); ++x) {
            const double distance = std::hypot(x - centre.x(), y - centre.y());
            if (distance > radius)
                continue;
            QRgb colour = Colour::DarkGrey;
            if (distance > radius - 1.2)
                colour = Colour::Black;
            else if (const double fromSpot = std::hypot(x - spot.x(), y - spot.y()); fromSpot <= spotRadius * 0.45)
                colour = Colour::PaleGrey;
            else if (fromSpot <= spotRadius)
                colour = Colour::MidGrey;
            p.fillRect(QRect(x, y, 1, 1), QColor::fromRgb(colour));
        }
    }
}

void drawMovingPart(QPainter &p, const QRect &part)
{
    fillOutlined(p, part, Colour::DarkGrey);
    if (part.width() > 6 && part.height() > 10)
        p.fillRect(QRect(part.left() + 2, part.top() + 3, part.width() - 4, 2), QColor::fromRgb(Colour::MidGrey));
}

void drawDiscShuttle(QPainter &p, const DiscShuttle &shuttle)
{
    const int discTop = shuttle.axis - shuttle.discHeight / 2;
    const int rodTop = shuttle.axis - shuttle.rodHeight / 2;
    drawMovingPart(p, QRect(QPoint(shuttle.left + shuttle.discWidth - 1, rodTop),
                           QPoint(shuttle.right - shuttle.discWidth + 1, rodTop + shuttle.rodHeight - 1)));
    const QRect leftDisc(shuttle.left, discTop, shuttle.discWidth, shuttle.discHeight);
    const QRect rightDisc(shuttle.right - shuttle.discWidth + 1, discTop, shuttle.discWidth, shuttle.discHeight);
    drawMovingPart(p, leftDisc);
    drawMovingPart(p, rightDisc);
    const QColor seal = QColor::fromRgb(Colour::Black);
    p.fillRect(QRect(leftDisc.right() - 2, discTop + 1, 3, shuttle.discHeight - 2), seal);
    p.fillRect(QRect(rightDisc.left(), discTop + 1, 3, shuttle.discHeight - 2), seal);
}
