// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

// One thing a screen reader meets on a page: a label, an image, a push button, or
// an animation (every frame of a frame array, read as one).
struct ReadingItem {
    enum class Kind { Label, Image, Button, Animation };
    Kind kind = Kind::Label;
    QString name;  // the record's name; an animation's is its frame array's
    const LabelRecord *label = nullptr;
    const ImageRecord *image = nullptr;
    const ButtonRecord *button = nullptr;
    TwipRect rect;       // where it lies on the page; an animation: all its frames
    int storedPosition = 0;  // of its (first) record: an earlier one lies in front
};

// The page's labels, images, push buttons and animations in the order a reader
// meets them, derived from their places: the title first; then the page in
// columns, left to right, each read top to bottom (a vertical line that runs the
// page's height divides it into halves, each read whole; a wide text or picture
// over several columns is read before them; a label just beside an animation is
// read after it); on a page with animation buttons, the exit button last, as the
// Tab key reaches it last. Labels inside picture boxes belong to their frame and
// are not listed.
QList<ReadingItem> readingOrder(const PageDescription &description);

// The frame array whose animation the start or stop button `button` works on, or
// an empty string.
QString channelOfButton(const PageDescription &description, const QString &button);
