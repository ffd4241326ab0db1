#include "ComponentPages.h"

using namespace PageName;
using enum PageGroup;

// Picture sizes are in pixels, home-page places in twips.
const QList<ComponentPage> &componentPages()
{
    static const QList<ComponentPage> pages = {
        {
            .page = VaneCompressor, .group = Compressors,
            .menu = {&MenuHeadings::Compressors, "mnuPaletes", "&Paletes"},
            .homeButton = {"ImgPaletesBoto", {2160, 3360, 900, 450}, 10, "Compr. Paletes"},
            .pictures = {
                {.control = "picCompressorDePaletes", .frames = 6, .size = {450, 404}},
                {.control = "ImgSimbol", .size = {135, 75}},
            },
        },
        {
            .page = PistonCompressor, .group = Compressors,
            .menu = {&MenuHeadings::Compressors, "mnuÈmbol", "È&mbol"},
            .homeButton = {"ImgPistonsBoto", {2160, 2640, 900, 450}, 9, "Compr. Pistons"},
            .pictures = {
                {.control = "picCompressorDePistons", .frames = 8, .size = {267, 404}},
                {.control = "ImgSimbol", .size = {135, 75}},
            },
        },
        {
            .page = Filter, .group = AirTreatment,
            .menu = {&MenuHeadings::AirTreatment, "mnuFiltre", "&Filtre"},
            .homeButton = {"imgFiltre", {3960, 2640, 900, 450}, 4, "Filtre"},
            .pictures = {
                {.control = "picFiltre", .frames = 6, .size = {321, 493}},
                {.control = "Image1", .size = {135, 75}},
            },
        },
        {
            .page = PressureRegulator, .group = AirTreatment,
            .menu = {&MenuHeadings::AirTreatment, "mnuReguladorPressió", "Re&gulador de Pressió"},
            .homeButton = {"imgReguladorPressió", {3960, 3360, 900, 450}, 3, "Regulador Pressió"},
            .pictures = {
                {.control = "picRegPressió", .frames = 6, .size = {284, 283}},
                {.control = "Image1", .size = {135, 75}},
            },
        },
        {
            .page = Lubricator, .group = AirTreatment,
            .menu = {&MenuHeadings::AirTreatment, "mnuLubrificador", "L&ubrificador"},
            .homeButton = {"imgLubricador", {3960, 4080, 900, 450}, 2, "Lubricador"},
            .pictures = {
                {.control = "picLubrificant", .frames = 6, .size = {278, 471}},
                {.control = "ImgSimbol", .size = {135, 75}},
            },
        },
        {
            .page = Valve32, .group = DirectionalValves,
            .menu = {&MenuHeadings::DirectionalValves, "mnuVàlvula3_2", "Vàlvula &3/2"},
            .homeButton = {"ImgV32Boto", {5760, 2640, 900, 450}, 18, "Vàlvula 3/2"},
            .pictures = {
                {.control = "picVàlvula32", .frames = 6, .size = {454, 270}},
                {.control = "picCircuit32", .frames = 5, .size = {280, 266}, .frameSizes = {{0, {266, 267}}}},
                {.control = "Image1", .size = {186, 106}},
            },
        },
        {
            .page = Valve42, .group = DirectionalValves,
            .menu = {&MenuHeadings::DirectionalValves, "mnuVàlvula4_2", "Vàlvula &4/2"},
            .homeButton = {"imgV42Boto", {5760, 3360, 900, 450}, 17, "Vàlvula 4/2"},
            .pictures = {
                {.control = "picVàlvula42", .frames = 6, .size = {454, 270}},
                {.control = "picCircuit42", .frames = 6, .size = {280, 266}},
                {.control = "imgSimbol4_2", .size = {186, 106}},
            },
        },
        {
            .page = Valve52, .group = DirectionalValves,
            .menu = {&MenuHeadings::DirectionalValves, "mnuVàlvula5_2", "Vàlvula &5/2"},
            .homeButton = {"imgV52Boto", {5760, 4080, 900, 450}, 16, "Vàlvula 5/2"},
            .pictures = {
                {.control = "picVàlvula52", .frames = 6, .size = {454, 270},
                 .frameSizes = {{2, {469, 239}}, {3, {460, 240}}, {4, {460, 243}}, {5, {463, 251}}}},
                {.control = "picCircuit52", .frames = 6, .size = {280, 266}},
                {.control = "imgSimbol5_2", .size = {186, 106}},
            },
        },
        {
            .page = TwoPressureValve, .group = LogicValves,
            .menu = {&MenuHeadings::Blocking, "mnuSimultaneïtat", "&Simultaneïtat"},
            .homeButton = {"imgAndBoto", {7560, 2640, 900, 450}, 15, "AND"},
            .pictures = {
                {.control = "picVàlvulaSimultaneïtat", .frames = 6, .size = {480, 270}},
                {.control = "picCircuitSimultaneïtat", .frames = 6, .size = {280, 266}},
                {.control = "imgSimbolSimultaneïtat", .size = {135, 75}},
            },
        },
        {
            .page = ShuttleValve, .group = LogicValves,
            .menu = {&MenuHeadings::Blocking, "mnuSelectora", "S&electora"},
            .homeButton = {"ImgORBoto", {7560, 3360, 900, 450}, 14, "OR"},
            .pictures = {
                {.control = "picVàlvulaSelectora", .frames = 6, .size = {480, 270}},
                {.control = "picCircuitSelectora", .frames = 6, .size = {280, 266}},
                {.control = "imgSimbolSelectora", .size = {135, 75}},
            },
        },
        {
            .page = QuickExhaustValve, .group = ControlValves,
            .menu = {&MenuHeadings::Blocking, "mnuEscapamentRàpid", "Esca&pament Ràpid"},
            .homeButton = {"imgEscapRàpidboto", {9360, 4080, 900, 450}, 1, "Escapament Ràpid"},
            .pictures = {
                {.control = "picEscapamentRàpid", .frames = 6, .size = {454, 270}},
                {.control = "picCircuitEscapamentRàpid", .frames = 6, .size = {280, 266}},
                {.control = "imgSimbol4_2", .size = {135, 75}},
            },
        },
        {
            .page = NonReturnValve, .group = LogicValves,
            .menu = {&MenuHeadings::Blocking, "mnuAntiretorn", "&Antiretorn"},
            .homeButton = {"ImgAntiretornBoto", {7560, 4080, 900, 450}, 13, "Antiretorn"},
            .pictures = {
                {.control = "picVàlvulaAntiretorn", .frames = 6, .size = {454, 270}},
                {.control = "picCircuitAntiretorn", .frames = 6, .size = {280, 266}, .frameSizes = {{2, {298, 279}}}},
                {.control = "imgSimbolAntiretorn", .size = {135, 75}},
            },
        },
        {
            .page = LimitingValve, .group = ControlValves,
            .menu = {nullptr, "mnuLimitadora", "&Limitadora"},
            .homeButton = {"ImgLimitadoraBoto", {9360, 2640, 900, 450}, 12, "Limitadora"},
            .pictures = {
                {.control = "picVàlvulaLimit", .frames = 6, .size = {500, 300}},
                {.control = "picCircuitLimit", .frames = 6, .size = {280, 266}, .frameSizes = {{0, {266, 267}}}},
                {.control = "imgSimbolLimit", .size = {103, 91}},
            },
        },
        {
            .page = FlowRegulator, .group = ControlValves,
            .menu = {nullptr, "mnuReguladora", "&Reguladora"},
            .homeButton = {"ImgReguladoraBoto", {9360, 3360, 900, 450}, 11, "Reguladora"},
            .pictures = {
                {.control = "picVàlvulaReguladora", .frames = 12, .size = {454, 270}},
                {.control = "picCircuitReguladora", .frames = 12, .size = {280, 266}},
                {.control = "imgSimbolReguladora", .size = {135, 75}},
            },
        },
    };
    return pages;
}

const ComponentPage *findComponentPage(const QString &page)
{
    for (const ComponentPage &row : componentPages())
        if (row.page == page)
            return &row;
    return nullptr;
}

const PagePicture *findPagePicture(const QString &page, const QString &control)
{
    if (const ComponentPage *row = findComponentPage(page))
        for (const PagePicture &picture : row->pictures)
            if (picture.control == control)
                return &picture;
    return nullptr;
}
