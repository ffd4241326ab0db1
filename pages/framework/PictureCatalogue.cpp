#include "PictureCatalogue.h"

const QList<PictureArray> &pictureArrays()
{
    // page                     control                         frames  size          frames of another size                    drawn
    static const QList<PictureArray> arrays = {
        {"frmHidràulica",          "icon",                          0, {16, 16},   {},                                               true},
        {"frmHidràulica",          "ImgPistonsBoto",                0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "ImgPaletesBoto",                0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgFiltre",                     0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgReguladorPressió",           0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgLubricador",                 0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "ImgV32Boto",                    0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgV42Boto",                    0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgV52Boto",                    0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgAndBoto",                    0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "ImgORBoto",                     0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "ImgAntiretornBoto",             0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "ImgLimitadoraBoto",             0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "ImgReguladoraBoto",             0, {60, 30},   {},                                               true},
        {"frmHidràulica",          "imgEscapRàpidboto",             0, {60, 30},   {},                                               true},
        {"frmAntiretorn",          "picVàlvulaAntiretorn",          6, {454, 270}, {},                                               true},
        {"frmAntiretorn",          "picCircuitAntiretorn",          6, {280, 266}, {{2, {298, 279}}},                                true},
        {"frmAntiretorn",          "imgSimbolAntiretorn",           0, {135, 75},  {},                                               true},
        {"frmCompressorDePistons", "picCompressorDePistons",        8, {267, 404}, {},                                               true},
        {"frmCompressorDePistons", "ImgSimbol",                     0, {135, 75},  {},                                               true},
        {"frmCompressorDePaletes", "picCompressorDePaletes",        6, {450, 404}, {},                                               true},
        {"frmCompressorDePaletes", "ImgSimbol",                     0, {135, 75},  {},                                               true},
        {"frmLimitadora",          "picVàlvulaLimit",               6, {500, 300}, {},                                               true},
        {"frmLimitadora",          "picCircuitLimit",               6, {280, 266}, {{0, {266, 267}}},                                true},
        {"frmLimitadora",          "imgSimbolLimit",                0, {103, 91},  {},                                               true},
        {"frmReguladora",          "picVàlvulaReguladora",         12, {454, 270}, {},                                               true},
        {"frmReguladora",          "picCircuitReguladora",         12, {280, 266}, {},                                               true},
        {"frmReguladora",          "imgSimbolReguladora",           0, {135, 75},  {},                                               true},
        {"frmSelectora",           "picVàlvulaSelectora",           6, {480, 270}, {},                                               true},
        {"frmSelectora",           "picCircuitSelectora",           6, {280, 266}, {},                                               true},
        {"frmSelectora",           "imgSimbolSelectora",            0, {135, 75},  {},                                               true},
        {"frmSimultaneïtat",       "picVàlvulaSimultaneïtat",       6, {480, 270}, {},                                               true},
        {"frmSimultaneïtat",       "picCircuitSimultaneïtat",       6, {280, 266}, {},                                               true},
        {"frmSimultaneïtat",       "imgSimbolSimultaneïtat",        0, {135, 75},  {},                                               true},
        {"frmValvula32",           "picVàlvula32",                  6, {454, 270}, {},                                               true},
        {"frmValvula32",           "picCircuit32",                  5, {280, 266}, {{0, {266, 267}}},                                true},
        {"frmValvula32",           "Image1",                        0, {186, 106}, {},                                               true},
        {"frmValvula42",           "picVàlvula42",                  6, {454, 270}, {},                                               true},
        {"frmValvula42",           "picCircuit42",                  6, {280, 266}, {},                                               true},
        {"frmValvula42",           "imgSimbol4_2",                  0, {186, 106}, {},                                               true},
        {"frmValvula52",           "picVàlvula52",                  6, {454, 270}, {{2, {469, 239}}, {3, {460, 240}}, {4, {460, 243}}, {5, {463, 251}}}, true},
        {"frmValvula52",           "picCircuit52",                  6, {280, 266}, {},                                               true},
        {"frmValvula52",           "imgSimbol5_2",                  0, {186, 106}, {},                                               true},
        {"frmFiltre",              "picFiltre",                     6, {321, 493}, {},                                               true},
        {"frmFiltre",              "Image1",                        0, {135, 75},  {},                                               true},
        {"frmRegPressió",          "picRegPressió",                 6, {284, 283}, {},                                               true},
        {"frmRegPressió",          "Image1",                        0, {135, 75},  {},                                               true},
        {"frmLubrificant",         "picLubrificant",                6, {278, 471}, {},                                               true},
        {"frmLubrificant",         "ImgSimbol",                     0, {135, 75},  {},                                               true},
        {"frmEscapamentRapid",     "picEscapamentRàpid",            6, {454, 270}, {},                                               true},
        {"frmEscapamentRapid",     "picCircuitEscapamentRàpid",     6, {280, 266}, {},                                               true},
        {"frmEscapamentRapid",     "imgSimbol4_2",                  0, {135, 75},  {},                                               true},
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
            resources.append({array.page + QStringLiteral("/icon.ico"), array.page, array.control, -1, array.size, array.drawn});
            continue;
        }
        if (array.frames == 0) {
            resources.append({imagePictureName(array.page, array.control), array.page, array.control, -1,
                              array.size, array.drawn});
            continue;
        }
        for (int frame = 0; frame < array.frames; ++frame) {
            QSize size = array.size;
            for (const auto &[index, other] : array.frameSizes)
                if (index == frame)
                    size = other;
            resources.append({framePictureName(array.page, array.control, frame), array.page, array.control,
                              frame, size, array.drawn});
        }
    }
    return resources;
}
