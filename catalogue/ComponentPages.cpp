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
                {.control = "picCompressorDePaletes", .frames = 6, .size = {450, 404},
                 .words = {
                     "El rotor, descentrat dins la carcassa, gira en sentit antihorari: les cel·les que creixen des de l'entrada aspiren aire a pressió atmosfèrica (blau) i les que s'estrenyen cap a la sortida el comprimeixen (vermell).",
                     "El rotor ha girat 5 graus: les paletes, empeses contra la carcassa, porten l'aire aspirat cap a la part més ampla.",
                     "El rotor ha girat 10 graus: a baix les cel·les aspiren aire i a dalt el comprimeixen cap a la sortida.",
                     "El rotor ha girat 15 graus, mitja separació entre paletes: l'aire comprimit surt per la canonada de dalt.",
                     "El rotor ha girat 20 graus: continua l'aspiració per la canonada de baix i el lliurament d'aire comprimit per la de dalt.",
                     "El rotor ha girat 25 graus; en el fotograma següent cada paleta ocupa el lloc de la següent i el gir continua sense salt.",
                 }},
                {.control = "ImgSimbol", .size = {135, 75},
                 .words = {
                     "Símbol del compressor: un cercle amb un triangle a dalt que apunta cap enfora, d'on surt la línia d'aire comprimit; a baix, l'entrada d'aire, i a la dreta, l'eix del motor.",
                 }},
            },
        },
        {
            .page = PistonCompressor, .group = Compressors,
            .menu = {&MenuHeadings::Compressors, "mnuÈmbol", "È&mbol"},
            .homeButton = {"ImgPistonsBoto", {2160, 2640, 900, 450}, 9, "Compr. Pistons"},
            .pictures = {
                {.control = "picCompressorDePistons", .frames = 8, .size = {267, 404},
                 .words = {
                     "Punt mort superior: la manovella apunta amunt i el pistó és a dalt de tot; les dues vàlvules són tancades i només l'espai mort conserva aire comprimit.",
                     "La manovella ha girat 45 graus i el pistó baixa: la vàlvula d'admissió s'obre i entra aire a pressió atmosfèrica (blau) al cilindre.",
                     "La manovella és a l'esquerra i el pistó continua baixant: el cilindre s'omple d'aire per la vàlvula d'admissió oberta.",
                     "La manovella ha girat 135 graus: el pistó, gairebé a baix, acaba d'omplir el cilindre d'aire.",
                     "Punt mort inferior: la manovella apunta avall, el cilindre és ple d'aire i les dues vàlvules són tancades.",
                     "El pistó puja amb les dues vàlvules tancades i comprimeix l'aire (vermell).",
                     "La pressió del cilindre supera la de la sortida: la vàlvula d'escapament s'obre i l'aire comprimit surt cap a la xarxa.",
                     "El pistó és gairebé a dalt i acaba d'expulsar l'aire comprimit per la vàlvula d'escapament.",
                 }},
                {.control = "ImgSimbol", .size = {135, 75},
                 .words = {
                     "Símbol del compressor: un cercle amb un triangle a dalt que apunta cap enfora, d'on surt la línia d'aire comprimit; a baix, l'entrada d'aire, i a la dreta, l'eix del motor.",
                 }},
            },
        },
        {
            .page = Filter, .group = AirTreatment,
            .menu = {&MenuHeadings::AirTreatment, "mnuFiltre", "&Filtre"},
            .homeButton = {"imgFiltre", {3960, 2640, 900, 450}, 4, "Filtre"},
            .pictures = {
                {.control = "picFiltre", .frames = 6, .size = {321, 493},
                 .words = {
                     "L'aire a pressió (vermell) és aturat; les gotes d'aigua llançades abans contra el vas hi baixen per la paret cap al condensat, que s'acumula al fons, sota la placa cònica, damunt del purgador.",
                     "Entra aire per l'esquerra amb gotes d'aigua i partícules de brutícia; el remolí entre el deflector i el vas llança una gota i partícules contra la paret esquerra.",
                     "L'aire baixa pels dos costats del vas i comença a travessar l'element filtrant; una gota xoca amb la paret dreta i les altres hi rellisquen avall.",
                     "Continua entrant aire brut que envolta l'element i el travessa cap amunt; cau una gota nova a la paret esquerra i les d'abans baixen cap al condensat.",
                     "L'aire circula per tot el recorregut, de l'entrada a la sortida; dins l'element i a la sortida ja és net, mentre l'aigua i la brutícia baixen per la paret del vas.",
                     "Només l'aire filtrat circula, de l'element cap a la sortida; les gotes de la paret arriben a la vora de la placa cònica, a punt de caure al condensat, que es buida pel purgador.",
                 }},
                {.control = "Image1", .size = {135, 75},
                 .words = {
                     "Símbol del filtre: un rombe amb les connexions a esquerra i dreta, una línia discontínua vertical que representa l'element filtrant i una línia horitzontal a baix, el dipòsit de condensat.",
                 }},
            },
        },
        {
            .page = PressureRegulator, .group = AirTreatment,
            .menu = {&MenuHeadings::AirTreatment, "mnuReguladorPressió", "Re&gulador de Pressió"},
            .homeButton = {"imgReguladorPressió", {3960, 3360, 900, 450}, 3, "Regulador Pressió"},
            .pictures = {
                {.control = "picRegPressió", .frames = 6, .size = {284, 283},
                 .words = {
                     "Sense aire: la molla principal empeny la membrana, el vàstag i l'obturador amunt i la vàlvula és ben oberta.",
                     "Arriba aire a la pressió de la xarxa (vermell) fins a la vàlvula oberta; la sortida encara és buida.",
                     "L'aire passa per la vàlvula i omple la cambra de sobre la membrana i la sortida a una pressió més baixa, regulada (taronja); la membrana baixa i la vàlvula es tanca en part.",
                     "L'aire continua passant cap a la sortida a la pressió regulada (taronja), més baixa que la de l'entrada (vermell).",
                     "La pressió de sortida ha pujat: la membrana venç la molla, baixa més i la vàlvula queda gairebé tancada, amb una escletxa que deixa passar l'aire que es consumeix.",
                     "Igual que abans: la vàlvula gairebé tancada manté constant la pressió regulada de la sortida.",
                 }},
                {.control = "Image1", .size = {135, 75},
                 .words = {
                     "Símbol del regulador de pressió: un quadrat amb una fletxa de P cap a A, una molla regulable a dalt i una línia de pilotatge discontínua que porta la pressió de la sortida A a sota del quadrat.",
                 }},
            },
        },
        {
            .page = Lubricator, .group = AirTreatment,
            .menu = {&MenuHeadings::AirTreatment, "mnuLubrificador", "L&ubrificador"},
            .homeButton = {"imgLubricador", {3960, 4080, 900, 450}, 2, "Lubricador"},
            .pictures = {
                {.control = "picLubrificant", .frames = 6, .size = {278, 471},
                 .words = {
                     "L'aire a pressió (vermell) omple el pas i el vas però no circula: l'oli no puja pel tub i la cambra de goteig és buida.",
                     "L'aire comença a circular: a l'estrangulament sota el broquet la pressió és més baixa (taronja) que al vas, l'oli puja pel tub i cau la primera gota.",
                     "L'aire circula més de pressa; l'oli puja pel tub i cauen més gotes a la cambra de goteig.",
                     "Circulació intensa a banda i banda del broquet; les gotes d'oli continuen caient cap al broquet.",
                     "El pas és ple d'aire en moviment ràpid i l'oli degota sense parar.",
                     "L'aire arrossega l'oli polvoritzat en gotes minúscules cap a la sortida.",
                 }},
                {.control = "ImgSimbol", .size = {135, 75},
                 .words = {
                     "Símbol del lubrificador: un rombe amb les connexions a esquerra i dreta i una línia vertical curta que entra pel vèrtex de dalt.",
                 }},
            },
        },
        {
            .page = Valve32, .group = DirectionalValves,
            .menu = {&MenuHeadings::DirectionalValves, "mnuVàlvula3_2", "Vàlvula &3/2"},
            .homeButton = {"ImgV32Boto", {5760, 2640, 900, 450}, 18, "Vàlvula 3/2"},
            .pictures = {
                {.control = "picVàlvula32", .frames = 6, .size = {454, 270},
                 .words = {
                     "La vàlvula en repòs: la molla manté la corredissa a la dreta; A comunica amb l'escapament R i P és tancada, amb la pressió de la xarxa (vermell) fins a la corredissa.",
                     "Es prem el polsador i la corredissa es mou una mica a l'esquerra; A encara comunica amb R i l'aire del cilindre surt per l'escapament.",
                     "La corredissa continua cap a l'esquerra: les juntes tanquen P i R, i A queda aïllada.",
                     "La molla es comprimeix més; totes les connexions continuen tancades.",
                     "La corredissa arriba a l'esquerra: P comunica amb A i l'aire a pressió surt cap al cilindre; R és tancat.",
                     "Polsador a fons i molla comprimida del tot: P continua alimentant A.",
                 }},
                {.control = "picCircuit32", .frames = 5, .size = {280, 266}, .frameSizes = {{0, {266, 267}}},
                 .words = {
                     "Vàlvula en repòs: A comunica amb l'escapament R, el cilindre de simple efecte és buit (blau) i el pistó és a dins; P és tancada però sota pressió.",
                     "Es prem el polsador: P comunica amb A, l'aire a pressió omple el cilindre i el pistó comença a sortir comprimint la molla.",
                     "El pistó continua sortint.",
                     "El pistó gairebé ha sortit del tot.",
                     "El pistó ha sortit del tot; quan es deixa anar el polsador, la molla de la vàlvula i la del cilindre el tornen a la posició de repòs.",
                 }},
                {.control = "Image1", .size = {186, 106},
                 .words = {
                     "Símbol de la vàlvula 3/2 amb polsador i retorn per molla: en repòs A comunica amb R i P és tancada; accionada, P comunica amb A i R és tancat.",
                 }},
            },
        },
        {
            .page = Valve42, .group = DirectionalValves,
            .menu = {&MenuHeadings::DirectionalValves, "mnuVàlvula4_2", "Vàlvula &4/2"},
            .homeButton = {"imgV42Boto", {5760, 3360, 900, 450}, 17, "Vàlvula 4/2"},
            .pictures = {
                {.control = "picVàlvula42", .frames = 6, .size = {454, 270},
                 .words = {
                     "La vàlvula en repòs: la molla manté la corredissa a la dreta; P comunica amb B i A amb l'escapament T; el pistó és a dins i no circula aire.",
                     "Es prem el polsador i la corredissa passa a l'esquerra: P comunica amb A i B descarrega per T; l'aire circula.",
                     "La corredissa continua a l'esquerra: l'aire a pressió surt per A i el de B se'n va per T.",
                     "El polsador continua premut i les connexions es mantenen, però el pistó ja ha sortit del tot i l'aire no circula.",
                     "Es deixa anar el polsador: la molla torna la corredissa a la dreta; P comunica amb B i A descarrega per T; l'aire circula.",
                     "La corredissa continua a la dreta: l'aire a pressió entra per B i el d'A surt per T.",
                 }},
                {.control = "picCircuit42", .frames = 6, .size = {280, 266},
                 .words = {
                     "Vàlvula en repòs: P alimenta B, A descarrega per T i el pistó del cilindre de doble efecte és a dins.",
                     "Es prem el polsador: P alimenta A, B descarrega per T i el pistó comença a sortir.",
                     "El pistó continua sortint.",
                     "El pistó ha sortit del tot mentre el polsador continua premut.",
                     "Es deixa anar el polsador: P torna a alimentar B, A descarrega per T i el pistó comença a entrar.",
                     "El pistó continua entrant.",
                 }},
                {.control = "imgSimbol4_2", .size = {186, 106},
                 .words = {
                     "Símbol de la vàlvula 4/2 amb polsador i retorn per molla: en repòs P comunica amb B i A amb l'escapament T; accionada, P comunica amb A i B amb T.",
                 }},
            },
        },
        {
            .page = Valve52, .group = DirectionalValves,
            .menu = {&MenuHeadings::DirectionalValves, "mnuVàlvula5_2", "Vàlvula &5/2"},
            .homeButton = {"imgV52Boto", {5760, 4080, 900, 450}, 16, "Vàlvula 5/2"},
            .pictures = {
                {.control = "picVàlvula52", .frames = 6, .size = {454, 270},
                 .frameSizes = {{2, {469, 239}}, {3, {460, 240}}, {4, {460, 243}}, {5, {463, 251}}},
                 .words = {
                     "La vàlvula en repòs: la molla manté la corredissa a la dreta; P comunica amb B, A amb l'escapament T i R és tancat; el pistó és a dins i no circula aire.",
                     "Es prem el polsador i la corredissa passa a l'esquerra: P comunica amb A, B descarrega per R i T és tancat; l'aire circula.",
                     "La corredissa continua a l'esquerra: l'aire a pressió surt per A i el de B se'n va per R.",
                     "El polsador continua premut i les connexions es mantenen, però el pistó ja ha sortit del tot i l'aire no circula.",
                     "Es deixa anar el polsador: la molla torna la corredissa a la dreta; P comunica amb B, A descarrega per T i R és tancat; l'aire circula.",
                     "La corredissa continua a la dreta: l'aire a pressió entra per B i el d'A surt per T.",
                 }},
                {.control = "picCircuit52", .frames = 6, .size = {280, 266},
                 .words = {
                     "Vàlvula en repòs: P alimenta B, A descarrega per T, R és tancat i el pistó del cilindre de doble efecte és a dins.",
                     "Es prem el polsador: P alimenta A, B descarrega per R, T és tancat i el pistó comença a sortir.",
                     "El pistó continua sortint.",
                     "El pistó ha sortit del tot mentre el polsador continua premut.",
                     "Es deixa anar el polsador: P torna a alimentar B, A descarrega per T i el pistó comença a entrar.",
                     "El pistó continua entrant.",
                 }},
                {.control = "imgSimbol5_2", .size = {186, 106},
                 .words = {
                     "Símbol de la vàlvula 5/2 amb polsador i retorn per molla: en repòs P comunica amb B, A amb T i R és tancat; accionada, P comunica amb A, B amb R i T és tancat.",
                 }},
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
