#include <QFontDatabase>
#include <QHash>

#include "drawings.h"

QString DejaVuFamily(const QString& fileName)
{
    static QHash<QString, QString> loaded;
    if (const auto found = loaded.constFind(fileName); found != loaded.constEnd())
        return *found;
    const int id = QFontDatabase::addApplicationFont("/usr/share/fonts/truetype/dejavu/" + fileName);
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    const QString family = families.isEmpty() ? QString() : families.first();
    loaded.insert(fileName, family);
    return family;
}
