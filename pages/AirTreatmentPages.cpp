// SPDX-License-Identifier: GPL-3.0-or-later
// The air-treatment pages: filter, pressure regulator and lubricator. Each shows one
// animation of the unit in section, running from the moment the page opens; no frame
// is visible in the description, Load shows frame 0.
#include "NavigationActions.h"
#include "PageContent.h"
#include "PageNames.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;

static constexpr TwipRect TreatmentClientRect{165, 450, 11880, 8595};

PageContent filterPage()
{
    const QString &P = PageName::Filter;
    const TwipRect section{1440, 720, 4935, 7335};
    return {
        .description = {
            .name = P,
            .caption = "FILTRE",
            .clientRect = TreatmentClientRect,
            .controls = {
                frame(P, "picFiltre", 4, section, 11, Hidden),
                frame(P, "picFiltre", 3, section, 10, Hidden),
                frame(P, "picFiltre", 2, section, 9, Hidden),
                frame(P, "picFiltre", 1, section, 8, Hidden),
                button("cmdSortir", {10080, 6480, 975, 375}, "&Sortir", 7),
                frame(P, "picFiltre", 0, section, 6, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picFiltre", 5, section, 12, Hidden),
                image(P, "Image1", {8040, 5880, 2025, 1125}),
                heading("lblTitolSimbol", {7920, 5520, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 13),
                label("lblEntrada", {240, 1080, 1215, 615}, "ENTRADA D'AIRE", SansSerif975Bold, Left, 0),
                label("lblSortida", {6360, 1080, 1095, 735}, "SORTIDA D'AIRE", SansSerif975Bold, Left, 1),
                heading("lblFuncionament", {8040, 240, 1695, 255}, "FUNCIONAMENT", Arial975Bold, Left, 5),
                label("lblExplicacio1", {8040, 600, 2895, 4935},
                      "La seva missió és la d'alliberar a l'aire comprimit que arriba a la xarxa de totes les "
                      "impureses:  brutícia, residus sòlids, vapors d'aigua, ...                                El "
                      "funcionament del filtre és el següent: A l'entrar l'aire en l'aparell  és centrifugat per "
                      "un deflector. Les partícules més pesants xoquen en la paret interna del vas i es precipiten "
                      "en la part baixa. Després d'aquesta primera separació l'aire, que només conté partícules "
                      "molt petites, passa a través d'un element filtrant que reté partícules de l'ordre d'entre 5 "
                      "i 50  microns. En el fons del vas es poden eliminar totes les impureses amb purgadors.",
                      Arial975, Left, 4),
                label("lblExplicacio", {8040, 1320, 2895, 615},
                      "El filtre forma part de la unitat de condicionament de l'aire.", Arial975, Left, 3),
                title("lblTitol", {1560, 240, 4575, 255}, "FILTRE", Arial12Bold, Centre, 2),
            },
            .channels = {runningChannel("tmrRellotge", "picFiltre")},
            .pictureNames = {
                {"picFiltre", "Animació del filtre"},
                {"Image1", "Símbol del filtre"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent pressureRegulatorPage()
{
    const QString &P = PageName::PressureRegulator;
    const TwipRect section{1800, 720, 3855, 4695};
    return {
        .description = {
            .name = P,
            .caption = " CONDICIONAMENT DE L'AIRE: REGULADOR DE PRESSIÓ",
            .clientRect = TreatmentClientRect,
            .controls = {
                frame(P, "picRegPressió", 3, section, 10, Hidden),
                frame(P, "picRegPressió", 2, section, 9, Hidden),
                frame(P, "picRegPressió", 1, section, 8, Hidden),
                button("cmdSortir", {10080, 7080, 975, 375}, "&Sortir", 7),
                frame(P, "picRegPressió", 0, section, 6, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picRegPressió", 5, section, 12, Hidden),
                frame(P, "picRegPressió", 4, section, 11, Hidden),
                label("lblEntrada", {720, 1800, 1215, 615}, "ENTRADA D'AIRE", SansSerif975Bold, Left, 0),
                image(P, "Image1", {3000, 5760, 2025, 1125}),
                heading("lblTitolSimbol", {3000, 5400, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 13),
                label("lblSortida", {5760, 1800, 1095, 615}, "SORTIDA D'AIRE", SansSerif975Bold, Left, 1),
                heading("lblFuncionament", {8040, 480, 1695, 255}, "FUNCIONAMENT", Arial975Bold, Left, 5),
                label("lblExplicacio1", {8040, 1560, 2895, 5415},
                      "La seva missió és, tal com diu el seu nom, la de regular  i mantenir constant la pressió "
                      "d'una instal·lació pneumàtica, per tal d'eliminar puntes de pressió i fluctuacions en tota "
                      "la xarxa.    La vàlvula de pressió regula la pressió de sortida mitjançant una membrana.En "
                      "la seva cara superior hi actua la pressió de sortida i en la seva cara inferior, es "
                      "col·loca una molla de força regulable mitjançant un cargol ajustable. D'aquesta manera es "
                      "pot graduar la pressió de sortida. Si augmenta la pressió de sortida, la membrana es mou "
                      "guanyant la força de la molla, de manera que la secciño de pas en lka junta de la vàlvula "
                      "varia constament o es pot arribar a tancar totalment.",
                      Arial975, Left, 4),
                label("lblExplicacio", {8040, 840, 2895, 735},
                      "El regulador de pressió forma part de la unitat de condicionament de l'aire.",
                      Arial975, Left, 3),
                title("lblTitol", {1560, 240, 4575, 255}, "REGULADOR DE PRESSIÓ", Arial12Bold, Centre, 2),
            },
            .channels = {runningChannel("tmrRellotge", "picRegPressió")},
            .pictureNames = {
                {"picRegPressió", "Animació del regulador de pressió"},
                {"Image1", "Símbol del regulador de pressió"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent lubricatorPage()
{
    const QString &P = PageName::Lubricator;
    const TwipRect section{1440, 720, 4935, 7335};
    return {
        .description = {
            .name = P,
            .caption = "LUBRIFICADOR",
            .clientRect = TreatmentClientRect,
            .controls = {
                frame(P, "picLubrificant", 4, section, 11, Hidden),
                frame(P, "picLubrificant", 3, section, 10, Hidden),
                frame(P, "picLubrificant", 2, section, 9, Hidden),
                frame(P, "picLubrificant", 1, section, 8, Hidden),
                button("cmdSortir", {10080, 7200, 975, 375}, "&Sortir", 7),
                frame(P, "picLubrificant", 0, section, 6, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picLubrificant", 5, section, 12, Hidden),
                label("lblSortida", {6480, 2520, 1095, 735}, "SORTIDA D'AIRE", SansSerif975Bold, Left, 1),
                image(P, "ImgSimbol", {8040, 6480, 2025, 1125}),
                heading("lblTitolSimbol", {8040, 6120, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 13),
                label("lblEntrada", {240, 2520, 1215, 615}, "ENTRADA D'AIRE", SansSerif975Bold, Left, 0),
                heading("lblFuncionament", {8040, 840, 1695, 255}, "FUNCIONAMENT", Arial975Bold, Left, 5),
                label("lblExplicacio1", {8040, 1800, 2895, 4215},
                      "Degut a que en els circuits pneumàtics hi ha components, tals com els cilindres i vàlvules, "
                      "que efectuen moviments per treballar i controlar el flux d'aire que hi circula, aquests es "
                      "desgasten a causa de la fricció. És per això que en el grup de condicionament de l'aire "
                      "comprimit s'hi intercala un lubrificador.                               El seu funcionament "
                      "es basa en l'efecte Venturi. El mateix flux d'aire que entra en el circuit és l'encarregat "
                      "de transportar unes minúscules gotes d'oli a tots el components mòbils",
                      Arial975, Left, 4),
                label("lblExplicacio", {8040, 1320, 3255, 615},
                      "El lubrificador forma part de la unitat de condicionament de l'aire.", Arial975, Left, 3),
                title("lblTitol", {960, 240, 4575, 255}, "LUBRIFICADOR", Arial12Bold, Centre, 2),
            },
            .channels = {runningChannel("tmrRellotge", "picLubrificant")},
            .pictureNames = {
                {"picLubrificant", "Animació del lubricador"},
                {"ImgSimbol", "Símbol del lubricador"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}
