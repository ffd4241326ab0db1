#include "Pictures.h"

QImage GetPicture(const QString &name)
{
    if (name.isEmpty())
        return {};
    return QImage(QStringLiteral(":/pictures/") + name);
}
