// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"
#include "PictureCatalogue.h"

// Shorthands that keep each row of a page description on one line.

inline const FontSpec Arial12Bold{.face = "Arial", .points = 12, .weight = 700};
inline const FontSpec Arial975Bold{.face = "Arial", .points = 9.75, .weight = 700};
inline const FontSpec Arial975{.face = "Arial", .points = 9.75};
inline const FontSpec SansSerif12Bold{.face = "MS Sans Serif", .points = 12, .weight = 700};
inline const FontSpec SansSerif975Bold{.face = "MS Sans Serif", .points = 9.75, .weight = 700};
inline const FontSpec SansSerif975{.face = "MS Sans Serif", .points = 9.75};

inline constexpr bool Visible = true;
inline constexpr bool Hidden = false;

// Frame `index` of the frame array `array` on `page`, showing its own picture resource.
inline PictureBoxRecord frame(const QString &page, const QString &array, qint16 index, TwipRect rect,
                              qint16 tabIndex, bool visible, QList<LabelRecord> children = {})
{
    return {.name = array, .index = index, .rect = rect, .picture = framePictureName(page, array, index),
            .visible = visible, .tabIndex = tabIndex, .children = std::move(children)};
}

// The single image `name` on `page`, showing its own picture resource.
inline ImageRecord image(const QString &page, const QString &name, TwipRect rect)
{
    return {.name = name, .rect = rect, .picture = imagePictureName(page, name)};
}

// A page-coloured, opaque label (every label of a component page).
inline LabelRecord label(const QString &name, TwipRect rect, const QString &caption, const FontSpec &font,
                         Alignment alignment, qint16 tabIndex)
{
    return {.name = name, .rect = rect, .caption = caption, .font = font, .alignment = alignment,
            .tabIndex = tabIndex};
}

// The page's title, and a heading over a part of the page: labels like any other,
// read as headings.
inline LabelRecord title(const QString &name, TwipRect rect, const QString &caption, const FontSpec &font,
                         Alignment alignment, qint16 tabIndex)
{
    LabelRecord record = label(name, rect, caption, font, alignment, tabIndex);
    record.kind = TextKind::Title;
    return record;
}

inline LabelRecord heading(const QString &name, TwipRect rect, const QString &caption, const FontSpec &font,
                           Alignment alignment, qint16 tabIndex)
{
    LabelRecord record = label(name, rect, caption, font, alignment, tabIndex);
    record.kind = TextKind::Heading;
    return record;
}

inline ButtonRecord button(const QString &name, TwipRect rect, const QString &caption, qint16 tabIndex)
{
    return {.name = name, .rect = rect, .caption = caption, .tabIndex = tabIndex};
}

inline TimerRecord timer(const QString &name, bool enabled)
{
    return {.name = name, .enabled = enabled, .interval = 1000};
}

// The grey dividing lines of the two-animation pages, 4 pixels wide.
inline LineRecord line(const QString &name, int x1, int y1, int x2, int y2)
{
    return {.name = name, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = SystemColour::ButtonShadow, .width = 4};
}

// A channel that runs from the moment its page opens, without buttons.
inline ChannelRecord runningChannel(const QString &timer, const QString &array)
{
    return {.timer = timer, .frameArray = array, .runsAtOpening = true};
}

// A channel started and stopped by its buttons, stopped when its page opens.
inline ChannelRecord buttonChannel(const QString &timer, const QString &array, const QString &startButton,
                                   const QString &stopButton)
{
    return {.timer = timer, .frameArray = array, .startButton = startButton, .stopButton = stopButton,
            .runsAtOpening = false};
}
