#include "PageAccessibility.h"

#include "PagePainting.h"
#include "PageWindow.h"
#include "PictureCatalogue.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <functional>

QString withoutAccessMarks(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            text += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == u'&')
            text += caption[++i];
    }
    return text;
}

namespace {

// A label or image painted on `host` (the page surface or a picture box), at
// `rect` in the host's coordinates. A picture button carries the press action.
class PaintedItem final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PaintedItem(QWidget *host, const QRect &rect, QAccessible::Role role, const QString &name,
                std::function<void()> press = {})
        : m_host(host), m_rect(rect), m_role(role), m_name(name), m_press(std::move(press))
    {
    }

    bool isValid() const override { return m_host; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_host ? m_host->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_host); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override { return type == QAccessible::Name ? m_name : QString(); }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return m_role; }

    QRect rect() const override
    {
        if (!m_host || !m_host->isVisible())
            return {};
        return {m_host->mapToGlobal(m_rect.topLeft()), m_rect.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_host || !m_host->isVisible();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && m_press)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return m_press ? QStringList{pressAction()} : QStringList(); }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &action) override
    {
        if (m_press && m_host && action == pressAction())
            m_press();
    }

private:
    QPointer<QWidget> m_host;
    QRect m_rect;
    QAccessible::Role m_role;
    QString m_name;
    std::function<void()> m_press;
};

// A widget whose accessible children are its painted labels and images and its
// child widgets, in the order of their records. The painted items are made on
// first use and live as long as this interface, which the accessibility cache
// drops when the widget goes.
class PaintedHost : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    ~PaintedHost() override
    {
        for (QAccessible::Id id : std::as_const(m_itemIds))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<Child> list = children();
        return index >= 0 && index < list.size() ? interfaceOf(list[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QList<Child> list = children();
        for (qsizetype i = 0; i < list.size(); ++i)
            if (interfaceOf(list[i]) == child)
                return int(i);
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        // Child widgets lie above everything painted; within each layer an
        // earlier record lies in front.
        const QList<Child> list = children();
        for (bool widgets : {true, false}) {
            for (const Child &child : list) {
                if ((child.widget != nullptr) != widgets || (child.widget && !child.widget->isVisible()))
                    continue;
                QAccessibleInterface *found = interfaceOf(child);
                if (found && found->rect().contains(x, y))
                    return found;
            }
        }
        return nullptr;
    }

protected:
    // One child: a painted label or image (by its record), or a child widget.
    struct Child {
        const LabelRecord *label = nullptr;
        const ImageRecord *image = nullptr;
        QWidget *widget = nullptr;
    };
    virtual QList<Child> children() const = 0;
    virtual PageSurface *surface() const = 0;

private:
    QAccessibleInterface *interfaceOf(const Child &child) const
    {
        if (child.widget)
            return QAccessible::queryAccessibleInterface(child.widget);
        const void *record = child.label ? static_cast<const void *>(child.label) : child.image;
        if (QAccessible::Id id = m_itemIds.value(record))
            return QAccessible::accessibleInterface(id);
        PaintedItem *item = child.label ? labelItem(*child.label) : imageItem(*child.image);
        m_itemIds.insert(record, QAccessible::registerAccessibleInterface(item));
        return item;
    }

    PaintedItem *labelItem(const LabelRecord &label) const
    {
        return new PaintedItem(widget(), pixelRect(label.rect), QAccessible::StaticText,
                               withoutAccessMarks(label.caption));
    }

    PaintedItem *imageItem(const ImageRecord &image) const
    {
        PageSurface *page = surface();
        const QString name = page ? page->description().pictureNames.value(image.name) : QString();
        if (!page || !page->isPictureButton(image.name))
            return new PaintedItem(widget(), pixelRect(image.rect), QAccessible::Graphic, name);
        auto press = [page = QPointer<PageSurface>(page), control = image.name] {
            if (page)
                page->pressImage(control);
        };
        return new PaintedItem(widget(), pixelRect(image.rect), QAccessible::Button, name, press);
    }

    mutable QHash<const void *, QAccessible::Id> m_itemIds;
};

// The page's client area: every control of the page in stored order.
class SurfaceAccessible final : public PaintedHost {
public:
    explicit SurfaceAccessible(PageSurface *surface) : PaintedHost(surface, QAccessible::Client) {}

protected:
    PageSurface *surface() const override { return static_cast<PageSurface *>(widget()); }

    QList<Child> children() const override
    {
        QHash<QString, QWidget *> windowed;
        for (QObject *object : widget()->children()) {
            if (auto *box = qobject_cast<FrameBox *>(object))
                windowed.insert(box->record().name + u'\x1f' + QString::number(box->record().index.value_or(-1)), box);
            else if (auto *button = qobject_cast<PageButton *>(object))
                windowed.insert(button->objectName(), button);
        }
        QList<Child> list;
        for (const ControlRecord &record : surface()->description().controls) {
            if (const auto *label = std::get_if<LabelRecord>(&record)) {
                list.append({.label = label});
            } else if (const auto *image = std::get_if<ImageRecord>(&record)) {
                list.append({.image = image});
            } else if (const auto *box = std::get_if<PictureBoxRecord>(&record)) {
                if (QWidget *found = windowed.value(box->name + u'\x1f' + QString::number(box->index.value_or(-1))))
                    list.append({.widget = found});
            } else if (const auto *button = std::get_if<ButtonRecord>(&record)) {
                if (QWidget *found = windowed.value(button->name))
                    list.append({.widget = found});
            }
        }
        return list;
    }
};

// One frame of a frame array: named for what the array shows, with the labels
// drawn inside it.
class FrameAccessible final : public PaintedHost {
public:
    explicit FrameAccessible(FrameBox *box) : PaintedHost(box, QAccessible::Animation) {}

    QString text(QAccessible::Text type) const override
    {
        const PictureBoxRecord &record = box()->record();
        PageSurface *page = surface();
        if (type == QAccessible::Name && page)
            return page->description().pictureNames.value(record.name);
        if (type == QAccessible::Description && page && record.index)
            return QStringLiteral("Fotograma %1 de %2").arg(*record.index + 1).arg(frameCount(page->description().name, record.name));
        return PaintedHost::text(type);
    }

protected:
    PageSurface *surface() const override { return qobject_cast<PageSurface *>(widget()->parentWidget()); }

    QList<Child> children() const override
    {
        QList<Child> list;
        for (const LabelRecord &label : box()->record().children)
            list.append({.label = &label});
        return list;
    }

private:
    FrameBox *box() const { return static_cast<FrameBox *>(widget()); }
};

QAccessibleInterface *pageAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("PageSurface"))
        if (auto *surface = qobject_cast<PageSurface *>(object))
            return new SurfaceAccessible(surface);
    if (className == QLatin1String("FrameBox"))
        if (auto *box = qobject_cast<FrameBox *>(object))
            return new FrameAccessible(box);
    return nullptr;
}

}  // namespace

void installPageAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pageAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
