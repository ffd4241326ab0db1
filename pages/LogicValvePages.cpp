// SPDX-License-Identifier: GPL-3.0-or-later
// The non-return, shuttle ("O") and two-pressure ("I") valve pages: the valve in
// section on the left, the valve in a small circuit with a single-acting cylinder on
// the right, each with its own start and stop buttons.
#include "NavigationActions.h"
#include "PageContent.h"
#include "PageNames.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;

static constexpr TwipRect CircuitBox{7800, 840, 3855, 3975};

PageContent nonReturnValvePage()
{
    const QString &P = PageName::NonReturnValve;
    const TwipRect section{360, 960, 6975, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula antirretorn",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                frame(P, "picCircuitAntiretorn", 5, CircuitBox, 21, Hidden),
                frame(P, "picVàlvulaAntiretorn", 1, section, 20, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 17),
                frame(P, "picCircuitAntiretorn", 4, CircuitBox, 16, Hidden),
                frame(P, "picCircuitAntiretorn", 3, CircuitBox, 15, Hidden),
                frame(P, "picCircuitAntiretorn", 2, CircuitBox, 14, Hidden),
                frame(P, "picCircuitAntiretorn", 1, CircuitBox, 13, Hidden),
                button("cmdPararCircAntiretorn", {10080, 5160, 975, 375}, "P&arar", 12),
                button("cmdSimularCirAntiretorn", {8040, 5160, 1095, 375}, "S&imular", 11),
                button("cmdPararAntiretorn", {4200, 5160, 975, 375}, "&Parar", 10),
                button("cmdSimularAntiretorn", {1080, 5160, 975, 375}, "&Simulació", 9),
                timer("tmrRellotge1", false),
                frame(P, "picCircuitAntiretorn", 0, CircuitBox, 8, Visible),
                frame(P, "picVàlvulaAntiretorn", 5, section, 5, Hidden),
                frame(P, "picVàlvulaAntiretorn", 4, section, 3, Hidden),
                frame(P, "picVàlvulaAntiretorn", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvulaAntiretorn", 0, section, 1, Visible),
                frame(P, "picVàlvulaAntiretorn", 2, section, 0, Hidden),
                image(P, "imgSimbolAntiretorn", {8880, 6360, 2025, 1125}),
                line("Line2", 120, 5880, 11760, 5880),
                heading("lblTitolSimbol", {8880, 6000, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 19),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 18),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 6000, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 7),
                label("lblExplicació", {360, 6360, 5775, 495},
                      "Les vàlvules antiretorn deixen passar el fluid  a pressió en un sentit i tancar-lo en el "
                      "sentit contrari.",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA  ANTIRETORN", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvulaAntiretorn", "cmdSimularAntiretorn", "cmdPararAntiretorn"),
                buttonChannel("tmrRellotge1", "picCircuitAntiretorn", "cmdSimularCirAntiretorn", "cmdPararCircAntiretorn"),
            },
            .pictureNames = {
                {"picVàlvulaAntiretorn", "Animació de la vàlvula antiretorn"},
                {"picCircuitAntiretorn", "Animació del circuit"},
                {"imgSimbolAntiretorn", "Símbol de la vàlvula antiretorn"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent shuttleValvePage()
{
    const QString &P = PageName::ShuttleValve;
    const TwipRect section{120, 960, 7335, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula Selectora",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                frame(P, "picCircuitSelectora", 5, CircuitBox, 21, Hidden),
                frame(P, "picVàlvulaSelectora", 1, section, 20, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 17),
                frame(P, "picCircuitSelectora", 4, CircuitBox, 16, Hidden),
                frame(P, "picCircuitSelectora", 3, CircuitBox, 15, Hidden),
                frame(P, "picCircuitSelectora", 2, CircuitBox, 14, Hidden),
                frame(P, "picCircuitSelectora", 1, CircuitBox, 13, Hidden),
                button("cmdPararCircSelectora", {10080, 5160, 975, 375}, "P&arar", 12),
                button("cmdSimularCirSelectora", {8040, 5160, 1095, 375}, "S&imular", 11),
                button("cmdPararSelectora", {4200, 5160, 975, 375}, "&Parar", 10),
                button("cmdSimularSelectora", {1080, 5160, 975, 375}, "&Simulació", 9),
                timer("tmrRellotge1", false),
                frame(P, "picCircuitSelectora", 0, CircuitBox, 8, Visible),
                frame(P, "picVàlvulaSelectora", 5, section, 5, Hidden),
                frame(P, "picVàlvulaSelectora", 4, section, 3, Hidden),
                frame(P, "picVàlvulaSelectora", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvulaSelectora", 0, section, 1, Visible),
                frame(P, "picVàlvulaSelectora", 2, {120, 960, 6975, 3975}, 0, Hidden),
                image(P, "imgSimbolSelectora", {9000, 6120, 2025, 1125}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 19),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 18),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 7),
                label("lblExplicació", {360, 6000, 5775, 855},
                      "Les vàlvules selectores de circuit permeten accionar un actuador des de dos punts diferents "
                      "i distants. Són anomenades  també funcions \"O\" (OR). El senyal pot venir per un costat "
                      "\"O\" l´altre.",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA  SELECTORA", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvulaSelectora", "cmdSimularSelectora", "cmdPararSelectora"),
                buttonChannel("tmrRellotge1", "picCircuitSelectora", "cmdSimularCirSelectora", "cmdPararCircSelectora"),
            },
            .pictureNames = {
                {"picVàlvulaSelectora", "Animació de la vàlvula selectora"},
                {"picCircuitSelectora", "Animació del circuit"},
                {"imgSimbolSelectora", "Símbol de la vàlvula selectora"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent twoPressureValvePage()
{
    const QString &P = PageName::TwoPressureValve;
    const TwipRect section{120, 960, 7335, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula de Simultaneïtat",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                frame(P, "picCircuitSimultaneïtat", 5, CircuitBox, 21, Hidden),
                frame(P, "picVàlvulaSimultaneïtat", 1, section, 20, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 17),
                frame(P, "picCircuitSimultaneïtat", 4, CircuitBox, 16, Hidden),
                frame(P, "picCircuitSimultaneïtat", 3, CircuitBox, 15, Hidden),
                frame(P, "picCircuitSimultaneïtat", 2, CircuitBox, 14, Hidden),
                frame(P, "picCircuitSimultaneïtat", 1, CircuitBox, 13, Hidden),
                button("cmdPararCircSimultaneïtat", {10080, 5160, 975, 375}, "P&arar", 12),
                button("cmdSimularCirSimultaneïtat", {8040, 5160, 1095, 375}, "S&imular", 11),
                button("cmdPararSimultaneïtat", {4200, 5160, 975, 375}, "&Parar", 10),
                button("cmdSimularSimultaneïtat", {1080, 5160, 975, 375}, "&Simulació", 9),
                timer("tmrRellotge1", false),
                frame(P, "picCircuitSimultaneïtat", 0, CircuitBox, 8, Visible),
                frame(P, "picVàlvulaSimultaneïtat", 5, section, 5, Hidden),
                frame(P, "picVàlvulaSimultaneïtat", 4, section, 3, Hidden),
                frame(P, "picVàlvulaSimultaneïtat", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvulaSimultaneïtat", 0, section, 1, Visible),
                frame(P, "picVàlvulaSimultaneïtat", 2, {120, 960, 6975, 3975}, 0, Hidden),
                image(P, "imgSimbolSimultaneïtat", {8880, 6120, 2025, 1125}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 19),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 18),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 7),
                label("lblExplicació", {360, 6000, 5775, 1335},
                      "Les vàlvules de simultaneïtat obliguen a mantenir la pressió en les dues entrades per "
                      "obtenir fluid a la sortida. Si en una de les entrades no tenim pressió, tampoc en tindrem a "
                      "la sortida. També s'anomena vàvula \"I\" (AND). El senyal ha de estar present per un costat "
                      "\"I\" per l'altre.",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA  DE SIMULTANEÏTAT", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvulaSimultaneïtat", "cmdSimularSimultaneïtat", "cmdPararSimultaneïtat"),
                buttonChannel("tmrRellotge1", "picCircuitSimultaneïtat", "cmdSimularCirSimultaneïtat", "cmdPararCircSimultaneïtat"),
            },
            .pictureNames = {
                {"picVàlvulaSimultaneïtat", "Animació de la vàlvula de simultaneïtat"},
                {"picCircuitSimultaneïtat", "Animació del circuit"},
                {"imgSimbolSimultaneïtat", "Símbol de la vàlvula de simultaneïtat"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}
