// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QApplication>
#include <QPixmap>
#include <QProxyStyle>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

static int heldPictures = 0;

QImage GetPicture(const QString &name)
{
    if (name.isEmpty())
        return {};
    return QImage(QStringLiteral(":/pictures/") + name);
}

// The picture converted to the pixel format the screen paints fastest.
static QImage decodeForScreen(const QString &name)
{
    const QImage decoded = GetPicture(name);
    return decoded.convertToFormat(decoded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

void HeldPicture::hold(State state)
{
    if (m_state == State::None)
        ++heldPictures;
    m_state = state;
}

void HeldPicture::prefetch()
{
    // With a single core there is nothing to overlap with: the picture decodes
    // where it is first painted, without handing it to a worker and back.
    if (m_state != State::None || m_name.isEmpty() || QThreadPool::globalInstance()->maxThreadCount() < 2)
        return;
    m_pending = QtConcurrent::run(decodeForScreen, m_name);
    hold(State::Pending);
}

const QImage &HeldPicture::image()
{
    if (m_state == State::Pending) {
        m_image = m_pending.result();  // runs it here if no worker has started it
        m_pending = {};
        m_state = State::Ready;
    } else if (m_state == State::None && !m_name.isEmpty()) {
        // A failed decode is not retried: the control shows its background.
        m_image = decodeForScreen(m_name);
        hold(State::Ready);
    }
    return m_image;
}

void HeldPicture::release()
{
    if (m_state == State::None)
        return;
    m_pending = {};  // a decode still running finishes on its own and is dropped
    m_image = QImage();
    m_state = State::None;
    --heldPictures;
}

int HeldPicture::heldCount()
{
    return heldPictures;
}

QIcon pageIcon(const QString &name)
{
    // Emptied when the application ends, while pixmaps can still be released.
    static QHash<QString, QIcon> icons;
    static const bool cleanUpRegistered = [] {
        qAddPostRoutine([] { icons.clear(); });
        return true;
    }();
    Q_UNUSED(cleanUpRegistered);
    auto found = icons.constFind(name);
    if (found != icons.constEnd())
        return *found;
    QPixmap pixmap;
    if (name.isEmpty()) {
        pixmap = QPixmap(16, 16);
        pixmap.fill(Qt::transparent);
    } else {
        pixmap = QPixmap::fromImage(GetPicture(name));
    }
    return *icons.insert(name, QIcon(pixmap));
}

namespace {
class SharedIconStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        // An icon holds pixmaps for every size and screen it is asked for, so
        // one per kind serves every widget.
        auto found = m_icons.constFind(icon);
        if (found == m_icons.constEnd())
            found = m_icons.insert(icon, QProxyStyle::standardIcon(icon, option, widget));
        return *found;
    }

private:
    mutable QHash<int, QIcon> m_icons;
};
}

void shareStandardIcons()
{
    if (!dynamic_cast<SharedIconStyle *>(QApplication::style()))
        QApplication::setStyle(new SharedIconStyle);
}
