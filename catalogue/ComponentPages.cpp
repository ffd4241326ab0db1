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
                {.control = "picVàlvulaSimultaneïtat", .frames = 6, .size = {480, 270},
                 .words = {
                     "Sense aire a cap entrada: la peça mòbil és al mig i la sortida A és sense pressió.",
                     "Només entra aire per l'esquerra: empeny la peça mòbil cap a la dreta i la sortida A continua sense pressió.",
                     "El plat esquerre tanca el pas de l'entrada esquerra: la sortida A no rep aire.",
                     "Entra aire per les dues entrades: la peça mòbil es queda a la dreta i l'aire de l'entrada dreta passa a la sortida A.",
                     "Només queda aire a la dreta: empeny la peça mòbil cap a l'esquerra i la sortida A es buida per l'entrada esquerra.",
                     "El plat dret tanca el pas de l'entrada dreta: la sortida A és sense pressió.",
                 }},
                {.control = "picCircuitSimultaneïtat", .frames = 6, .size = {280, 266},
                 .words = {
                     "Cap polsador premut: el cilindre és sense pressió i el pistó és a dins.",
                     "Només es prem el polsador esquerre: el seu aire empeny la peça mòbil cap a la dreta, la vàlvula de simultaneïtat no deixa passar l'aire i el pistó no es mou.",
                     "La peça mòbil tanca l'entrada esquerra i el cilindre continua sense pressió.",
                     "Tots dos polsadors premuts: l'aire arriba al cilindre i el pistó surt.",
                     "Es deixa anar el polsador esquerre: l'aire de la dreta empeny la peça mòbil cap a l'esquerra, el cilindre es buida per la línia esquerra i el pistó torna.",
                     "Només el polsador dret és premut: la sortida és sense pressió i el pistó és a dins.",
                 }},
                {.control = "imgSimbolSimultaneïtat", .size = {135, 75},
                 .words = {
                     "Símbol de la vàlvula de simultaneïtat: dues entrades als extrems, la sortida al mig de dalt i una barra amb un plat a cada extrem.",
                 }},
            },
        },
        {
            .page = ShuttleValve, .group = LogicValves,
            .menu = {&MenuHeadings::Blocking, "mnuSelectora", "S&electora"},
            .homeButton = {"ImgORBoto", {7560, 3360, 900, 450}, 14, "OR"},
            .pictures = {
                {.control = "picVàlvulaSelectora", .frames = 6, .size = {480, 270},
                 .words = {
                     "Sense aire a cap entrada: la bola reposa sobre el seient esquerre i no hi ha pressió enlloc.",
                     "Entra aire a pressió per l'esquerra i empeny la bola cap al mig de la cambra; la sortida A encara és sense pressió.",
                     "La bola tanca l'entrada dreta: l'aire de l'esquerra passa a la sortida A.",
                     "Sense aire a cap entrada: la bola es queda sobre el seient dret i la sortida es buida.",
                     "Entra aire a pressió per la dreta i empeny la bola cap al mig de la cambra; la sortida A encara és sense pressió.",
                     "La bola tanca l'entrada esquerra: l'aire de la dreta passa a la sortida A.",
                 }},
                {.control = "picCircuitSelectora", .frames = 6, .size = {280, 266},
                 .words = {
                     "Cap polsador premut: el cilindre és sense pressió i el pistó és a dins.",
                     "Es prem el polsador esquerre: el seu aire empeny la bola de la vàlvula selectora cap a l'altre costat.",
                     "La bola tanca l'entrada dreta: l'aire del polsador esquerre arriba al cilindre i el pistó surt.",
                     "Es deixa anar el polsador esquerre: el cilindre es buida per aquesta vàlvula i el pistó torna a dins.",
                     "Es prem el polsador dret: el seu aire empeny la bola de la vàlvula selectora cap a l'altre costat.",
                     "La bola tanca l'entrada esquerra: l'aire del polsador dret arriba al cilindre i el pistó surt.",
                 }},
                {.control = "imgSimbolSelectora", .size = {135, 75},
                 .words = {
                     "Símbol de la vàlvula selectora: dues entrades als extrems, la sortida al mig de dalt i una bola que tanca l'entrada sense pressió.",
                 }},
            },
        },
        {
            .page = QuickExhaustValve, .group = ControlValves,
            .menu = {&MenuHeadings::Blocking, "mnuEscapamentRàpid", "Esca&pament Ràpid"},
            .homeButton = {"imgEscapRàpidboto", {9360, 4080, 900, 450}, 1, "Escapament Ràpid"},
            .pictures = {
                {.control = "picEscapamentRàpid", .frames = 6, .size = {454, 270},
                 .words = {
                     "Arriba aire a pressió per P: empeny de seguida la junta cap a R i en doblega el llavi; la sortida A encara és sense pressió.",
                     "La junta tanca l'escapament R: l'aire de P passa a la sortida A.",
                     "La junta continua tancant R i l'aire de P continua arribant a la sortida A.",
                     "P es buida: l'aire a pressió d'A empeny la junta, que encara tanca R.",
                     "La junta torna cap a P i l'aire d'A surt ràpidament per l'escapament R.",
                     "La junta tanca P: l'aire d'A es buida directament per R.",
                 }},
                {.control = "picCircuitEscapamentRàpid", .frames = 6, .size = {280, 266},
                 .words = {
                     "Es deixa anar el polsador: l'aire de B empeny la bola de la vàlvula d'escapament ràpid cap a l'escapament; el pistó és a fora.",
                     "La bola tanca l'escapament: l'aire de B arriba a la cambra de la tija i el pistó torna a poc a poc, perquè l'aire de la cambra posterior surt per la vàlvula distribuïdora.",
                     "El pistó continua tornant a poc a poc.",
                     "Es prem el polsador: l'aire entra a la cambra posterior, la línia de B es buida per T i el pistó és a dins.",
                     "L'aire de la cambra de la tija empeny la bola cap a B i surt directament per l'escapament de la vàlvula: el pistó surt de cop, en un sol segon.",
                     "El pistó és a fora mentre l'aire de la cambra de la tija acaba de sortir per l'escapament.",
                 }},
                {.control = "imgSimbol4_2", .size = {135, 75},
                 .words = {
                     "Símbol de la vàlvula d'escapament ràpid: l'entrada P a l'esquerra, la sortida A a dalt i l'escapament R a la dreta, amb una bola entre els dos seients.",
                 }},
            },
        },
        {
            .page = NonReturnValve, .group = LogicValves,
            .menu = {&MenuHeadings::Blocking, "mnuAntiretorn", "&Antiretorn"},
            .homeButton = {"ImgAntiretornBoto", {7560, 4080, 900, 450}, 13, "Antiretorn"},
            .pictures = {
                {.control = "picVàlvulaAntiretorn", .frames = 6, .size = {454, 270},
                 .words = {
                     "La vàlvula en repòs: la molla manté la bola sobre el seient i no hi ha aire a pressió.",
                     "Entra aire a pressió per l'esquerra: separa la bola ben lluny del seient, comprimeix la molla i passa cap a la sortida.",
                     "L'aire continua passant cap a la sortida, però amb menys cabal: la bola torna cap al seient.",
                     "L'aire deixa de passar: la molla torna la bola al seient, amb la mateixa pressió a tots dos costats.",
                     "L'entrada es buida cap a l'escapament: l'aire a pressió de la sortida empeny la bola contra el seient i hi queda retingut.",
                     "La bola continua tancant el seient: l'entrada és sense pressió i l'aire de la sortida es manté retingut.",
                 }},
                {.control = "picCircuitAntiretorn", .frames = 6, .size = {280, 266}, .frameSizes = {{2, {298, 279}}},
                 .words = {
                     "Es prem el polsador de la vàlvula 2/2 de descàrrega: la derivació s'obre, el cilindre es buida per la derivació i per l'escapament R, i el pistó torna a dins.",
                     "Es prem el polsador de la vàlvula 3/2: l'aire passa per la vàlvula antiretorn i el pistó surt ràpidament; la vàlvula de descàrrega, en repòs, manté tancada la derivació.",
                     "L'aire continua passant per la vàlvula antiretorn i el pistó surt més.",
                     "El pistó arriba al final de la cursa: l'aire deixa de passar i l'antiretorn es tanca, amb el cilindre ple d'aire a pressió.",
                     "Es deixa anar la vàlvula 3/2: la línia de sota l'antiretorn es buida per R, la pressió del cilindre manté l'antiretorn tancat i el pistó queda aturat amb l'aire retingut.",
                     "La vàlvula de descàrrega continua tancada: l'antiretorn reté l'aire del cilindre i el pistó es manté a fora.",
                 }},
                {.control = "imgSimbolAntiretorn", .size = {135, 75},
                 .words = {
                     "Símbol de la vàlvula antiretorn: un seient en V, una bola i una molla; l'aire passa d'esquerra a dreta i no pot tornar.",
                 }},
            },
        },
        {
            .page = LimitingValve, .group = ControlValves,
            .menu = {nullptr, "mnuLimitadora", "&Limitadora"},
            .homeButton = {"ImgLimitadoraBoto", {9360, 2640, 900, 450}, 12, "Limitadora"},
            .pictures = {
                {.control = "picVàlvulaLimit", .frames = 6, .size = {500, 300},
                 .words = {
                     "La línia és sense pressió: la molla manté el con sobre el seient.",
                     "Arriba aire a la pressió de treball fins al con, però la força de la molla és més gran i la vàlvula continua tancada.",
                     "La pressió encara no supera la força de la molla: el con continua sobre el seient.",
                     "La pressió arriba al valor ajustat: la força de l'aire sobre el con supera la de la molla, el con se separa una mica del seient i l'aire surt per T a l'atmosfera.",
                     "El con es manté una mica obert, en equilibri amb la molla: l'excés d'aire continua sortint per T.",
                     "Mentre dura la sobrepressió el con continua una mica obert i l'excés d'aire s'escapa per T; la cambra de la molla és sempre a la pressió atmosfèrica.",
                 }},
                {.control = "picCircuitLimit", .frames = 6, .size = {280, 266}, .frameSizes = {{0, {266, 267}}},
                 .words = {
                     "El polsador deixat anar: la línia del cilindre és sense pressió, el pistó és a dins i el manòmetre marca poca pressió.",
                     "Es prem el polsador: l'aire a pressió entra al cilindre i el pistó surt.",
                     "El pistó continua sortint i la vàlvula limitadora continua tancada.",
                     "El pistó s'atura al final de la cursa, la pressió puja i la vàlvula limitadora s'obre i deixa sortir aire.",
                     "El manòmetre marca la pressió màxima i la vàlvula limitadora continua deixant escapar l'excés d'aire.",
                     "Mentre el polsador es manté premut, la vàlvula limitadora continua oberta i l'aire s'escapa a l'atmosfera.",
                 }},
                {.control = "imgSimbolLimit", .size = {103, 91},
                 .words = {
                     "Símbol de la vàlvula limitadora de pressió: un quadrat amb la fletxa desplaçada, la molla regulable a un costat, el pilotatge de l'entrada a l'altre i l'escapament a sota.",
                 }},
            },
        },
        {
            .page = FlowRegulator, .group = ControlValves,
            .menu = {nullptr, "mnuReguladora", "&Reguladora"},
            .homeButton = {"ImgReguladoraBoto", {9360, 3360, 900, 450}, 11, "Reguladora"},
            .pictures = {
                {.control = "picVàlvulaReguladora", .frames = 12, .size = {454, 270},
                 .words = {
                     "La vàlvula en repòs: la bola és sobre el seient i no hi ha aire a pressió.",
                     "Arriba aire a pressió per l'esquerra: separa la bola del seient i passa lliurement cap al cilindre.",
                     "L'aire continua passant lliurement cap al cilindre, amb la bola ben separada del seient.",
                     "El cilindre ja és ple: l'aire s'atura, la molla torna la bola al seient i tot queda a pressió.",
                     "L'aire a pressió continua aturat a banda i banda de la bola, que és sobre el seient.",
                     "La vàlvula continua a pressió i sense pas d'aire, amb la bola sobre el seient.",
                     "Regulació: l'aire que surt del cilindre entra per la dreta i la bola, sobre el seient, li tanca el pas directe.",
                     "L'aire d'escapament omple la cambra de la molla i només pot seguir cap amunt.",
                     "L'aire d'escapament puja cap a l'agulla.",
                     "L'aire d'escapament passa pel pas estret que deixa la punta de l'agulla.",
                     "L'aire d'escapament baixa pel conducte vertical cap a la sortida esquerra.",
                     "L'aire d'escapament surt per l'esquerra cap a l'escapament de la vàlvula distribuïdora.",
                 }},
                {.control = "picCircuitReguladora", .frames = 12, .size = {280, 266},
                 .words = {
                     "La vàlvula 5/2 en repòs: l'aire a pressió és a la cambra de la tija i el pistó és a dins.",
                     "Es prem el polsador: l'aire passa lliurement per l'antiretorn cap a la cambra posterior i el pistó surt ràpidament.",
                     "El pistó arriba a fora en només dos segons.",
                     "El pistó és a fora i l'aire ja no circula: l'antiretorn es tanca.",
                     "El polsador continua premut i el pistó es manté a fora.",
                     "El polsador continua premut i el pistó es manté a fora.",
                     "Es deixa anar el polsador: l'aire entra a la cambra de la tija i el de la cambra posterior només pot sortir per l'estrangulament, de manera que el pistó torna lentament.",
                     "El pistó torna lentament: l'estrangulament frena la sortida de l'aire.",
                     "El pistó continua tornant a poc a poc.",
                     "El pistó continua tornant a poc a poc.",
                     "El pistó continua tornant a poc a poc.",
                     "El pistó arriba a dins: ha trigat sis segons a tornar, tres vegades més que a sortir.",
                 }},
                {.control = "imgSimbolReguladora", .size = {135, 75},
                 .words = {
                     "Símbol de la vàlvula reguladora amb antiretorn: una vàlvula antiretorn amb molla i, en paral·lel, un estrangulament regulable.",
                 }},
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
