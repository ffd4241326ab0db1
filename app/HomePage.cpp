// SPDX-License-Identifier: GPL-3.0-or-later
#include "HomePage.h"

#include "ComponentPages.h"
#include "NavigationActions.h"
#include "Records.h"

#include <QMap>

using enum Alignment;
using enum PageEvent;
using enum TextKind;
using namespace PageName;

static constexpr ColourValue LightYellow = 0x00C0FFFF;
static constexpr ColourValue Red = 0x000000FF;
static constexpr ColourValue DarkBlue = 0x00C00000;

// A home-page label: drawn on the page's own light yellow.
static LabelRecord homeLabel(const QString &name, TwipRect rect, const QString &caption,
                             std::optional<FontSpec> font, ColourValue foreground, Alignment alignment,
                             qint16 tabIndex, TextKind kind)
{
    return {.name = name, .rect = rect, .caption = caption, .background = LightYellow, .foreground = foreground,
            .font = font, .alignment = alignment, .tabIndex = tabIndex, .kind = kind};
}

// A press of any mouse button on a picture button opens its page.
static HandlerTable pictureButtonHandlers(const QList<ControlRecord> &controls)
{
    HandlerTable handlers;
    for (const ControlRecord &record : controls)
        if (const auto *image = std::get_if<ImageRecord>(&record); image && !image->target.isEmpty())
            handlers.append({image->name, MouseDown, openComponentPage(image->target)});
    return handlers;
}

// The records of the home page in stored order: its own records, with each
// component page's picture button at its stored position among them.
static QList<ControlRecord> withPictureButtons(QList<ControlRecord> own)
{
    QMap<int, ImageRecord> buttons;
    for (const ComponentPage &row : componentPages()) {
        ImageRecord button = image(Home, row.homeButton.image, row.homeButton.rect);
        button.target = row.page;
        Q_ASSERT_X(!buttons.contains(row.homeButton.storedPosition), "homePage", "two buttons at one position");
        buttons.insert(row.homeButton.storedPosition, button);
    }
    QList<ControlRecord> controls;
    const qsizetype count = own.size() + buttons.size();
    for (int position = 0; position < count; ++position)
        controls.append(buttons.contains(position) ? ControlRecord(buttons.value(position)) : own.takeFirst());
    Q_ASSERT_X(own.isEmpty(), "homePage", "a button's position lies beyond the page's records");
    return controls;
}

// What screen readers read for each picture button: the words on its picture.
static QHash<QString, QString> pictureButtonWords()
{
    QHash<QString, QString> words;
    for (const ComponentPage &row : componentPages())
        words.insert(row.homeButton.image, row.homeButton.words);
    return words;
}

PageContent homePage()
{
    const FontSpec title{.face = "Dutch801 XBd BT", .points = 36, .weight = 700, .italic = true};
    PageContent page{
        .description = {
            .name = Home,
            .caption = "",
            .background = LightYellow,
            .icon = iconPictureName(Home),
            .clientRect = {60, 345, 11880, 8595},
            .controls = withPictureButtons({
                ButtonRecord{.name = "cmdSortir", .rect = {9360, 5400, 975, 375}, .caption = "&Sortir",
                             .tabIndex = 2, .maskColour = 0x00E0E0E0},
                homeLabel("lblCondicionament", {3600, 2160, 1695, 255}, "Condicionament", Arial975Bold, Red, Left, 6, Heading),
                homeLabel("LblVaries", {7440, 2160, 3015, 255}, "Regulació, control i bloqueig", SansSerif975Bold, Red, Centre, 5, Heading),
                homeLabel("lblDistribuïdors", {5520, 2160, 1455, 255}, "Distribuïdors", SansSerif975Bold, Red, Centre, 4, Heading),
                homeLabel("lblCompressors", {1920, 2160, 1455, 255}, "Compressors", SansSerif975Bold, Red, Centre, 3, Heading),
                homeLabel("Label1", {9360, 6120, 1935, 495}, "Ventiro     Quelmar", std::nullopt, SystemColour::ButtonText, Left, 1, Text),
                homeLabel("lblTítolPrograma", {2400, 1080, 7815, 855}, "Ventiro", title, DarkBlue, Left, 0, Title),
            }),
            .pictureNames = pictureButtonWords(),
        },
        .handlers = {{"cmdSortir", Click, endProgram()}},
    };
    page.handlers += pictureButtonHandlers(page.description.controls);
    return page;
}
