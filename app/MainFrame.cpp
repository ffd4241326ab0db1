#include "MainFrame.h"

#include "SystemColours.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

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
    resize(designClientSize() + QSize(0, menuBar()->sizeHint().height()));
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
    resize(size() + designClientSize() - centralWidget()->size());
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closing();
}
