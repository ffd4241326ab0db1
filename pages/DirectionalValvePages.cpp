// SPDX-License-Identifier: GPL-3.0-or-later
// The 3/2, 4/2 and 5/2 directional valve pages: the valve in section on the left,
// the valve driving a cylinder on the right, each with its own start and stop buttons.
#include "NavigationActions.h"
#include "PageContent.h"
#include "PageNames.h"
#include "Records.h"

using enum Alignment;
using enum PageEvent;

static constexpr TwipRect CircuitBox{7800, 840, 3855, 3975};

PageContent valve32Page()
{
    const QString &P = PageName::Valve32;
    const TwipRect section{360, 840, 6975, 3975};
    // Port names drawn over the section, in the frame's own coordinates.
    auto lblA = [](qint16 index, qint16 tab) {
        return LabelRecord{.name = "lblA", .index = index, .rect = {3480, 360, 495, 375}, .caption = "A",
                           .font = SansSerif12Bold, .alignment = Centre, .tabIndex = tab};
    };
    auto lblPressio = [](qint16 index, qint16 tab) {
        return LabelRecord{.name = "lblPressió", .index = index, .rect = {2040, 3600, 1455, 495},
                           .caption = "Pressió", .font = SansSerif975Bold, .alignment = Centre, .tabIndex = tab};
    };
    auto lblEscapament = [](qint16 index, qint16 tab) {
        return LabelRecord{.name = "lblEscapament", .index = index, .rect = {2880, 3600, 1935, 255},
                           .caption = "Escapament", .font = SansSerif975Bold, .alignment = Centre, .tabIndex = tab};
    };
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula distribuïdora 3/2",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 29),
                frame(P, "picCircuit32", 4, CircuitBox, 28, Hidden),
                frame(P, "picCircuit32", 3, CircuitBox, 27, Hidden),
                frame(P, "picCircuit32", 2, CircuitBox, 26, Hidden),
                frame(P, "picCircuit32", 1, CircuitBox, 25, Hidden),
                button("cmdPararCirc", {10080, 5160, 975, 375}, "P&arar", 24),
                button("cmdSimularCir", {8040, 5160, 1095, 375}, "S&imular", 23),
                button("cmdPararV32", {3960, 5160, 975, 375}, "&Parar", 22),
                button("cmdSimularV32", {1080, 5160, 975, 375}, "&Simulació", 21),
                timer("tmrRellotge1", false),
                frame(P, "picCircuit32", 0, CircuitBox, 20, Visible),
                frame(P, "picVàlvula32", 5, section, 6, Hidden, {lblA(0, 11), lblPressio(0, 7)}),
                frame(P, "picVàlvula32", 4, section, 4, Hidden, {lblA(1, 12), lblPressio(1, 8)}),
                frame(P, "picVàlvula32", 3, section, 3, Hidden, {lblA(3, 13)}),
                timer("tmrRellotge", true),
                frame(P, "picVàlvula32", 0, section, 2, Hidden, {lblA(4, 14), lblEscapament(0, 9)}),
                frame(P, "picVàlvula32", 2, section, 1, Hidden, {lblA(5, 15)}),
                frame(P, "picVàlvula32", 1, section, 0, Visible, {lblA(7, 16), lblEscapament(1, 10)}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 31),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 30),
                line("Line1", 7560, 0, 7560, 8520),
                image(P, "Image1", {8520, 6000, 2790, 1590}),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 19),
                label("lblOberturtes", {360, 6480, 2535, 975},
                      "P = Entrada de pressió         A = Sortida al cilindre         R = Escapament",
                      Arial975, Left, 18),
                label("lblExplicació", {360, 6000, 5775, 495},
                      "Per comandar cilindres de simple efecte, s'utilitzen vàlvules distribuïdores 3/2, on les "
                      "obertures que tenen són per:",
                      Arial975, Left, 17),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA DISTRIBUÏDORA 3/2", Arial12Bold, Centre, 5),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvula32", "cmdSimularV32", "cmdPararV32"),
                buttonChannel("tmrRellotge1", "picCircuit32", "cmdSimularCir", "cmdPararCirc"),
            },
            .pictureNames = {
                {"picVàlvula32", "Animació de la vàlvula distribuïdora 3/2"},
                {"picCircuit32", "Animació del circuit"},
                {"Image1", "Símbol de la vàlvula distribuïdora 3/2"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent valve42Page()
{
    const QString &P = PageName::Valve42;
    const TwipRect section{360, 960, 6975, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula distribuïdora 4/2",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                frame(P, "picCircuit42", 5, CircuitBox, 22, Hidden),
                frame(P, "picVàlvula42", 1, section, 21, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 18),
                frame(P, "picCircuit42", 4, CircuitBox, 17, Hidden),
                frame(P, "picCircuit42", 3, CircuitBox, 16, Hidden),
                frame(P, "picCircuit42", 2, CircuitBox, 15, Hidden),
                frame(P, "picCircuit42", 1, CircuitBox, 14, Hidden),
                button("cmdPararCirc", {10080, 5160, 975, 375}, "P&arar", 13),
                button("cmdSimularCir42", {8040, 5160, 1095, 375}, "S&imular", 12),
                button("cmdPararV42", {4200, 5160, 975, 375}, "&Parar", 11),
                button("cmdSimularV42", {1080, 5160, 975, 375}, "&Simulació", 10),
                timer("tmrRellotge1", false),
                frame(P, "picCircuit42", 0, CircuitBox, 9, Visible),
                frame(P, "picVàlvula42", 5, section, 5, Hidden),
                frame(P, "picVàlvula42", 4, section, 3, Hidden),
                frame(P, "picVàlvula42", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvula42", 0, section, 1, Visible),
                frame(P, "picVàlvula42", 2, section, 0, Hidden),
                image(P, "imgSimbol4_2", {8280, 6120, 2790, 1590}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8760, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 20),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 19),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 8),
                label("lblOberturtes", {360, 6720, 2535, 1095},
                      "P = Entrada de pressió         A = Sortida al cilindre         B = Sortida al cilindre"
                      "           T = Escapament",
                      Arial975, Left, 7),
                label("lblExplicació", {360, 6120, 5775, 495},
                      "Per comandar cilindres de doble efecte, s'utilitzen vàlvules distribuïdores 4/2, on les "
                      "obertures que tenen són per:",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA DISTRIBUÏDORA 4/2", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvula42", "cmdSimularV42", "cmdPararV42"),
                buttonChannel("tmrRellotge1", "picCircuit42", "cmdSimularCir42", "cmdPararCirc"),
            },
            .pictureNames = {
                {"picVàlvula42", "Animació de la vàlvula distribuïdora 4/2"},
                {"picCircuit42", "Animació del circuit"},
                {"imgSimbol4_2", "Símbol de la vàlvula distribuïdora 4/2"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}

PageContent valve52Page()
{
    const QString &P = PageName::Valve52;
    const TwipRect section{360, 960, 6975, 3975};
    const TwipRect circuitShifted{7920, 840, 3855, 3975};
    return {
        .description = {
            .name = P,
            .caption = "Vàlvula distribuïdora 5/2",
            .clientRect = {165, 165, 11880, 7590},
            .controls = {
                frame(P, "picCircuit52", 5, circuitShifted, 22, Hidden),
                frame(P, "picVàlvula52", 1, section, 21, Hidden),
                button("cmdSortir", {6120, 7200, 975, 375}, "&Sortir", 18),
                frame(P, "picCircuit52", 4, circuitShifted, 17, Hidden),
                frame(P, "picCircuit52", 3, CircuitBox, 16, Hidden),
                frame(P, "picCircuit52", 2, CircuitBox, 15, Hidden),
                frame(P, "picCircuit52", 1, CircuitBox, 14, Hidden),
                button("cmdPararCirc", {10080, 5160, 975, 375}, "P&arar", 13),
                button("cmdSimularCir", {8040, 5160, 1095, 375}, "S&imular", 12),
                button("cmdPararV52", {3960, 5160, 975, 375}, "&Parar", 11),
                button("cmdSimularV52", {1080, 5160, 975, 375}, "&Simulació", 10),
                timer("tmrRellotge1", false),
                frame(P, "picCircuit52", 0, CircuitBox, 9, Visible),
                frame(P, "picVàlvula52", 5, section, 5, Hidden),
                frame(P, "picVàlvula52", 4, section, 3, Hidden),
                frame(P, "picVàlvula52", 3, section, 2, Hidden),
                timer("tmrRellotge", true),
                frame(P, "picVàlvula52", 0, section, 1, Visible),
                frame(P, "picVàlvula52", 2, section, 0, Hidden),
                image(P, "imgSimbol5_2", {8400, 6120, 2790, 1590}),
                line("Line2", 120, 5640, 11760, 5640),
                heading("lblTitolSimbol", {8880, 5760, 2055, 255}, "SÍMBOL", Arial12Bold, Centre, 20),
                heading("lblTitolCircuit", {8760, 360, 2175, 255}, "CIRCUIT", Arial12Bold, Centre, 19),
                line("Line1", 7560, 0, 7560, 8520),
                heading("lblFuncionament", {360, 5760, 2055, 255}, "FUNCIONAMENT", Arial975Bold, Left, 8),
                label("lblOberturtes", {360, 6480, 2535, 1215},
                      "P = Entrada de pressió         A = Sortida al cilindre         B = Sortida al cilindre"
                      "          R = Escapament                 T = Escapament",
                      Arial975, Left, 7),
                label("lblExplicació", {360, 6000, 6855, 495},
                      "Per comandar cilindres de doble efecte, s'utilitzen vàlvules distribuïdores 5/2, on les "
                      "obertures que tenen són per:",
                      Arial975, Left, 6),
                title("lblTitol", {960, 360, 5415, 255}, "VÀLVULA DISTRIBUÏDORA 5/2", Arial12Bold, Centre, 4),
            },
            .channels = {
                buttonChannel("tmrRellotge", "picVàlvula52", "cmdSimularV52", "cmdPararV52"),
                buttonChannel("tmrRellotge1", "picCircuit52", "cmdSimularCir", "cmdPararCirc"),
            },
            .pictureNames = {
                {"picVàlvula52", "Animació de la vàlvula distribuïdora 5/2"},
                {"picCircuit52", "Animació del circuit"},
                {"imgSimbol5_2", "Símbol de la vàlvula distribuïdora 5/2"},
            },
        },
        .handlers = {
            {"cmdSortir", Click, returnHome(P)},
        },
    };
}
