// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handlers.h"
#include "PageDescription.h"
#include "Pictures.h"

#include <QHash>
#include <QImage>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <map>
#include <stdexcept>

class PageSurface;

// Asking a page for a control it does not have. Ends the handler that asked.
class MissingControl : public std::runtime_error {
public:
    MissingControl(const QString &page, const QString &name, std::optional<qint16> index);
    QString page;
    QString name;
    std::optional<qint16> index;
};

// A picture box: background, its picture at natural size from the top-left corner
// (cut at the edges), and the labels it contains, drawn in its own coordinates.
class FrameBox : public QWidget {
    Q_OBJECT
public:
    FrameBox(const PictureBoxRecord &record, QWidget *parent);
    const PictureBoxRecord &record() const { return m_record; }
    // The picture is decoded when the frame is first painted, not when it is built.
    bool isPictureDecoded() const { return m_picture.isDecoded(); }
    void prefetchPicture() { m_picture.prefetch(); }
    void releasePicture() { m_picture.release(); }
    // The box's own Visible flag (true even while the page itself is not yet shown).
    bool visibleFlag() const { return !isHidden(); }
    void setVisibleFlag(bool visible);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PictureBoxRecord m_record;
    HeldPicture m_picture;
};

// A standard push button that also answers Enter while it has the focus.
class PageButton : public QPushButton {
    Q_OBJECT
public:
    PageButton(const ButtonRecord &record, QWidget *parent);
    qint16 tabIndex() const { return m_tabIndex; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    qint16 m_tabIndex;
};

// An open page: its window inside the main frame, built from its description.
// Controls are looked up by name, and members of control arrays by name and index;
// asking for a missing one throws MissingControl.
class PageWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // Creates the window and its controls in stored order and starts the timers
    // that are enabled; the caller then delivers Load and shows it.
    explicit PageWindow(const PageDescription &description, QWidget *parent = nullptr);
    ~PageWindow() override;

    const PageDescription &description() const { return m_description; }
    QString pageName() const { return m_description.name; }
    PageSurface *surface() const { return m_surface; }

    FrameBox &pictureBox(const QString &name, std::optional<qint16> index = std::nullopt) const;
    QTimer &timer(const QString &name) const;
    QPushButton &button(const QString &name) const;
    const LabelRecord &label(const QString &name, std::optional<qint16> index = std::nullopt) const;
    const ImageRecord &image(const QString &name) const;
    QList<FrameBox *> frameBoxes() const { return m_boxes.values(); }
    QList<QPushButton *> buttonsInTabOrder() const;

    // Stops and destroys the timers at once, so no tick arrives afterwards; the
    // window itself is hidden and deleted once the current event is handled.
    void shutDown();
    bool isShutDown() const { return m_shutDown; }

    // Starts decoding, in the background, the pictures of the frames that will be
    // seen when the page is shown (visible and not wholly behind a frame in front).
    // Called after Load, before the page is shown; any other frame decodes when
    // it is first painted.
    void prefetchShownPictures();

    // Shows the window maximized, as a page opens, with its caption.
    void showAsOpened();

    // Gives the window the geometry it takes when restored from maximized: its
    // whole client area, at the place and size the description gives. Called once
    // the window is in the workspace, where its frame and title bar are known.
    void placeRestored();

    // Puts the keyboard focus on the first button in tab order.
    void focusFirstButton();

    // The page is never squeezed: where the window's client area is smaller than
    // the page, scroll bars along its right and bottom edges move the page.
    QScrollBar *horizontalScrollBar() const { return m_horizontal; }
    QScrollBar *verticalScrollBar() const { return m_vertical; }
    // The part of the page the window shows, in the page's coordinates.
    QRect shownPart() const;
    // Scrolls as little as needed to show `rect` of the page (as much of it as fits).
    void ensureShown(const QRect &rect);

    // The images whose presses the page handles are its picture buttons.
    void markPictureButtons(const HandlerTable &handlers);

signals:
    void controlEvent(const QString &control, PageEvent event);
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class PageLayout;
    // Lays out the client area `area`: the scroll bars the page needs, and the page
    // at its place under them.
    void arrangePage(const QRect &area);
    void placeSurface();

    static QString key(const QString &name, std::optional<qint16> index);
    [[noreturn]] void missing(const QString &name, std::optional<qint16> index) const;

    PageDescription m_description;
    PageSurface *m_surface = nullptr;
    QScrollBar *m_horizontal = nullptr;
    QScrollBar *m_vertical = nullptr;
    QWidget *m_corner = nullptr;
    bool m_maximized = false;
    bool m_tabbing = false;  // a page button just gave the focus away with Tab
    QRect m_shown;  // the client area less the scroll bars, in the window's coordinates
    QHash<QString, FrameBox *> m_boxes;
    QHash<QString, QTimer *> m_timers;
    QHash<QString, PageButton *> m_buttons;
    QHash<QString, const LabelRecord *> m_labels;
    QHash<QString, const ImageRecord *> m_images;
    bool m_shutDown = false;
};

// The page's client area: background colour, and the labels, images and lines
// painted on it behind every picture box and push button.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    PageSurface(const PageDescription &description, QWidget *parent);
    const PageDescription &description() const { return m_description; }
    // The page's client size when it is not maximized.
    QSize sizeHint() const override;
    // The size of the page a maximized window scrolls over: the client area and
    // every control below it.
    QSize pageSize() const;
    void releasePictures();

    bool isPictureButton(const QString &image) const { return m_pictureButtons.contains(image); }
    void setPictureButtons(const QSet<QString> &images) { m_pictureButtons = images; }
    // Presses an image as the mouse does (a screen reader's press action).
    void pressImage(const QString &image) { emit imagePressed(image); }

signals:
    void imagePressed(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const PageDescription &m_description;
    std::map<QString, HeldPicture> m_imagePictures;
    QSet<QString> m_pictureButtons;
};
