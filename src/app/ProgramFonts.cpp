#include "ProgramFonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void installProgramFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    const QString tahoma = QStringLiteral("Tahoma");
    if (QFontDatabase::hasFamily(tahoma))
        return;
    // Wine's Tahoma has the metrics of the original.
    const QStringList candidates = {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
                                    QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
    for (const QString &file : candidates) {
        if (QFile::exists(file))
            QFontDatabase::addApplicationFont(file);
    }
    if (!QFontDatabase::hasFamily(tahoma))
        QFont::insertSubstitution(tahoma, QStringLiteral("Liberation Sans"));
}
