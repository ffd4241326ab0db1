#include "ProgramIcon.h"

#include "Canvas.h"
#include "Palette.h"

#include <QHash>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>

// Light red on the faces turned to the light, mid red on those turned away, dark
// red on every edge.
static QImage drawSmallIcon()
{
    static const char *const rows[16] = {
        "................",
        "..DDDDDDDDD.....",
        "..DLLLLLLLLDD...",
        "..DLRRRRRRRRMD..",
        "..DLRMDDDDDLRMD.",
        "..DLRMD...DLRMD.",
        "..DLRMD...DLRMD.",
        "..DLRMD...DLRMD.",
        "..DLRMDDDDDLRMD.",
        "..DLRRRRRRRRMD..",
        "..DLRMMMMMMMD...",
        "..DLRMDDDDDD....",
        "..DLRMD.........",
        "..DLRMD.........",
        "..DDDDD.........",
        "................",
    };
    static const QHash<char, QRgb> colours = {
        {'.', Colour::White}, {'D', Colour::DarkRed}, {'M', Colour::MidRed},
        {'R', Colour::Red},   {'L', Colour::LightRed},
    };
    QImage picture = blankPicture(QSize(16, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, colours.value(rows[y][x]));
    return picture;
}

// The letter as a stroke of width `width` along its centre line, in units of a
// sixteenth of the icon: the stem from the foot up, the top bar, the round of the
// bowl and back to the stem. `footLift` raises the foot (to inset the flat end).
static QPainterPath letterStroke(qreal unit, qreal width, qreal footLift)
{
    const qreal stemX = 2.5 + 4.5 / 2, topY = 1 + 4.5 / 2, bowlY = 12 - 4.5 / 2;
    const qreal radius = (bowlY - topY) / 2, bowlX = 14.5 - 4.5 / 2 - radius;
    QPainterPath centre;
    centre.moveTo(stemX * unit, (15 - footLift) * unit);
    centre.lineTo(stemX * unit, topY * unit);
    centre.lineTo(bowlX * unit, topY * unit);
    centre.arcTo(QRectF((bowlX - radius) * unit, topY * unit, 2 * radius * unit, 2 * radius * unit), 90, -180);
    centre.lineTo(stemX * unit, bowlY * unit);
    QPainterPathStroker stroker;
    stroker.setWidth(width * unit);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(centre).simplified();
}

static QImage drawLargeIcon(int size)
{
    const qreal unit = size / 16.0;
    const qreal edge = std::max(1.0, std::round(size / 40.0)) / unit;   // in sixteenths
    const qreal bevel = std::max(1.0, std::round(size / 22.0));          // in pixels

    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Colour::White);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    painter.fillPath(letterStroke(unit, 4.5, 0), QColor::fromRgb(Colour::DarkRed));
    const QPainterPath face = letterStroke(unit, 4.5 - 2 * edge, edge);
    painter.fillPath(face, QColor::fromRgb(Colour::Red));
    painter.fillPath(face.subtracted(face.translated(bevel, bevel)), QColor::fromRgb(Colour::LightRed));
    painter.fillPath(face.subtracted(face.translated(-bevel, -bevel)), QColor::fromRgb(Colour::MidRed));
    return picture;
}

QImage drawProgramIcon(int size)
{
    return size == 16 ? drawSmallIcon() : drawLargeIcon(size);
}

const QList<int> &desktopIconSizes()
{
    static const QList<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

QString desktopIconPath(int size)
{
    return QStringLiteral("hicolor/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(desktopIconName));
}
