// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "Fonts.h"
#include "MainFrame.h"
#include "Navigator.h"
#include "PageWindow.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QtGlobal>

// A clock the test sets by hand.
class FakeClock final : public Clock {
public:
    QDateTime now() const override { return m_now; }
    void setSecond(int second) { m_now = QDateTime(QDate(2026, 3, 14), QTime(10, 41, second)); }
    void setTime(QTime time) { m_now = QDateTime(QDate(2026, 3, 14), time); }

private:
    QDateTime m_now{QDate(2026, 3, 14), QTime(10, 41, 0)};
};

// A running program: the navigator started up on a fake clock, with a probe in
// place of ending the process.
struct Program {
    FakeClock clock;
    int quitRequests = 0;
    Navigator navigator{clock, [this] { ++quitRequests; }};

    Program() { navigator.startUp(); }
    ~Program() { settle(); }

    PageWindow *window(const QString &page) const { return navigator.openWindow(page); }
    PageWindow &open(const QString &page) const
    {
        PageWindow *found = navigator.openWindow(page);
        if (!found)
            qFatal("page %s is not open", qUtf8Printable(page));
        return *found;
    }
    void menu(const QString &name) const { navigator.frame()->menuAction(name)->trigger(); }
    // Delivers the page's timer event as its timer would.
    void fire(const QString &page, const QString &timer)
    {
        navigator.dispatch(page, timer, PageEvent::Timer);
    }
    // Lets windows closed during the last operation be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// Tests run on the offscreen platform at 96 dpi, so pages measure and paint the
// same on every machine.
inline void prepareTestEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

// Called from each test's init(): any Qt warning fails the test, except the
// offscreen platform's note that it cannot pass size hints to a window manager.
inline void failOnUnexpectedWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints).*")));
}

#define VENTIRO_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char **argv)                                                                               \
    {                                                                                                             \
        prepareTestEnvironment();                                                                                 \
        QApplication app(argc, argv);                                                                             \
        installFontSubstitutions();                                                                               \
        TestClass test;                                                                                           \
        return QTest::qExec(&test, argc, argv);                                                                   \
    }
