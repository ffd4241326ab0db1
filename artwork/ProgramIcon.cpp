// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

#include "Canvas.h"
#include "Palette.h"

#include <QHash>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>

// Light red on the faces turned to the light, mid red on those turned away, dark
// red on every edge.
static QImage drawSmallIcon(QRgb ground)
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
    const QHash<char, QRgb> colours = {
        {'.', ground}, {'D', Colour::DarkRed}, {'M', Colour::MidRed},
        {'R', Colour::Red},   {'L', Colour::LightRed},
    };
    QImage picture(16, 16, qAlpha(ground) == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
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

// The drawing of the larger sizes as outlines in pixels, each filled with its
// colour over the ones before: the dark red edge, the red face, then the light red
// bevel on the faces turned to the light and the mid red one on those turned away.
struct IconLayer {
    QPainterPath outline;
    QRgb colour;
};

static QList<IconLayer> largeIconLayers(int size)
{
    const qreal unit = size / 16.0;
    const qreal edge = std::max(1.0, std::round(size / 40.0)) / unit;   // in sixteenths
    const qreal bevel = std::max(1.0, std::round(size / 22.0));          // in pixels
    const QPainterPath face = letterStroke(unit, 4.5 - 2 * edge, edge);
    return {
        {letterStroke(unit, 4.5, 0), Colour::DarkRed},
        {face, Colour::Red},
        {face.subtracted(face.translated(bevel, bevel)), Colour::LightRed},
        {face.subtracted(face.translated(-bevel, -bevel)), Colour::MidRed},
    };
}

static QImage drawLargeIcon(int size, QRgb ground)
{
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(ground);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const IconLayer &layer : largeIconLayers(size))
        painter.fillPath(layer.outline, QColor::fromRgb(layer.colour));
    return picture;
}

QImage drawProgramIcon(int size)
{
    return size == 16 ? drawSmallIcon(Colour::White) : drawLargeIcon(size, Colour::White);
}

QImage drawDesktopIcon(int size)
{
    const QRgb transparent = qRgba(0, 0, 0, 0);
    return size == 16 ? drawSmallIcon(transparent) : drawLargeIcon(size, transparent);
}

// A number of an SVG path: at most three decimals, without trailing zeros.
static QByteArray svgNumber(qreal value)
{
    QByteArray text = QByteArray::number(std::round(value * 1000) / 1000, 'f', 3);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

// The path's commands, a line of at most about 100 characters each.
static QByteArray svgPathData(const QPainterPath &path)
{
    QList<QByteArray> commands;
    const auto point = [](const QPainterPath::Element &e) { return svgNumber(e.x) + ' ' + svgNumber(e.y); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo()) {
            if (!commands.isEmpty())
                commands.append("Z");
            commands.append("M" + point(element));
        } else if (element.isLineTo()) {
            commands.append("L" + point(element));
        } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
            commands.append("C" + point(element) + ' ' + point(path.elementAt(i + 1)) + ' '
                            + point(path.elementAt(i + 2)));
            i += 2;
        }
    }
    if (!commands.isEmpty())
        commands.append("Z");
    QByteArray data, line;
    for (const QByteArray &command : commands) {
        if (!line.isEmpty() && line.size() + command.size() > 90) {
            data += line + "\n           ";
            line.clear();
        }
        line += command;
    }
    return data + line;
}

QByteArray drawScalableIcon()
{
    constexpr int size = 256;
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"256\" height=\"256\" "
                     "viewBox=\"0 0 256 256\">\n";
    for (const IconLayer &layer : largeIconLayers(size)) {
        const QByteArray rule = layer.outline.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
        svg += "  <path fill=\"" + QColor::fromRgb(layer.colour).name().toLatin1() + "\" fill-rule=\"" + rule
               + "\" d=\"" + svgPathData(layer.outline) + "\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
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

QString scalableIconPath()
{
    return QStringLiteral("hicolor/scalable/apps/%1.svg").arg(QLatin1String(desktopIconName));
}
