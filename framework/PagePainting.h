// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LabelLayout.h"
#include "PageDescription.h"

#include <QImage>
#include <QPainter>

// Drawing of the controls that are painted on their container's surface.

QRect pixelRect(const TwipRect &rect);

// Fills the label's rectangle with its background, then draws its caption broken
// into lines, each aligned as the label says; lines past the bottom are cut off.
void paintLabel(QPainter &painter, const LabelRecord &label);

// The label's font, and its lines where paintLabel draws them (in its container's pixels).
QFont labelFont(const LabelRecord &label);
QList<LabelLine> labelLines(const LabelRecord &label);

// A picture at natural size from the rectangle's top-left corner, cut at its edges.
void paintPicture(QPainter &painter, const QRect &rect, const QImage &picture);

void paintLine(QPainter &painter, const LineRecord &line);
