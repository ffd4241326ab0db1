// SPDX-License-Identifier: GPL-3.0-or-later
// What the program sets up before its first window: what a user sees of it is the
// toolkit's own texts in Catalan (the menu of a maximized page) and the program's
// icon, the red P of the home page.
#include "TestSupport.h"

#include "ProgramSetup.h"

#include <QIcon>
#include <QTranslator>

class ProgramSetupTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void theToolkitSpeaksCatalanAndTheProgramShowsItsIcon()
    {
        QTranslator toolkitTexts;
        setUpProgram(toolkitTexts);
        QCOMPARE(QCoreApplication::translate("QMdiSubWindow", "&Close"), QStringLiteral("&Tanca"));
        QCOMPARE(QCoreApplication::translate("QMdiSubWindow", "&Restore"), QStringLiteral("&Restaura"));

        // The icon: a red P with dark red edges on white, 16 by 16 pixels.
        const QImage icon = QApplication::windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(icon.size(), QSize(16, 16));
        QCOMPARE(icon.pixelColor(0, 0), QColor(Qt::white));
        int red = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QColor c = icon.pixelColor(x, y);
                red += c.red() > 100 && c.green() < 110 && c.blue() < 110;
            }
        QVERIFY2(red >= 60, qUtf8Printable(QString::number(red)));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("cat.ventiro.Ventiro"));
    }
};

VENTIRO_TEST_MAIN(ProgramSetupTest)
#include "test_program_setup.moc"
