#include "MainFrameDescription.h"

MainFrameDescription mainFrameDescription()
{
    return {
        .name = "MDIIniciPneumatica",
        .caption = "Ventiro",
        .background = SystemColour::AppWorkspace,
        .clientRect = {165, 735, 11880, 10830},
        .startUpPosition = 3,
        .menu = {
            {"mnuBombes", "&Compressors", {
                {"mnuPaletes", "&Paletes", {}},
                {"mnuÈmbol", "È&mbol", {}},
            }},
            {"mnuCondicionament", "C&ondicionament", {
                {"mnuFiltre", "&Filtre", {}},
                {"mnuReguladorPressió", "Re&gulador de Pressió", {}},
                {"mnuLubrificador", "L&ubrificador", {}},
            }},
            {"mnuDistribuïdores", "&Distribuïdores", {
                {"mnuVàlvula3_2", "Vàlvula &3/2", {}},
                {"mnuVàlvula4_2", "Vàlvula &4/2", {}},
                {"mnuVàlvula5_2", "Vàlvula &5/2", {}},
            }},
            {"mnuBloqueig", "&Bloqueig", {
                {"mnuSimultaneïtat", "&Simultaneïtat", {}},
                {"mnuSelectora", "S&electora", {}},
                {"mnuEscapamentRàpid", "Esca&pament Ràpid", {}},
                {"mnuAntiretorn", "&Antiretorn", {}},
            }},
            {"mnuLimitadora", "&Limitadora", {}},
            {"mnuReguladora", "&Reguladora", {}},
        },
    };
}

QList<QPair<QString, QString>> menuCommands()
{
    return {
        {"mnuPaletes", "frmCompressorDePaletes"},
        {"mnuÈmbol", "frmCompressorDePistons"},
        {"mnuFiltre", "frmFiltre"},
        {"mnuReguladorPressió", "frmRegPressió"},
        {"mnuLubrificador", "frmLubrificant"},
        {"mnuVàlvula3_2", "frmValvula32"},
        {"mnuVàlvula4_2", "frmValvula42"},
        {"mnuVàlvula5_2", "frmValvula52"},
        {"mnuSimultaneïtat", "frmSimultaneïtat"},
        {"mnuSelectora", "frmSelectora"},
        {"mnuEscapamentRàpid", "frmEscapamentRapid"},
        {"mnuAntiretorn", "frmAntiretorn"},
        {"mnuLimitadora", "frmLimitadora"},
        {"mnuReguladora", "frmReguladora"},
    };
}
