// SPDX-License-Identifier: GPL-3.0-or-later
// The quick exhaust, pressure-limiting and one-way flow control valve pages: the
// valve in section on the left, the valve working in a small circuit on the right,
// each with its own start and stop buttons.
#include "NavigationActions.h"
#include "PageContent.h"
#include "PageNames.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;

static constexpr TwipRect CircuitBox{7800, 840, 3855, 3975};

PageContent quickExhaustValvePage()
{
    const QString &P = PageName::QuickExhaustValve;
    const TwipRect section{360, 960, 6975, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula d'escapament ràpid",
            .clientRect = {165, 450, 11880, 8595},
            .controls = {
                frame(P, "picCircuitEscapamentRàpid", 5, CircuitBox, 21, Hidden),
                frame(P, "picEscapamentRàpid", 1, section, 20, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 17),
                frame(P, "picCircuitEscapamentRàpid", 4, CircuitBox, 16, Hidden),
                frame(P, "picCircuitEscapamentRàpid", 3, CircuitBox, 15, Hidden),
                frame(P, "picCircuitEscapamentRàpid", 2, CircuitBox, 14, Hidden),
                frame(P, "picCircuitEscapamentRàpid", 1, CircuitBox, 13, Hidden),
                button("cmdPararCirc", {10080, 5160, 975, 375}, "P&arar", 12),
                button("cmdSimularCirEscapamentRàpid", {8040, 5160, 1095, 375}, "S&imular", 11),
                button("cmdPararEscapamentRàpid", {5280, 5160, 975, 375}, "&Parar", 10),
                button("cmdSimularEscapamentRàpid", {1800, 5160, 975, 375}, "&Simulació", 9),
                timer("tmrRellotge1", false),
                frame(P, "picCircuitEscapamentRàpid", 0, CircuitBox, 8, Visible),
                frame(P, "picEscapamentRàpid", 5, section, 5, Hidden),
                frame(P, "picEscapamentRàpid", 4, section, 3, Hidden),
                frame(P, "picEscapamentRàpid", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picEscapamentRàpid", 0, section, 1, Visible),
                frame(P, "picEscapamentRàpid", 2, section, 0, Hidden),
                label("lblOberturtes", {360, 6960, 2535, 855},
                      "P = Entrada de pressió         A = Sortida/Entrada cilindre   R = Escapament",
                      Arial975, Left, 22),
                image(P, "imgSimbol4_2", {8880, 6240, 2025, 1125}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 19),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 18),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 7),
                label("lblExplicació", {360, 6120, 6855, 855},
                      "Les vàlvules d'escapament ràpid s'utilitzen per augmentar la velocitat dels actuadors. "
                      "L'aire, procedent del cilindre, surt ràpidament a través d'un orifici (R) de la vàlvula "
                      "sense passar per la vàlvula distribuïdor.",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA D'ESCAPAMENT RÀPID", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picEscapamentRàpid", "cmdSimularEscapamentRàpid", "cmdPararEscapamentRàpid"),
                buttonChannel("tmrRellotge1", "picCircuitEscapamentRàpid", "cmdSimularCirEscapamentRàpid", "cmdPararCirc"),
            },
            .pictureNames = {
                {"picEscapamentRàpid", "Animació de la vàlvula d'escapament ràpid"},
                {"picCircuitEscapamentRàpid", "Animació del circuit"},
                {"imgSimbol4_2", "Símbol de la vàlvula d'escapament ràpid"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent limitingValvePage()
{
    const QString &P = PageName::LimitingValve;
    const TwipRect section{120, 960, 7215, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula Limitadora de pressió",
            .clientRect = {165, 165, 11880, 7800},
            .controls = {
                frame(P, "picCircuitLimit", 5, CircuitBox, 21, Hidden),
                frame(P, "picVàlvulaLimit", 1, section, 20, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 17),
                frame(P, "picCircuitLimit", 4, CircuitBox, 16, Hidden),
                frame(P, "picCircuitLimit", 3, CircuitBox, 15, Hidden),
                frame(P, "picCircuitLimit", 2, CircuitBox, 14, Hidden),
                frame(P, "picCircuitLimit", 1, CircuitBox, 13, Hidden),
                button("cmdPararCircLimit", {10080, 5160, 975, 375}, "P&arar", 12),
                button("cmdSimularCirLimit", {8040, 5160, 1095, 375}, "S&imular", 11),
                button("cmdPararLimit", {4200, 5160, 975, 375}, "&Parar", 10),
                button("cmdSimularLimit", {1080, 5160, 975, 375}, "&Simulació", 9),
                timer("tmrRellotge1", false),
                frame(P, "picCircuitLimit", 0, CircuitBox, 8, Visible),
                frame(P, "picVàlvulaLimit", 5, section, 5, Hidden),
                frame(P, "picVàlvulaLimit", 4, section, 3, Hidden),
                frame(P, "picVàlvulaLimit", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvulaLimit", 0, section, 1, Visible),
                frame(P, "picVàlvulaLimit", 2, section, 0, Hidden),
                label("Label1", {1440, 7440, 3855, 255}, "F = Pressió  x Àrea > Força de la molla",
                      SansSerif975, Left, 22),
                image(P, "imgSimbolLimit", {9120, 6120, 1545, 1365}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 19),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 18),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 7),
                label("lblExplicació", {360, 6120, 6255, 1335},
                      "Les vàlvules limitadores de pressió s'utilitzen per ajustar la pressió màxima d´un circuit, "
                      "limitar la pressió de treball o protegir el sistema contra sobrecàrregues. Per ajustar la "
                      "pressió cal que graduem el cargol  per poder ajustar la força de la molla. La vàlvula "
                      "obrirà quan la força que fa el fluid en el con sigui superior a la força de la molla",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA  LIMITADORA DE PRESSIÓ", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvulaLimit", "cmdSimularLimit", "cmdPararLimit"),
                buttonChannel("tmrRellotge1", "picCircuitLimit", "cmdSimularCirLimit", "cmdPararCircLimit"),
            },
            .pictureNames = {
                {"picVàlvulaLimit", "Animació de la vàlvula limitadora de pressió"},
                {"picCircuitLimit", "Animació del circuit"},
                {"imgSimbolLimit", "Símbol de la vàlvula limitadora de pressió"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent flowRegulatorPage()
{
    const QString &P = PageName::FlowRegulator;
    const TwipRect section{360, 960, 6975, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula reguladora amb antiretorn",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                frame(P, "picCircuitReguladora", 11, CircuitBox, 33, Hidden),
                frame(P, "picCircuitReguladora", 10, CircuitBox, 32, Hidden),
                frame(P, "picCircuitReguladora", 9, CircuitBox, 31, Hidden),
                frame(P, "picCircuitReguladora", 8, CircuitBox, 30, Hidden),
                frame(P, "picCircuitReguladora", 7, CircuitBox, 29, Hidden),
                frame(P, "picCircuitReguladora", 6, CircuitBox, 28, Hidden),
                frame(P, "picVàlvulaReguladora", 11, section, 27, Hidden),
                frame(P, "picVàlvulaReguladora", 10, section, 26, Hidden),
                frame(P, "picVàlvulaReguladora", 9, section, 25, Hidden),
                frame(P, "picVàlvulaReguladora", 8, section, 24, Hidden),
                frame(P, "picVàlvulaReguladora", 7, section, 23, Hidden),
                frame(P, "picVàlvulaReguladora", 6, section, 22, Hidden),
                frame(P, "picCircuitReguladora", 5, CircuitBox, 21, Hidden),
                frame(P, "picVàlvulaReguladora", 1, section, 20, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 17),
                frame(P, "picCircuitReguladora", 4, CircuitBox, 16, Hidden),
                frame(P, "picCircuitReguladora", 3, CircuitBox, 15, Hidden),
                frame(P, "picCircuitReguladora", 2, CircuitBox, 14, Hidden),
                frame(P, "picCircuitReguladora", 1, CircuitBox, 13, Hidden),
                button("cmdPararCircReguladora", {10080, 5160, 975, 375}, "P&arar", 12),
                button("cmdSimularCirReguladora", {8040, 5160, 1095, 375}, "S&imular", 11),
                button("cmdPararReguladora", {4200, 5160, 975, 375}, "&Parar", 10),
                button("cmdSimularReguladora", {1080, 5160, 975, 375}, "&Simulació", 9),
                timer("tmrRellotge1", false),
                frame(P, "picCircuitReguladora", 0, CircuitBox, 8, Visible),
                frame(P, "picVàlvulaReguladora", 5, section, 5, Hidden),
                frame(P, "picVàlvulaReguladora", 4, section, 3, Hidden),
                frame(P, "picVàlvulaReguladora", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvulaReguladora", 0, section, 1, Visible),
                frame(P, "picVàlvulaReguladora", 2, section, 0, Hidden),
                image(P, "imgSimbolReguladora", {9000, 6120, 2025, 1125}),
                line("Line2", 0, 5640, 11880, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 19),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 18),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 7),
                label("lblExplicació", {360, 6120, 5775, 855},
                      "Les vàlvules de regulació amb antiretorn permeten la circulació de fluid en un sentit i "
                      "limiten el seu pas en el contrari. El antiretorn serveix per obligar a passar el fluid per "
                      "la vàlvula reguladora",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA   REGULADORA I ANTIRETORN",
                      Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvulaReguladora", "cmdSimularReguladora", "cmdPararReguladora"),
                buttonChannel("tmrRellotge1", "picCircuitReguladora", "cmdSimularCirReguladora", "cmdPararCircReguladora"),
            },
            .pictureNames = {
                {"picVàlvulaReguladora", "Animació de la vàlvula reguladora amb antiretorn"},
                {"picCircuitReguladora", "Animació del circuit"},
                {"imgSimbolReguladora", "Símbol de la vàlvula reguladora amb antiretorn"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}
