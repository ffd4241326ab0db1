#include "PictureCatalogue.h"

#include "PageNames.h"

const QList<PictureArray> &pictureArrays()
{
    // page                            control                      frames size        frames of another size
    static const QList<PictureArray> arrays = {
        {PageName::Home,               "icon",                          0, {16, 16},   {}},
        {PageName::Home,               "ImgPistonsBoto",                0, {60, 30},   {}},
        {PageName::Home,               "ImgPaletesBoto",                0, {60, 30},   {}},
        {PageName::Home,               "imgFiltre",                     0, {60, 30},   {}},
        {PageName::Home,               "imgReguladorPressió",           0, {60, 30},   {}},
        {PageName::Home,               "imgLubricador",                 0, {60, 30},   {}},
        {PageName::Home,               "ImgV32Boto",                    0, {60, 30},   {}},
        {PageName::Home,               "imgV42Boto",                    0, {60, 30},   {}},
        {PageName::Home,               "imgV52Boto",                    0, {60, 30},   {}},
        {PageName::Home,               "imgAndBoto",                    0, {60, 30},   {}},
        {PageName::Home,               "ImgORBoto",                     0, {60, 30},   {}},
        {PageName::Home,               "ImgAntiretornBoto",             0, {60, 30},   {}},
        {PageName::Home,               "ImgLimitadoraBoto",             0, {60, 30},   {}},
        {PageName::Home,               "ImgReguladoraBoto",             0, {60, 30},   {}},
        {PageName::Home,               "imgEscapRàpidboto",             0, {60, 30},   {}},
        {PageName::NonReturnValve,     "picVàlvulaAntiretorn",          6, {454, 270}, {}},
        {PageName::NonReturnValve,     "picCircuitAntiretorn",          6, {280, 266}, {{2, {298, 279}}}},
        {PageName::NonReturnValve,     "imgSimbolAntiretorn",           0, {135, 75},  {}},
        {PageName::PistonCompressor,   "picCompressorDePistons",        8, {267, 404}, {}},
        {PageName::PistonCompressor,   "ImgSimbol",                     0, {135, 75},  {}},
        {PageName::VaneCompressor,     "picCompressorDePaletes",        6, {450, 404}, {}},
        {PageName::VaneCompressor,     "ImgSimbol",                     0, {135, 75},  {}},
        {PageName::LimitingValve,      "picVàlvulaLimit",               6, {500, 300}, {}},
        {PageName::LimitingValve,      "picCircuitLimit",               6, {280, 266}, {{0, {266, 267}}}},
        {PageName::LimitingValve,      "imgSimbolLimit",                0, {103, 91},  {}},
        {PageName::FlowRegulator,      "picVàlvulaReguladora",         12, {454, 270}, {}},
        {PageName::FlowRegulator,      "picCircuitReguladora",         12, {280, 266}, {}},
        {PageName::FlowRegulator,      "imgSimbolReguladora",           0, {135, 75},  {}},
        {PageName::ShuttleValve,       "picVàlvulaSelectora",           6, {480, 270}, {}},
        {PageName::ShuttleValve,       "picCircuitSelectora",           6, {280, 266}, {}},
        {PageName::ShuttleValve,       "imgSimbolSelectora",            0, {135, 75},  {}},
        {PageName::TwoPressureValve,   "picVàlvulaSimultaneïtat",       6, {480, 270}, {}},
        {PageName::TwoPressureValve,   "picCircuitSimultaneïtat",       6, {280, 266}, {}},
        {PageName::TwoPressureValve,   "imgSimbolSimultaneïtat",        0, {135, 75},  {}},
        {PageName::Valve32,            "picVàlvula32",                  6, {454, 270}, {}},
        {PageName::Valve32,            "picCircuit32",                  5, {280, 266}, {{0, {266, 267}}}},
        {PageName::Valve32,            "Image1",                        0, {186, 106}, {}},
        {PageName::Valve42,            "picVàlvula42",                  6, {454, 270}, {}},
        {PageName::Valve42,            "picCircuit42",                  6, {280, 266}, {}},
        {PageName::Valve42,            "imgSimbol4_2",                  0, {186, 106}, {}},
        {PageName::Valve52,            "picVàlvula52",                  6, {454, 270}, {{2, {469, 239}}, {3, {460, 240}}, {4, {460, 243}}, {5, {463, 251}}}},
        {PageName::Valve52,            "picCircuit52",                  6, {280, 266}, {}},
        {PageName::Valve52,            "imgSimbol5_2",                  0, {186, 106}, {}},
        {PageName::Filter,             "picFiltre",                     6, {321, 493}, {}},
        {PageName::Filter,             "Image1",                        0, {135, 75},  {}},
        {PageName::PressureRegulator,  "picRegPressió",                 6, {284, 283}, {}},
        {PageName::PressureRegulator,  "Image1",                        0, {135, 75},  {}},
        {PageName::Lubricator,         "picLubrificant",                6, {278, 471}, {}},
        {PageName::Lubricator,         "ImgSimbol",                     0, {135, 75},  {}},
        {PageName::QuickExhaustValve,  "picEscapamentRàpid",            6, {454, 270}, {}},
        {PageName::QuickExhaustValve,  "picCircuitEscapamentRàpid",     6, {280, 266}, {}},
        {PageName::QuickExhaustValve,  "imgSimbol4_2",                  0, {135, 75},  {}},
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

QString iconPictureName(const QString &page)
{
    return page + QStringLiteral("/icon.ico");
}

int frameCount(const QString &page, const QString &control)
{
    for (const PictureArray &array : pictureArrays())
        if (array.page == page && array.control == control)
            return array.frames;
    return 0;
}

QList<PictureResource> pictureResources()
{
    QList<PictureResource> resources;
    for (const PictureArray &array : pictureArrays()) {
        if (array.control == QLatin1String("icon")) {
            resources.append({iconPictureName(array.page), array.page, array.control, -1, array.size});
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
