// SPDX-License-Identifier: GPL-3.0-or-later
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
                     "Continua entrant aire, que sota el deflector gira en remolí al voltant de l'element i comença a travessar-lo; el remolí llança una gota contra la paret dreta i les altres hi rellisquen avall.",
                     "Continua entrant aire brut que gira en remolí al voltant de l'element i el travessa cap amunt; el remolí llança una gota nova contra la paret esquerra i les d'abans baixen cap al condensat.",
                     "L'aire circula per tot el recorregut, de l'entrada al remolí del vas i a la sortida; dins l'element i a la sortida ja és net, mentre l'aigua i la brutícia baixen per la paret del vas.",
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
                     "La pressió de sortida ha pujat: la membrana venç la molla, baixa més i l'obturador s'acosta al seient, amb una escletxa petita però oberta que deixa passar l'aire que es consumeix.",
                     "Igual que abans: l'escletxa estreta estrangula el pas i manté constant la pressió regulada de la sortida.",
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
                     "Circulació intensa a banda i banda del broquet; l'oli arriba al broquet i les primeres gotes d'oli (groc) en surten arrossegades per l'aire.",
                     "El pas és ple d'aire en moviment ràpid, l'oli degota sense parar i més gotes d'oli surten del broquet cap a la sortida.",
                     "L'aire arrossega fins a la sortida les gotes d'oli i l'oli polvoritzat en gotes minúscules.",
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
                     "La vàlvula en repòs: la molla manté la corredissa a la dreta; A comunica amb l'escapament R, l'aire que torna del cilindre entra per A i surt per R, i P és tancada, amb la pressió de la xarxa (vermell) fins a la corredissa.",
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
