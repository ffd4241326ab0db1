#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

// Breaks a label's caption into the lines it is drawn on. Lines break only at
// spaces; the spaces at a break are dropped; runs of spaces inside a line are kept,
// so a long run pushes the following text onto the next line.
//
// One refinement keeps the port legends ("P = Entrada de pressió         A = ...")
// one entry per line whatever the font's exact widths: a run of three or more
// spaces separates phrases, and a phrase that fits the width on a line of its own
// is never split — it goes whole onto the current line if it fits there, otherwise
// it starts the next line. Every other text wraps word by word.
QStringList wrapCaption(const QString &caption, const QFontMetricsF &metrics, qreal width);
