// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePainting.h"

#include "Fonts.h"
#include "LabelLayout.h"
#include "SystemColours.h"

QRect pixelRect(const TwipRect &rect)
{
    return {rect.left / TwipsPerPixel, rect.top / TwipsPerPixel, rect.width / TwipsPerPixel,
            rect.height / TwipsPerPixel};
}

QFont labelFont(const LabelRecord &label)
{
    return fontFor(label.font.value_or(pageDefaultFont()));
}

QList<LabelLine> labelLines(const LabelRecord &label)
{
    return layoutLabel(label.caption, labelFont(label), pixelRect(label.rect), label.alignment);
}

void paintLabel(QPainter &painter, const LabelRecord &label)
{
    const QRect rect = pixelRect(label.rect);
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, resolveColour(label.background));
    painter.setFont(labelFont(label));
    painter.setPen(resolveColour(label.foreground));
    for (const LabelLine &line : labelLines(label))
        painter.drawText(line.baseline, line.text);
    painter.restore();
}

void paintPicture(QPainter &painter, const QRect &rect, const QImage &picture)
{
    if (picture.isNull())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    // On a high-density screen each picture pixel becomes a block of whole pixels, never a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect.topLeft(), picture);
    painter.restore();
}

void paintLine(QPainter &painter, const LineRecord &line)
{
    painter.save();
    painter.setPen(QPen(resolveColour(line.colour), line.width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPoint(line.x1, line.y1) / TwipsPerPixel, QPoint(line.x2, line.y2) / TwipsPerPixel);
    painter.restore();
}
