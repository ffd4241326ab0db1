#include "ProgramSetup.h"

#include "Fonts.h"
#include "PageNames.h"
#include "PictureCatalogue.h"
#include "Pictures.h"

#include <QApplication>
#include <QTranslator>

void setUpProgram(QTranslator &toolkitTexts)
{
    // Ties the windows to the installed menu entry (and its icon), e.g. as the Wayland app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.ventiro.Ventiro"));
    installFontSubstitutions();
    if (toolkitTexts.load(QStringLiteral(":/translations/qtbase_ca.qm")))
        QApplication::installTranslator(&toolkitTexts);
    QApplication::setWindowIcon(pageIcon(iconPictureName(PageName::Home)));
}
