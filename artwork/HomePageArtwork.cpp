// SPDX-License-Identifier: GPL-3.0-or-later
// The home page: a raised picture button for each component page, and the red "P"
// icon of the page and of the program.
#include "Artwork.h"
#include "Canvas.h"
#include "ComponentPages.h"
#include "Palette.h"
#include "ProgramIcon.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

// A pale yellow face with a sparse regular dot texture, raised by a light bevel on
// the top and left edges and a dark one on the bottom and right edges.
static void drawButtonFace(QImage &picture)
{
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    picture.fill(Colour::LightYellow);
    for (int y = 2; y < bottom - 1; y += 2)
        for (int x = 2 + (y % 4 == 0 ? 2 : 0); x < right - 1; x += 4)
            picture.setPixel(x, y, Colour::DottedYellow);

    for (int x = 0; x < right; ++x)
        picture.setPixel(x, 0, Colour::White);
    for (int y = 0; y < bottom; ++y)
        picture.setPixel(0, y, Colour::White);
    for (int x = 1; x < right - 1; ++x)
        picture.setPixel(x, 1, Colour::PaleYellow);
    for (int y = 1; y < bottom - 1; ++y)
        picture.setPixel(1, y, Colour::PaleYellow);

    for (int x = 1; x < right; ++x)
        picture.setPixel(x, bottom - 1, Colour::OliveGrey);
    for (int y = 1; y < bottom; ++y)
        picture.setPixel(right - 1, y, Colour::OliveGrey);
    for (int x = 0; x <= right; ++x)
        picture.setPixel(x, bottom, Colour::DeepGrey);
    for (int y = 0; y <= bottom; ++y)
        picture.setPixel(right, y, Colour::DeepGrey);
}

static QFont buttonFont(qreal letterSpacing)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    // Unhinted outlines keep the bold strokes two pixels wide at this size.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

// A valve's ways and positions ("3/2") get a pixel more between their characters,
// so the slash stands clear of the digits; a line too long for the face keeps a
// pixel's margin on each side by setting its letters half a pixel closer.
static QFont lineFont(const QString &line, int faceWidth)
{
    const QFont font = buttonFont(line.contains(u'/') ? 1 : 0);
    if (QFontMetrics(font).tightBoundingRect(line).width() <= faceWidth - 2)
        return font;
    return buttonFont(-0.5);
}

// The caption in black bold letters, each line centred across the face. The block
// of lines is centred on the face by its capital letters, so accents and
// descenders do not move a line off the common baselines.
static void drawButtonText(QImage &picture, const QStringList &lines)
{
    const int faceLeft = 2;
    const int faceWidth = picture.width() - 4;
    const int lineStep = 11;
    const int capHeight = QFontMetrics(buttonFont(0)).capHeight();
    const int blockHeight = capHeight + lineStep * (lines.size() - 1);
    int baseline = (picture.height() - blockHeight + 1) / 2 + capHeight;

    PicturePainter p(&picture);
    p.setPen(QColor::fromRgb(Colour::Black));
    for (const QString &line : lines) {
        const QFont font = lineFont(line, faceWidth);
        const QRect ink = QFontMetrics(font).tightBoundingRect(line);
        p.setFont(font);
        p.drawText(faceLeft + (faceWidth - ink.width()) / 2 - ink.left(), baseline, line);
        baseline += lineStep;
    }
}

static QImage drawButton(const QStringList &lines, QSize size)
{
    QImage picture = blankPicture(size);
    drawButtonFace(picture);
    drawButtonText(picture, lines);
    return picture;
}

QList<ArtworkEntry> homePageArtwork()
{
    QList<ArtworkEntry> entries;
    entries.append({PageName::Home, QStringLiteral("icon"),
                    [](int, QSize size) { return drawProgramIcon(size.width()); }});
    for (const ComponentPage &row : componentPages()) {
        const QStringList lines = row.homeButton.words.split(u' ');
        entries.append({PageName::Home, row.homeButton.image,
                        [lines](int, QSize size) { return drawButton(lines, size); }});
    }
    return entries;
}
