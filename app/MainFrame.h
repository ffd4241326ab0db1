// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

#include <QMainWindow>
#include <QMdiArea>
#include <functional>

// The client area of the main frame: shows the application workspace colour,
// looked up when it is painted, wherever no page covers it.
class Workspace : public QMdiArea {
    Q_OBJECT
public:
    Workspace(ColourValue background, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourValue m_background;
};

// The program's only top-level window `MDIIniciPneumatica`: the menu bar and the
// workspace in which the pages are shown maximized, one at a time.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(const MainFrameDescription &description);

    Workspace *workspace() const { return m_workspace; }
    QAction *menuAction(const QString &name) const;
    // Sizes the window so the client area below the menu bar has its design size,
    // as far as the screen's available area allows, and keeps it within that area.
    void fitClientArea();
    QSize designClientSize() const;

signals:
    void menuCommand(const QString &name);
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus(const QList<MenuItemRecord> &menu);
    // Resizes to `wanted`, no larger than the screen's available area (frame included).
    void resizeWithinScreen(QSize wanted);

    MainFrameDescription m_description;
    Workspace *m_workspace = nullptr;
};
