// SPDX-License-Identifier: GPL-3.0-or-later
// Every animation of every component page, as the program shows it: each frame's
// picture placed at its own box on the page, as the page's description places it.
// Whatever a frame array draws that does not move (a valve's body, a cylinder's
// barrel, the lines of a circuit, a compressor's housing) must stand still on
// the screen from frame to frame, whichever box a frame stands in and whatever
// the size of its picture.
//
// The measure. What tells where a part lies is its outline: the places where one
// colour meets another. Those stay put when only the colour of the air changes
// (a line turning from black to red, a passage filling), and unlike the pixels
// inside a large filled body they no longer match once the part has moved by a
// single pixel. So the test looks at colour boundaries: a boundary "across"
// where a pixel differs from its right-hand neighbour, one "down" where it
// differs from the pixel below. Laid over one another on the page, the frames
// agree on the fixed boundaries: those that more than half of the array's frames
// show at the same page pixel. For each frame the test counts the share of the
// fixed boundaries that the frame shows too, at its box and moved by every
// offset up to kReach pixels each way:
// - at its box the share is at least kAgreement: moving parts may hide or move
//   some fixed boundaries in a frame (a valve symbol standing one square over, a
//   spool, a piston), never most of them;
// - at its box the share beats the share at every other offset by kMargin: a
//   frame whose box or drawing was moved by a pixel or more lines up better, or
//   nearly as well, somewhere else. On today's pictures the frames that line up
//   worst still beat every offset by more than 0.15; a frame moved by a pixel
//   loses by more than that.
#include "ComponentPages.h"
#include "PageRegistry.h"
#include "PictureCatalogue.h"
#include "Pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QtTest>

namespace {

constexpr double kAgreement = 0.5;
constexpr double kMargin = 0.1;
constexpr int kReach = 6;
constexpr QRgb kAbsent = 0;  // no frame pixel there (the pictures are opaque)

enum Boundary : quint8 { None = 0, Across = 1, Down = 2 };

// One frame as the page shows it: its picture drawn from its box's top-left
// corner, cut at the box's size.
struct PlacedFrame {
    int index;
    QRect shown;   // in page pixels
    QImage picture;
    QList<quint8> boundaries;  // the Boundary flags, row by row over `shown`

    QRgb at(QPoint page) const { return shown.contains(page) ? picture.pixel(page - shown.topLeft()) : kAbsent; }

    quint8 boundaryAt(QPoint page) const
    {
        if (!shown.contains(page))
            return None;
        return boundaries[(page.y() - shown.top()) * shown.width() + page.x() - shown.left()];
    }

    void findBoundaries()
    {
        boundaries.resize(qsizetype(shown.width()) * shown.height());
        for (int y = shown.top(); y <= shown.bottom(); ++y) {
            for (int x = shown.left(); x <= shown.right(); ++x) {
                const QRgb here = at({x, y});
                const QRgb right = at({x + 1, y});
                const QRgb below = at({x, y + 1});
                quint8 found = None;
                if (right != kAbsent && right != here)
                    found |= Across;
                if (below != kAbsent && below != here)
                    found |= Down;
                boundaries[(y - shown.top()) * shown.width() + x - shown.left()] = found;
            }
        }
    }
};

struct FrameArray {
    QString page;
    QString control;
    QList<PlacedFrame> frames;
};

// The frame arrays of every component page, from the pages' own descriptions,
// with the pictures the program shows in them.
QList<FrameArray> frameArraysOnThePages()
{
    QList<FrameArray> arrays;
    for (const ComponentPage &row : componentPages()) {
        const PageContent content = findRegistryEntry(row.page)->content();
        QMap<QString, QList<PlacedFrame>> byName;
        for (const ControlRecord &record : content.description.controls) {
            const auto *box = std::get_if<PictureBoxRecord>(&record);
            if (!box || !box->index)
                continue;
            const QImage picture = GetPicture(box->picture).convertToFormat(QImage::Format_RGB32);
            const QRect rect(box->rect.left / 15, box->rect.top / 15, box->rect.width / 15, box->rect.height / 15);
            PlacedFrame frame{*box->index, QRect(rect.topLeft(), rect.size().boundedTo(picture.size())), picture, {}};
            frame.findBoundaries();
            byName[box->name].append(frame);
        }
        for (auto it = byName.begin(); it != byName.end(); ++it) {
            std::sort(it->begin(), it->end(), [](const PlacedFrame &a, const PlacedFrame &b) { return a.index < b.index; });
            arrays.append({row.page, it.key(), *it});
        }
    }
    return arrays;
}

struct FixedBoundary {
    QPoint at;
    Boundary kind;
};

QList<FixedBoundary> fixedBoundaries(const QList<PlacedFrame> &frames)
{
    QRect area;
    for (const PlacedFrame &frame : frames)
        area |= frame.shown;
    QList<FixedBoundary> fixed;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            int across = 0;
            int down = 0;
            for (const PlacedFrame &frame : frames) {
                const quint8 found = frame.boundaryAt({x, y});
                across += (found & Across) != 0;
                down += (found & Down) != 0;
            }
            if (2 * across > frames.size())
                fixed.append({{x, y}, Across});
            if (2 * down > frames.size())
                fixed.append({{x, y}, Down});
        }
    }
    return fixed;
}

// The share of the fixed boundaries that `frame`, moved by `offset`, shows too,
// among those that fall where it shows anything.
double agreement(const QList<FixedBoundary> &fixed, const PlacedFrame &frame, QPoint offset)
{
    int shown = 0;
    int same = 0;
    for (const FixedBoundary &boundary : fixed) {
        const QPoint at = boundary.at - offset;
        if (!frame.shown.contains(at))
            continue;
        ++shown;
        same += (frame.boundaryAt(at) & boundary.kind) != 0;
    }
    return shown == 0 ? 0.0 : double(same) / shown;
}

} // namespace

class TestAnimationFrames final : public QObject {
    Q_OBJECT

private slots:
    void fixedPartsStandStillOnThePage_data()
    {
        QTest::addColumn<int>("array");
        const QList<FrameArray> &arrays = allArrays();
        QVERIFY(!arrays.isEmpty());
        for (int i = 0; i < arrays.size(); ++i)
            QTest::newRow(qPrintable(arrays[i].page + u'/' + arrays[i].control)) << i;
    }

    void fixedPartsStandStillOnThePage()
    {
        QFETCH(int, array);
        const FrameArray &a = allArrays()[array];
        QCOMPARE(a.frames.size(), frameCount(a.page, a.control));
        const QList<FixedBoundary> fixed = fixedBoundaries(a.frames);
        QVERIFY2(fixed.size() > 200, "the frames share hardly any fixed parts");
        for (const PlacedFrame &frame : a.frames) {
            QVERIFY2(!frame.picture.isNull(), qPrintable(QStringLiteral("frame %1 has no picture").arg(frame.index)));
            const double atBox = agreement(fixed, frame, {});
            double bestElsewhere = 0;
            QPoint best;
            for (int dy = -kReach; dy <= kReach; ++dy) {
                for (int dx = -kReach; dx <= kReach; ++dx) {
                    if (dx == 0 && dy == 0)
                        continue;
                    if (const double share = agreement(fixed, frame, {dx, dy}); share > bestElsewhere) {
                        bestElsewhere = share;
                        best = {dx, dy};
                    }
                }
            }
            const QString where = QStringLiteral("frame %1: %2 of the fixed boundaries at its box, %3 moved by %4, %5")
                                      .arg(frame.index).arg(atBox, 0, 'f', 3).arg(bestElsewhere, 0, 'f', 3)
                                      .arg(best.x()).arg(best.y());
            QVERIFY2(atBox >= kAgreement, qPrintable(where));
            QVERIFY2(atBox >= bestElsewhere + kMargin, qPrintable(where));
        }
    }

    // A picture told in words for screen readers is told whole: one sentence for
    // each frame of a frame array, in frame order, one for a single image.
    void wordsTellEveryFrame()
    {
        for (const ComponentPage &row : componentPages()) {
            for (const PagePicture &picture : row.pictures) {
                if (picture.words.isEmpty())
                    continue;
                const QString where = row.page + u'/' + picture.control;
                QVERIFY2(picture.words.size() == qMax(1, picture.frames), qPrintable(where));
                for (const QString &sentence : picture.words)
                    QVERIFY2(!sentence.isEmpty() && sentence.endsWith(u'.'), qPrintable(where + QStringLiteral(": ") + sentence));
            }
        }
    }

private:
    static const QList<FrameArray> &allArrays()
    {
        static const QList<FrameArray> arrays = frameArraysOnThePages();
        return arrays;
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestAnimationFrames test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_animation_frames.moc"
