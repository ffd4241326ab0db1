// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainFrame.h"

#include "SystemColours.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

Workspace::Workspace(ColourValue background, QWidget *parent) : QMdiArea(parent), m_background(background)
{
    setObjectName(QStringLiteral("workspace"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Workspace::paintEvent(QPaintEvent *event)
{
    setBackground(resolveColour(m_background));
    QMdiArea::paintEvent(event);
}

MainFrame::MainFrame(const MainFrameDescription &description) : m_description(description)
{
    setObjectName(description.name);
    setWindowTitle(description.caption);
    m_workspace = new Workspace(description.background, this);
    setCentralWidget(m_workspace);
    createMenus(description.menu);
    resizeWithinScreen(designClientSize() + QSize(0, menuBar()->sizeHint().height()));
}

QSize MainFrame::designClientSize() const
{
    return {m_description.clientRect.width / TwipsPerPixel, m_description.clientRect.height / TwipsPerPixel};
}

void MainFrame::createMenus(const QList<MenuItemRecord> &menu)
{
    for (const MenuItemRecord &item : menu) {
        if (item.children.isEmpty()) {
            QAction *command = menuBar()->addAction(item.caption);
            command->setObjectName(item.name);
            connect(command, &QAction::triggered, this, [this, name = item.name] { emit menuCommand(name); });
            continue;
        }
        QMenu *submenu = menuBar()->addMenu(item.caption);
        submenu->setObjectName(item.name);
        submenu->menuAction()->setObjectName(item.name);
        for (const MenuItemRecord &child : item.children) {
            QAction *command = submenu->addAction(child.caption);
            command->setObjectName(child.name);
            connect(command, &QAction::triggered, this, [this, name = child.name] { emit menuCommand(name); });
        }
    }
}

QAction *MainFrame::menuAction(const QString &name) const
{
    return menuBar()->findChild<QAction *>(name);
}

void MainFrame::fitClientArea()
{
    // The menu bar's height depends on the style and on what a maximized page adds
    // to it, so it is measured rather than assumed.
    layout()->activate();
    resizeWithinScreen(size() + designClientSize() - centralWidget()->size());
}

void MainFrame::resizeWithinScreen(QSize wanted)
{
    // On a small screen or at a large scale the frame opens smaller than its
    // design, within reach, and the pages scroll inside it. The window frame is
    // known once the window is shown (none before, or without a window manager).
    const QRect available = screen()->availableGeometry();
    const QSize decoration = frameGeometry().size() - size();
    resize(wanted.boundedTo(available.size() - decoration));
    QRect frame = frameGeometry();
    if (available.contains(frame))
        return;
    frame.moveLeft(std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height())));
    move(frame.topLeft());
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closing();
}
