// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QIcon>
#include <QImage>
#include <QString>

// The decoded picture resource of that name ("frmValvula32/picVàlvula32_1.gif"),
// embedded in the program; a null image if there is none.
QImage GetPicture(const QString &name);

// A picture a control holds while it is shown, in the pixel format the screen
// paints fastest. It is decoded when the control is first shown: prefetch() starts
// decoding on a worker thread (so a page's pictures decode while its window is
// built and its texts are drawn), image() waits for it or decodes at once.
// Released with the control, or earlier with release(). Pictures are never cached
// between openings, so the number held at any moment is what the open pages hold.
class HeldPicture {
public:
    explicit HeldPicture(QString name = {}) : m_name(std::move(name)) {}
    ~HeldPicture() { release(); }
    HeldPicture(const HeldPicture &) = delete;
    HeldPicture &operator=(const HeldPicture &) = delete;

    const QString &name() const { return m_name; }
    void prefetch();
    const QImage &image();
    // Decoded or being decoded.
    bool isDecoded() const { return m_state != State::None; }
    void release();

    // How many pictures are decoded (or being decoded) and held, program-wide.
    static int heldCount();

private:
    enum class State { None, Pending, Ready };
    void hold(State state);

    QString m_name;
    QImage m_image;
    QFuture<QImage> m_pending;
    State m_state = State::None;
};

// A page window's icon: made once per picture and shared by every window that
// shows it; an empty name gives one shared blank icon (so a page without an icon
// shows none rather than the toolkit's logo).
QIcon pageIcon(const QString &name);

// The toolkit's style draws the buttons of a maximized page (at the right of the
// menu bar) and of a page's title bar with icons it makes afresh for every paint,
// and each new icon adds its pixmaps to the toolkit's pixmap cache, so memory
// grows with every page opened. This puts a style in front of the application's
// that makes each standard icon once and shares it. Call once the application
// exists; calling it again changes nothing.
void shareStandardIcons();
