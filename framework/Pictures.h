#pragma once

#include <QImage>
#include <QString>

// The decoded picture resource of that name ("frmValvula32/picVàlvula32_1.gif"),
// embedded in the program; a null image if there is none.
QImage GetPicture(const QString &name);
