// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageAccessibility.h"

#include "ComponentPages.h"
#include "PagePainting.h"
#include "PageWindow.h"
#include "ReadingOrder.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <functional>
#include <optional>

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

QString windowReaderName(const PageDescription &description)
{
    const QString caption = description.caption.trimmed();
    if (!caption.isEmpty())
        return caption;
    for (const ControlRecord &record : description.controls)
        if (const auto *label = std::get_if<LabelRecord>(&record); label && label->kind == TextKind::Title)
            return withoutAccessMarks(label->caption).trimmed();
    return {};
}

QString buttonReaderName(const PageDescription &description, const ButtonRecord &button)
{
    const QString caption = withoutAccessMarks(button.caption);
    const bool sameAsAnother = std::any_of(description.controls.cbegin(), description.controls.cend(),
                                           [&](const ControlRecord &record) {
        const auto *other = std::get_if<ButtonRecord>(&record);
        return other && other->name != button.name && withoutAccessMarks(other->caption) == caption;
    });
    const QString animation = description.pictureNames.value(channelOfButton(description, button.name));
    if (!sameAsAnother || animation.isEmpty())
        return caption;
    // Animations are named "Animació de ...": "Parar l'animació de ...".
    return caption + QStringLiteral(" l'") + animation.left(1).toLower() + animation.mid(1);
}

namespace {

// A label or image painted on `host` (the page surface or a frame), at `rect` in
// the host's coordinates, and a child of `parentId` (none: of the host). A picture
// button carries the press action.
class PaintedItem final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PaintedItem(QWidget *host, const QRect &rect, QAccessible::Role role, const QString &name,
                const QString &description = {}, std::function<void()> press = {})
        : m_host(host), m_rect(rect), m_role(role), m_name(name), m_description(description),
          m_press(std::move(press))
    {
    }

    void setParentId(QAccessible::Id id) { m_parentId = id; }

    bool isValid() const override { return m_host; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_host ? m_host->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_parentId ? QAccessible::accessibleInterface(m_parentId) : QAccessible::queryAccessibleInterface(m_host);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return m_name;
        return type == QAccessible::Description ? m_description : QString();
    }
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
    QString m_description;
    std::function<void()> m_press;
    QAccessible::Id m_parentId = 0;
};

QAccessible::Role labelRole(const LabelRecord &label)
{
    return label.kind == TextKind::Text ? QAccessible::StaticText : QAccessible::Heading;
}

// Painted items made on first use, each registered with the accessibility cache
// and dropped with their owner.
class PaintedItems {
public:
    ~PaintedItems()
    {
        for (QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
    }

    template <typename Make>
    QAccessibleInterface *get(const void *key, Make make) const
    {
        if (QAccessible::Id id = m_ids.value(key))
            if (QAccessibleInterface *found = QAccessible::accessibleInterface(id))
                return found;
        QAccessibleInterface *item = make();
        m_ids.insert(key, QAccessible::registerAccessibleInterface(item));
        return item;
    }

private:
    mutable QHash<const void *, QAccessible::Id> m_ids;
};

// Watches the frames of an animation and calls back once, after the current
// event, whenever frames were shown or hidden: a tick hides one frame and shows
// the next, and a reader should hear only where it ends.
class FrameWatcher final : public QObject {
public:
    FrameWatcher(QObject *parent, std::function<void()> changed) : QObject(parent), m_changed(std::move(changed)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) && !m_pending) {
            m_pending = true;
            QMetaObject::invokeMethod(this, [this] {
                m_pending = false;
                m_changed();
            }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_changed;
    bool m_pending = false;
};

// An animation: all the frames of one frame array, read as one object named for
// what the animation shows, whose description tells what the frame on screen
// shows and whose children are the labels drawn in that frame.
class AnimationItem final : public QAccessibleInterface {
public:
    AnimationItem(PageSurface *surface, const QString &array) : m_surface(surface), m_array(array)
    {
        for (FrameBox *frame : frames())
            frame->installEventFilter(watcher());
        m_reported = text(QAccessible::Description);
    }

    ~AnimationItem() override { delete m_watcher.data(); }

    bool isValid() const override { return m_surface; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_surface ? m_surface->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_surface); }
    QAccessible::Role role() const override { return QAccessible::Animation; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text type) const override
    {
        if (!m_surface)
            return {};
        const PageDescription &description = m_surface->description();
        if (type == QAccessible::Name)
            return description.pictureNames.value(m_array);
        if (type != QAccessible::Description)
            return {};
        const FrameBox *frame = shownFrame();
        const PagePicture *picture = findPagePicture(description.name, m_array);
        return frame && picture ? picture->words.value(frame->record().index.value_or(0)) : QString();
    }

    QRect rect() const override
    {
        const FrameBox *frame = shownFrame();
        if (!frame || !m_surface->isVisible())
            return {};
        return {frame->mapToGlobal(QPoint(0, 0)), frame->size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !shownFrame() || !m_surface->isVisible();
        return state;
    }

    int childCount() const override { return int(labels().size()); }

    QAccessibleInterface *child(int index) const override
    {
        FrameBox *frame = shownFrame();
        const QList<const LabelRecord *> list = labels();
        if (!frame || index < 0 || index >= list.size())
            return nullptr;
        const LabelRecord *label = list[index];
        return m_items.get(label, [&] {
            auto *item = new PaintedItem(frame, pixelRect(label->rect), labelRole(*label),
                                         withoutAccessMarks(label->caption));
            item->setParentId(QAccessible::uniqueId(const_cast<AnimationItem *>(this)));
            return item;
        });
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *found = child(i); found->rect().contains(x, y))
                return found;
        return nullptr;
    }

private:
    // The frames in the order they lie, back to front.
    QList<FrameBox *> frames() const
    {
        QList<FrameBox *> list;
        if (m_surface)
            for (QObject *object : m_surface->children())
                if (auto *frame = qobject_cast<FrameBox *>(object); frame && frame->record().name == m_array)
                    list.append(frame);
        return list;
    }

    // The frame on screen: the frontmost of those shown.
    FrameBox *shownFrame() const
    {
        const QList<FrameBox *> list = frames();
        for (auto frame = list.crbegin(); frame != list.crend(); ++frame)
            if ((*frame)->visibleFlag())
                return *frame;
        return nullptr;
    }

    QList<const LabelRecord *> labels() const
    {
        QList<const LabelRecord *> list;
        if (const FrameBox *frame = shownFrame())
            for (const LabelRecord &label : frame->record().children)
                list.append(&label);
        return list;
    }

    FrameWatcher *watcher()
    {
        if (!m_watcher)
            m_watcher = new FrameWatcher(m_surface, [this] { reportDescription(); });
        return m_watcher;
    }

    void reportDescription()
    {
        const QString now = text(QAccessible::Description);
        if (now == m_reported)
            return;
        m_reported = now;
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }

    QPointer<PageSurface> m_surface;
    QString m_array;
    QPointer<FrameWatcher> m_watcher;
    QString m_reported;
    PaintedItems m_items;
};

// The page's client area: its labels, images, push buttons and animations in
// reading order.
class SurfaceAccessible final : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(PageSurface *surface)
        : QAccessibleWidget(surface, QAccessible::Client)
    {
    }

    // The page window, whatever lies between them (a scrolling viewport).
    QAccessibleInterface *parent() const override
    {
        for (QWidget *above = widget()->parentWidget(); above; above = above->parentWidget())
            if (auto *window = qobject_cast<PageWindow *>(above))
                return QAccessible::queryAccessibleInterface(window);
        return QAccessibleWidget::parent();
    }

    int childCount() const override { return int(order().size()); }

    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < order().size() ? interfaceOf(order()[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (qsizetype i = 0; i < order().size(); ++i)
            if (interfaceOf(order()[i]) == child)
                return int(i);
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        // Buttons and frames lie above everything painted; within each layer an
        // earlier record lies in front.
        QAccessibleInterface *found = nullptr;
        std::pair<bool, int> foundDepth;
        for (const ReadingItem &item : order()) {
            QAccessibleInterface *candidate = interfaceOf(item);
            if (!candidate || candidate->state().invisible || !candidate->rect().contains(x, y))
                continue;
            const bool painted = item.kind == ReadingItem::Kind::Label || item.kind == ReadingItem::Kind::Image;
            const std::pair<bool, int> depth(painted, item.storedPosition);
            if (!found || depth < foundDepth) {
                found = candidate;
                foundDepth = depth;
            }
        }
        return found;
    }

private:
    PageSurface *surface() const { return static_cast<PageSurface *>(widget()); }

    // Worked out when a reader first asks: the toolkit makes this interface for
    // every page it builds, whether or not a reader is listening.
    const QList<ReadingItem> &order() const
    {
        if (!m_order)
            m_order = readingOrder(surface()->description());
        return *m_order;
    }

    QAccessibleInterface *interfaceOf(const ReadingItem &item) const
    {
        using enum ReadingItem::Kind;
        switch (item.kind) {
        case Button:
            return QAccessible::queryAccessibleInterface(surface()->findChild<PageButton *>(item.name));
        case Animation:
            return m_items.get(&item, [&] { return new AnimationItem(surface(), item.name); });
        case Label:
            return m_items.get(&item, [&] {
                return new PaintedItem(widget(), pixelRect(item.label->rect), labelRole(*item.label),
                                       withoutAccessMarks(item.label->caption));
            });
        case Image:
            return m_items.get(&item, [&] { return imageItem(*item.image); });
        }
        return nullptr;
    }

    PaintedItem *imageItem(const ImageRecord &image) const
    {
        PageSurface *page = surface();
        const PageDescription &description = page->description();
        const QString name = description.pictureNames.value(image.name);
        const PagePicture *picture = findPagePicture(description.name, image.name);
        const QString shows = picture ? picture->words.value(0) : QString();
        if (!page->isPictureButton(image.name))
            return new PaintedItem(widget(), pixelRect(image.rect), QAccessible::Graphic, name, shows);
        auto press = [page = QPointer<PageSurface>(page), control = image.name] {
            if (page)
                page->pressImage(control);
        };
        return new PaintedItem(widget(), pixelRect(image.rect), QAccessible::Button, name, shows, press);
    }

    mutable std::optional<QList<ReadingItem>> m_order;
    PaintedItems m_items;
};

// The page's window: named as a reader should say it, with the client area as
// its only child.
class PageWindowAccessible final : public QAccessibleWidget {
public:
    explicit PageWindowAccessible(PageWindow *window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            return windowReaderName(page()->description());
        return QAccessibleWidget::text(type);
    }

    int childCount() const override { return page()->surface() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && page()->surface() ? QAccessible::queryAccessibleInterface(page()->surface()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child == this->child(0) ? 0 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *surface = child(0);
        return surface && surface->rect().contains(x, y) ? surface : nullptr;
    }

private:
    PageWindow *page() const { return static_cast<PageWindow *>(widget()); }
};

QAccessibleInterface *pageAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("PageSurface"))
        if (auto *surface = qobject_cast<PageSurface *>(object))
            return new SurfaceAccessible(surface);
    if (className == QLatin1String("PageWindow"))
        if (auto *window = qobject_cast<PageWindow *>(object))
            return new PageWindowAccessible(window);
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
