// SPDX-License-Identifier: GPL-3.0-or-later
#include "WarmUp.h"

#include "PageRegistry.h"
#include "PageWindow.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QTimer>
#include <memory>

// Builds the page's window as an opening builds it, starts decoding the pictures
// it shows as an opening does, and draws it whole into a scratch image, where
// its frames wait for their pictures; then drops it all. The window is never
// shown and its timers never fire.
static void buildAndDraw(const PageDescription &description, qreal pixelRatio)
{
    const auto window = std::make_unique<PageWindow>(description);
    window->placeRestored();
    window->prefetchShownPictures();
    QImage scratch(window->size() * pixelRatio, QImage::Format_RGB32);
    scratch.setDevicePixelRatio(pixelRatio);
    window->render(&scratch);
}

WarmUp::WarmUp(QObject *parent) : QObject(parent) {}

void WarmUp::startAfterFirstPaint(QWidget *painted)
{
    m_painted = painted;
    m_pages = componentPagesInRegistryOrder();
    m_next = 0;
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
    if (m_next < m_pages.size()) {
        const QString page = m_pages[m_next++];
        buildAndDraw(findRegistryEntry(page)->content().description,
                     m_painted ? m_painted->devicePixelRatioF() : qApp->devicePixelRatio());
        scheduleNextStep();
    } else if (!m_finished) {
        m_finished = true;
        emit finished();
    }
}
