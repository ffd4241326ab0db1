#include "HomePage.h"

#include "NavigationActions.h"
#include "PageNames.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;
using namespace PageName;

static constexpr ColourValue LightYellow = 0x00C0FFFF;
static constexpr ColourValue Red = 0x000000FF;
static constexpr ColourValue DarkBlue = 0x00C00000;

// A home-page label: drawn on the page's own light yellow.
static LabelRecord homeLabel(const QString &name, TwipRect rect, const QString &caption,
                             std::optional<FontSpec> font, ColourValue foreground, Alignment alignment,
                             qint16 tabIndex)
{
    return {.name = name, .rect = rect, .caption = caption, .background = LightYellow, .foreground = foreground,
            .font = font, .alignment = alignment, .tabIndex = tabIndex};
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

PageContent homePage()
{
    const FontSpec title{.face = "Dutch801 XBd BT", .points = 36, .weight = 700, .italic = true};
    // A picture button: its image, the words drawn on its picture (what screen
    // readers read out) and the component page a press opens.
    QHash<QString, QString> words;
    auto pictureButton = [&words](const QString &name, TwipRect rect, const QString &text, const QString &target) {
        words.insert(name, text);
        ImageRecord button = image(Home, name, rect);
        button.target = target;
        return button;
    };
    PageContent page{
        .description = {
            .name = Home,
            .caption = "",
            .background = LightYellow,
            .icon = iconPictureName(Home),
            .clientRect = {60, 345, 11880, 8595},
            .controls = {
                ButtonRecord{.name = "cmdSortir", .rect = {9360, 5400, 975, 375}, .caption = "&Sortir",
                             .tabIndex = 2, .maskColour = 0x00E0E0E0},
                pictureButton("imgEscapRàpidboto", {9360, 4080, 900, 450}, "Escapament Ràpid", QuickExhaustValve),
                pictureButton("imgLubricador", {3960, 4080, 900, 450}, "Lubricador", Lubricator),
                pictureButton("imgReguladorPressió", {3960, 3360, 900, 450}, "Regulador Pressió", PressureRegulator),
                pictureButton("imgFiltre", {3960, 2640, 900, 450}, "Filtre", Filter),
                homeLabel("lblCondicionament", {3600, 2160, 1695, 255}, "Condicionament", Arial975Bold, Red, Left, 6),
                homeLabel("LblVaries", {7440, 2160, 3015, 255}, "Regulació, control i bloqueig", SansSerif975Bold, Red, Centre, 5),
                homeLabel("lblDistribuïdors", {5520, 2160, 1455, 255}, "Distribuïdors", SansSerif975Bold, Red, Centre, 4),
                homeLabel("lblCompressors", {1920, 2160, 1455, 255}, "Compressors", SansSerif975Bold, Red, Centre, 3),
                pictureButton("ImgPistonsBoto", {2160, 2640, 900, 450}, "Compr. Pistons", PistonCompressor),
                pictureButton("ImgPaletesBoto", {2160, 3360, 900, 450}, "Compr. Paletes", VaneCompressor),
                pictureButton("ImgReguladoraBoto", {9360, 3360, 900, 450}, "Reguladora", FlowRegulator),
                pictureButton("ImgLimitadoraBoto", {9360, 2640, 900, 450}, "Limitadora", LimitingValve),
                pictureButton("ImgAntiretornBoto", {7560, 4080, 900, 450}, "Antiretorn", NonReturnValve),
                pictureButton("ImgORBoto", {7560, 3360, 900, 450}, "OR", ShuttleValve),
                pictureButton("imgAndBoto", {7560, 2640, 900, 450}, "AND", TwoPressureValve),
                pictureButton("imgV52Boto", {5760, 4080, 900, 450}, "Vàlvula 5/2", Valve52),
                pictureButton("imgV42Boto", {5760, 3360, 900, 450}, "Vàlvula 4/2", Valve42),
                pictureButton("ImgV32Boto", {5760, 2640, 900, 450}, "Vàlvula 3/2", Valve32),
                homeLabel("Label1", {9360, 6120, 1935, 495}, "Ventiro     Quelmar", std::nullopt, SystemColour::ButtonText, Left, 1),
                homeLabel("lblTítolPrograma", {2400, 1080, 7815, 855}, "Ventiro", title, DarkBlue, Left, 0),
            },
        },
        .handlers = {{"cmdSortir", Click, endProgram()}},
    };
    page.description.pictureNames = words;
    page.handlers += pictureButtonHandlers(page.description.controls);
    return page;
}
