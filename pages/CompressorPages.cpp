// SPDX-License-Identifier: GPL-3.0-or-later
// The piston and vane compressor pages: one animation of the compressor in section,
// running from the moment the page opens, with the same two texts on both pages.
#include "NavigationActions.h"
#include "PageContent.h"
#include "PageNames.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;

static constexpr char HowItWorks[] =
    "Aquest tipus de compressor es basa en el mecanisme de biela - manovella, el qual transforma el moviment "
    "circular procedent de l'eix d'un motor en rectilini alternatiu. Té una vàlvula d'admissió per on entra l'aire "
    "durant 1/2 volta de la manovella per omplir el cilindre. Una vegada ple, es tanca la vàlvula d'admissió i "
    "sobre la vàlvula d'escapament, per on sortirà l'aire comprimit.";
static constexpr char InUse[] =
    "Són uns compressors sorollosos i treuen l'aire per impulsos. Dónen pressions de 3 a 10 bars, i cal disposar a "
    "la sortida de l'aire comprimit d'un refrigerador.";

PageContent pistonCompressorPage()
{
    const QString &P = PageName::PistonCompressor;
    const TwipRect section{1320, 960, 4095, 6255};
    return {
        .description = {
            .name = P,
            .caption = "Compressor de pistons o d'èmbol",
            .clientRect = {165, 450, 11880, 7860},
            .controls = {
                button("cmdSortir", {10080, 7320, 975, 375}, "&Sortir", 14),
                frame(P, "picCompressorDePistons", 7, section, 13, Hidden),
                frame(P, "picCompressorDePistons", 6, section, 12, Hidden),
                frame(P, "picCompressorDePistons", 5, section, 11, Hidden),
                frame(P, "picCompressorDePistons", 4, section, 4, Hidden),
                frame(P, "picCompressorDePistons", 3, section, 3, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picCompressorDePistons", 0, section, 2, Hidden),
                frame(P, "picCompressorDePistons", 2, {1320, 960, 4095, 6015}, 1, Hidden),
                frame(P, "picCompressorDePistons", 1, {1320, 960, 4095, 6135}, 0, Visible),
                heading("lblTitolSimbol", {7800, 6120, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 15),
                image(P, "ImgSimbol", {7800, 6600, 2025, 1125}),
                label("lblEntrada", {120, 1080, 1215, 615}, "ENTRADA D'AIRE", SansSerif975Bold, Left, 5),
                label("lblSortida", {5520, 1080, 1095, 735}, "SORTIDA D'AIRE", SansSerif975Bold, Left, 6),
                heading("lblFuncionament", {8040, 840, 1695, 255}, "FUNCIONAMENT", Arial975Bold, Left, 10),
                label("lblExplicacio1", {8040, 4680, 2895, 1455}, InUse, Arial975, Left, 9),
                label("lblExplicacio", {8040, 1320, 2895, 3255}, HowItWorks, Arial975, Left, 8),
                title("lblTitol", {960, 360, 4575, 255}, "COMPRESSOR DE PISTONS O ÈMBOL", Arial12Bold, Centre, 7),
            },
            .channels = {runningChannel("tmrRellotge", "picCompressorDePistons")},
            .pictureNames = {
                {"picCompressorDePistons", "Animació del compressor de pistons"},
                {"ImgSimbol", "Símbol del compressor"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent vaneCompressorPage()
{
    const QString &P = PageName::VaneCompressor;
    const TwipRect section{1320, 960, 6855, 6255};
    return {
        .description = {
            .name = P,
            .caption = "Compressor de paletes",
            .clientRect = {165, 450, 11880, 8325},
            .controls = {
                button("cmdSortir", {10560, 7320, 1215, 375}, "&Sortir", 12),
                frame(P, "picCompressorDePaletes", 5, section, 10, Hidden),
                frame(P, "picCompressorDePaletes", 4, section, 4, Hidden),
                frame(P, "picCompressorDePaletes", 3, section, 3, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picCompressorDePaletes", 0, section, 2, Hidden),
                frame(P, "picCompressorDePaletes", 2, section, 1, Hidden),
                frame(P, "picCompressorDePaletes", 1, section, 0, Visible),
                image(P, "ImgSimbol", {8400, 6600, 2025, 1125}),
                heading("lblTitolSimbol", {8280, 6240, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 13),
                label("lblSortida", {120, 1920, 1095, 735}, "SORTIDA D'AIRE", SansSerif975Bold, Left, 11),
                label("lblEntrada", {120, 5400, 1215, 615}, "ENTRADA D'AIRE", SansSerif975Bold, Left, 5),
                heading("lblFuncionament", {8760, 840, 1695, 255}, "FUNCIONAMENT", Arial975Bold, Left, 9),
                label("lblExplicacio1", {8640, 4800, 2895, 1455}, InUse, Arial975, Left, 8),
                label("lblExplicacio", {8640, 1320, 2895, 3255}, HowItWorks, Arial975, Left, 7),
                title("lblTitol", {840, 360, 4575, 255}, "COMPRESSOR DE PALETES", Arial12Bold, Centre, 6),
            },
            .channels = {runningChannel("tmrRellotge", "picCompressorDePaletes")},
            .pictureNames = {
                {"picCompressorDePaletes", "Animació del compressor de paletes"},
                {"ImgSimbol", "Símbol del compressor"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}
