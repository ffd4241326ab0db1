// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// Pays, while the user looks at the home page, what the first opening of a page
// would otherwise pay once: the toolkit's worker threads and image reader, the
// fonts the component pages draw with, the memory their pictures take and the
// first run through the code that builds and draws a page. It starts after the
// home page's first paint, so it never delays it, and runs one short step per
// pass of the event loop, so a click that comes meanwhile is handled between two
// steps. It shows nothing and holds no picture.
class WarmUp : public QObject {
    Q_OBJECT

public:
    explicit WarmUp(QObject *parent = nullptr);

    // Starts once `painted` has been painted for the first time.
    void startAfterFirstPaint(QWidget *painted);

    bool isFinished() const { return m_finished; }
    // How many of its steps have run: one for each component page.
    qsizetype stepsTaken() const { return m_next; }

signals:
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scheduleNextStep();
    void runNextStep();

    QPointer<QWidget> m_painted;
    QStringList m_pages;
    qsizetype m_next = 0;
    bool m_finished = false;
};
