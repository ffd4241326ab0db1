#include "PictureCatalogue.h"

const QList<PictureArray> &pictureArrays()
{
    // page                     control                         frames  size          frames of another size
    static const QList<PictureArray> arrays = {
        {"frmHidràulica",          "icon",                          0, {16, 16},   {}},
        {"frmHidràulica",          "ImgPistonsBoto",                0, {60, 30},   {}},
        {"frmHidràulica",          "ImgPaletesBoto",                0, {60, 30},   {}},
        {"frmHidràulica",          "imgFiltre",                     0, {60, 30},   {}},
        {"frmHidràulica",          "imgReguladorPressió",           0, {60, 30},   {}},
        {"frmHidràulica",          "imgLubricador",                 0, {60, 30},   {}},
        {"frmHidràulica",          "ImgV32Boto",                    0, {60, 30},   {}},
        {"frmHidràulica",          "imgV42Boto",                    0, {60, 30},   {}},
        {"frmHidràulica",          "imgV52Boto",                    0, {60, 30},   {}},
        {"frmHidràulica",          "imgAndBoto",                    0, {60, 30},   {}},
        {"frmHidràulica",          "ImgORBoto",                     0, {60, 30},   {}},
        {"frmHidràulica",          "ImgAntiretornBoto",             0, {60, 30},   {}},
        {"frmHidràulica",          "ImgLimitadoraBoto",             0, {60, 30},   {}},
        {"frmHidràulica",          "ImgReguladoraBoto",             0, {60, 30},   {}},
        {"frmHidràulica",          "imgEscapRàpidboto",             0, {60, 30},   {}},
        {"frmAntiretorn",          "picVàlvulaAntiretorn",          6, {454, 270}, {}},
        {"frmAntiretorn",          "picCircuitAntiretorn",          6, {280, 266}, {{2, {298, 279}}}},
        {"frmAntiretorn",          "imgSimbolAntiretorn",           0, {135, 75},  {}},
        {"frmCompressorDePistons", "picCompressorDePistons",        8, {267, 404}, {}},
        {"frmCompressorDePistons", "ImgSimbol",                     0, {135, 75},  {}},
        {"frmCompressorDePaletes", "picCompressorDePaletes",        6, {450, 404}, {}},
        {"frmCompressorDePaletes", "ImgSimbol",                     0, {135, 75},  {}},
        {"frmLimitadora",          "picVàlvulaLimit",               6, {500, 300}, {}},
        {"frmLimitadora",          "picCircuitLimit",               6, {280, 266}, {{0, {266, 267}}}},
        {"frmLimitadora",          "imgSimbolLimit",                0, {103, 91},  {}},
        {"frmReguladora",          "picVàlvulaReguladora",         12, {454, 270}, {}},
        {"frmReguladora",          "picCircuitReguladora",         12, {280, 266}, {}},
        {"frmReguladora",          "imgSimbolReguladora",           0, {135, 75},  {}},
        {"frmSelectora",           "picVàlvulaSelectora",           6, {480, 270}, {}},
        {"frmSelectora",           "picCircuitSelectora",           6, {280, 266}, {}},
        {"frmSelectora",           "imgSimbolSelectora",            0, {135, 75},  {}},
        {"frmSimultaneïtat",       "picVàlvulaSimultaneïtat",       6, {480, 270}, {}},
        {"frmSimultaneïtat",       "picCircuitSimultaneïtat",       6, {280, 266}, {}},
        {"frmSimultaneïtat",       "imgSimbolSimultaneïtat",        0, {135, 75},  {}},
        {"frmValvula32",           "picVàlvula32",                  6, {454, 270}, {}},
        {"frmValvula32",           "picCircuit32",                  5, {280, 266}, {{0, {266, 267}}}},
        {"frmValvula32",           "Image1",                        0, {186, 106}, {}},
        {"frmValvula42",           "picVàlvula42",                  6, {454, 270}, {}},
        {"frmValvula42",           "picCircuit42",                  6, {280, 266}, {}},
        {"frmValvula42",           "imgSimbol4_2",                  0, {186, 106}, {}},
        {"frmValvula52",           "picVàlvula52",                  6, {454, 270}, {{2, {469, 239}}, {3, {460, 240}}, {4, {460, 243}}, {5, {463, 251}}}},
        {"frmValvula52",           "picCircuit52",                  6, {280, 266}, {}},
        {"frmValvula52",           "imgSimbol5_2",                  0, {186, 106}, {}},
        {"frmFiltre",              "picFiltre",                     6, {321, 493}, {}},
        {"frmFiltre",              "Image1",                        0, {135, 75},  {}},
        {"frmRegPressió",          "picRegPressió",                 6, {284, 283}, {}},
        {"frmRegPressió",          "Image1",                        0, {135, 75},  {}},
        {"frmLubrificant",         "picLubrificant",                6, {278, 471}, {}},
        {"frmLubrificant",         "ImgSimbol",                     0, {135, 75},  {}},
        {"frmEscapamentRapid",     "picEscapamentRàpid",            6, {454, 270}, {}},
        {"frmEscapamentRapid",     "picCircuitEscapamentRàpid",     6, {280, 266}, {}},
        {"frmEscapamentRapid",     "imgSimbol4_2",                  0, {135, 75},  {}},
    };
    return arrays;
}

QString framePictureName(const QString &page, const QString &control, int frame)
{
    return page + u'/' + control + u'_' + QString::number(frame) + QStringLiteral(".gif");
}

QString imagePictureName(const QString &page, const QString &control)
{
    return page + u'/' + control + QStringLiteral(".gif");
}

QList<PictureResource> pictureResources()
{
    QList<PictureResource> resources;
    for (const PictureArray &array : pictureArrays()) {
        if (array.control == QLatin1String("icon")) {
            resources.append({array.page + QStringLiteral("/icon.ico"), array.page, array.control, -1, array.size});
            continue;
        }
        if (array.frames == 0) {
            resources.append({imagePictureName(array.page, array.control), array.page, array.control, -1,
                              array.size});
            continue;
        }
        for (int frame = 0; frame < array.frames; ++frame) {
            QSize size = array.size;
            for (const auto &[index, other] : array.frameSizes)
                if (index == frame)
                    size = other;
            resources.append({framePictureName(array.page, array.control, frame), array.page, array.control,
                              frame, size});
        }
    }
    return resources;
}
