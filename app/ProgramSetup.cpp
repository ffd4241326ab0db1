// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramSetup.h"

#include "Fonts.h"
#include "PageNames.h"
#include "PictureCatalogue.h"
#include "Pictures.h"

#include <QApplication>
#include <QTranslator>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void setUpProgram(QTranslator &toolkitTexts)
{
#if defined(__GLIBC__)
    // A page's pictures (up to about 1 MB each once decoded) are taken from the
    // heap and, when the page closes, kept there for the next page rather than
    // handed back to the system, which would have to give fresh, zeroed memory
    // again at every opening. Up to 8 MB of freed memory are kept.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
#endif
    // Ties the windows to the installed menu entry (and its icon), e.g. as the Wayland app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("cat.ventiro.Ventiro"));
    installFontSubstitutions();
    if (toolkitTexts.load(QStringLiteral(":/translations/qtbase_ca.qm")))
        QApplication::installTranslator(&toolkitTexts);
    QApplication::setWindowIcon(pageIcon(iconPictureName(PageName::Home)));
}
