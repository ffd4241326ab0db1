#include "Pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QApplication>
#include <QPixmap>
#include <QProxyStyle>

static int heldPictures = 0;

QImage GetPicture(const QString &name)
{
    if (name.isEmpty())
        return {};
    return QImage(QStringLiteral(":/pictures/") + name);
}

const QImage &HeldPicture::image()
{
    if (!m_decoded && !m_name.isEmpty()) {
        // A failed decode is not retried: the control shows its background.
        const QImage decoded = GetPicture(m_name);
        m_image = decoded.convertToFormat(decoded.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                    : QImage::Format_RGB32);
        m_decoded = true;
        ++heldPictures;
    }
    return m_image;
}

void HeldPicture::release()
{
    if (!m_decoded)
        return;
    m_image = QImage();
    m_decoded = false;
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
