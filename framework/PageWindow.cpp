// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageWindow.h"

#include "Fonts.h"
#include "Handlers.h"
#include "PageAccessibility.h"
#include "PagePainting.h"
#include "Pictures.h"
#include "SystemColours.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

MissingControl::MissingControl(const QString &page, const QString &name, std::optional<qint16> index)
    : std::runtime_error(QStringLiteral("%1 has no control %2%3")
                             .arg(page, name, index ? QStringLiteral("(%1)").arg(*index) : QString())
                             .toStdString()),
      page(page), name(name), index(index)
{
}

FrameBox::FrameBox(const PictureBoxRecord &record, QWidget *parent)
    : QWidget(parent), m_record(record), m_picture(record.picture)
{
    setObjectName(record.name);
    setGeometry(pixelRect(record.rect));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setVisible(record.visible);
}

void FrameBox::setVisibleFlag(bool visible)
{
    if (visible != visibleFlag())
        setVisible(visible);
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), resolveColour(m_record.background));
    paintPicture(painter, rect(), m_picture.image());
    for (auto child = m_record.children.crbegin(); child != m_record.children.crend(); ++child)
        paintLabel(painter, *child);
}

PageButton::PageButton(const ButtonRecord &record, QWidget *parent)
    : QPushButton(record.caption, parent), m_tabIndex(record.tabIndex)
{
    setObjectName(record.name);
    setGeometry(pixelRect(record.rect));
    setFont(fontFor(pageDefaultFont()));
    setAutoDefault(false);
}

void PageButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

PageSurface::PageSurface(const PageDescription &description, QWidget *parent)
    : QWidget(parent), m_description(description)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    for (const ControlRecord &record : description.controls)
        if (const auto *image = std::get_if<ImageRecord>(&record))
            m_imagePictures.try_emplace(image->name, image->picture).first->second.prefetch();
}

QSize PageSurface::sizeHint() const
{
    return pixelRect(m_description.clientRect).size();
}

QSize PageSurface::pageSize() const
{
    // As wide as the client area, which is as wide as the frame shows a page, and
    // as tall as the lowest control, which a maximized page shows below it.
    int bottom = sizeHint().height();
    for (const ControlRecord &record : m_description.controls)
        std::visit([&](const auto &control) {
            if constexpr (requires { control.rect; })
                bottom = std::max(bottom, pixelRect(control.rect).bottom() + 1);
            else if constexpr (requires { control.y2; })
                bottom = std::max(bottom, std::max(control.y1, control.y2) / TwipsPerPixel + control.width);
        }, record);
    return {sizeHint().width(), bottom};
}

void PageSurface::releasePictures()
{
    for (auto &[name, picture] : m_imagePictures)
        picture.release();
}

void PageSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), resolveColour(m_description.background));
    // An earlier record lies in front: paint from the last to the first.
    const auto &controls = m_description.controls;
    for (auto record = controls.crbegin(); record != controls.crend(); ++record) {
        if (const auto *label = std::get_if<LabelRecord>(&*record))
            paintLabel(painter, *label);
        else if (const auto *image = std::get_if<ImageRecord>(&*record))
            paintPicture(painter, pixelRect(image->rect), m_imagePictures.at(image->name).image());
        else if (const auto *line = std::get_if<LineRecord>(&*record))
            paintLine(painter, *line);
    }
}

void PageSurface::mousePressEvent(QMouseEvent *event)
{
    // The frontmost painted control under the pointer takes the press.
    for (const ControlRecord &record : m_description.controls) {
        if (const auto *image = std::get_if<ImageRecord>(&record)) {
            if (pixelRect(image->rect).contains(event->position().toPoint())) {
                emit imagePressed(image->name);
                return;
            }
        } else if (const auto *label = std::get_if<LabelRecord>(&record)) {
            if (pixelRect(label->rect).contains(event->position().toPoint()))
                return;
        }
    }
}

// The window's own layout, in place of the sub-window's usual one: it gives the
// page its whole size and lets the window be smaller than the page, which then
// scrolls (see PageWindow::arrangePage).
class PageLayout final : public QLayout {
public:
    explicit PageLayout(PageWindow *window) : QLayout(window), m_window(window) { setContentsMargins(0, 0, 0, 0); }
    ~PageLayout() override { delete m_item; }

    void addItem(QLayoutItem *item) override
    {
        delete m_item;
        m_item = item;
    }
    int count() const override { return m_item ? 1 : 0; }
    QLayoutItem *itemAt(int index) const override { return index == 0 ? m_item : nullptr; }
    QLayoutItem *takeAt(int index) override { return index == 0 ? std::exchange(m_item, nullptr) : nullptr; }
    QSize sizeHint() const override { return m_item ? m_item->sizeHint() : QSize(); }
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect &rect) override
    {
        QLayout::setGeometry(rect);
        m_window->arrangePage(rect);
    }

private:
    PageWindow *m_window;
    QLayoutItem *m_item = nullptr;
};

PageWindow::PageWindow(const PageDescription &description, QWidget *parent)
    : QMdiSubWindow(parent), m_description(description)
{
    installPageAccessibility();
    setObjectName(m_description.name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowIcon(pageIcon(m_description.icon));
    m_surface = new PageSurface(m_description, this);
    m_surface->setObjectName(m_description.name + QStringLiteral("_surface"));
    delete layout();
    new PageLayout(this);
    setWidget(m_surface);
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_corner = new QWidget(this);
    m_corner->setAutoFillBackground(true);
    for (QWidget *edge : {static_cast<QWidget *>(m_horizontal), static_cast<QWidget *>(m_vertical), m_corner}) {
        edge->hide();
        edge->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_horizontal, &QScrollBar::valueChanged, this, &PageWindow::placeSurface);
    connect(m_vertical, &QScrollBar::valueChanged, this, &PageWindow::placeSurface);
    connect(m_surface, &PageSurface::imagePressed, this,
            [this](const QString &name) { emit controlEvent(name, PageEvent::MouseDown); });

    for (const ControlRecord &record : std::as_const(m_description.controls)) {
        QWidget *windowed = nullptr;
        if (const auto *box = std::get_if<PictureBoxRecord>(&record)) {
            auto *frameBox = new FrameBox(*box, m_surface);
            m_boxes.insert(key(box->name, box->index), frameBox);
            for (const LabelRecord &child : box->children)
                m_labels.insert(key(child.name, child.index), &child);
            windowed = frameBox;
        } else if (const auto *buttonRecord = std::get_if<ButtonRecord>(&record)) {
            auto *pageButton = new PageButton(*buttonRecord, m_surface);
            if (const QString name = buttonReaderName(m_description, *buttonRecord);
                name != withoutAccessMarks(buttonRecord->caption))
                pageButton->setAccessibleName(name);
            m_buttons.insert(buttonRecord->name, pageButton);
            const QString name = buttonRecord->name;
            connect(pageButton, &QPushButton::clicked, this,
                    [this, name] { emit controlEvent(name, PageEvent::Click); });
            pageButton->installEventFilter(this);
            windowed = pageButton;
        } else if (const auto *timerRecord = std::get_if<TimerRecord>(&record)) {
            auto *pageTimer = new QTimer(this);
            pageTimer->setObjectName(timerRecord->name);
            pageTimer->setTimerType(Qt::PreciseTimer);
            pageTimer->setInterval(int(timerRecord->interval));
            m_timers.insert(timerRecord->name, pageTimer);
            const QString name = timerRecord->name;
            connect(pageTimer, &QTimer::timeout, this, [this, name] {
                if (!m_shutDown)
                    emit controlEvent(name, PageEvent::Timer);
            });
        } else if (const auto *label = std::get_if<LabelRecord>(&record)) {
            m_labels.insert(key(label->name, label->index), label);
        } else if (const auto *image = std::get_if<ImageRecord>(&record)) {
            m_images.insert(image->name, image);
        }
        // Windowed controls made later lie behind those made earlier.
        if (windowed)
            windowed->lower();
    }

    const QList<QPushButton *> tabOrder = buttonsInTabOrder();
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (const ControlRecord &record : std::as_const(m_description.controls))
        if (const auto *timerRecord = std::get_if<TimerRecord>(&record); timerRecord && timerRecord->enabled)
            m_timers.value(timerRecord->name)->start();
}

PageWindow::~PageWindow() = default;

QString PageWindow::key(const QString &name, std::optional<qint16> index)
{
    return index ? name + u'\x1f' + QString::number(*index) : name;
}

void PageWindow::missing(const QString &name, std::optional<qint16> index) const
{
    throw MissingControl(m_description.name, name, index);
}

FrameBox &PageWindow::pictureBox(const QString &name, std::optional<qint16> index) const
{
    FrameBox *box = m_boxes.value(key(name, index));
    if (!box)
        missing(name, index);
    return *box;
}

QTimer &PageWindow::timer(const QString &name) const
{
    QTimer *found = m_timers.value(name);
    if (!found)
        missing(name, std::nullopt);
    return *found;
}

QPushButton &PageWindow::button(const QString &name) const
{
    QPushButton *found = m_buttons.value(name);
    if (!found)
        missing(name, std::nullopt);
    return *found;
}

const LabelRecord &PageWindow::label(const QString &name, std::optional<qint16> index) const
{
    const LabelRecord *found = m_labels.value(key(name, index));
    if (!found)
        missing(name, index);
    return *found;
}

const ImageRecord &PageWindow::image(const QString &name) const
{
    const ImageRecord *found = m_images.value(name);
    if (!found)
        missing(name, std::nullopt);
    return *found;
}

QList<QPushButton *> PageWindow::buttonsInTabOrder() const
{
    QList<PageButton *> buttons = m_buttons.values();
    std::sort(buttons.begin(), buttons.end(), [](PageButton *a, PageButton *b) { return a->tabIndex() < b->tabIndex(); });
    return {buttons.begin(), buttons.end()};
}

void PageWindow::prefetchShownPictures()
{
    // Frames in front come first in stored order; a frame they cover wholly is
    // not seen, and decodes only if it is ever painted.
    QRegion covered;
    for (const ControlRecord &record : std::as_const(m_description.controls)) {
        const auto *boxRecord = std::get_if<PictureBoxRecord>(&record);
        if (!boxRecord)
            continue;
        FrameBox *box = m_boxes.value(key(boxRecord->name, boxRecord->index));
        if (!box->visibleFlag())
            continue;
        if (!(QRegion(box->geometry()) - covered).isEmpty())
            box->prefetchPicture();
        covered += box->geometry();
    }
}

void PageWindow::showAsOpened()
{
    showMaximized();
    // The sub-window lays out its title bar, the caption's letters included, at
    // every step of being added to the workspace, placed and maximized: without
    // a caption until now, those steps are quicker.
    setWindowTitle(m_description.caption);
}

void PageWindow::placeRestored()
{
    const QRect client = pixelRect(m_description.clientRect);
    resize(sizeHint().expandedTo(client.size()));
    move(client.topLeft());
}

void PageWindow::arrangePage(const QRect &area)
{
    // A restored window shows the client area its description gives; maximized,
    // it shows the controls below it too.
    const QSize page = m_maximized ? m_surface->pageSize() : m_surface->sizeHint();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_vertical);
    bool across = area.width() < page.width();
    bool down = area.height() < page.height();
    // A scroll bar along one edge takes room from the other direction.
    down = down || (across && area.height() - extent < page.height());
    across = across || (down && area.width() - extent < page.width());
    m_shown = QRect(area.topLeft(), area.size() - QSize(down ? extent : 0, across ? extent : 0));

    const auto fit = [](QScrollBar *bar, bool needed, int pageLength, int shownLength) {
        bar->setRange(0, needed ? pageLength - shownLength : 0);
        bar->setPageStep(std::max(shownLength, 1));
        bar->setSingleStep(std::max(shownLength / 20, 1));
        bar->setVisible(needed);
    };
    fit(m_horizontal, across, page.width(), m_shown.width());
    fit(m_vertical, down, page.height(), m_shown.height());
    m_horizontal->setGeometry(m_shown.left(), m_shown.bottom() + 1, m_shown.width(), extent);
    m_vertical->setGeometry(m_shown.right() + 1, m_shown.top(), extent, m_shown.height());
    m_corner->setGeometry(m_shown.right() + 1, m_shown.bottom() + 1, extent, extent);
    m_corner->setVisible(across && down);
    for (QWidget *edge : {static_cast<QWidget *>(m_horizontal), static_cast<QWidget *>(m_vertical), m_corner})
        edge->raise();
    placeSurface();
}

void PageWindow::placeSurface()
{
    // Where the page fits, its surface fills the client area as before.
    const QPoint offset(m_horizontal->value(), m_vertical->value());
    const QSize page(m_horizontal->maximum() + m_shown.width(), m_vertical->maximum() + m_shown.height());
    const QRect placed(m_shown.topLeft() - offset, m_shown.size().expandedTo(page));
    m_surface->setGeometry(placed);
    // A restored window draws its frame and title bar around the client area:
    // the page must not cover them where it reaches beyond. (A maximized window
    // has neither, and cuts the page at its own edges.)
    if (m_shown.contains(placed) || contentsMargins().isNull())
        m_surface->clearMask();
    else
        m_surface->setMask(QRegion(m_shown.translated(-placed.topLeft())));
}

QRect PageWindow::shownPart() const
{
    return QRect(QPoint(m_horizontal->value(), m_vertical->value()), m_shown.size());
}

void PageWindow::ensureShown(const QRect &rect)
{
    const auto scroll = [](QScrollBar *bar, int start, int end, int shownLength) {
        if (end > bar->value() + shownLength)
            bar->setValue(end - shownLength);
        if (start < bar->value())
            bar->setValue(start);
    };
    scroll(m_horizontal, rect.left(), rect.right() + 1, m_shown.width());
    scroll(m_vertical, rect.top(), rect.bottom() + 1, m_shown.height());
}

void PageWindow::changeEvent(QEvent *event)
{
    // Resizing a maximized window clears its maximized flag for a moment (the
    // sub-window sets it again), so the state is kept as the window last took it.
    const bool stateChange = event->type() == QEvent::WindowStateChange;
    if (stateChange)
        m_maximized = windowState().testFlag(Qt::WindowMaximized);
    QMdiSubWindow::changeEvent(event);
    if (stateChange)
        arrangePage(contentsRect());
}

void PageWindow::wheelEvent(QWheelEvent *event)
{
    // The wheel scrolls the page down and up; across with Shift, with a sideways
    // wheel, or where the page only scrolls that way.
    const bool across = event->angleDelta().y() == 0 || event->modifiers().testFlag(Qt::ShiftModifier);
    QScrollBar *bar = m_vertical->isHidden() || across ? m_horizontal : m_vertical;
    if (bar->isHidden()) {
        QMdiSubWindow::wheelEvent(event);
        return;
    }
    QCoreApplication::sendEvent(bar, event);
}

bool PageWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A button reached from another with Tab is scrolled into view. The focus the
    // page gives a button when it opens or is activated moves nothing (it may come
    // with the same reason), so a page opens at its top left corner.
    if (qobject_cast<PageButton *>(watched) && (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool tab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        if (event->type() == QEvent::FocusOut)
            m_tabbing = tab;
        else if (std::exchange(m_tabbing, false) && tab)
            ensureShown(static_cast<QWidget *>(watched)->geometry());
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void PageWindow::focusFirstButton()
{
    const QList<QPushButton *> buttons = buttonsInTabOrder();
    if (!buttons.isEmpty())
        buttons.first()->setFocus(Qt::OtherFocusReason);
}

void PageWindow::markPictureButtons(const HandlerTable &handlers)
{
    QSet<QString> images;
    for (const HandlerBinding &binding : handlers)
        if (binding.event == PageEvent::MouseDown && m_images.contains(binding.control))
            images.insert(binding.control);
    m_surface->setPictureButtons(images);
}

void PageWindow::shutDown()
{
    m_shutDown = true;
    qDeleteAll(m_timers);
    m_timers.clear();
    hide();
    for (FrameBox *box : std::as_const(m_boxes))
        box->releasePicture();
    m_surface->releasePictures();
    deleteLater();
}

void PageWindow::closeEvent(QCloseEvent *event)
{
    // The window's own close command: the navigator decides what closing means.
    event->ignore();
    if (!m_shutDown)
        emit closeRequested();
}
