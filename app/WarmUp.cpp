// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarmUp.h"

#include "Fonts.h"
#include "PagePainting.h"
#include "PageRegistry.h"
#include "Pictures.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>

// Draws the texts of a page as its window would, into scratch images: the first
// drawing of a text in a font loads the font and draws its letters once for all
// windows, so the page's first opening finds them ready.
static void drawTexts(const PageDescription &page, qreal pixelRatio)
{
    auto draw = [pixelRatio](const QRect &rect, const std::function<void(QPainter &)> &paint) {
        QImage scratch(rect.size().expandedTo({1, 1}) * pixelRatio, QImage::Format_RGB32);
        scratch.setDevicePixelRatio(pixelRatio);
        QPainter painter(&scratch);
        painter.translate(-rect.topLeft());
        paint(painter);
    };
    auto drawLabel = [&draw](const LabelRecord &label) {
        if (!label.caption.isEmpty())
            draw(pixelRect(label.rect), [&label](QPainter &painter) { paintLabel(painter, label); });
    };
    for (const ControlRecord &control : page.controls) {
        if (const auto *label = std::get_if<LabelRecord>(&control)) {
            drawLabel(*label);
        } else if (const auto *box = std::get_if<PictureBoxRecord>(&control)) {
            for (const LabelRecord &child : box->children)
                drawLabel(child);
        } else if (const auto *button = std::get_if<ButtonRecord>(&control)) {
            draw(pixelRect(button->rect), [button](QPainter &painter) {
                painter.setFont(fontFor(pageDefaultFont()));
                painter.drawText(pixelRect(button->rect), Qt::AlignCenter | Qt::TextShowMnemonic, button->caption);
            });
        }
    }
}

// The pictures a page shows when it opens: its images and the frames in front.
static QStringList shownPictures(const PageDescription &page)
{
    QStringList pictures;
    QRegion covered;
    for (const ControlRecord &control : page.controls) {
        if (const auto *image = std::get_if<ImageRecord>(&control)) {
            pictures.append(image->picture);
        } else if (const auto *box = std::get_if<PictureBoxRecord>(&control); box && box->visible) {
            const QRect rect = pixelRect(box->rect);
            if (!(QRegion(rect) - covered).isEmpty() && !box->picture.isEmpty())
                pictures.append(box->picture);
            covered += rect;
        }
    }
    return pictures;
}

// Decoded on a worker thread and dropped: the first decoding of a picture of each
// size sets the memory it will need aside, and that of the first picture starts
// the workers and loads the reader.
static bool decodeAndDrop(const QString &picture)
{
    return !decodeForScreen(picture).isNull();
}

WarmUp::WarmUp(QObject *parent) : QObject(parent)
{
    connect(&m_decoding, &QFutureWatcher<bool>::finished, this, &WarmUp::scheduleNextStep);
}

void WarmUp::startAfterFirstPaint(QWidget *painted)
{
    m_painted = painted;
    m_steps.clear();
    m_next = 0;
    // Last, the pictures of the page that shows the most, all held at once and
    // decoded here: a window may decode on this thread too (when no worker is
    // free, as on a single core), which then finds the memory it needs ready.
    QStringList mostShown;
    qint64 mostArea = -1;
    for (const QString &page : componentPagesInRegistryOrder()) {
        const PageDescription description = findRegistryEntry(page)->content().description;
        qint64 area = 0;
        for (const ControlRecord &control : description.controls)
            if (const auto *box = std::get_if<PictureBoxRecord>(&control); box && box->visible)
                area += qint64(pixelRect(box->rect).width()) * pixelRect(box->rect).height();
        if (area > mostArea) {
            mostArea = area;
            mostShown = shownPictures(description);
        }
    }
    for (const QString &page : componentPagesInRegistryOrder())
        m_steps.append([this, page] {
            const PageDescription description = findRegistryEntry(page)->content().description;
            drawTexts(description, m_painted ? m_painted->devicePixelRatioF() : qApp->devicePixelRatio());
            // At most one page's pictures at a time, so that a page the user
            // opens meanwhile waits for little more than its own.
            m_decoding.setFuture(QtConcurrent::mapped(shownPictures(description), decodeAndDrop));
        });
    m_steps.append([this, mostShown] {
        QList<QImage> held;
        for (const QString &picture : mostShown)
            held.append(decodeForScreen(picture));
        m_decoding.setFuture(QtFuture::makeReadyFuture(true));
    });
    painted->installEventFilter(this);
    // Closed before it was ever painted (a page opened at once): no reason to wait.
    connect(painted, &QObject::destroyed, this, &WarmUp::scheduleNextStep);
}

bool WarmUp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_painted && event->type() == QEvent::Paint) {
        m_painted->removeEventFilter(this);
        disconnect(m_painted, &QObject::destroyed, this, nullptr);
        // Two passes later: after the paint has reached the screen and after
        // whatever else that pass queued.
        QTimer::singleShot(0, this, &WarmUp::scheduleNextStep);
    }
    return false;
}

void WarmUp::scheduleNextStep()
{
    QTimer::singleShot(0, this, &WarmUp::runNextStep);
}

void WarmUp::runNextStep()
{
    if (m_next < m_steps.size()) {
        m_steps[m_next++]();  // the next step follows when its pictures are decoded
    } else if (!m_finished) {
        m_finished = true;
        emit finished();
    }
}
