// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

// Breaks a label's caption into the lines it is drawn on. Lines break only at
// spaces; the spaces at a break are dropped; runs of spaces inside a line are kept,
// so a long run pushes the following text onto the next line.
//
// A run of three or more spaces is taken the way the page texts use it: as the
// end of a phrase (a port legend entry, a paragraph). The phrase after it stays on
// the current line only if it fits there whole; otherwise it starts the next line
// and wraps word by word from there. This keeps the port legends
// ("P = Entrada de pressió         A = ...") one entry per line whatever the font's
// exact widths. Texts without such runs wrap word by word.
QStringList wrapCaption(const QString &caption, const QFontMetricsF &metrics, qreal width);

// One line of a label as it is drawn: its text and the start of its baseline.
struct LabelLine {
    QString text;
    QPointF baseline;
    bool operator==(const LabelLine &) const = default;
};

// Where each line of a caption is drawn inside the label's rectangle (in pixels).
// The first baseline lies the font's ascent, rounded up to whole pixels, below the
// top, so accented capitals stay whole inside a label one font-line high even
// where the descent would reach past its bottom. Lines follow one another at the
// font's whole-pixel line height; a line that would start below the rectangle is
// not drawn.
QList<LabelLine> layoutLabel(const QString &caption, const QFont &font, const QRect &rect, Alignment alignment);
