#include "ProgramFonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

void installProgramFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    // Wine's Tahoma has the metrics of the original. Adding it directly spares the program a
    // look through every font of the system at start-up.
    bool added = false;
    for (const char *file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QLatin1String(file)))
            added = QFontDatabase::addApplicationFont(QLatin1String(file)) >= 0 || added;
    }
    if (!added)
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
}
