#include "Clock.h"
#include "Fonts.h"
#include "Navigator.h"
#include "PageNames.h"
#include "PictureCatalogue.h"
#include "Pictures.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Ties the windows to the installed menu entry (and its icon), e.g. as the Wayland app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.ventiro.Ventiro"));
    installFontSubstitutions();
    QTranslator toolkitTexts;
    if (toolkitTexts.load(QStringLiteral(":/translations/qtbase_ca.qm")))
        QApplication::installTranslator(&toolkitTexts);
    QApplication::setWindowIcon(pageIcon(iconPictureName(PageName::Home)));
    SystemClock clock;
    Navigator navigator(clock, [] { QApplication::exit(0); });
    navigator.startUp();
    return app.exec();
}
