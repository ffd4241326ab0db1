// SPDX-License-Identifier: GPL-3.0-or-later
// The picture resources: the catalogue, the committed files and their exact
// format, the home page icon and the desktop icon at every size, which pictures may
// be equal, and that the artwork generator reproduces every committed file byte for byte.
#include "Artwork.h"
#include "GifWriter.h"
#include "IconWriter.h"
#include "Palette.h"
#include "ComponentPages.h"
#include "PictureCatalogue.h"
#include "PictureChecks.h"
#include "ProgramIcon.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <stdexcept>

static const QDir committedPictures(QStringLiteral(VENTIRO_SOURCE_DIR "/resources/pictures"));
static const QDir committedIcons(QStringLiteral(VENTIRO_SOURCE_DIR "/packaging/icons"));

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


// Walks a GIF file block by block and tells what, if anything, departs from the one
// form every picture has: GIF89a, a logical screen of the picture size with a
// 256-entry unsorted global table at 8 bits of colour resolution, background and
// aspect 0, then exactly one full-size image at (0, 0) without local table or
// interlace, LZW minimum code size 8, its data sub-blocks, and the trailer.
static QString gifFormatProblem(const QByteArray &gif, QSize size)
{
    const auto *bytes = reinterpret_cast<const uchar *>(gif.constData());
    const qsizetype length = gif.size();
    auto word = [&](qsizetype at) { return int(qFromLittleEndian<quint16>(bytes + at)); };

    if (length < 13 || !gif.startsWith("GIF89a"))
        return QStringLiteral("no GIF89a header");
    if (word(6) != size.width() || word(8) != size.height())
        return QStringLiteral("logical screen %1 x %2").arg(word(6)).arg(word(8));
    if (bytes[10] != 0xF7)
        return QStringLiteral("screen packed field 0x%1").arg(int(bytes[10]), 2, 16, QLatin1Char('0'));
    if (bytes[11] != 0 || bytes[12] != 0)
        return QStringLiteral("background or aspect not 0");
    qsizetype at = 13 + 3 * 256;

    if (at >= length)
        return QStringLiteral("ends inside the colour table");
    if (bytes[at] == 0x21)
        return QStringLiteral("extension block before the image");
    if (bytes[at] != 0x2C || at + 10 > length)
        return QStringLiteral("no image descriptor after the colour table");
    if (word(at + 1) != 0 || word(at + 3) != 0 || word(at + 5) != size.width() || word(at + 7) != size.height())
        return QStringLiteral("image not at 0,0 with the full picture size");
    if (bytes[at + 9] != 0)
        return QStringLiteral("image packed field 0x%1 (local table or interlace)").arg(int(bytes[at + 9]), 2, 16, QLatin1Char('0'));
    at += 10;

    if (at >= length || bytes[at] != 8)
        return QStringLiteral("LZW minimum code size not 8");
    ++at;
    while (true) {
        if (at >= length)
            return QStringLiteral("image data without terminator");
        const int blockLength = bytes[at++];
        if (blockLength == 0)
            break;
        at += blockLength;
    }

    if (at < length && bytes[at] == 0x21)
        return QStringLiteral("extension block after the image");
    if (at >= length || bytes[at] != 0x3B)
        return QStringLiteral("no trailer after the image");
    if (at + 1 != length)
        return QStringLiteral("%1 bytes after the trailer").arg(length - at - 1);
    return {};
}

static QSet<QRgb> coloursOf(const QImage &image)
{
    return PictureChecks::coloursIn(image, image.rect());
}

class TestPictures final : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsEveryResourceOnce();
    void artworkAndCatalogueAgree();
    void formatCheckCatchesDepartures_data();
    void formatCheckCatchesDepartures();
    void everyPictureIsCommittedInItsFormat();
    void homePageIcon();
    void desktopIconIsDrawnAtEverySize();
    void scalableIconIsTheLargeDrawing();
    void onlyTheKnownPairsAreIdentical();
    void generatorReproducesTheCommittedFiles();
    void writersRefuseColoursOutsideThePalette();
};

void TestPictures::catalogueHoldsEveryResourceOnce()
{
    int frameArrays = 0, frames = 0, images = 0, icons = 0;
    for (const PictureArray &array : pictureArrays()) {
        if (array.frames > 0) {
            ++frameArrays;
            frames += array.frames;
            for (const auto &[frame, size] : array.frameSizes)
                QVERIFY2(frame >= 0 && frame < array.frames, qPrintable(array.control));
        } else if (array.control == QLatin1String("icon")) {
            ++icons;
        } else {
            ++images;
        }
    }
    // Each component page has a picture button on the home page besides its own pictures.
    int rowArrays = 0, rowImages = 0;
    for (const ComponentPage &row : componentPages())
        for (const PagePicture &picture : row.pictures)
            (picture.frames > 0 ? rowArrays : rowImages) += 1;
    QCOMPARE(frameArrays, rowArrays);
    QCOMPARE(images, rowImages + componentPages().size());
    QCOMPARE(icons, 1);

    const QList<PictureResource> resources = pictureResources();
    QCOMPARE(resources.size(), frames + images + icons);
    QSet<QString> names;
    for (const PictureResource &resource : resources) {
        QVERIFY2(!names.contains(resource.name), qPrintable(resource.name));
        names.insert(resource.name);
        QVERIFY(resource.name.endsWith(QLatin1String(".gif")) || resource.name == QStringLiteral("frmHidràulica/icon.ico"));
    }
    QVERIFY(names.contains(QStringLiteral("frmValvula32/picVàlvula32_1.gif")));
    QVERIFY(names.contains(QStringLiteral("frmHidràulica/ImgV32Boto.gif")));
    QVERIFY(names.contains(QStringLiteral("frmValvula52/picVàlvula52_5.gif")));
}

void TestPictures::artworkAndCatalogueAgree()
{
    QSet<QString> drawers;
    for (const ArtworkEntry &entry : allArtwork()) {
        const QString key = entry.page + u'/' + entry.control;
        QVERIFY2(!drawers.contains(key), qPrintable("two drawers for " + key));
        drawers.insert(key);
    }
    QSet<QString> catalogued;
    for (const PictureArray &array : pictureArrays()) {
        const QString key = array.page + u'/' + array.control;
        catalogued.insert(key);
        QVERIFY2(drawers.contains(key), qPrintable(key + " has no drawing"));
    }
    for (const QString &key : drawers)
        QVERIFY2(catalogued.contains(key), qPrintable(key + " is drawn but not catalogued"));
}

// The format check must itself notice what it is there to catch.
void TestPictures::formatCheckCatchesDepartures_data()
{
    QTest::addColumn<QByteArray>("gif");
    QTest::addColumn<QString>("problem");

    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Colour::LightYellow);
    picture.setPixel(3, 2, Colour::Black);
    const QByteArray good = encodeGif(picture);
    const qsizetype image = 13 + 768;

    QTest::newRow("as written") << good << QString();
    QByteArray otherScreen = good;
    otherScreen[6] = 8;
    QTest::newRow("screen size") << otherScreen << "logical screen 8 x 5";
    QByteArray sorted = good;
    sorted[10] = char(0xFF);
    QTest::newRow("sorted table") << sorted << "screen packed field 0xff";
    const QByteArray control = QByteArray::fromHex("21f9040000000000");
    QTest::newRow("graphic control") << QByteArray(good).insert(image, control) << "extension block before the image";
    QByteArray interlaced = good;
    interlaced[image + 9] = char(0x40);
    QTest::newRow("interlaced") << interlaced << "image packed field 0x40 (local table or interlace)";
    QByteArray codeSize = good;
    codeSize[image + 10] = 7;
    QTest::newRow("code size 7") << codeSize << "LZW minimum code size not 8";
    QTest::newRow("comment after") << QByteArray(good).insert(good.size() - 1, QByteArray::fromHex("21fe017800"))
                                   << "extension block after the image";
    QTest::newRow("truncated") << good.left(good.size() - 1) << "no trailer after the image";
    QTest::newRow("trailing byte") << good + '\0' << "1 bytes after the trailer";
}

void TestPictures::formatCheckCatchesDepartures()
{
    QFETCH(QByteArray, gif);
    QFETCH(QString, problem);
    QCOMPARE(gifFormatProblem(gif, QSize(7, 5)), problem);
}

void TestPictures::everyPictureIsCommittedInItsFormat()
{
    for (const PictureResource &resource : pictureResources()) {
        if (!resource.name.endsWith(QLatin1String(".gif")))
            continue;
        const QByteArray bytes = readAll(committedPictures.filePath(resource.name));
        QVERIFY2(!bytes.isEmpty(), qPrintable(resource.name + " is missing"));
        const QString problem = gifFormatProblem(bytes, resource.size);
        QVERIFY2(problem.isEmpty(), qPrintable(resource.name + ": " + problem));

        const QImage picture = QImage::fromData(bytes, "GIF");
        QVERIFY2(!picture.isNull(), qPrintable(resource.name + " does not decode"));
        QCOMPARE(picture.size(), resource.size);
        QVERIFY2(coloursOf(picture).size() >= 2, qPrintable(resource.name + " is a single colour"));
    }
}

void TestPictures::homePageIcon()
{
    const QString name = QStringLiteral("frmHidràulica/icon.ico");
    const QByteArray bytes = readAll(committedPictures.filePath(name));
    QCOMPARE(bytes.size(), 1406);
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    QCOMPARE(qFromLittleEndian<quint16>(data + 2), quint16(1));  // an icon ...
    QCOMPARE(qFromLittleEndian<quint16>(data + 4), quint16(1));  // ... with one image
    QCOMPARE(int(data[6]), 16);
    QCOMPARE(int(data[7]), 16);
    QCOMPARE(qFromLittleEndian<quint32>(data + 14), quint32(1406 - 22));
    QCOMPARE(qFromLittleEndian<quint32>(data + 18), quint32(22));
    QCOMPARE(qFromLittleEndian<quint32>(data + 22), quint32(40));
    QCOMPARE(qFromLittleEndian<qint32>(data + 26), 16);
    QCOMPARE(qFromLittleEndian<qint32>(data + 30), 32);
    QCOMPARE(qFromLittleEndian<quint16>(data + 36), quint16(8));
    QCOMPARE(bytes.right(64), QByteArray(64, '\0'));  // every pixel opaque

    const QImage icon = QImage::fromData(bytes, "ICO").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(16, 16));
    const QSet<QRgb> colours = coloursOf(icon);
    QVERIFY(colours.contains(Colour::White));
    QVERIFY(colours.contains(Colour::Red));
    for (const QRgb colour : colours)
        QVERIFY2(colour == Colour::White || (qRed(colour) > qGreen(colour) && qGreen(colour) == qBlue(colour)),
                 qPrintable(QString::number(colour, 16)));

    // The file holds the drawing the right way up: the decoded icon is the drawn one.
    for (const ArtworkEntry &entry : homePageArtwork())
        if (entry.control == QLatin1String("icon"))
            QCOMPARE(icon, entry.draw(-1, QSize(16, 16)).convertToFormat(QImage::Format_ARGB32));
}

// The desktop icon is the window icon at 16 pixels and a fresh drawing of the same
// letter at each larger size: smooth edges and more than one pixel of detail per
// sixteenth, where an enlarged 16-pixel icon would show blocks of its five colours.
// Its ground is transparent, so that it sits on a dark panel as on a light one.
static QImage laidOnWhite(const QImage &icon)
{
    QImage picture(icon.size(), QImage::Format_RGB32);
    picture.fill(Colour::White);
    QPainter painter(&picture);
    painter.drawImage(0, 0, icon);
    return picture;
}

void TestPictures::desktopIconIsDrawnAtEverySize()
{
    const QImage window = QImage::fromData(readAll(committedPictures.filePath(QStringLiteral("frmHidràulica/icon.ico"))), "ICO")
                              .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(desktopIconSizes(), QList<int>({16, 32, 48, 64, 128, 256}));
    for (const int size : desktopIconSizes()) {
        const QString path = committedIcons.filePath(desktopIconPath(size));
        const QImage file(path, "PNG");
        QVERIFY2(!file.isNull(), qPrintable(path + " is missing or not a PNG picture"));
        QVERIFY2(file.hasAlphaChannel(), qPrintable(path + " has no transparency"));
        const QImage icon = file.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(size, size));
        // The corners are see-through ground, the middle of the stem is opaque letter.
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
        QCOMPARE(icon.pixel(size * 9 / 32, size * 13 / 16), Colour::Red);
        const QImage onWhite = laidOnWhite(icon);
        if (size == 16) {
            QCOMPARE(onWhite, window);
            continue;
        }
        const QImage enlarged = window.scaled(size, size);
        QVERIFY2(onWhite != enlarged, qPrintable(path + " is the 16-pixel icon enlarged"));
        const QSet<QRgb> colours = coloursOf(onWhite);
        QVERIFY2(colours.size() > 5, qPrintable(path + " has no smooth edges"));
        QVERIFY(colours.contains(Colour::White) && colours.contains(Colour::Red) && colours.contains(Colour::DarkRed));
    }
}

// The outline of an SVG path as the generator writes it: absolute M, L, C and Z.
static QPainterPath pathFromSvg(const QString &data)
{
    QPainterPath path;
    QList<qreal> numbers;
    QChar command;
    QString number;
    auto take = [&] {
        if (number.isEmpty())
            return;
        numbers.append(number.toDouble());
        number.clear();
        if (command == u'M' && numbers.size() == 2) {
            path.moveTo(numbers[0], numbers[1]);
            numbers.clear();
        } else if (command == u'L' && numbers.size() == 2) {
            path.lineTo(numbers[0], numbers[1]);
            numbers.clear();
        } else if (command == u'C' && numbers.size() == 6) {
            path.cubicTo(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]);
            numbers.clear();
        }
    };
    for (const QChar c : data) {
        if (c.isDigit() || c == u'.' || (c == u'-' && number.isEmpty())) {
            number.append(c);
        } else {
            take();
            if (c.isLetter()) {
                if (c == u'Z')
                    path.closeSubpath();
                command = c;
            }
        }
    }
    take();
    return path;
}

// The scalable icon holds the outlines the larger sizes are painted from, each with
// its colour, and nothing on the ground: painted at 256 pixels, it is the 256-pixel icon.
void TestPictures::scalableIconIsTheLargeDrawing()
{
    const QString path = committedIcons.filePath(scalableIconPath());
    QCOMPARE(scalableIconPath(), QStringLiteral("hicolor/scalable/apps/cat.ventiro.Ventiro.svg"));
    QXmlStreamReader svg(readAll(path));
    QVERIFY2(svg.readNextStartElement(), qPrintable(path + " is missing or not XML"));
    QCOMPARE(svg.name(), QStringLiteral("svg"));
    QCOMPARE(svg.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    QCOMPARE(svg.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));

    QImage painted(256, 256, QImage::Format_ARGB32);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QList<QRgb> fills;
    while (svg.readNextStartElement()) {
        QCOMPARE(svg.name(), QStringLiteral("path"));
        const QXmlStreamAttributes attributes = svg.attributes();
        const QColor fill(attributes.value(QStringLiteral("fill")).toString());
        QVERIFY(fill.isValid());
        fills.append(fill.rgb());
        QPainterPath outline = pathFromSvg(attributes.value(QStringLiteral("d")).toString());
        outline.setFillRule(attributes.value(QStringLiteral("fill-rule")) == QLatin1String("evenodd") ? Qt::OddEvenFill
                                                                                                       : Qt::WindingFill);
        painter.fillPath(outline, fill);
        svg.skipCurrentElement();
    }
    painter.end();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(fills, QList<QRgb>({Colour::DarkRed, Colour::Red, Colour::LightRed, Colour::MidRed}));

    const QImage large = QImage(committedIcons.filePath(desktopIconPath(256)), "PNG").convertToFormat(QImage::Format_ARGB32);
    // The outlines are written to a thousandth of a pixel, so only the smoothing of a
    // few edge pixels may differ, and by little.
    int differing = 0, most = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb a = painted.pixel(x, y), b = large.pixel(x, y);
            const int difference = std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                             qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))});
            differing += difference > 2;
            most = std::max(most, difference);
        }
    QVERIFY2(differing <= 16 && most <= 8, qPrintable(QStringLiteral("%1 pixels differ from the 256-pixel icon, by up to %2")
                                                           .arg(differing).arg(most)));
}

void TestPictures::onlyTheKnownPairsAreIdentical()
{
    const QSet<QPair<QString, QString>> allowed = {
        {QStringLiteral("frmCompressorDePaletes/ImgSimbol.gif"), QStringLiteral("frmCompressorDePistons/ImgSimbol.gif")},
        // The limiting valve stays shut for both seconds the cylinder runs out, and the
        // flow control circuit is at rest both before the stroke and after the return.
        {QStringLiteral("frmLimitadora/picVàlvulaLimit_1.gif"), QStringLiteral("frmLimitadora/picVàlvulaLimit_2.gif")},
        // The quick exhaust valve feeds the rod end for both seconds the piston returns.
        {QStringLiteral("frmEscapamentRapid/picEscapamentRàpid_1.gif"),
         QStringLiteral("frmEscapamentRapid/picEscapamentRàpid_2.gif")},
        {QStringLiteral("frmReguladora/picCircuitReguladora_0.gif"),
         QStringLiteral("frmReguladora/picCircuitReguladora_11.gif")},
        // The flow control valve's piston stands out for three seconds with the button
        // held: nothing flows, in section or circuit.
        {QStringLiteral("frmReguladora/picCircuitReguladora_3.gif"), QStringLiteral("frmReguladora/picCircuitReguladora_4.gif")},
        {QStringLiteral("frmReguladora/picCircuitReguladora_3.gif"), QStringLiteral("frmReguladora/picCircuitReguladora_5.gif")},
        {QStringLiteral("frmReguladora/picVàlvulaReguladora_3.gif"), QStringLiteral("frmReguladora/picVàlvulaReguladora_4.gif")},
        {QStringLiteral("frmReguladora/picVàlvulaReguladora_3.gif"), QStringLiteral("frmReguladora/picVàlvulaReguladora_5.gif")},
        // The 4/2 valve in section stays changed over, air flowing, for both seconds
        // the piston goes out, and back at rest for both seconds it comes in.
        {QStringLiteral("frmValvula42/picVàlvula42_1.gif"), QStringLiteral("frmValvula42/picVàlvula42_2.gif")},
        {QStringLiteral("frmValvula42/picVàlvula42_4.gif"), QStringLiteral("frmValvula42/picVàlvula42_5.gif")},
    };
    QHash<QString, QByteArray> contentOf;
    QHash<QByteArray, QString> firstWith;
    for (const PictureResource &resource : pictureResources()) {
        const QByteArray bytes = readAll(committedPictures.filePath(resource.name));
        contentOf.insert(resource.name, bytes);
        const auto other = firstWith.constFind(bytes);
        if (other == firstWith.constEnd()) {
            firstWith.insert(bytes, resource.name);
            continue;
        }
        const QPair<QString, QString> pair = qMakePair(qMin(*other, resource.name), qMax(*other, resource.name));
        QVERIFY2(allowed.contains(pair), qPrintable(pair.first + " and " + pair.second + " are identical"));
    }
    for (const auto &[first, second] : allowed)
        if (contentOf.contains(first) && contentOf.contains(second))
            QVERIFY2(contentOf[first] == contentOf[second], qPrintable(first + " and " + second + " differ"));
}

void TestPictures::generatorReproducesTheCommittedFiles()
{
    QTemporaryDir output, icons;
    QVERIFY(output.isValid() && icons.isValid());
    QProcess generator;
    generator.start(QStringLiteral(ARTWORK_PROGRAM), {output.path(), icons.path()});
    QVERIFY(generator.waitForFinished(120000));
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
             generator.readAllStandardError().constData());

    QSet<QString> written;
    QDirIterator files(output.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
        written.insert(QDir(output.path()).relativeFilePath(files.next()));
    QSet<QString> expected;
    for (const PictureResource &resource : pictureResources())
        expected.insert(resource.name);
    QStringList unexpected = QSet<QString>(written).subtract(expected).values();
    QStringList missing = QSet<QString>(expected).subtract(written).values();
    unexpected.sort();
    missing.sort();
    QVERIFY2(unexpected.isEmpty(), qPrintable("written but not catalogued: " + unexpected.join(u' ')));
    QVERIFY2(missing.isEmpty(), qPrintable("catalogued but not written: " + missing.join(u' ')));

    for (const QString &name : written)
        QVERIFY2(readAll(QDir(output.path()).filePath(name)) == readAll(committedPictures.filePath(name)),
                 qPrintable(name + " differs from the committed file; regenerate the pictures"));

    QDirIterator iconFiles(icons.path(), QDir::Files, QDirIterator::Subdirectories);
    QStringList drawnIcons;
    while (iconFiles.hasNext())
        drawnIcons.append(QDir(icons.path()).relativeFilePath(iconFiles.next()));
    QStringList expectedIcons;
    for (const int size : desktopIconSizes())
        expectedIcons.append(desktopIconPath(size));
    expectedIcons.append(scalableIconPath());
    drawnIcons.sort();
    expectedIcons.sort();
    QCOMPARE(drawnIcons, expectedIcons);
    for (const QString &name : drawnIcons)
        QVERIFY2(readAll(QDir(icons.path()).filePath(name)) == readAll(committedIcons.filePath(name)),
                 qPrintable(name + " differs from the committed icon; regenerate the pictures"));
}

void TestPictures::writersRefuseColoursOutsideThePalette()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Colour::White);
    QVERIFY(!encodeGif(picture).isEmpty());
    QCOMPARE(encodeIcon(picture).size(), 1406);

    picture.setPixel(5, 9, qRgb(254, 0, 0));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, encodeGif(picture));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, encodeIcon(picture));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_pictures.moc"
