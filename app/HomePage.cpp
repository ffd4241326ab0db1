#include "HomePage.h"

#include "NavigationActions.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;

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

PageContent homePage()
{
    const QString P = "frmHidràulica";
    const FontSpec title{.face = "Dutch801 XBd BT", .points = 36, .weight = 700, .italic = true};
    return {
        .description = {
            .name = P,
            .caption = "",
            .background = LightYellow,
            .icon = "frmHidràulica/icon.ico",
            .clientRect = {60, 345, 11880, 8595},
            .controls = {
                ButtonRecord{.name = "cmdSortir", .rect = {9360, 5400, 975, 375}, .caption = "&Sortir",
                             .tabIndex = 2, .maskColour = 0x00E0E0E0},
                image(P, "imgEscapRàpidboto", {9360, 4080, 900, 450}),
                image(P, "imgLubricador", {3960, 4080, 900, 450}),
                image(P, "imgReguladorPressió", {3960, 3360, 900, 450}),
                image(P, "imgFiltre", {3960, 2640, 900, 450}),
                homeLabel("lblCondicionament", {3600, 2160, 1695, 255}, "Condicionament", Arial975Bold, Red, Left, 6),
                homeLabel("LblVaries", {7440, 2160, 3015, 255}, "Regulació, control i bloqueig", SansSerif975Bold, Red, Centre, 5),
                homeLabel("lblDistribuïdors", {5520, 2160, 1455, 255}, "Distribuïdors", SansSerif975Bold, Red, Centre, 4),
                homeLabel("lblCompressors", {1920, 2160, 1455, 255}, "Compressors", SansSerif975Bold, Red, Centre, 3),
                image(P, "ImgPistonsBoto", {2160, 2640, 900, 450}),
                image(P, "ImgPaletesBoto", {2160, 3360, 900, 450}),
                image(P, "ImgReguladoraBoto", {9360, 3360, 900, 450}),
                image(P, "ImgLimitadoraBoto", {9360, 2640, 900, 450}),
                image(P, "ImgAntiretornBoto", {7560, 4080, 900, 450}),
                image(P, "ImgORBoto", {7560, 3360, 900, 450}),
                image(P, "imgAndBoto", {7560, 2640, 900, 450}),
                image(P, "imgV52Boto", {5760, 4080, 900, 450}),
                image(P, "imgV42Boto", {5760, 3360, 900, 450}),
                image(P, "ImgV32Boto", {5760, 2640, 900, 450}),
                homeLabel("Label1", {9360, 6120, 1935, 495}, "Ventiro     Quelmar", std::nullopt, SystemColour::ButtonText, Left, 1),
                homeLabel("lblTítolPrograma", {2400, 1080, 7815, 855}, "Ventiro", title, DarkBlue, Left, 0),
            },
            .pictureNames = {
                {"ImgPistonsBoto", "Compr. Pistons"},
                {"ImgPaletesBoto", "Compr. Paletes"},
                {"imgFiltre", "Filtre"},
                {"imgReguladorPressió", "Regulador Pressió"},
                {"imgLubricador", "Lubricador"},
                {"ImgV32Boto", "Vàlvula 3/2"},
                {"imgV42Boto", "Vàlvula 4/2"},
                {"imgV52Boto", "Vàlvula 5/2"},
                {"imgAndBoto", "AND"},
                {"ImgORBoto", "OR"},
                {"ImgAntiretornBoto", "Antiretorn"},
                {"ImgLimitadoraBoto", "Limitadora"},
                {"ImgReguladoraBoto", "Reguladora"},
                {"imgEscapRàpidboto", "Escapament Ràpid"},
            },
        },
        .handlers = {
            {"ImgPistonsBoto", MouseDown, openComponentPage("frmCompressorDePistons")},
            {"ImgPaletesBoto", MouseDown, openComponentPage("frmCompressorDePaletes")},
            {"imgFiltre", MouseDown, openComponentPage("frmFiltre")},
            {"imgReguladorPressió", MouseDown, openComponentPage("frmRegPressió")},
            {"imgLubricador", MouseDown, openComponentPage("frmLubrificant")},
            {"ImgV32Boto", MouseDown, openComponentPage("frmValvula32")},
            {"imgV42Boto", MouseDown, openComponentPage("frmValvula42")},
            {"imgV52Boto", MouseDown, openComponentPage("frmValvula52")},
            {"imgAndBoto", MouseDown, openComponentPage("frmSimultaneïtat")},
            {"ImgORBoto", MouseDown, openComponentPage("frmSelectora")},
            {"ImgAntiretornBoto", MouseDown, openComponentPage("frmAntiretorn")},
            {"ImgLimitadoraBoto", MouseDown, openComponentPage("frmLimitadora")},
            {"ImgReguladoraBoto", MouseDown, openComponentPage("frmReguladora")},
            {"imgEscapRàpidboto", MouseDown, openComponentPage("frmEscapamentRapid")},
            {"cmdSortir", Click, endProgram()},
        },
    };
}
